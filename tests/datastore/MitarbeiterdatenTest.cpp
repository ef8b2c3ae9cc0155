#include "Dateibaum.h"
#include "Hilfen.h"
#include "datastore/Mitarbeiterdaten.h"

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

const QString Aktuell = QStringLiteral(
    "070301:991231:025,0:030,0:005,0:000,0:000,0:002,5:000,0:000,0:000,0:Meier, Hans:hmeier");
const QString Alt = QStringLiteral("070301:991231:025:030:005:000:000:Meier, Hans:hmeier");

struct Lesefall {
    Umgebung u;
    Dateibaum baum;
    explicit Lesefall(const QStringList& zeilen) {
        u.lz->Datenpfad = baum.wurzel();
        baum.planerdatei("Mitarbeiterdaten.dat", zeilen);
    }
};

TEST(MitarbeiterdatenTest, CurrentAndOldLayoutGiveTheSameListsAndTextLinesOnlyAName) {
    Lesefall f({"[Mitarbeiterdaten]", "99999999", "12", Aktuell, "Abteilung Nord", Alt});
    f.u.lz->Dezimalzeichen = u'.';
    Mitarbeiterdaten_lesen(*f.u.lz);
    const Mitarbeiterdaten& ma = f.u.lz->mitarbeiter;
    EXPECT_EQ(ma.MA_Kopfwert, "99999999");
    EXPECT_EQ(ma.MA_Kopfzahl, 12);
    EXPECT_EQ(ma.MA_Namen, (QStringList{"Meier, Hans", "Abteilung Nord", "Meier, Hans"}));
    EXPECT_EQ(ma.MA_Kennungen, (QStringList{"hmeier", "", "hmeier"}));
    EXPECT_EQ(ma.MA_VonDatum, (QStringList{"070301", "", "070301"}));
    EXPECT_EQ(ma.MA_BisDatum, (QStringList{"991231", "", "991231"}));
    const QString werte = "025.0:030.0:005.0:000.0:000.0";
    EXPECT_EQ(ma.MA_Urlaubswerte, (QStringList{werte, "", werte}));
    EXPECT_EQ(ma.MA_Sonderurlaub, (QStringList{"002.5", "", "000.0"}));
}

TEST(MitarbeiterdatenTest, HeaderOnlyGivesNoNamesAndAnotherCaseIsFound) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Datenpfad = baum.wurzel();
    baum.planerdatei("mitarbeiterDaten.DAT", {"[Mitarbeiterdaten]", "x", "-3"});
    u.lz->mitarbeiter.MA_Namen = QStringList{"alt", "alt"};
    Mitarbeiterdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->mitarbeiter.MA_Namen, QStringList{"NoNames"});
    EXPECT_EQ(u.lz->mitarbeiter.MA_Kennungen, QStringList{""});
    EXPECT_EQ(u.lz->mitarbeiter.MA_Kopfzahl, -3);
}

struct Zahlfall {
    QString zeile;
    QLocale::Language sprache;
    int erwartet;  // > 40000: the error number expected
};

void PrintTo(const Zahlfall& f, std::ostream* os) {
    *os << f.zeile.toStdString() << " / " << QLocale::languageToCode(f.sprache).toStdString();
}

class KopfzahlTest : public ::testing::TestWithParam<Zahlfall> {};

TEST_P(KopfzahlTest, ReadInTheLocaleAndRoundedDown) {
    Lesefall f({"[Mitarbeiterdaten]", "x", GetParam().zeile});
    f.u.plattform.locale = QLocale(GetParam().sprache);
    if (GetParam().erwartet < 40000) {
        Mitarbeiterdaten_lesen(*f.u.lz);
        EXPECT_EQ(f.u.lz->mitarbeiter.MA_Kopfzahl, GetParam().erwartet);
        return;
    }
    const int nummer = GetParam().erwartet - 40000;
    EXPECT_EQ(test::endetMit(f.u, [&] { Mitarbeiterdaten_lesen(*f.u.lz); }),
              test::bericht("modMitarbeiterImport - Mitarbeiterdaten_lesen", nummer,
                            fehlerbeschreibung(nummer)));
}

INSTANTIATE_TEST_SUITE_P(Faelle, KopfzahlTest,
                         ::testing::Values(Zahlfall{"12", QLocale::English, 12},
                                           Zahlfall{"2,5", QLocale::German, 2},
                                           Zahlfall{"-2,5", QLocale::German, -3},
                                           Zahlfall{"-2.5", QLocale::English, -3},
                                           Zahlfall{"32767", QLocale::English, 32767},
                                           Zahlfall{"-32768", QLocale::English, -32768},
                                           Zahlfall{"32768", QLocale::English, 40006},
                                           Zahlfall{"-32768,5", QLocale::German, 40006},
                                           Zahlfall{"zwölf", QLocale::German, 40013},
                                           Zahlfall{"", QLocale::English, 40013}));

TEST(MitarbeiterdatenTest, FaultsEndTheProgram) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Datenpfad = baum.wurzel();
    EXPECT_EQ(
        test::endetMit(u, [&] { Mitarbeiterdaten_lesen(*u.lz); }),
        "File '" + baum.wurzel() + "Mitarbeiterdaten.dat' not found.\r\rProgram will be closed.");
    baum.planerdatei("Mitarbeiterdaten.dat", {"[MitarbeiterDaten]", "x", "1"});
    EXPECT_EQ(test::endetMit(u, [&] { Mitarbeiterdaten_lesen(*u.lz); }),
              "Header of file 'Mitarbeiterdaten.dat' not detected.\r\rProgram will be closed.");
    // A colon, but none at or after position 69.
    baum.planerdatei("Mitarbeiterdaten.dat", {"[Mitarbeiterdaten]", "x", "1", Aktuell.left(68)});
    EXPECT_EQ(test::endetMit(u, [&] { Mitarbeiterdaten_lesen(*u.lz); }),
              test::bericht("modMitarbeiterImport - Mitarbeiterdaten_lesen", 5,
                            "Invalid procedure call or argument"));
}

}  // namespace
}  // namespace mi
