// The configuration file: raw bytes (first byte even) or plain lines that the
// harness scrambles, so the readers' header and administrator logic is reached.
#include "Fuzzhilfe.h"

#include "datastore/Konfigdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    if (!lauf.planerdatei(QStringLiteral("Konfigdaten.dat"), daten, groesse)) {
        return 0;
    }
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
