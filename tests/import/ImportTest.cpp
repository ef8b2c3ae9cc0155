#include "Dateibaum.h"
#include "Fakes.h"
#include "import/Import.h"
#include "wizard/Schrittzustaende.h"

#include <gtest/gtest.h>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;

const QString Altzeile = QStringLiteral(
    "000000:999999:025,0:030,0:030,0:030,0:030,0:002,5:000,0:000,0:000,0:Alt Mann:alt");

// A checked employee row; werte are Resturlaub, Urlaubsanspruch1 to 4 and Sonderurlaub.
ImportZeile mitarbeiter(const QString& name, const QString& kennung, const QStringList& werte) {
    return ImportZeile{name,        kennung,     "000000",    "999999",    werte.at(0), werte.at(1),
                       werte.at(2), werte.at(3), werte.at(4), werte.at(5), QString()};
}

ImportZeile titel(const QString& name) {
    ImportZeile z;
    z.Name = QLatin1Char('>') + name;
    return z;
}

const QString Ganz = QStringLiteral("000,0");

// Six day values, all whole except the one at stelle (0 is Resturlaub).
QStringList mit(int stelle, const QString& wert) {
    QStringList werte(6, Ganz);
    werte[stelle] = wert;
    return werte;
}

QString einstellungen(QChar stelle30) {
    return QString(29, u'0') + stelle30 + QString(10, u'0');
}

// A planner data folder with its log book, and the wizard at step 4. Every file
// the import writes or appends to is noted, in order.
struct Importstand {
    explicit Importstand(const QStringList& liste = {Altzeile, "Titel"},
                         const QString& kopfwert = "K7", const QString& kopfzahl = "12")
        : u(Sprache::EN), lz(*u.lz) {
        lz.Datenpfad = baum.ordner("Daten");
        lz.Logpfad = baum.ordner("Daten/Logs");
        lz.Tagesdatum = "261205";
        lz.Benutzername = "anna";
        lz.Einstellungen = einstellungen(u'0');
        baum.planerdatei("Daten/Konfigdaten.dat",
                         {"[Velmont]", "v", "v", "[Firma]", "F", "v", "[Settings]",
                          lz.Einstellungen, "s", "[Administratoren]"});
        baum.planerdatei("Daten/Mitarbeiterdaten.dat",
                         QStringList{"[Mitarbeiterdaten]", kopfwert, kopfzahl} + liste);
        baum.planerdatei("Daten/PlanerData.dat", {"x"});
        baum.planerdatei("Daten/Logs/2612 Velmont.log", {"alt"});
        for (int n = 1; n <= 3; ++n) {
            zustaende.Schritt_abschliessen(n);
        }
        lz.kanal.geraetefabrikSetzen([this](const QString& pfad, Kanalmodus modus) {
            if (modus != Kanalmodus::Input) {
                geschrieben.append(QFileInfo(pfad).fileName());
            }
            return std::unique_ptr<QIODevice>();
        });
    }

    void importieren(ImportTabelle zeilen) {
        lz.ImportZeilen = std::move(zeilen);
        Mitarbeiterdaten_importieren(lz, zustaende);
        EXPECT_TRUE(u.dialoge.skriptLeer());
        EXPECT_FALSE(lz.kanal.offen());
    }

    QStringList datei(const QString& name) const {
        return Dateibaum::planerzeilen(lz.Datenpfad + name);
    }

    test::Umgebung u;
    Laufzeit& lz;
    Dateibaum baum;
    Schrittzustaende zustaende;
    QStringList geschrieben;
};

