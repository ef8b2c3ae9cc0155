// The import file read and the whole check, every question answered Yes (first
// byte odd; "Yes to All" too when bit 5 is set) or No, under an English, German
// or French locale and with the texts, and so the header rule, of one of the
// three languages.
#include "Fuzzhilfe.h"

#include "import/Importpruefung.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) {
        return 0;
    }
    static const std::array<QLocale, 4> locales = {
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::English, QLocale::UnitedStates)};
    static const std::array<mi::Sprache, 4> sprachen = {mi::Sprache::EN, mi::Sprache::DE,
                                                        mi::Sprache::FR, mi::Sprache::EN};
    // A planner that lets everyone import, so every run reaches the import file.
    static const QByteArray konfiguration = mi::fuzz::Lauf::verschluesseln(
        "[Velmont]\nx\nx\n[Firma]\nx\nx\n[Settings]\n"
        "000000000000000000000000000000\nx\n"
        "[Administratoren]\nNoAdmins");
    const std::uint8_t wahl = daten[0];
    mi::fuzz::Lauf lauf(sprachen.at((wahl >> 3) & 3));
    lauf.dateiAnlegen(QStringLiteral("Konfigdaten.dat"), konfiguration);
    const QString importdatei = lauf.dateiAnlegen(QStringLiteral("Import.csv"),
                                                  mi::fuzz::bytesAnsehen(daten + 1, groesse - 1));
    const bool alle = (wahl & 0x20) != 0;
    lauf.dialoge.frageantwort = (wahl & 1) == 0 ? mi::Antwort::Nein
                                : alle          ? mi::Antwort::JaAlle
                                                : mi::Antwort::Ja;
    lauf.plattform.locale = locales.at((wahl >> 1) & 3);
    mi::fuzz::ausfuehren(lauf.dienste, [&] {
        mi::Importdatei_checken(lauf.dienste, mi::fuzz::planerordnerNennen(), importdatei,
                                QStringLiteral("demo"));
    });
    return 0;
}
