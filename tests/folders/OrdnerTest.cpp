#include "../datastore/Hilfen.h"
#include "Dateibaum.h"
#include "folders/Auflistung.h"
#include "folders/Ordner.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

class OrdnerTest : public ::testing::Test {
  protected:
    void TearDown() override { QDir::setCurrent(vorher_); }

    Dateibaum baum;

  private:
    QString vorher_ = QDir::currentPath();
};

TEST_F(OrdnerTest, CreatedFolderBecomesTheCurrentOne) {
    Umgebung u;
    Ordner_anlegen(*u.lz, baum.pfad("Backups") + QDir::separator());
    QFile relativ("neu.txt");
    ASSERT_TRUE(relativ.open(QIODevice::WriteOnly));
    relativ.close();
    EXPECT_TRUE(QFileInfo::exists(baum.pfad("Backups/neu.txt")));
    EXPECT_TRUE(u.dialoge.boxen.empty());
}

struct Fehlerfall {
    Sprache sprache;
    bool anlegen;
    const char* relativ;  // below the tree; "da" exists
    QString erwartet;     // %1: the quoted path
};

void PrintTo(const Fehlerfall& f, std::ostream* os) {
    *os << static_cast<int>(f.sprache) << (f.anlegen ? " anlegen " : " zugreifen ") << f.relativ;
}

class OrdnerFehlerTest : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(OrdnerFehlerTest, EndsWithTheFolderMessage) {
    const Fehlerfall& f = GetParam();
    Umgebung u(f.sprache);
    Dateibaum baum;
    baum.ordner("da");
    const QString pfad = baum.pfad(f.relativ) + QDir::separator();
    const QString ohne = baum.pfad(f.relativ);
    const QString zitat = f.sprache == Sprache::FR ? "« " + ohne + " »" : "'" + ohne + "'";
    const QString text = test::endetMit(
        u, [&] { f.anlegen ? Ordner_anlegen(*u.lz, pfad) : Ordner_zugreifen(*u.lz, pfad); });
    EXPECT_EQ(text, f.erwartet.arg(zitat));
    EXPECT_FALSE(QFileInfo::exists(baum.pfad("fehlt")));  // no folder made on the way
}

const QString AnlegenEn = QStringLiteral(
    "Folder %1 couldn't be created.\r\rYou probably don't have sufficient access rights.\r\r"
    "Program will be closed.");

INSTANTIATE_TEST_SUITE_P(
    Faelle, OrdnerFehlerTest,
    ::testing::Values(
        Fehlerfall{Sprache::EN, true, "da", AnlegenEn},
        Fehlerfall{Sprache::EN, true, "fehlt/neu", AnlegenEn},
        Fehlerfall{Sprache::EN, false, "fehlt",
                   "No access to folder %1.\r\rThe folder probably doesn't exist or you don't have "
                   "sufficient access rights to this folder.\r\rProgram will be closed."},
        Fehlerfall{Sprache::DE, true, "da",
                   "Der Ordner %1 konnte nicht angelegt werden.\r\rMöglicherweise haben Sie keine "
                   "ausreichenden Zugriffsberechtigungen.\r\rDas Programm wird beendet."},
        Fehlerfall{Sprache::FR, false, "fehlt",
                   "Le dossier %1 n'est pas accessible.\r\rLe dossier n'existe probablement pas "
                   "ou vous n'avez pas les droits suffisants.\r\rLe programme va être fermé."}));

TEST(AuflistungTest, OrdinaryFilesMatchedAndOrderedWithoutRegardToCase) {
    Dateibaum baum;
    for (const char* name : {"b.dat", "A.DAT", "_c.dat", "a.log", ".h.dat", "xData.dat.tmp"}) {
        baum.datei(name);
    }
    baum.ordner("Ordner.dat");
    // The planner's file system orders by the upper-case form: "_" after the letters.
    EXPECT_EQ(Dateien_auflisten(baum.wurzel(), "*.dat"), (QStringList{"A.DAT", "b.dat", "_c.dat"}));
    EXPECT_EQ(Datei_finden(baum.wurzel(), "a.dat"), baum.pfad("A.DAT"));
    EXPECT_EQ(Datei_finden(baum.wurzel(), "h.dat"), std::nullopt);
    EXPECT_FALSE(Planerdaten_vorhanden(baum.wurzel()));
    EXPECT_EQ(Dateien_auflisten(baum.pfad("fehlt"), "*.dat"), std::nullopt);
}

}  // namespace
}  // namespace mi
