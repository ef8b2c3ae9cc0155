#include "Dateibaum.h"
#include "Fakes.h"
#include "folders/Datenordner.h"
#include "startup/Pfade.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QFile>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

QString q(const char* text) {
    return QString::fromUtf8(text);
}

// The tree is a blank-separated list below a temporary root: names ending in
// ".dat" are files, the others folders. The chosen folder and the data folder
// that must come of it are relative to the same root.
struct Fall {
    const char* name;
    Sprache sprache;
    const char* baum;
    const char* gewaehlt;
    const char* erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

void anlegen(Dateibaum& baum, const char* eintraege) {
    for (const QString& e : q(eintraege).split(u' ', Qt::SkipEmptyParts)) {
        e.endsWith(QStringLiteral(".dat")) ? void(baum.datei(e)) : void(baum.ordner(e));
    }
}

class DatenordnerAuswaehlenTest : public ::testing::TestWithParam<Fall> {};

TEST_P(DatenordnerAuswaehlenTest, LeadsToTheDataFolder) {
    const Fall& fall = GetParam();
    Dateibaum baum;
    anlegen(baum, fall.baum);
    Umgebung u(fall.sprache);
    u.dialoge.erwarteOrdner(baum.pfad(q(fall.gewaehlt)));

    EXPECT_TRUE(Datenordner_auswählen(*u.lz));
    EXPECT_EQ(u.lz->Datenpfad, baum.pfad(q(fall.erwartet)));
    EXPECT_EQ(u.dialoge.ordnerTitel, QStringList{texte(fall.sprache).ordnerwahlTitel});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Beispiele, DatenordnerAuswaehlenTest, ::testing::Values(
    Fall{"DataItself", Sprache::EN, "V/Data/UData.dat", "V/Data", "V/Data/"},
    Fall{"Backups", Sprache::EN, "V/Data/Backups", "V/Data/Backups", "V/Data/"},
    Fall{"BackupsUpperCase", Sprache::EN, "V/DATA/BACKUPS", "V/DATA/BACKUPS/", "V/DATA/"},
    Fall{"Inifiles", Sprache::EN, "V/data/IniFiles", "V/data/IniFiles", "V/data/"},
    Fall{"Logs", Sprache::EN, "V/Data/logs", "V/Data/logs", "V/Data/"},
    // Only the ending counts: "my_data" is left too, and then searched below.
    Fall{"EndingInsideAName", Sprache::EN, "my_data/Logs my_data/Data", "my_data/Logs",
         "my_data/Data/"},
    Fall{"PlannerFolder", Sprache::EN, "V/Data", "V", "V/Data/"},
    Fall{"LanguageFolderEN", Sprache::EN, "D/VelmoraData/Data", "D", "D/VelmoraData/Data/"},
    Fall{"LanguageFolderHoldsData", Sprache::EN, "D/VelmoraData/Data D/VelmoraData/xData.dat", "D",
         "D/VelmoraData/"},
    Fall{"LanguageFolderDE", Sprache::DE, "D/Velmoratdaten", "D", "D/Velmoratdaten/"},
    Fall{"LanguageFolderFR", Sprache::FR, "D/Velmoral/Data", "D", "D/Velmoral/Data/"},
    Fall{"OtherLanguagesFolderIgnored", Sprache::EN, "D/Velmoral", "D", "D/"},
    Fall{"DataWins", Sprache::EN, "D/Data D/VelmoraData/Data", "D", "D/Data/"},
    Fall{"EmptyFolderNamedData", Sprache::EN, "E/data/Data", "E/data", "E/data/"},
    Fall{"NothingBelow", Sprache::EN, "leer", "leer", "leer/"}),
    [](const auto& fall) { return std::string(fall.param.name); });
// clang-format on

TEST(DatenordnerAuswaehlen, DriveRootKeepsItsSeparatorAndSearchesBelow) {
    const QString wurzel = nativ(QDir::rootPath());
    if (QDir(wurzel + QStringLiteral("Data")).exists() ||
        QDir(wurzel + QStringLiteral("VelmoraData")).exists()) {
        GTEST_SKIP() << "this machine's root holds a data folder";
    }
    Umgebung u;
    u.dialoge.erwarteOrdner(wurzel);
    EXPECT_TRUE(Datenordner_auswählen(*u.lz));
    EXPECT_EQ(u.lz->Datenpfad, wurzel);
}

TEST(DatenordnerAuswaehlen, CancelEmptiesDatenpfadSilently) {
    Umgebung u;
    u.lz->Datenpfad = nativ(QStringLiteral("/alt/"));
    u.dialoge.erwarteOrdner(QString());
    EXPECT_FALSE(Datenordner_auswählen(*u.lz));
    EXPECT_EQ(u.lz->Datenpfad, QString());
    EXPECT_EQ(u.protokoll, QStringList{QStringLiteral("folder")});
}

// The folder vanished after it was chosen, or it cannot be read: reported,
// never searched and never taken for a folder without data.
struct Unzugaenglich {
    const char* name;
    const char* gewaehlt;
    const char* gesperrt;  // made unreadable; nullptr: the chosen folder does not exist
};

void PrintTo(const Unzugaenglich& f, std::ostream* os) {
    *os << f.name;
}

class KeinZugriffTest : public ::testing::TestWithParam<Unzugaenglich> {};

TEST_P(KeinZugriffTest, MessageThenEmptyDatenpfad) {
    const Unzugaenglich& fall = GetParam();
    if (fall.gesperrt != nullptr && ::geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    Dateibaum baum;
    const QString zitiert = baum.pfad(q(fall.gesperrt ? fall.gesperrt : fall.gewaehlt));
    if (fall.gesperrt != nullptr) {
        baum.ordner(q(fall.gesperrt));
        QFile::setPermissions(zitiert, {});
    }
    Umgebung u;
    u.dialoge.erwarteOrdner(baum.pfad(q(fall.gewaehlt)));
    u.dialoge.erwarteBox(Antwort::OK);

    EXPECT_FALSE(Datenordner_auswählen(*u.lz));
    EXPECT_EQ(u.lz->Datenpfad, QString());
    EXPECT_EQ(u.dialoge.texte(), QStringList{QStringLiteral("No access to '") + zitiert +
                                             QStringLiteral("'. Choose another folder.")});
    EXPECT_EQ(u.protokoll, (QStringList{QStringLiteral("folder"), QStringLiteral("beep"),
                                        QStringLiteral("box")}));
    QFile::setPermissions(zitiert, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Ordner, KeinZugriffTest,
                         ::testing::Values(Unzugaenglich{"Vanished", "weg", nullptr},
                                           Unzugaenglich{"Unreadable", "zu", "zu"},
                                           Unzugaenglich{"UnreadableLanguageFolder", "D",
                                                         "D/VelmoraData"}),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(ParentDir, FolderAboveTheLastComponent) {
    Umgebung u;
    const std::pair<const char*, const char*> tabelle[] = {
        {"C:/a/b/", "C:/a/"},
        {"C:/a/b", "C:/a/"},
        {"D:/Import/Mitarbeiter.csv", "D:/Import/"},
        {"C:/", ""},
        {"abc", ""},
        {"", ""},
        {"/", ""},
        {"/a", "/"},
        {"//", "/"}};
    for (const auto& [pfad, erwartet] : tabelle) {
        EXPECT_EQ(ParentDir(*u.lz, nativ(q(pfad))), nativ(q(erwartet))) << pfad;
    }
}

}  // namespace
}  // namespace mi
