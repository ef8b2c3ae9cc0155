#include "Dateibaum.h"
#include "Hilfen.h"
#include "datastore/Zeilenverschluesselung.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

QStringList dateien(const Dateibaum& baum) {
    return QDir(baum.wurzel()).entryList(QDir::Files | QDir::Hidden);
}

TEST(DateikanalTest, InputSplitsAtCrLfAndLoneCrButNotAtLoneLf) {
    Umgebung u;
    Dateibaum baum;
    ASSERT_TRUE(Datei_öffnen(*u.lz, baum.datei("a", "1\r\n2\r3\n4\n\r\n"), "Input", ""));
    QList<QByteArray> zeilen;
    while (!u.lz->kanal.dateiende()) {
        zeilen.append(u.lz->kanal.zeileLesen());
    }
    Datei_schließen(*u.lz);
    Datei_schließen(*u.lz);  // twice is harmless
    EXPECT_EQ(zeilen, (QList<QByteArray>{"1", "2", "3\n4\n"}));
}

TEST(DateikanalTest, OutputReplacesAtTheCloseKeepingPermissionsAppendAddsOrCreates) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("a.dat", "alt\r\n");
    const auto rechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(pfad, rechte);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
    u.lz->kanal.zeileSchreiben("neu");
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    Datei_schließen(*u.lz);
    EXPECT_EQ(QFile::permissions(pfad) & ~(QFile::ReadUser | QFile::WriteUser), rechte);
    for (const char* ziel : {"a.dat", "neu.log"}) {
        ASSERT_TRUE(Datei_öffnen(*u.lz, baum.pfad(ziel), "Append", ""));
        u.lz->kanal.zeileSchreiben("dazu");
        Datei_schließen(*u.lz);
    }
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("neu\r\ndazu\r\n"));
    EXPECT_EQ(dateien(baum), (QStringList{"a.dat", "neu.log"}));
}

TEST(DateikanalTest, FalseWhenIgnoredElseTheMessageOfTheMode) {
    const struct {
        Sprache sprache;
        const char* modus;
        QString erwartet;  // %1: the path
    } faelle[] = {
        {Sprache::EN, "Input",
         "Couldn't open file '%1'.\r\rYou probably don't have sufficient access rights to this "
         "folder or the file doesn't exist.\r\rProgram will be closed."},
        {Sprache::DE, "Output",
         "Die Datei '%1' konnte nicht geöffnet werden.\r\rMöglicherweise haben Sie keine "
         "ausreichenden Zugriffsrechte für diesen Ordner, ist die Datei schreibgeschützt oder die "
         "Datei ist nicht vorhanden.\r\rDas Programm wird beendet."},
        {Sprache::FR, "Append",
         "Impossible d'ouvrir le fichier « %1 ».\r\rVous n'avez probablement pas de droits "
         "d'accès suffisants pour ce dossier, le fichier est protégé en écriture ou le fichier "
         "n'existe pas.\r\rLe programme va être fermé."},
    };
    for (const auto& f : faelle) {
        Umgebung u(f.sprache);
        Dateibaum baum;
        const QString pfad = baum.pfad("fehlt/a.dat");
        EXPECT_FALSE(Datei_öffnen(*u.lz, pfad, f.modus, "IgnoreErrors"));
        // A file left open is closed by the failing open.
        ASSERT_TRUE(Datei_öffnen(*u.lz, baum.datei("offen.dat"), "Input", ""));
        EXPECT_EQ(test::endetMit(u, [&] { Datei_öffnen(*u.lz, pfad, f.modus, "x"); }),
                  f.erwartet.arg(pfad));
    }
}

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
}

// However an "Output" fails before its close, the old target stays and the
// temporary file goes; the line writer reports it. 0 lines: a text too long
// for it; 5: the save at the close fails; more than a buffer: a line fails.
TEST(DateikanalTest, FailedOutputLeavesTheTargetAndIsReportedAsLineOut) {
    for (const int zeilen : {0, 5, int(2 * Dateikanal::Schreibpuffer / 100)}) {
        SCOPED_TRACE(zeilen);
        Umgebung u;
        Dateibaum baum;
        const QString pfad = baum.datei("Mitarbeiterdaten.dat", "alt\r\n");
        test::bruchEinsetzen(*u.lz, Kanalmodus::Output, 100);
        ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
        const QString text = test::endetMit(u, [&] {
            for (int i = 0; i < zeilen; ++i) {
                LineOut(*u.lz, QString(99, u'x'));
            }
            LineOut(*u.lz, QString(zeilen == 0 ? 32768 : 1, u'x'));
            Datei_schließen(*u.lz);
        });
        EXPECT_EQ(text, test::bericht("modMitarbeiterImport - LineOut", zeilen == 0 ? 6 : 75));
        EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
        EXPECT_EQ(dateien(baum), QStringList{"Mitarbeiterdaten.dat"});
    }
}

TEST(DateikanalTest, FailedAppendIsCutBackToTheOldLength) {
    Umgebung u;
    Dateibaum baum;
    const QString pfad = baum.datei("2612 Velmont.log", "alt\r\n");
    test::bruchEinsetzen(*u.lz, Kanalmodus::Append, 3);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Append", ""));
    EXPECT_EQ(test::endetMit(u, [&] { LineOut(*u.lz, "eine Zeile"); }),
              test::bericht("modMitarbeiterImport - LineOut", 75));
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
}

TEST(DateikanalTest, FullDiskIsError61) {
    if (!QFileInfo::exists("/dev/full")) {
        GTEST_SKIP() << "no device that reports a full disk here";
    }
    for (const char* modus : {"Append", "Output"}) {
        Umgebung u;
        // Never a save over the device itself: the device stands in for the file.
        u.lz->kanal.geraetefabrikSetzen(
            [](const QString&, Kanalmodus) { return std::make_unique<QFile>("/dev/full"); });
        ASSERT_TRUE(Datei_öffnen(*u.lz, "voll", modus, ""));
        EXPECT_EQ(test::endetMit(u,
                                 [&] {
                                     LineOut(*u.lz, "x");
                                     Datei_schließen(*u.lz);
                                 }),
                  test::bericht("modMitarbeiterImport - LineOut", 61))
            << modus;
    }
}

}  // namespace
}  // namespace mi
