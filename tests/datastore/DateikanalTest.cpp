#include "Hilfen.h"
#include "datastore/Zeilenverschluesselung.h"
#include "folders/Auflistung.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;

TEST(DateikanalTest, OutputReplacesAtTheCloseAppendAddsOrCreatesInputSplitsLines) {
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
#ifndef _WIN32
    // Windows keeps access in access lists; Qt's permissions show only the
    // read-only attribute there, for owner, group and others alike.
    EXPECT_EQ(QFile::permissions(pfad) & ~(QFile::ReadUser | QFile::WriteUser), rechte);
#endif
    for (const char* ziel : {"a.dat", "neu.log"}) {
        ASSERT_TRUE(Datei_öffnen(f.lz, f.baum.pfad(ziel), "Append", ""));
        f.lz.kanal.zeileSchreiben("dazu");
        Datei_schließen(f.lz);
    }
    EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("neu\r\ndazu\r\n"));
    // Reading: a line ends at CR LF or a lone CR, never at a lone LF.
    ASSERT_TRUE(Datei_öffnen(f.lz, f.baum.datei("b", "1\r\n2\r3\n4\n\r\n"), "Input", ""));
    QList<QByteArray> zeilen;
    while (!f.lz.kanal.dateiende()) {
        zeilen.append(f.lz.kanal.zeileLesen());
    }
    Datei_schließen(f.lz);
    Datei_schließen(f.lz);  // twice is harmless
    EXPECT_EQ(zeilen, (QList<QByteArray>{"1", "2", "3\n4\n"}));
    EXPECT_EQ(Dateibaum::lesen(f.baum.pfad("neu.log")), QByteArray("dazu\r\n"));
}

TEST(DateikanalTest, FalseWhenIgnoredElseTheMessageOfTheMode) {
    const std::tuple<Sprache, const char*, const char*> faelle[] = {
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
    for (const auto& [sprache, modus, erwartet] : faelle) {
        test::Fall f(sprache);
        const QString pfad = f.baum.pfad("fehlt/a.dat");
        EXPECT_FALSE(Datei_öffnen(f.lz, pfad, modus, "IgnoreErrors"));
        // A file left open is closed by the failing open.
        ASSERT_TRUE(Datei_öffnen(f.lz, f.baum.datei("offen.dat"), "Input", ""));
        EXPECT_EQ(f.endet([&] { Datei_öffnen(f.lz, pfad, modus, "x"); }),
                  QString(erwartet).arg(pfad));
    }
}

// Reported by the line writer before the close: a line too long for the 16-bit
// counter (6), the buffer spilling into a device that takes 100 bytes (75), a
// full disk (61). The old target stays and no temporary file is left.
TEST(DateikanalTest, FailedWriteIsReportedAsLineOut) {
    for (const int fehler : {6, 75}) {
        test::Fall f;
        const QString pfad = f.baum.datei("M.dat", "alt\r\n");
        f.lz.kanal.geraetefabrikSetzen([](const QString& p, Kanalmodus) {
            return std::make_unique<test::Bruchgeraet<QSaveFile>>(p, 100);
        });
        ASSERT_TRUE(Datei_öffnen(f.lz, pfad, "Output", ""));
        const QString zeile(fehler == 6 ? 32768 : 99, u'x');
        EXPECT_EQ(f.endet([&] {
            for (int i = 0; i < 1000; ++i) {
                LineOut(f.lz, zeile);
            }
        }),
                  test::bericht("modMitarbeiterImport - LineOut", fehler));
        EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"M.dat"});
        EXPECT_EQ(Dateibaum::lesen(pfad), QByteArray("alt\r\n"));
    }
    if (QFileInfo::exists("/dev/full")) {
        test::Fall f;
        ASSERT_TRUE(Datei_öffnen(f.lz, "/dev/full", "Append", ""));
        EXPECT_EQ(f.endet([&] { LineOut(f.lz, "x"); }),
                  test::bericht("modMitarbeiterImport - LineOut", 61));
    }
}

}  // namespace
}  // namespace mi
