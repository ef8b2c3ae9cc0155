// The employee file: raw bytes or plain lines scrambled by the harness, read
// under an English or a German locale.
#include "Fuzzhilfe.h"

#include "datastore/Mitarbeiterdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    mi::fuzz::Lauf lauf;
    if (!lauf.planerdateiAnlegen(QStringLiteral("Mitarbeiterdaten.dat"), daten, groesse)) {
        return 0;
    }
    if ((daten[0] & 2) != 0) {
        lauf.plattform.locale = QLocale(QLocale::German, QLocale::Germany);
    }
    mi::fuzz::ausfuehren(lauf.dienste, [&] {
        mi::Mitarbeiterdaten_lesen(lauf.dienste, mi::fuzz::planerordnerNennen());
    });
    return 0;
}
