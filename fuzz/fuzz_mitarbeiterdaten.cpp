// The employee file: raw bytes or plain lines scrambled by the harness, read
// under an English or a German locale.
#include "Fuzzhilfe.h"

#include "datastore/Mitarbeiterdaten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) {
        return 0;
    }
    mi::fuzz::Lauf lauf;
    const QByteArray inhalt(reinterpret_cast<const char*>(daten + 1),
                            static_cast<qsizetype>(groesse - 1));
    lauf.datei(QStringLiteral("Mitarbeiterdaten.dat"),
               (daten[0] & 1) != 0 ? mi::fuzz::Lauf::verschluesselt(inhalt) : inhalt);
    if ((daten[0] & 2) != 0) {
        lauf.plattform.locale = QLocale(QLocale::German, QLocale::Germany);
    }
    mi::Laufzeit& lz = *lauf.lz;
    lz.Dezimalzeichen = lauf.plattform.locale.decimalPoint().at(0);
    mi::fuzz::ausfuehren(lz, [&] { mi::Mitarbeiterdaten_lesen(lz); });
    return 0;
}
