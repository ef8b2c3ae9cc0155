#include "Fakes.h"
#include "messages/Meldungen.h"

#include <gtest/gtest.h>

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

TEST(MeldungTest, QuestionDefaultsToNoWithoutABeep) {
    test::Umgebung u(Sprache::FR);
    u.dialoge.erwarteBox(Antwort::Ja);
    EXPECT_TRUE(Ja_Nein_Frage(u.dienste, "b"));
    const Meldungsbox& frage = u.dialoge.boxen.at(0);  // the fake allows no other
    EXPECT_EQ(frage.titel, "Import des Employés");
    EXPECT_EQ(frage.symbol, Symbol::Frage);
    EXPECT_EQ(frage.knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(frage.standard, Antwort::Nein);
    EXPECT_EQ(u.protokoll, QStringList{"box"});
}

// A beep, then the warning; one full stop is added even after one.
TEST(MeldungTest, AbbruchmeldungWarnsWithOneMoreFullStopAndEnds) {
    test::Umgebung u(Sprache::FR);
    u.dialoge.erwarteBox(Antwort::OK);
    EXPECT_THROW(Abbruchmeldung(u.dienste, "Fin."), Programmende);
    const Meldungsbox& warnung = u.dialoge.boxen.at(0);  // the fake allows no other
    EXPECT_EQ(warnung.text, "Fin..\r\rLe programme va être fermé.");
    EXPECT_EQ(warnung.symbol, Symbol::Warnung);
    EXPECT_EQ(warnung.knoepfe, Knoepfe::OK);
    EXPECT_EQ(u.protokoll, (QStringList{"beep", "box"}));
}

// The innermost handler reports; an error that names its own procedure is
// reported under that name wherever it is caught.
TEST(FehlerbehandlungTest, InnerReportIsNotReportedAgainByTheCaller) {
    test::Umgebung u;
    u.dialoge.immerAntworten(Antwort::OK);
    for (const auto& [ort, erwartet] : {std::pair{"", "innen"}, {"eigen", "eigen"}}) {
        EXPECT_THROW(mitFehlerbericht(u.dienste, "aussen",
                                      [&, ort = ort] {
                                          mitFehlerbericht(u.dienste, "innen", [&] {
                                              fehlerAusloesen(fehlernummer::Ueberlauf, ort);
                                          });
                                      }),
                     Programmende);
        EXPECT_EQ(u.dialoge.boxen.back().text,
                  "The following error occurred in module '" + QString(erwartet) +
                      "':\r\rError Nr. 6\rOverflow\r\rProgram will be closed.");
    }
}

}  // namespace
}  // namespace mi
