#include "Fakes.h"
#include "messages/Meldungen.h"

#include <gtest/gtest.h>
#include <QDir>

namespace mi {
namespace {

TEST(FehlerberichtTest, LayoutByteForByte) {
    const std::tuple<Sprache, std::int32_t, const char*> faelle[] = {
        {Sprache::DE, 53,
         "Es ist folgender Fehler aufgetreten in Modul 'modX - P':\r\rFehler Nr. 53\rD\r\r"
         "Das Programm wird beendet."},
        {Sprache::EN, -2147217900,
         "The following error occurred in module 'modX - P':\r\rError Nr. -2147217900\rD\r\r"
         "Program will be closed."},
        {Sprache::FR, 53,
         "L'erreur suivante est survenue au module « modX - P » :\r\rErreur N° 53\rD\r\r"
         "Le programme va être fermé."}};
    for (const auto& [sprache, nummer, erwartet] : faelle) {
        EXPECT_EQ(fehlerberichtText(texte(sprache), "modX - P", nummer, "D"), erwartet);
    }
}

TEST(PfadZitierenTest, RemovesOneTrailingSeparatorAndQuotes) {
    const std::tuple<Sprache, const char*, const char*> faelle[] = {
        {Sprache::EN, "/Daten/", "'/Daten'"},
        {Sprache::FR, "/Daten/", "« /Daten »"},
        {Sprache::EN, "/Daten", "'/Daten'"},
        {Sprache::EN, "/Daten//", "'/Daten/'"},
        {Sprache::FR, "", "«  »"}};
    for (const auto& [sprache, pfad, erwartet] : faelle) {
        EXPECT_EQ(Pfad_zitieren(texte(sprache), QDir::toNativeSeparators(pfad)),
                  QDir::toNativeSeparators(erwartet));
    }
}

TEST(MeldungTest, WarningBeepsQuestionDefaultsToNoAbbruchmeldungAddsOneFullStopAndEnds) {
    test::Umgebung u(Sprache::FR);
    u.lz->Programmtitel = u.lz->texte.programmtitel;
    u.dialoge.erwarteBox(Antwort::Ja);
    u.dialoge.erwarteBox(Antwort::OK);
    EXPECT_TRUE(Ja_Nein_Frage(*u.lz, "b"));
    EXPECT_THROW(Abbruchmeldung(*u.lz, "Fin."), Programmende);
    ASSERT_EQ(u.dialoge.boxen.size(), 2U);
    const Meldungsbox& frage = u.dialoge.boxen[0];
    EXPECT_EQ(frage.titel, "Import des Employés");
    EXPECT_EQ(frage.symbol, Symbol::Frage);
    EXPECT_EQ(frage.knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(frage.standard, Antwort::Nein);
    const Meldungsbox& warnung = u.dialoge.boxen[1];
    EXPECT_EQ(warnung.text, "Fin..\r\rLe programme va être fermé.");
    EXPECT_EQ(warnung.symbol, Symbol::Warnung);
    EXPECT_EQ(warnung.knoepfe, Knoepfe::OK);
    EXPECT_EQ(u.protokoll, (QStringList{"box", "beep", "box"}));
}

TEST(FehlerbehandlungTest, InnerReportIsNotReportedAgainByTheCaller) {
    test::Umgebung u;
    u.dialoge.immerAntworten(Antwort::OK);
    EXPECT_THROW(mitFehlerbericht(*u.lz, "aussen",
                                  [&] {
                                      mitFehlerbericht(*u.lz, "innen", [] {
                                          fehlerAusloesen(fehlernummer::Ueberlauf);
                                      });
                                  }),
                 Programmende);
    EXPECT_EQ(u.dialoge.texte(),
              (QStringList{"The following error occurred in module 'innen':\r\rError Nr. "
                           "6\rOverflow\r\rProgram will be closed."}));
}

}  // namespace
}  // namespace mi
