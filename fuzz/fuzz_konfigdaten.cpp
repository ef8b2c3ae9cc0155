// The configuration file: raw bytes (first byte even) or plain lines that the
// harness scrambles, so the readers' header and administrator logic is reached.
#include "Fuzzhilfe.h"

#include "datastore/Konfigdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) {
        return 0;
    }
    mi::fuzz::Lauf lauf;
    const QByteArray inhalt(reinterpret_cast<const char*>(daten + 1),
                            static_cast<qsizetype>(groesse - 1));
    lauf.datei(QStringLiteral("Konfigdaten.dat"),
               (daten[0] & 1) != 0 ? mi::fuzz::Lauf::verschluesselt(inhalt) : inhalt);
    mi::Laufzeit& lz = *lauf.lz;
    mi::fuzz::ausfuehren(lz, [&] {
        mi::Konfigdaten_lesen(lz);
        if ((daten[0] & 2) != 0) {
            lz.Einstellungen += QStringLiteral("x");
            mi::Konfigdaten_schreiben(lz);
        }
    });
    return 0;
}
