#include "Dateibaum.h"
#include "Hilfen.h"
#include "datastore/Konfigdaten.h"

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

QStringList konfig(const QStringList& admins, const QString& einstellungen = "0000000000000000") {
    return QStringList{"[Velmont]",   "2", "3",  "[Firma]",          "Firma", "6", "[Settings]",
                       einstellungen, "9", "10", "[Administratoren]"} +
           admins;
}

struct Rechtefall {
    const char* name;
    QStringList admins;
    QString einstellungen;
    int adminstatus;
};

void PrintTo(const Rechtefall& f, std::ostream* os) {
    *os << f.name;
}

class AdministratorregelTest : public ::testing::TestWithParam<Rechtefall> {};

TEST_P(AdministratorregelTest, DecidesWhoMayImport) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Benutzername = "Meier";
    u.lz->Datenpfad = baum.wurzel();
    baum.planerdatei("Konfigdaten.dat", konfig(GetParam().admins, GetParam().einstellungen));
    Konfigdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Adminstatus, GetParam().adminstatus);
    EXPECT_EQ(u.lz->Einstellungen, GetParam().einstellungen);
}

const QString Aus = QStringLiteral("0000000000000000");
const QString Jeder = QStringLiteral("0000000000000001");

INSTANTIATE_TEST_SUITE_P(
    Faelle, AdministratorregelTest,
    ::testing::Values(Rechtefall{"NoAdminsOnly", {"NoAdmins"}, Aus, 2},
                      Rechtefall{"NoEntries", {}, Aus, 2},
                      Rechtefall{"OtherUsersOnly", {"A1:2:Schulz", "Ax:Huber"}, Aus, 0},
                      Rechtefall{"CaseIgnored", {"A1:2:Schulz", "Axy:mEIER"}, Aus, 2},
                      Rechtefall{"CharacterBetween", {"Ax: Meier"}, Aus, 0},
                      Rechtefall{"LowerCaseANeitherMatchesNorCounts", {"ax:Meier"}, Aus, 2},
                      Rechtefall{"LowerCaseABesideOthers", {"ax:Meier", "Ax:Huber"}, Aus, 0},
                      Rechtefall{"Character16Grants", {"Ax:Huber"}, Jeder, 2},
                      Rechtefall{"ShortSettingsNeverGrant", {"Ax:Huber"}, "000000000000001", 0}));

struct Kopffall {
    const char* name;
    int zeile;  // 0-based line replaced by "x", or removed (-1: no admin header)
    QString meldung;
};

void PrintTo(const Kopffall& f, std::ostream* os) {
    *os << f.name;
}

class KonfigKopfTest : public ::testing::TestWithParam<Kopffall> {};

TEST_P(KonfigKopfTest, EndsWithTheHeaderMessage) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Datenpfad = baum.wurzel();
    QStringList zeilen = konfig({"Ax:Meier"});
    if (GetParam().zeile < 0) {
        zeilen = zeilen.mid(0, 10);
    } else {
        zeilen[GetParam().zeile] = zeilen[GetParam().zeile].toLower();
    }
    baum.planerdatei("Konfigdaten.dat", zeilen);
    EXPECT_EQ(test::endetMit(u, [&] { Konfigdaten_lesen(*u.lz); }),
              GetParam().meldung + ".\r\rProgram will be closed.");
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KonfigKopfTest,
    ::testing::Values(Kopffall{"Velmont", 0, "Header of file 'Konfigdaten.dat' not detected"},
                      Kopffall{"Firma", 3, "Header [Firma] in 'Konfigdaten.dat' not detected"},
                      Kopffall{"Settings", 6,
                               "Header [Settings] in 'Konfigdaten.dat' not detected"},
                      Kopffall{"Administratoren", 10,
                               "Header [Administratoren] in 'Konfigdaten.dat' not detected"},
                      Kopffall{"AdministratorenMissing", -1,
                               "Header [Administratoren] in 'Konfigdaten.dat' not detected"}));

TEST(KonfigdatenTest, MissingFileHiddenFileAndEmptyLine) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Datenpfad = baum.wurzel();
    baum.planerdatei(".Konfigdaten.dat", konfig({}));
    EXPECT_EQ(test::endetMit(u, [&] { Konfigdaten_lesen(*u.lz); }),
              "File '" + baum.wurzel() + "Konfigdaten.dat' not found.\r\rProgram will be closed.");
    baum.datei("Konfigdaten.dat", "\r\nA\r\n");
    EXPECT_EQ(
        test::endetMit(u, [&] { Konfigdaten_lesen(*u.lz); }),
        test::bericht("modMitarbeiterImport - LineIn", 5, "Invalid procedure call or argument"));
}

TEST(KonfigdatenTest, FileSpelledInAnotherCaseIsReadAndRewrittenUnderItsOwnName) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Datenpfad = baum.wurzel();
    const QString pfad =
        baum.planerdatei("KONFIGDATEN.DAT", konfig({"[Settings]", "alt", "[Settings]"}));
    Konfigdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Adminstatus, 2);
    u.lz->Einstellungen = "neu";
    Konfigdaten_schreiben(*u.lz);
    // Every "[Settings]" is followed by the settings line in place of the line after it;
    // after the last line it is added.
    EXPECT_EQ(Dateibaum::planerzeilen(pfad),
              (QStringList{"[Velmont]", "2", "3", "[Firma]", "Firma", "6", "[Settings]", "neu", "9",
                           "10", "[Administratoren]", "[Settings]", "neu", "[Settings]", "neu"}));
    EXPECT_EQ(QDir(baum.wurzel()).entryList(QDir::Files), QStringList{"KONFIGDATEN.DAT"});
}

TEST(KonfigdatenTest, WriterLeavesAFileOfMoreThan32767LinesUnchanged) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Datenpfad = baum.wurzel();
    QStringList zeilen(32768, "x");
    zeilen[0] = "[Settings]";
    const QString pfad = baum.planerdatei("Konfigdaten.dat", zeilen);
    const QByteArray vorher = Dateibaum::lesen(pfad);
    Konfigdaten_schreiben(*u.lz);
    EXPECT_EQ(Dateibaum::lesen(pfad), vorher);
    EXPECT_FALSE(u.lz->kanal.offen());
    zeilen.removeLast();
    baum.planerdatei("Konfigdaten.dat", zeilen);
    Konfigdaten_schreiben(*u.lz);
    EXPECT_NE(Dateibaum::lesen(pfad), vorher);
}

TEST(KonfigdatenTest, WriterDoesNotSwallowAFailedSave) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Datenpfad = baum.wurzel();
    const QString pfad = baum.planerdatei("Konfigdaten.dat", konfig({}));
    const QByteArray vorher = Dateibaum::lesen(pfad);
    test::bruchEinsetzen(*u.lz, Kanalmodus::Output, 10);
    EXPECT_EQ(test::endetMit(u, [&] { Konfigdaten_schreiben(*u.lz); }),
              test::bericht("modMitarbeiterImport - LineOut", 75, "Path/File access error"));
    EXPECT_EQ(Dateibaum::lesen(pfad), vorher);
}

}  // namespace
}  // namespace mi
