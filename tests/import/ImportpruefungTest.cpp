#include "Planer.h"
#include "import/Importpruefung.h"
#include "wizard/Schrittzustaende.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

const QLocale DE(QLocale::German, QLocale::Germany);
const QLocale EN(QLocale::English, QLocale::UnitedStates);
const QLocale FR(QLocale::French, QLocale::France);

// The wizard at step 3 of a planner installation whose only administrator is "anna".
struct Pruefstand : test::Planer {
    explicit Pruefstand(Sprache sprache = Sprache::EN, const QLocale& locale = EN,
                        const QString& benutzer = QStringLiteral("anna"))
        : Planer(sprache) {
        eingerichtet();
        u.plattform.locale = locale;
        lz.Benutzername = benutzer;
        zustaende.Schritt_abschliessen(1);
        zustaende.Schritt_abschliessen(2);
    }

    void pruefen(const QByteArray& csv) {
        u.lz->Importdateipfad = baum.datei("import.csv", csv);
        Importdatei_checken(*u.lz, zustaende);
        EXPECT_TRUE(u.dialoge.skriptLeer());
        EXPECT_FALSE(u.lz->kanal.offen());
    }

    QStringList felder(std::size_t zeile) const {
        const ImportZeile& z = u.lz->ImportZeilen.at(zeile);
        return {z.Name,
                z.Benutzerkennung,
                z.VonDatum,
                z.BisDatum,
                z.Resturlaub,
                z.Urlaubsanspruch1,
                z.Urlaubsanspruch2,
                z.Urlaubsanspruch3,
                z.Urlaubsanspruch4,
                z.Sonderurlaub};
    }

    Schrittzustaende zustaende;
};

