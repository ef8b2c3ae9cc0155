#include "Dateibaum.h"
#include "Hilfen.h"
#include "datastore/Dateikanal.h"
#include "datastore/Zeilenverschluesselung.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

TEST(DateikanalTest, InputSplitsAtCrLfAndLoneCrButNotAtLoneLf) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("a.dat", "eins\r\nzwei\rdrei\nvier\n\r\n");
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Input", ""));
    QList<QByteArray> zeilen;
    while (!u.lz->kanal.dateiende()) {
        zeilen.append(u.lz->kanal.zeileLesen());
    }
    Datei_schließen(*u.lz);
    Datei_schließen(*u.lz);  // twice is harmless
    EXPECT_EQ(zeilen, (QList<QByteArray>{"eins", "zwei", "drei\nvier\n"}));
}

TEST(DateikanalTest, OutputReplacesAndAppendAddsWithCrLf) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("a.dat", "alt\r\n");
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
    u.lz->kanal.zeileSchreiben("neu");
    // Nothing reaches the target before the writer's close.
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    Datei_schließen(*u.lz);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Append", ""));
    u.lz->kanal.zeileSchreiben("dazu");
    Datei_schließen(*u.lz);
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("neu\r\ndazu\r\n"));
    ASSERT_TRUE(Datei_öffnen(*u.lz, baum.pfad("neu.log"), "Append", ""));
    Datei_schließen(*u.lz);
    EXPECT_TRUE(QFileInfo::exists(baum.pfad("neu.log")));
    EXPECT_EQ(QDir(baum.wurzel()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"a.dat", "neu.log"}));
}

TEST(DateikanalTest, OutputKeepsThePermissionsOfTheOldFile) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("a.dat", "alt");
    const auto rechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(pfad, rechte);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
    Datei_schließen(*u.lz);
    EXPECT_EQ(QFile::permissions(pfad) & ~(QFile::ReadUser | QFile::WriteUser), rechte);
}

struct Oeffnungsfall {
    Sprache sprache;
    const char* modus;
    QString erwartet;  // %1: the path
};

void PrintTo(const Oeffnungsfall& f, std::ostream* os) {
    *os << static_cast<int>(f.sprache) << ' ' << f.modus;
}

class OeffnungsfehlerTest : public ::testing::TestWithParam<Oeffnungsfall> {};

TEST_P(OeffnungsfehlerTest, EndsWithTheMessageOfTheMode) {
    Umgebung u(GetParam().sprache);
    Dateibaum baum;
    const QString pfad = baum.pfad("fehlt/a.dat");
    EXPECT_FALSE(Datei_öffnen(*u.lz, pfad, GetParam().modus, "IgnoreErrors"));
    EXPECT_FALSE(u.lz->kanal.offen());
    // A file left open is closed by the failing open.
    ASSERT_TRUE(Datei_öffnen(*u.lz, baum.datei("offen.dat"), "Input", ""));
    EXPECT_EQ(test::endetMit(u, [&] { Datei_öffnen(*u.lz, pfad, GetParam().modus, "x"); }),
              GetParam().erwartet.arg(pfad));
}

const QString EnLesen = QStringLiteral(
    "Couldn't open file '%1'.\r\rYou probably don't have sufficient access rights to this "
    "folder or the file doesn't exist.\r\rProgram will be closed.");
const QString EnSchreiben = QStringLiteral(
    "Couldn't open file '%1'.\r\rYou probably don't have sufficient access rights to this "
    "folder, the file is write protected or the file doesn't exist.\r\rProgram will be closed.");

INSTANTIATE_TEST_SUITE_P(
    AlleSprachen, OeffnungsfehlerTest,
    ::testing::Values(
        Oeffnungsfall{Sprache::EN, "Input", EnLesen},
        Oeffnungsfall{Sprache::EN, "Output", EnSchreiben},
        Oeffnungsfall{Sprache::EN, "Append", EnSchreiben},
        Oeffnungsfall{Sprache::DE, "Input",
                      "Die Datei '%1' konnte nicht geöffnet werden.\r\rMöglicherweise haben Sie "
                      "keine ausreichenden Zugriffsrechte für diesen Ordner oder die Datei ist "
                      "nicht vorhanden.\r\rDas Programm wird beendet."},
        Oeffnungsfall{Sprache::DE, "Output",
                      "Die Datei '%1' konnte nicht geöffnet werden.\r\rMöglicherweise haben Sie "
                      "keine ausreichenden Zugriffsrechte für diesen Ordner, ist die Datei "
                      "schreibgeschützt oder die Datei ist nicht vorhanden.\r\rDas Programm wird "
                      "beendet."},
        Oeffnungsfall{Sprache::FR, "Input",
                      "Impossible d'ouvrir le fichier « %1 ».\r\rVous n'avez probablement pas de "
                      "droits d'accès suffisants pour ce dossier ou le fichier n'existe pas.\r\r"
                      "Le programme va être fermé."},
        Oeffnungsfall{Sprache::FR, "Append",
                      "Impossible d'ouvrir le fichier « %1 ».\r\rVous n'avez probablement pas de "
                      "droits d'accès suffisants pour ce dossier, le fichier est protégé en "
                      "écriture ou le fichier n'existe pas.\r\rLe programme va être fermé."}));

