#include "Pruefhilfen.h"
#include "base/Pfade.h"
#include "folders/Datenordner.h"

#include <QDir>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

// The tree is a blank-separated list below a temporary root: names ending in
// ".dat" are files, the others folders. The chosen folder and the data folder
// that must come of it are relative to the same root.
TEST(DatenordnerAuswaehlen, LeadsToTheDataFolder) {
    const std::tuple<Sprache, const char*, const char*, const char*> faelle[] = {
        {Sprache::EN, "V/Data/UData.dat", "V/Data", "V/Data/"},
        {Sprache::EN, "V/DATA/BACKUPS", "V/DATA/BACKUPS/", "V/DATA/"},
        {Sprache::EN, "V/data/IniFiles", "V/data/IniFiles", "V/data/"},
        // Only the ending counts: "my_data" is left too, and then searched below.
        {Sprache::EN, "my_data/Logs my_data/Data", "my_data/Logs", "my_data/Data/"},
        {Sprache::EN, "D/VelmoraData/Data D/VelmoraData/xData.dat", "D", "D/VelmoraData/"},
        {Sprache::DE, "D/Velmoratdaten", "D", "D/Velmoratdaten/"},
        {Sprache::FR, "D/Velmoral/Data", "D", "D/Velmoral/Data/"},
        {Sprache::EN, "D/Velmoral", "D", "D/"},  // another language's folder
        {Sprache::EN, "D/Data D/VelmoraData/Data", "D", "D/Data/"},
        {Sprache::EN, "E/data/Data", "E/data", "E/data/"},
    };
    for (const auto& [sprache, eintraege, gewaehlt, erwartet] : faelle) {
        Dateibaum baum;
        for (const QString& e : QString(eintraege).split(u' ')) {
            e.endsWith(".dat") ? void(baum.dateiAnlegen(e)) : void(baum.unterordnerAnlegen(e));
        }
        Umgebung u(sprache);
        u.dialoge.ordnerErwarten(baum.pfad(gewaehlt));
        EXPECT_EQ(Datenordner_auswaehlen(u.dienste), baum.pfad(erwartet)) << eintraege;
        EXPECT_EQ(u.dialoge.ordnerTitel, QStringList{texteWaehlen(sprache).ordnerwahlTitel});
    }
}

TEST(DatenordnerAuswaehlen, CancelIsSilent) {
    Umgebung u;
    u.dialoge.ordnerErwarten(QString());
    EXPECT_EQ(Datenordner_auswaehlen(u.dienste), std::nullopt);
    EXPECT_EQ(u.protokoll, QStringList{"folder"});
}

// Never searched and never taken for a folder without data.
TEST(DatenordnerAuswaehlen, VanishedFolderIsReported) {
    Umgebung u;
    Dateibaum baum;
    u.dialoge.ordnerErwarten(baum.pfad("weg"));
    u.dialoge.boxErwarten(Antwort::OK);
    EXPECT_EQ(Datenordner_auswaehlen(u.dienste), std::nullopt);
    EXPECT_EQ(u.dialoge.boxtexte(),
              QStringList{"No access to '" + baum.pfad("weg") + "'. Choose another folder."});
    EXPECT_EQ(u.protokoll, (QStringList{"folder", "beep", "box"}));
}

TEST(DatenordnerAuswaehlen, UnreadableFolderOrLanguageFolderIsReported) {
    for (const auto& [gewaehlt, gesperrt] : {std::pair{"zu", "zu"}, {"D", "D/VelmoraData"}}) {
        Dateibaum baum;
        const QString zitiert = baum.unterordnerAnlegen(gesperrt).chopped(1);
        QFile::setPermissions(zitiert, {});
        if (QDir(zitiert).isReadable()) {
            GTEST_SKIP()
                << "this user reads every folder (root, a file system without rights, or Windows, "
                   "whose access lists Qt's permissions leave alone)";
        }
        Umgebung u;
        u.dialoge.ordnerErwarten(baum.pfad(gewaehlt));
        u.dialoge.boxErwarten(Antwort::OK);
        EXPECT_EQ(Datenordner_auswaehlen(u.dienste), std::nullopt);
        EXPECT_EQ(u.dialoge.boxtexte(),
                  QStringList{"No access to '" + zitiert + "'. Choose another folder."});
        QFile::setPermissions(zitiert, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(ParentDir, FolderAboveTheLastComponent) {
    const std::pair<const char*, const char*> tabelle[] = {{"C:/a/b/", "C:/a/"},
                                                           {"D:/Import/M.csv", "D:/Import/"},
                                                           {"C:/", ""},
                                                           {"abc", ""},
                                                           {"/", ""},
                                                           {"/a", "/"},
                                                           {"//", "/"}};
    for (const auto& [pfad, erwartet] : tabelle) {
        EXPECT_EQ(ParentDir(trennerAngleichen(pfad)), trennerAngleichen(erwartet)) << pfad;
    }
    // Too long for the 16-bit positions: reported as this procedure's.
    try {
        ParentDir(QString(40000, u'a'));
        ADD_FAILURE() << "no overflow";
    } catch (const Laufzeitfehler& fehler) {
        EXPECT_EQ(fehler.nummer, fehlernummer::Ueberlauf);
        EXPECT_EQ(fehler.ort, "modOrdner - ParentDir");
    }
}

}  // namespace
}  // namespace mi
