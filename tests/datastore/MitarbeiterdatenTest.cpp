#include "Hilfen.h"
#include "datastore/Mitarbeiterdaten.h"

namespace mi {
namespace {

const QString Aktuell = QStringLiteral(
    "070301:991231:025,0:030,0:005,0:000,0:000,0:002,5:000,0:000,0:000,0:Meier, Hans:hm");
const QString Alt = QStringLiteral("070301:991231:025:030:005:000:000:Meier, Hans:hm");
const QString Ort = QStringLiteral("modMitarbeiterImport - Mitarbeiterdaten_lesen");

struct Lesefall : test::Fall {
    explicit Lesefall(const QStringList& zeilen, const QString& name = "Mitarbeiterdaten.dat") {
        lz.Datenpfad = baum.wurzel();
        baum.planerdatei(name, zeilen);
    }
    QString endetBeimLesen() {
        return endet([&] { Mitarbeiterdaten_lesen(lz); });
    }
};

TEST(MitarbeiterdatenTest, CurrentAndOldLayoutGiveTheSameListsAndTextLinesOnlyAName) {
    Lesefall f({"[Mitarbeiterdaten]", "99999999", "12", Aktuell, "Nord", Alt});
    Mitarbeiterdaten_lesen(f.lz);
    const Mitarbeiterdaten& ma = f.lz.mitarbeiter;
    EXPECT_EQ(ma.MA_Kopfwert, "99999999");
    EXPECT_EQ(ma.MA_Kopfzahl, 12);
    EXPECT_EQ(ma.MA_Namen, (QStringList{"Meier, Hans", "Nord", "Meier, Hans"}));
    EXPECT_EQ(ma.MA_Kennungen, (QStringList{"hm", "", "hm"}));
    EXPECT_EQ(ma.MA_VonDatum, (QStringList{"070301", "", "070301"}));
    EXPECT_EQ(ma.MA_BisDatum, (QStringList{"991231", "", "991231"}));
    const QString werte = "025.0:030.0:005.0:000.0:000.0";
    EXPECT_EQ(ma.MA_Urlaubswerte, (QStringList{werte, "", werte}));
    EXPECT_EQ(ma.MA_Sonderurlaub, (QStringList{"002.5", "", "000.0"}));
}

TEST(MitarbeiterdatenTest, HeaderOnlyGivesNoNamesAndAnotherCaseIsFound) {
    Lesefall f({"[Mitarbeiterdaten]", "x", "-3"}, "mitarbeiterDaten.DAT");
    f.lz.mitarbeiter.MA_Namen = QStringList{"alt", "alt"};
    Mitarbeiterdaten_lesen(f.lz);
    EXPECT_EQ(f.lz.mitarbeiter.MA_Namen, QStringList{"NoNames"});
    EXPECT_EQ(f.lz.mitarbeiter.MA_Kennungen, QStringList{""});
}

TEST(MitarbeiterdatenTest, HeaderNumberReadInTheLocaleAndRoundedDown) {
    const struct {
        QString zeile;
        QLocale::Language sprache;
        int erwartet;  // from 40000 on: 40000 + the error number
    } faelle[] = {
        {"2,5", QLocale::German, 2},          {"-2,5", QLocale::German, -3},
        {"-2.5", QLocale::English, -3},       {"32767", QLocale::English, 32767},
        {"-32768", QLocale::English, -32768}, {"32768", QLocale::English, 40006},
        {"-32768,5", QLocale::German, 40006}, {"zwölf", QLocale::German, 40013},
        {"", QLocale::English, 40013},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.zeile.toStdString());
        Lesefall f({"[Mitarbeiterdaten]", "x", fall.zeile});
        f.u.plattform.locale = QLocale(fall.sprache);
        if (fall.erwartet < 40000) {
            Mitarbeiterdaten_lesen(f.lz);
            EXPECT_EQ(f.lz.mitarbeiter.MA_Kopfzahl, fall.erwartet);
        } else {
            EXPECT_EQ(f.endetBeimLesen(), test::bericht(Ort, fall.erwartet - 40000));
        }
    }
}

TEST(MitarbeiterdatenTest, FaultsEndTheProgram) {
    Lesefall f({"[MitarbeiterDaten]", "x", "1"});
    EXPECT_EQ(f.endetBeimLesen(),
              abbruchText(f.lz.texte, "Header of file 'Mitarbeiterdaten.dat' not detected"));
    // A colon, but none at or after position 69.
    f.baum.planerdatei("Mitarbeiterdaten.dat", {"[Mitarbeiterdaten]", "x", "1", Aktuell.left(68)});
    EXPECT_EQ(f.endetBeimLesen(), test::bericht(Ort, 5));
    QFile::remove(f.baum.pfad("Mitarbeiterdaten.dat"));
    EXPECT_EQ(f.endetBeimLesen(), abbruchText(f.lz.texte, "File '" + f.baum.wurzel() +
                                                              "Mitarbeiterdaten.dat' not found"));
}

}  // namespace
}  // namespace mi