TEST(MitarbeiterdatenImportierenTest, AsksThenBacksUpWritesReportsLogsAndRaisesTheStep) {
    Importstand s;
    s.u.dialoge.erwarteBox(Antwort::Ja);
    s.u.dialoge.erwarteBox(Antwort::OK);
    s.importieren({mitarbeiter("Anna Beispiel", "abeispiel",
                               {"002,5", "030,0", "000,0", "000,0", "000,0", "001,0"}),
                   titel("Sales"), mitarbeiter("Bo", "bo", mit(4, "-01,5"))});

    EXPECT_EQ(s.datei("Mitarbeiterdaten.dat"),
              (QStringList{"[Mitarbeiterdaten]", "K7", "12",
                           "000000:999999:002,5:030,0:000,0:000,0:000,0:001,0:000,0:000,0:000,0:"
                           "Anna Beispiel:abeispiel",
                           "Sales",
                           "000000:999999:000,0:000,0:000,0:000,0:-01,5:000,0:000,0:000,0:000,0:"
                           "Bo:bo"}));
    EXPECT_EQ(s.u.dialoge.texte(),
              (QStringList{"Employee data already exist. Existing data will be overwritten by "
                           "the import data.\r\rDo you want to continue?",
                           "Data successfully imported"}));
    EXPECT_EQ(s.geschrieben, (QStringList{"261205 143015 A.dat", "Mitarbeiterdaten.dat",
                                          "2612 Velmont.log", "Konfigdaten.dat"}));
    EXPECT_EQ(s.datei("Logs/2612 Velmont.log"),
              (QStringList{"alt", "05.12.26 14:30:15|anna|VelmoAdmin|Import employee data"}));
    EXPECT_EQ(s.datei("Konfigdaten.dat").at(7), einstellungen(u'1'));
    EXPECT_EQ(s.zustaende.zustand(), 5);
}

TEST(MitarbeiterdatenImportierenTest, HeaderLinesAndTheQuestionFollowTheOldFile) {
    struct Fall {
        QStringList liste;
        QString kopfwert, kopfzahl, zeile2;
        std::size_t boxen;
    };
    const std::vector<Fall> faelle{{{}, "", "-3", "99999999", 1}, {{"Titel"}, "K7", "12", "K7", 2}};
    for (const Fall& f : faelle) {
        Importstand s(f.liste, f.kopfwert, f.kopfzahl);
        s.u.dialoge.immerAntworten(Antwort::Ja);
        s.importieren({titel("Sales")});
        EXPECT_EQ(s.datei("Mitarbeiterdaten.dat"),
                  (QStringList{"[Mitarbeiterdaten]", f.zeile2, f.kopfzahl, "Sales"}));
        EXPECT_EQ(s.u.dialoge.boxen.size(), f.boxen) << f.liste.join(',').toStdString();
    }
}

struct Schrittfall {
    const char* name;
    QString vorher;
    std::vector<QStringList> werte;
    QString nachher;
    qsizetype schreibvorgaenge;
};

void PrintTo(const Schrittfall& f, std::ostream* os) {
    *os << f.name;
}

class TagesschrittTest : public ::testing::TestWithParam<Schrittfall> {};

TEST_P(TagesschrittTest, RaisedOnlyAsTheEntitlementsNeed) {
    const Schrittfall& f = GetParam();
    Importstand s(QStringList{});
    s.lz.Einstellungen = f.vorher;
    s.u.dialoge.erwarteBox(Antwort::OK);
    ImportTabelle zeilen{titel("T")};
    for (const QStringList& werte : f.werte) {
        zeilen.push_back(mitarbeiter("M", "m", werte));
    }
    s.importieren(zeilen);
    EXPECT_EQ(s.lz.Einstellungen, f.nachher);
    EXPECT_EQ(s.geschrieben.count("Konfigdaten.dat"), f.schreibvorgaenge);
    if (f.schreibvorgaenge > 0) {
        EXPECT_EQ(s.datei("Konfigdaten.dat").at(7), f.nachher);
    }
}

const QString Kurz(29, u'0');
const QString S0 = einstellungen(u'0'), S1 = einstellungen(u'1'), S2 = einstellungen(u'2');

INSTANTIATE_TEST_SUITE_P(
    Tabelle, TagesschrittTest,
    ::testing::Values(
        Schrittfall{"HalvesOnce", S0, {mit(1, "027,5"), mit(5, "002,5")}, S1, 1},
        Schrittfall{"HalfThenTenthInALaterRow", S0, {mit(4, "-01,5"), mit(5, "000,3")}, S2, 2},
        Schrittfall{"ResturlaubTakesNoPart", S0, {mit(0, "002,5"), mit(0, "002,3")}, S0, 0},
        Schrittfall{"NegativeTenthFromHalves", S1, {mit(4, "-01,7")}, S2, 1},
        Schrittfall{"HalvesStayHalves", S1, {mit(2, "027,5")}, S1, 0},
        Schrittfall{"TenthsNeverWritten", S2, {mit(3, "027,3")}, S2, 0},
        Schrittfall{"ShortSettingsLineLeftAlone", Kurz, {mit(1, "027,3")}, Kurz, 0}));

}  // namespace
}  // namespace mi
