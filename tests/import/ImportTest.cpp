#include "Planer.h"
#include "import/Import.h"

#include <gtest/gtest.h>
#include <QFileInfo>

namespace mi {
namespace {

// A checked employee row; werte are Resturlaub, Urlaubsanspruch1 to 4 and
// Sonderurlaub, and the row points into them.
ImportZeile mitarbeiterzeileBilden(const QStringList& werte) {
    return ImportZeile{u"M",        u"m",        u"000000",   u"999999",   werte.at(0),
                       werte.at(1), werte.at(2), werte.at(3), werte.at(4), werte.at(5)};
}

// A text row, its name with the ">" marker.
ImportZeile titelzeileBilden(QStringView name) {
    ImportZeile z;
    z.Name = name;
    return z;
}

// Six whole day values but the one at stelle (0 is Resturlaub).
QStringList werteBilden(int stelle, const QString& wert) {
    QStringList werte(6, QStringLiteral("000,0"));
    werte[stelle] = wert;
    return werte;
}

QString einstellungenBilden(QChar stelle30) {
    return QString(29, u'0') + stelle30 + QString(10, u'0');
}

// The wizard at step 4 with the given employee list; every file the import
// writes or appends to goes into the protocol beside the beeps and boxes.
struct Importstand : test::Planer {
    explicit Importstand(const QStringList& liste, const QString& kopfwert = "K7",
                         const QString& kopfzahl = "12") {
        baum.planerdateiAnlegen("pf/Velmora/Data/Mitarbeiterdaten.dat",
                                QStringList{"[Mitarbeiterdaten]", kopfwert, kopfzahl} + liste);
        dienste.kanal.geraetefabrikSetzen([this](const QString& pfad, Kanalmodus modus) {
            if (modus != Kanalmodus::Input) {
                u.protokoll.append(QFileInfo(pfad).fileName());
            }
            return std::unique_ptr<QIODevice>();
        });
    }

    Importergebnis importieren(const ImportTabelle& zeilen, const QString& vorher = {}) {
        Importergebnis e = Mitarbeiterdaten_importieren(dienste, ordner, start, zeilen, vorher);
        EXPECT_FALSE(dienste.kanal.offen());
        return e;
    }
};

// The question comes whenever the old list has an entry, even one named as
// the old reader's marker for an empty list was.
TEST(MitarbeiterdatenImportierenTest, HeaderLinesAndTheQuestionFollowTheOldFile) {
    struct Importfall {
        QStringList liste;
        QString kopfwert, kopfzahl, zeile2;
        std::size_t boxen;
    };
    const std::vector<Importfall> faelle{{{}, "", "-3", "99999999", 1},
                                         {{"Titel"}, "K7", "12", "K7", 2},
                                         {{"NoNames"}, "K7", "12", "K7", 2}};
    for (const Importfall& f : faelle) {
        Importstand s(f.liste, f.kopfwert, f.kopfzahl);
        s.u.dialoge.immerAntworten(Antwort::Ja);
        EXPECT_TRUE(s.importieren({titelzeileBilden(u">Sales")}).importiert);
        EXPECT_EQ(s.planerzeilenLesen("Mitarbeiterdaten.dat"),
                  (QStringList{"[Mitarbeiterdaten]", f.zeile2, f.kopfzahl, "Sales"}));
        EXPECT_EQ(s.u.dialoge.boxen.size(), f.boxen) << f.liste.join(',').toStdString();
    }
}

TEST(MitarbeiterdatenImportierenTest, NoAtTheQuestionChangesNothing) {
    Importstand s({"Titel"});
    const auto vorher = s.allesLesen();
    s.u.dialoge.boxErwarten(Antwort::Nein);
    const Importergebnis e = s.importieren({titelzeileBilden(u">Sales")}, "S");
    EXPECT_FALSE(e.importiert);
    EXPECT_EQ(e.Einstellungen, "S");
    EXPECT_EQ(s.allesLesen(), vorher);
}

struct Schrittfall {
    const char* name;
    QString vorher;
    std::vector<QStringList> werte;
    QString nachher;
};

void PrintTo(const Schrittfall& f, std::ostream* os) {
    *os << f.name;
}

class TagesschrittTest : public ::testing::TestWithParam<Schrittfall> {};

// The step is written once, with its final value, between the backup and the
// employee file; the success message comes after the last write.
TEST_P(TagesschrittTest, RaisedOnlyAsTheEntitlementsNeedBeforeTheEmployeeFile) {
    const Schrittfall& f = GetParam();
    Importstand s(QStringList{});
    s.u.dialoge.boxErwarten(Antwort::OK);
    ImportTabelle zeilen{titelzeileBilden(u">T")};
    for (const QStringList& werte : f.werte) {
        zeilen.push_back(mitarbeiterzeileBilden(werte));
    }
    EXPECT_EQ(s.importieren(zeilen, f.vorher).Einstellungen, f.nachher);
    QStringList folge{"261205 143015 A.dat",
                      "Konfigdaten.dat",
                      "Mitarbeiterdaten.dat",
                      "2612 Velmont.log",
                      "beep",
                      "box"};
    if (f.nachher == f.vorher) {
        folge.removeAt(1);
    } else {
        EXPECT_EQ(s.planerzeilenLesen("Konfigdaten.dat").at(7), f.nachher);
    }
    EXPECT_EQ(s.u.protokoll, folge);
}

const QString Kurz(29, u'0');
const QString S0 = einstellungenBilden(u'0'), S1 = einstellungenBilden(u'1'),
              S2 = einstellungenBilden(u'2');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabelle, TagesschrittTest, ::testing::Values(
    Schrittfall{"HalvesOnce", S0, {werteBilden(1, "027,5"), werteBilden(5, "002,5")}, S1},
    Schrittfall{"HalfThenTenthInALaterRowWrittenOnce", S0, {werteBilden(4, "-01,5"), werteBilden(5, "000,3")}, S2},
    Schrittfall{"ResturlaubTakesNoPart", S0, {werteBilden(0, "002,5"), werteBilden(0, "002,3")}, S0},
    Schrittfall{"NegativeTenthFromHalves", S1, {werteBilden(4, "-01,7")}, S2},
    Schrittfall{"HalvesStayHalves", S1, {werteBilden(2, "027,5")}, S1},
    Schrittfall{"TenthsNeverWritten", S2, {werteBilden(3, "027,3")}, S2},
    Schrittfall{"ShortSettingsLineLeftAlone", Kurz, {werteBilden(1, "027,3")}, Kurz}));
// clang-format on

}  // namespace
}  // namespace mi
