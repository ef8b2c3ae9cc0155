#include "Fakes.h"
#include "messages/Meldungen.h"

#include <gtest/gtest.h>
#include <QDir>

namespace mi {
namespace {

using test::Umgebung;

struct BerichtFall {
    Sprache sprache;
    std::int32_t nummer;
    QString erwartet;
};

void PrintTo(const BerichtFall& f, std::ostream* os) {
    *os << static_cast<int>(f.sprache) << '/' << f.nummer;
}

class FehlerberichtTest : public ::testing::TestWithParam<BerichtFall> {};

TEST_P(FehlerberichtTest, LayoutByteForByte) {
    const BerichtFall& fall = GetParam();
    EXPECT_EQ(fehlerberichtText(texte(fall.sprache), QStringLiteral("modX - P"), fall.nummer,
                                QStringLiteral("D")),
              fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    AlleSprachen, FehlerberichtTest,
    ::testing::Values(
        BerichtFall{Sprache::DE, 53,
                    QStringLiteral("Es ist folgender Fehler aufgetreten in Modul 'modX - P':\r\r"
                                   "Fehler Nr. 53\rD\r\rDas Programm wird beendet.")},
        BerichtFall{Sprache::EN, 53,
                    QStringLiteral("The following error occurred in module 'modX - P':\r\r"
                                   "Error Nr. 53\rD\r\rProgram will be closed.")},
        BerichtFall{Sprache::EN, -2147217900,
                    QStringLiteral("The following error occurred in module 'modX - P':\r\r"
                                   "Error Nr. -2147217900\rD\r\rProgram will be closed.")},
        BerichtFall{Sprache::FR, 53,
                    QStringLiteral("L'erreur suivante est survenue au module « modX - P » :\r\r"
                                   "Erreur N° 53\rD\r\rLe programme va être fermé.")}));

struct ZitatFall {
    Sprache sprache;
    QString pfad;
    QString erwartet;
};

void PrintTo(const ZitatFall& f, std::ostream* os) {
    *os << static_cast<int>(f.sprache) << ' ';
    PrintTo(f.pfad, os);
}

class PfadZitierenTest : public ::testing::TestWithParam<ZitatFall> {};

TEST_P(PfadZitierenTest, RemovesOneTrailingSeparatorAndQuotes) {
    const ZitatFall& fall = GetParam();
    EXPECT_EQ(Pfad_zitieren(texte(fall.sprache), QDir::toNativeSeparators(fall.pfad)),
              QDir::toNativeSeparators(fall.erwartet));
}

INSTANTIATE_TEST_SUITE_P(Faelle, PfadZitierenTest,
                         ::testing::Values(ZitatFall{Sprache::EN, "/Daten/", "'/Daten'"},
                                           ZitatFall{Sprache::DE, "/Daten/", "'/Daten'"},
                                           ZitatFall{Sprache::FR, "/Daten/", "« /Daten »"},
                                           ZitatFall{Sprache::EN, "/", "''"},
                                           ZitatFall{Sprache::EN, "/Daten", "'/Daten'"},
                                           ZitatFall{Sprache::EN, "/Daten//", "'/Daten/'"},
                                           ZitatFall{Sprache::EN, "", "''"},
                                           ZitatFall{Sprache::FR, "", "«  »"}));

TEST(AbbruchmeldungTest, AddsExactlyOneFullStopAndTheClosingLineThenEnds) {
    Umgebung u;
    u.dialoge.erwarteBox(Antwort::OK);
    try {
        Abbruchmeldung(*u.lz, QStringLiteral("Backup before importing employee data failed."));
        FAIL() << "Abbruchmeldung returned";
    } catch (const Programmende& ende) {
        EXPECT_EQ(ende.grund, Programmende::Grund::Abbruchmeldung);
        EXPECT_NE(ende.status, 0);
    }
    ASSERT_EQ(u.dialoge.boxen.size(), 1U);
    EXPECT_EQ(u.dialoge.boxen[0].text,
              QStringLiteral("Backup before importing employee data failed..\r\rProgram will be "
                             "closed."));
    EXPECT_EQ(u.protokoll, (QStringList{"beep", "box"}));
}

TEST(MeldungTest, WarningBoxWithOkAfterABeepQuestionWithoutBeepNoDefault) {
    Umgebung u(Sprache::FR);
    u.lz->Programmtitel = u.lz->texte.programmtitel;
    u.dialoge.erwarteBox(Antwort::OK);
    u.dialoge.erwarteBox(Antwort::Ja);
    Meldung(*u.lz, QStringLiteral("a"));
    EXPECT_TRUE(Ja_Nein_Frage(*u.lz, QStringLiteral("b")));
    ASSERT_EQ(u.dialoge.boxen.size(), 2U);
    const Meldungsbox& warnung = u.dialoge.boxen[0];
    EXPECT_EQ(warnung.titel, QStringLiteral("Import des Employés"));
    EXPECT_EQ(warnung.symbol, Symbol::Warnung);
    EXPECT_EQ(warnung.knoepfe, Knoepfe::OK);
    const Meldungsbox& frage = u.dialoge.boxen[1];
    EXPECT_EQ(frage.symbol, Symbol::Frage);
    EXPECT_EQ(frage.knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(frage.standard, Antwort::Nein);
    EXPECT_EQ(u.protokoll, (QStringList{"beep", "box", "box"}));
}

TEST(FehlerbehandlungTest, StandardExceptionIsReportedButMarkedAsADefect) {
    Umgebung u;
    u.dialoge.erwarteBox(Antwort::OK);
    try {
        mitFehlerbericht(*u.lz, QStringLiteral("modMitarbeiterImport - X"),
                         [] { return std::string().at(3); });
        FAIL();
    } catch (const Programmende& ende) {
        EXPECT_EQ(ende.grund, Programmende::Grund::Standardausnahme);
    }
    EXPECT_TRUE(u.dialoge.boxen[0].text.startsWith(
        QStringLiteral("The following error occurred in module 'modMitarbeiterImport - X'")));
}

TEST(FehlerbehandlungTest, InnerReportIsNotReportedAgainByTheCaller) {
    Umgebung u;
    u.dialoge.erwarteBox(Antwort::OK);
    EXPECT_THROW(mitFehlerbericht(*u.lz, QStringLiteral("aussen"),
                                  [&] {
                                      mitFehlerbericht(*u.lz, QStringLiteral("innen"), [] {
                                          fehlerAusloesen(fehlernummer::Ueberlauf);
                                      });
                                  }),
                 Programmende);
    ASSERT_EQ(u.dialoge.boxen.size(), 1U);
    EXPECT_TRUE(u.dialoge.boxen[0].text.contains(QStringLiteral("'innen'")));
    EXPECT_TRUE(u.dialoge.boxen[0].text.contains(QStringLiteral("Error Nr. 6\rOverflow")));
}

}  // namespace
}  // namespace mi
