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

TEST(OrdnerTest, CreatedFolderBecomesTheCurrentOne) {
    const QString vorher = QDir::currentPath();
    Umgebung u;
    Dateibaum baum;
    Ordner_anlegen(*u.lz, baum.pfad("Backups") + QDir::separator());
    const bool relativ = QDir().mkdir("neu");
    QDir::setCurrent(vorher);
    EXPECT_TRUE(relativ);
    EXPECT_TRUE(QFileInfo(baum.pfad("Backups/neu")).isDir());
}

TEST(OrdnerTest, FailuresEndWithTheFolderMessage) {
    const QString anlegen = QStringLiteral(
        "Folder %1 couldn't be created.\r\rYou probably don't have sufficient access rights.\r\r"
        "Program will be closed.");
    const struct {
        Sprache sprache;
        bool anlegen;
        const char* relativ;  // "da" exists
        QString erwartet;     // %1: the quoted path
    } faelle[] = {
        {Sprache::EN, true, "da", anlegen},
        {Sprache::EN, true, "fehlt/neu", anlegen},  // no folder is made on the way
        {Sprache::EN, false, "fehlt",
         "No access to folder %1.\r\rThe folder probably doesn't exist or you don't have "
         "sufficient access rights to this folder.\r\rProgram will be closed."},
        {Sprache::FR, false, "fehlt",
         "Le dossier %1 n'est pas accessible.\r\rLe dossier n'existe probablement pas ou vous "
         "n'avez pas les droits suffisants.\r\rLe programme va être fermé."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.relativ);
        Umgebung u(f.sprache);
        Dateibaum baum;
        baum.ordner("da");
        const QString pfad = baum.pfad(f.relativ);
        const QString text = test::endetMit(u, [&] {
            f.anlegen ? Ordner_anlegen(*u.lz, pfad + QDir::separator())
                      : Ordner_zugreifen(*u.lz, pfad + QDir::separator());
        });
        EXPECT_EQ(text, f.erwartet.arg(Pfad_zitieren(u.lz->texte, pfad)));
        EXPECT_FALSE(QFileInfo::exists(baum.pfad("fehlt")));
    }
}

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
