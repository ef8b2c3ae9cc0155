#include "Dateibaum.h"
#include "Hilfen.h"
#include "datastore/Backup.h"
#include "datastore/Logbuch.h"

#include <QDir>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

// The backup enters its folder, and some cases enter one themselves.
class OrdnerBewahrt : public ::testing::Test {
  protected:
    void TearDown() override { QDir::setCurrent(vorher_); }

    Umgebung u;
    Dateibaum baum;

  private:
    QString vorher_ = QDir::currentPath();
};

class BackupTest : public OrdnerBewahrt {
  protected:
    void SetUp() override {
        u.lz->Tagesdatum = "261205";
        u.lz->Datenpfad = baum.ordner("Daten");
    }
};

TEST_F(BackupTest, LayoutOrderAndName) {
    baum.planerdatei("Daten/BData.dat", {"l1", "l2"});
    baum.planerdatei("Daten/_x.dat", {"z"});
    baum.datei("Daten/a.dat");
    baum.planerdatei("Daten/.versteckt.dat", {"h"});
    baum.planerdatei("Daten/daneben.log", {"d"});
    u.lz->Logpfad = baum.ordner("Logs");
    baum.planerdatei("Logs/2612 Velmont.log", {"n"});
    baum.planerdatei("Logs/2611 velmont.LOG", {"m"});
    u.plattform.zeit = QDateTime(QDate(2026, 12, 6), QTime(0, 5, 9));

    EXPECT_TRUE(Backup_erstellen(*u.lz, "A"));

    // The start date, but the time of the backup.
    const QString pfad = baum.pfad("Daten/Backups/261205 000509 A.dat");
    EXPECT_EQ(Dateibaum::planerzeilen(pfad),
              (QStringList{"[VelmontBackup]", "[a.dat]", "[0]", "[BData.dat]", "[2]", "l1", "l2",
                           "[_x.dat]", "[1]", "z", "[2611 velmont.LOG]", "[1]", "m",
                           "[2612 Velmont.log]", "[1]", "n"}));
    // The folder was made and entered.
    EXPECT_EQ(QDir::current(), QDir(baum.pfad("Daten/Backups")));
}

TEST_F(BackupTest, LogFilesWithoutDataFilesButNeverFromTheCurrentFolder) {
    baum.planerdatei("Logs/2612 Velmont.log", {"n"});
    QDir::setCurrent(baum.pfad("Logs"));
    EXPECT_TRUE(Backup_erstellen(*u.lz, "A"));
    const QString pfad = baum.pfad("Daten/Backups/261205 143015 A.dat");
    EXPECT_EQ(Dateibaum::planerzeilen(pfad), QStringList{"[VelmontBackup]"});
    u.lz->Logpfad = baum.pfad("Logs") + QDir::separator();
    EXPECT_TRUE(Backup_erstellen(*u.lz, "B"));
    EXPECT_EQ(Dateibaum::planerzeilen(baum.pfad("Daten/Backups/261205 143015 B.dat")),
              (QStringList{"[VelmontBackup]", "[2612 Velmont.log]", "[1]", "n"}));
}

TEST_F(BackupTest, FalseWhenTheBackupFileCannotBeCreated) {
    baum.planerdatei("Daten/XData.dat", {"x"});
    EXPECT_FALSE(Backup_erstellen(*u.lz, "A/B"));
    EXPECT_TRUE(u.dialoge.boxen.empty());
}

class LogbuchTest : public OrdnerBewahrt {
  protected:
    void SetUp() override {
        u.lz->Benutzername = "Meier";
        u.lz->Tagesdatum = "070131";
        u.lz->Logpfad = baum.wurzel();
        // Started in January, logging after midnight in February.
        u.plattform.zeit = QDateTime(QDate(2007, 2, 1), QTime(0, 3, 9));
    }
};

TEST_F(LogbuchTest, AppendsTheLineToTheMonthOfTheStartDate) {
    const QString pfad = baum.planerdatei("0701 VELMONT.LOG", {"alt"});
    Logbuch_ergänzen(*u.lz, 2, "Import employee data");
    Logbuch_ergänzen(*u.lz, 1, "x");
    EXPECT_EQ(Dateibaum::planerzeilen(pfad),
              (QStringList{"alt", "01.02.07 00:03:09|Meier|VelmoAdmin|Import employee data",
                           "01.02.07 00:03:09|Meier|x"}));
    EXPECT_EQ(QDir(baum.wurzel()).entryList(QDir::Files), QStringList{"0701 VELMONT.LOG"});
}

TEST_F(LogbuchTest, TimeSeparatorOfTheLocale) {
    u.plattform.zeit = QDateTime(QDate(2007, 3, 5), QTime(14, 3, 9));
    u.plattform.locale = QLocale(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(logzeile(*u.lz, 2, "t"), "05.03.07 14.03.09|Meier|VelmoAdmin|t");
}

TEST_F(LogbuchTest, SilentWithoutFolderOrWhenTheLineCannotBeWritten) {
    u.lz->Logpfad.clear();
    QDir::setCurrent(baum.wurzel());
    Logbuch_ergänzen(*u.lz, 2, "x");
    u.lz->Logpfad = baum.pfad("fehlt") + QDir::separator();
    Logbuch_ergänzen(*u.lz, 2, "x");
    EXPECT_TRUE(
        QDir(baum.wurzel()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());

    u.lz->Logpfad = baum.wurzel();
    const QString pfad = baum.planerdatei("0701 Velmont.log", {"alt"});
    const QByteArray vorher = Dateibaum::lesen(pfad);
    test::bruchEinsetzen(*u.lz, Kanalmodus::Append, 5);
    Logbuch_ergänzen(*u.lz, 2, "x");
    EXPECT_EQ(Dateibaum::lesen(pfad), vorher);
    EXPECT_FALSE(u.lz->kanal.offen());
    EXPECT_TRUE(u.dialoge.boxen.empty());
}

}  // namespace
}  // namespace mi
