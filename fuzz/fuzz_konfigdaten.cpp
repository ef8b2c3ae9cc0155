// The configuration file: raw bytes (first byte even) or plain lines that the
// harness scrambles, so the readers' header and administrator logic is reached;
// with the second and third bits set it is written back as well. Every write
// opens a buffer that the sanitizer maps and unmaps afresh, so a quarter of
// the inputs take that path, not half: the reader runs faster, and the writer,
// which only copies what was read, is still reached by the fuzzer at once.
#include "Fuzzhilfe.h"

#include "datastore/Konfigdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    if (!lauf.planerdateiAnlegen(QStringLiteral("Konfigdaten.dat"), daten, groesse)) {
        return 0;
    }
    const QString& datenpfad = mi::fuzz::planerordnerNennen();
    mi::fuzz::ausfuehren(lauf.dienste, [&] {
        const mi::Konfiguration k =
            mi::Konfigdaten_lesen(lauf.dienste, datenpfad, QStringLiteral("demo"));
        if ((daten[0] & 6) == 6) {
            mi::Konfigdaten_schreiben(lauf.dienste, datenpfad,
                                      k.Einstellungen + QStringLiteral("x"));
        }
    });
    return 0;
}
