#include "../datastore/Hilfen.h"
#include "folders/Auflistung.h"
#include "folders/Ordner.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;

TEST(OrdnerTest, CreatedFolderBecomesTheCurrentOne) {
    const QString vorher = QDir::currentPath();
    test::Fall f;
    Ordner_anlegen(f.lz, f.baum.pfad("Backups") + QDir::separator());
    const bool relativ = QDir().mkdir("neu");
    QDir::setCurrent(vorher);
    EXPECT_TRUE(relativ);
    EXPECT_TRUE(QFileInfo(f.baum.pfad("Backups/neu")).isDir());
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
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.relativ);
        test::Fall f(fall.sprache);
        f.baum.ordner("da");
        const QString pfad = f.baum.pfad(fall.relativ);
        const QString text = f.endet([&] {
            fall.anlegen ? Ordner_anlegen(f.lz, pfad + QDir::separator())
                         : Ordner_zugreifen(f.lz, pfad + QDir::separator());
        });
        EXPECT_EQ(text, fall.erwartet.arg(Pfad_zitieren(f.lz.texte, pfad)));
        EXPECT_FALSE(QFileInfo::exists(f.baum.pfad("fehlt")));
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
