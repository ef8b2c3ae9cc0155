#include "Hilfen.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;

QStringList dateien(const Dateibaum& baum) {
    return QDir(baum.wurzel()).entryList(QDir::Files | QDir::Hidden);
}

TEST(DateikanalTest, InputSplitsAtCrLfAndLoneCrButNotAtLoneLf) {
    test::Fall f;
    ASSERT_TRUE(Datei_öffnen(f.lz, f.baum.datei("a", "1\r\n2\r3\n4\n\r\n"), "Input", ""));
    QList<QByteArray> zeilen;
    while (!f.lz.kanal.dateiende()) {
        zeilen.append(f.lz.kanal.zeileLesen());
    }
    Datei_schließen(f.lz);
    Datei_schließen(f.lz);  // twice is harmless
    EXPECT_EQ(zeilen, (QList<QByteArray>{"1", "2", "3\n4\n"}));
}

TEST(DateikanalTest, OutputReplacesAtTheCloseKeepingPermissionsAppendAddsOrCreates) {
    test::Fall f;
    const QString pfad = f.baum.datei("a.dat", "alt\r\n");
    const auto rechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(pfad, rechte);
    ASSERT_TRUE(Datei_öffnen(f.lz, pfad, "Output", ""));
    f.lz.kanal.zeileSchreiben("neu");
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    // Wherever the temporary file shows, no listing takes it for planner data.
    EXPECT_EQ(Dateien_auflisten(f.baum.wurzel(), "*.dat"), QStringList{"a.dat"});
    Datei_schließen(f.lz);
    EXPECT_EQ(QFile::permissions(pfad) & ~(QFile::ReadUser | QFile::WriteUser), rechte);
    for (const char* ziel : {"a.dat", "neu.log"}) {
        ASSERT_TRUE(Datei_öffnen(f.lz, f.baum.pfad(ziel), "Append", ""));
        f.lz.kanal.zeileSchreiben("dazu");
        Datei_schließen(f.lz);
    }
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("neu\r\ndazu\r\n"));
    EXPECT_EQ(dateien(f.baum), (QStringList{"a.dat", "neu.log"}));
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
    for (const auto& fall : faelle) {
        test::Fall f(fall.sprache);
        const QString pfad = f.baum.pfad("fehlt/a.dat");
        EXPECT_FALSE(Datei_öffnen(f.lz, pfad, fall.modus, "IgnoreErrors"));
        // A file left open is closed by the failing open.
        ASSERT_TRUE(Datei_öffnen(f.lz, f.baum.datei("offen.dat"), "Input", ""));
        EXPECT_EQ(f.endet([&] { Datei_öffnen(f.lz, pfad, fall.modus, "x"); }),
                  fall.erwartet.arg(pfad));
    }
}

TEST(DateikanalTest, WriteProtectedTargetOrFolderFailsAtOpening) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes to write-protected files and folders anyway";
    }
    test::Fall f;
    const QString datei = f.baum.datei("a.dat", "alt");
    QFile::setPermissions(datei, QFile::ReadOwner);
    EXPECT_FALSE(Datei_öffnen(f.lz, datei, "Output", "IgnoreErrors"));
    const QString ordner = f.baum.ordner("geschuetzt");
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(Datei_öffnen(f.lz, ordner + "b.dat", "Output", "IgnoreErrors"));
}

// However an "Output" fails before its close, the old target stays and the
// temporary file goes; the line writer reports it. 0 lines: a text too long
// for it; 5: the save at the close fails; more than a buffer: a line fails.
TEST(DateikanalTest, FailedOutputLeavesTheTargetAndIsReportedAsLineOut) {
    for (const int zeilen : {0, 5, int(2 * Dateikanal::Schreibpuffer / 100)}) {
        SCOPED_TRACE(zeilen);
        test::Fall f;
        const QString pfad = f.baum.datei("Mitarbeiterdaten.dat", "alt\r\n");
        test::bruchEinsetzen(f.lz, Kanalmodus::Output, 100);
        ASSERT_TRUE(Datei_öffnen(f.lz, pfad, "Output", ""));
        const QString text = f.endet([&] {
            for (int i = 0; i < zeilen; ++i) {
                LineOut(f.lz, QString(99, u'x'));
            }
            LineOut(f.lz, QString(zeilen == 0 ? 32768 : 1, u'x'));
            Datei_schließen(f.lz);
        });
        EXPECT_EQ(text, test::bericht("modMitarbeiterImport - LineOut", zeilen == 0 ? 6 : 75));
        EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
        EXPECT_EQ(dateien(f.baum), QStringList{"Mitarbeiterdaten.dat"});
    }
}

TEST(DateikanalTest, FailedAppendIsCutBackToTheOldLength) {
    test::Fall f;
    const QString pfad = f.baum.datei("2612 Velmont.log", "alt\r\n");
    test::bruchEinsetzen(f.lz, Kanalmodus::Append, 3);
    ASSERT_TRUE(Datei_öffnen(f.lz, pfad, "Append", ""));
    EXPECT_EQ(f.endet([&] { LineOut(f.lz, "eine Zeile"); }),
              test::bericht("modMitarbeiterImport - LineOut", 75));
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
}

TEST(DateikanalTest, FullDiskIsError61) {
    if (!QFileInfo::exists("/dev/full")) {
        GTEST_SKIP() << "no device that reports a full disk here";
    }
    test::Fall f;
    ASSERT_TRUE(Datei_öffnen(f.lz, "/dev/full", "Append", ""));
    EXPECT_EQ(f.endet([&] { LineOut(f.lz, "x"); }),
              test::bericht("modMitarbeiterImport - LineOut", 61));
}

}  // namespace
}  // namespace mi
