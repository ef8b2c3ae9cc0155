// The configuration file: raw bytes (first byte even) or plain lines that the
// harness scrambles, so the readers' header and administrator logic is reached.
#include "Fuzzhilfe.h"

#include "datastore/Konfigdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    if (!lauf.planerdatei(QStringLiteral("Konfigdaten.dat"), daten, groesse)) {
        return 0;
    }
    mi::fuzz::ausfuehren(lauf.dienste, [&] {
        const mi::Konfiguration k =
            mi::Konfigdaten_lesen(lauf.dienste, lauf.datenpfad, QStringLiteral("demo"));
        if ((daten[0] & 2) != 0) {
            mi::Konfigdaten_schreiben(lauf.dienste, lauf.datenpfad,
                                      k.Einstellungen + QStringLiteral("x"));
        }
    });
    return 0;
}
