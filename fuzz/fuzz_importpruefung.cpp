// The import file read and the whole check, every question answered Yes (first
// byte odd) or No, under an English, German or French locale.
#include "Fuzzhilfe.h"

#include "import/Importpruefung.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) {
        return 0;
    }
    static const std::array<QLocale, 3> locales = {QLocale(QLocale::English, QLocale::UnitedStates),
                                                   QLocale(QLocale::German, QLocale::Germany),
                                                   QLocale(QLocale::French, QLocale::France)};
    mi::fuzz::Lauf lauf;
    lauf.datei(QStringLiteral("Konfigdaten.dat"),
               mi::fuzz::Lauf::verschluesselt("[Velmont]\nx\nx\n[Firma]\nx\nx\n[Settings]\n"
                                              "000000000000000000000000000000\nx\n"
                                              "[Administratoren]\nNoAdmins"));
    const QString importdatei = lauf.datei(
        QStringLiteral("Import.csv"),
        QByteArray(reinterpret_cast<const char*>(daten + 1), static_cast<qsizetype>(groesse - 1)));
    lauf.dialoge.frageantwort = (daten[0] & 1) != 0 ? mi::Antwort::Ja : mi::Antwort::Nein;
    lauf.plattform.locale = locales.at((daten[0] >> 1) % locales.size());
    mi::fuzz::ausfuehren(lauf.dienste, [&] {
        mi::Importdatei_checken(lauf.dienste, lauf.datenpfad, importdatei, QStringLiteral("demo"));
    });
    return 0;
}
