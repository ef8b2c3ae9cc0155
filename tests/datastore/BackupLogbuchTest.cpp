#include "Hilfen.h"
#include "datastore/Backup.h"
#include "datastore/Logbuch.h"

#include <QDir>

namespace mi {
namespace {

using test::Dateibaum;

// The backup enters its folder, and some cases enter one themselves.
class OrdnerBewahrt : public ::testing::Test {
  protected:
    void TearDown() override { QDir::setCurrent(vorher_); }
    test::Fall f;

  private:
    QString vorher_ = QDir::currentPath();
};

class BackupTest : public OrdnerBewahrt {
  protected:
    void SetUp() override {
        f.lz.Tagesdatum = "261205";
        f.lz.Datenpfad = f.baum.ordner("Daten");
    }
};

TEST_F(BackupTest, LayoutOrderAndName) {
    f.baum.planerdatei("Daten/BData.dat", {"l1", "l2"});
    f.baum.planerdatei("Daten/_x.dat", {"z"});
    f.baum.datei("Daten/a.dat");
    f.baum.planerdatei("Daten/.versteckt.dat", {"h"});
    f.baum.planerdatei("Daten/daneben.log", {"d"});
    f.lz.Logpfad = f.baum.ordner("Logs");
    f.baum.planerdatei("Logs/2612 Velmont.log", {"n"});
    f.baum.planerdatei("Logs/2611 velmont.LOG", {"m"});
    f.u.plattform.zeit = QDateTime(QDate(2026, 12, 6), QTime(0, 5, 9));

    EXPECT_TRUE(Backup_erstellen(f.lz, "A"));

    // The start date, but the time of the backup.
    EXPECT_EQ(Dateibaum::planerzeilen(f.baum.pfad("Daten/Backups/261205 000509 A.dat")),
              (QStringList{"[VelmontBackup]", "[a.dat]", "[0]", "[BData.dat]", "[2]", "l1", "l2",
                           "[_x.dat]", "[1]", "z", "[2611 velmont.LOG]", "[1]", "m",
                           "[2612 Velmont.log]", "[1]", "n"}));
    EXPECT_EQ(QDir::current(), QDir(f.baum.pfad("Daten/Backups")));  // made and entered
}

TEST_F(BackupTest, LogFilesWithoutDataFilesButNeverFromTheCurrentFolder) {
    f.baum.planerdatei("Logs/2612 Velmont.log", {"n"});
    QDir::setCurrent(f.baum.pfad("Logs"));
    EXPECT_TRUE(Backup_erstellen(f.lz, "A"));
    EXPECT_EQ(Dateibaum::planerzeilen(f.baum.pfad("Daten/Backups/261205 143015 A.dat")),
              QStringList{"[VelmontBackup]"});
    f.lz.Logpfad = f.baum.pfad("Logs") + QDir::separator();
    EXPECT_TRUE(Backup_erstellen(f.lz, "B"));  // the earlier backup is not copied
    EXPECT_EQ(Dateibaum::planerzeilen(f.baum.pfad("Daten/Backups/261205 143015 B.dat")),
              (QStringList{"[VelmontBackup]", "[2612 Velmont.log]", "[1]", "n"}));
    EXPECT_FALSE(Backup_erstellen(f.lz, "A/B"));  // cannot be created: no box
}

class LogbuchTest : public OrdnerBewahrt {
  protected:
    void SetUp() override {
        f.lz.Benutzername = "Meier";
        f.lz.Tagesdatum = "070131";
        f.lz.Logpfad = f.baum.wurzel();
        // Started in January, logging after midnight in February.
        f.u.plattform.zeit = QDateTime(QDate(2007, 2, 1), QTime(0, 3, 9));
    }
};

TEST_F(LogbuchTest, AppendsTheLineToTheMonthOfTheStartDate) {
    const QString pfad = f.baum.planerdatei("0701 VELMONT.LOG", {"alt"});
    Logbuch_ergänzen(f.lz, 2, "Import employee data");
    Logbuch_ergänzen(f.lz, 1, "x");
    EXPECT_EQ(Dateibaum::planerzeilen(pfad),
              (QStringList{"alt", "01.02.07 00:03:09|Meier|VelmoAdmin|Import employee data",
                           "01.02.07 00:03:09|Meier|x"}));
    EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files), QStringList{"0701 VELMONT.LOG"});
    f.u.plattform.locale = QLocale(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(logzeile(f.lz, 2, "t"), "01.02.07 00.03.09|Meier|VelmoAdmin|t");
}

TEST_F(LogbuchTest, SilentWithoutFolderOrWhenTheLineCannotBeWritten) {
    f.lz.Logpfad.clear();
    QDir::setCurrent(f.baum.wurzel());
    Logbuch_ergänzen(f.lz, 2, "x");
    f.lz.Logpfad = f.baum.pfad("fehlt") + QDir::separator();
    Logbuch_ergänzen(f.lz, 2, "x");
    EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());

    f.lz.Logpfad = f.baum.wurzel();
    const QString pfad = f.baum.planerdatei("0701 Velmont.log", {"alt"});
    const QByteArray vorher = Dateibaum::lesen(pfad);
    test::bruchEinsetzen(f.lz, Kanalmodus::Append, 5);
    Logbuch_ergänzen(f.lz, 2, "x");
    EXPECT_EQ(Dateibaum::lesen(pfad), vorher);
    EXPECT_FALSE(f.lz.kanal.offen());
    EXPECT_TRUE(f.u.dialoge.boxen.empty());
}

}  // namespace
}  // namespace mi