TEST(DateikanalTest, WriteProtectedTargetOrFolderFailsAtOpening) {
    UEBERSPRINGEN_ALS_ROOT();
    Umgebung u;
    Dateibaum baum;
    const QString datei = baum.datei("a.dat", "alt");
    QFile::setPermissions(datei, QFile::ReadOwner);
    EXPECT_FALSE(Datei_öffnen(*u.lz, datei, "Output", "IgnoreErrors"));
    const QString ordner = baum.ordner("geschuetzt");
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(Datei_öffnen(*u.lz, ordner + "b.dat", "Output", "IgnoreErrors"));
    EXPECT_FALSE(Datei_öffnen(*u.lz, ordner + "b.log", "Append", "IgnoreErrors"));
    EXPECT_EQ(Dateibaum::lesen(datei), QByteArray("alt"));
}

// A write that fails part-way: the old target stays, the temporary file goes,
// and the line writer reports it whether it fails on a line or at the close.
struct Bruchfall {
    const char* name;
    int zeilen;
};

void PrintTo(const Bruchfall& f, std::ostream* os) {
    *os << f.name;
}

class OutputBruchTest : public ::testing::TestWithParam<Bruchfall> {};

TEST_P(OutputBruchTest, TargetUnchangedAndReportedAsLineOut) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("Mitarbeiterdaten.dat", "alt\r\n");
    test::bruchEinsetzen(*u.lz, Kanalmodus::Output, 100);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
    const QString text = test::endetMit(u, [&] {
        for (int i = 0; i < GetParam().zeilen; ++i) {
            LineOut(*u.lz, QString(99, u'x'));
        }
        Datei_schließen(*u.lz);
    });
    EXPECT_EQ(text, test::bericht("modMitarbeiterImport - LineOut", 75, "Path/File access error"));
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    EXPECT_EQ(QDir(baum.wurzel()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Mitarbeiterdaten.dat"});
}

INSTANTIATE_TEST_SUITE_P(Faelle, OutputBruchTest,
                         ::testing::Values(Bruchfall{"OnALine",
                                                     2 * Dateikanal::Schreibpuffer / 100},
                                           Bruchfall{"AtTheClose", 5}));

TEST(DateikanalTest, FailedAppendIsCutBackToTheOldLength) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("2612 Velmont.log", "alt\r\n");
    test::bruchEinsetzen(*u.lz, Kanalmodus::Append, 3);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Append", ""));
    EXPECT_EQ(test::endetMit(u, [&] { LineOut(*u.lz, "eine Zeile"); }),
              test::bericht("modMitarbeiterImport - LineOut", 75, "Path/File access error"));
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
}

TEST(DateikanalTest, FullDiskIsError61) {
    if (!QFileInfo::exists("/dev/full")) {
        GTEST_SKIP() << "no device that reports a full disk here";
    }
    for (const char* modus : {"Append", "Output"}) {
        Umgebung u;
        // The real file stays untouched: "Output" writes into the full device instead.
        u.lz->kanal.geraetefabrikSetzen([](const QString&, Kanalmodus) {
            return std::make_unique<QFile>(QStringLiteral("/dev/full"));
        });
        ASSERT_TRUE(Datei_öffnen(*u.lz, "/dev/full", modus, "")) << modus;
        EXPECT_EQ(test::endetMit(u,
                                 [&] {
                                     LineOut(*u.lz, "x");
                                     Datei_schließen(*u.lz);
                                 }),
                  test::bericht("modMitarbeiterImport - LineOut", 61, "Disk full"))
            << modus;
    }
}

TEST(DateikanalTest, EndingProceduresDropAnUnsavedOutput) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("Konfigdaten.dat", "alt");
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
    LineOut(*u.lz, "neu");
    test::endetMit(u, [&] { Abbruchmeldung(*u.lz, "x"); });
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt"));
    EXPECT_EQ(QDir(baum.wurzel()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Konfigdaten.dat"});
}

}  // namespace
}  // namespace mi