TEST(ImportdateiCheckenTest, CleanFileIsNormalisedAndOpensStep4) {
    Pruefstand p;
    p.u.dialoge.erwarteBox(Antwort::OK);
    const QString name45 = QString(45, u'x');
    p.pruefen(
        "Name;User;From;To;Rest;A1;A2;A3;A4;Extra\r\n"
        "\"Anna Beispiel\";\"abeispiel\";\"\";\"\";\"2.5\";\"30\";;;;1\r\n"
        ">Sales;\r\n" +
        name45.toLatin1() + ";;1/1/2024;2029-12-31;-0.04;-3.5;1500;-150;0.05\r\n");
    EXPECT_EQ(p.u.dialoge.texte(), QStringList{"Testing completed. No errors found."});
    EXPECT_EQ(p.zustaende.zustand(), 4);
    EXPECT_EQ(p.felder(0), (QStringList{"Anna Beispiel", "abeispiel", "000000", "999999", "002,5",
                                        "030,0", "000,0", "000,0", "000,0", "001,0"}));
    EXPECT_EQ(p.felder(1), (QStringList{">Sales", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(p.u.lz->ImportZeilen[1].Zeilentext, ">Sales;;");
    EXPECT_EQ(p.felder(2), (QStringList{name45.left(40), name45.left(40), "240101", "291231",
                                        "000,0", "-03,5", "999,0", "-99,0", "000,1", "000,0"}));
}

struct FehlerFall {
    const char* name;
    Sprache sprache;
    QLocale locale;
    QByteArray csv;
    QString frage;  // the first question, then Yes to every one
};

void PrintTo(const FehlerFall& f, std::ostream* os) {
    *os << f.name;
}

class ZeilenfrageTest : public ::testing::TestWithParam<FehlerFall> {};

TEST_P(ZeilenfrageTest, YesToEveryQuestionEndsWithTheFaultsSummary) {
    const FehlerFall& fall = GetParam();
    Pruefstand p(fall.sprache, fall.locale);
    p.u.dialoge.immerAntworten(Antwort::Ja);
    p.pruefen(fall.csv);
    const std::vector<Meldungsbox>& boxen = p.u.dialoge.boxen;
    ASSERT_GE(boxen.size(), 2U);
    EXPECT_EQ(boxen.front().text, fall.frage);
    EXPECT_EQ(boxen.front().symbol, Symbol::Frage);
    EXPECT_EQ(boxen.front().standard, Antwort::Nein);
    EXPECT_EQ(boxen.back().text, p.u.lz->texte.pruefungMitFehlern);
    EXPECT_EQ(p.zustaende.zustand(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, ZeilenfrageTest,
    ::testing::Values(
        FehlerFall{"Colon", Sprache::EN, EN, "a;b\r\nAnna;12:00",
                   "Error in row 2\r\rInvalid character ':' or '|' found\r\rDo you want to "
                   "continue?"},
        FehlerFall{"Bar", Sprache::DE, DE, "a:b|c",
                   "Fehler in Zeile 1\r\rUnzulässiges Zeichen ':' oder '|' enthalten\r\rMöchten "
                   "Sie fortsetzen?"},
        FehlerFall{"StartDate", Sprache::EN, EN, "Anna;an;32/1/2024",
                   "Error in row 1, Anna\r\rDate 32/1/2024 is invalid\r\rDo you want to continue?"},
        FehlerFall{"StartAfterEndWithoutCentury", Sprache::DE, DE, "Anna;an;15.03.1999;01.01.2005",
                   "Fehler in Zeile 1, Anna\r\r'Von-Datum' ist größer als 'Bis-Datum'\r\rMöchten "
                   "Sie fortsetzen?"},
        FehlerFall{"GroupSeparator", Sprache::DE, DE, "Anna;an;;;1.5",
                   "Fehler in Zeile 1, Anna\r\rResturlaub 1.5 nicht nummerisch\r\rMöchten Sie "
                   "fortsetzen?"},
        FehlerFall{"Entitlement4", Sprache::EN, EN, "Anna;an;;;;;;;x",
                   "Error in row 1, Anna\r\rVacation entitlement x not numeric\r\rDo you want to "
                   "continue?"},
        FehlerFall{"Rtt", Sprache::FR, FR, "Anna;an;;;;;;;;2.5",
                   "Erreur à l'enregistrement numéro 1, Anna\r\rRTT 2.5 n'est pas un "
                   "nombre\r\rVoulez-vous continuer ?"},
        FehlerFall{"DuplicateCase", Sprache::EN, EN, "A;MEIER\r\nB;x\r\nC;meier",
                   "Error in row 3, C\r\rName/Windows User Name meier exists twice\r\rDo you "
                   "want to continue?"},
        FehlerFall{"DuplicateByName", Sprache::EN, EN, "Anna;\r\nAnna;",
                   "Error in row 2, Anna\r\rName/Windows User Name Anna exists twice\r\rDo you "
                   "want to continue?"}));

TEST(ImportdateiCheckenTest, EmptyNameAnsweredYesBecomesNameAndIndex) {
    Pruefstand p;
    p.u.dialoge.immerAntworten(Antwort::Ja);
    p.pruefen("a;\r\nb;\r\nc;\r\n;d");
    EXPECT_EQ(p.u.dialoge.texte(),
              (QStringList{"Error in row 4\r\rField Name is empty\r\rDo you want to continue?",
                           p.u.lz->texte.pruefungMitFehlern}));
    EXPECT_EQ(p.u.lz->ImportZeilen[3].Name, "Name 4");
}

TEST(ImportdateiCheckenTest, NoAtTheFirstQuestionEndsWithoutSummary) {
    Pruefstand p;
    p.u.dialoge.erwarteBox(Antwort::Nein);
    p.pruefen("Anna;an;x\r\nAnna;an;y");
    EXPECT_EQ(p.u.dialoge.boxen.size(), 1U);
    EXPECT_EQ(p.zustaende.zustand(), 3);
    EXPECT_EQ(p.u.protokoll, QStringList{"box"});  // a question never beeps
}

TEST(ImportdateiCheckenTest, ElevenColumnsEndTheRunNamingTheSeparator) {
    Pruefstand p;
    p.u.dialoge.erwarteBox(Antwort::OK);
    p.pruefen("1;2;3;4;5;6;7;8;9;10\r\n" + QByteArray(45, 'N') + ";2;3;4;5;6;7;8;9;10;11");
    EXPECT_EQ(p.u.dialoge.texte(),
              QStringList{"Error in row 2, " + QString(45, u'N') +
                          "\r\rInvalid number of columns\r\rProbably the delimiter in the import "
                          "file ';' is contained in the import data. Do not use this character "
                          "in the import data or use a different delimiter in the import file."});
    EXPECT_EQ(p.zustaende.zustand(), 3);
}

TEST(ImportdateiCheckenTest, OnlyTextRowsPass) {
    Pruefstand p(Sprache::FR, FR);
    p.u.dialoge.erwarteBox(Antwort::OK);
    p.pruefen(">Ventes;\r\n>Achats;x;y");
    EXPECT_EQ(p.u.dialoge.texte(), QStringList{"Test terminé. Aucune erreur trouvée."});
    EXPECT_EQ(p.zustaende.zustand(), 4);
}

TEST(ImportdateiCheckenTest, UserWithoutRightsIsToldAndTheFileIsNotRead) {
    Pruefstand p(Sprache::EN, EN, QStringLiteral("bob"));
    p.u.dialoge.erwarteBox(Antwort::OK);
    p.pruefen("");
    EXPECT_EQ(p.u.dialoge.texte(),
              QStringList{"You are not administrator of the Velmora and you don't have "
                          "permission to import employee data."});
    EXPECT_TRUE(p.u.lz->ImportZeilen.empty());
    EXPECT_EQ(p.zustaende.zustand(), 3);
}

}  // namespace
}  // namespace mi
