#include "Dateibaum.h"
#include "Fakes.h"
#include "folders/Datenordner.h"
#include "messages/Meldungen.h"
#include "startup/Pfade.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QFile>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

QString n(const char* pfad) {
    return nativ(QString::fromUtf8(pfad));
}

// A tree below a temporary root: folders, planner data files, the folder the
// user picks and the data folder that must come of it, all relative to the root.
struct Fall {
    const char* name;
    Sprache sprache;
    QStringList ordner;
    QStringList dateien;
    const char* gewaehlt;
    const char* erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class DatenordnerAuswaehlenTest : public ::testing::TestWithParam<Fall> {};

TEST_P(DatenordnerAuswaehlenTest, LeadsToTheDataFolder) {
    const Fall& fall = GetParam();
    Dateibaum baum;
    for (const QString& o : fall.ordner) {
        baum.ordner(o);
    }
    for (const QString& d : fall.dateien) {
        baum.datei(d);
    }
    Umgebung u(fall.sprache);
    u.dialoge.erwarteOrdner(baum.pfad(QString::fromUtf8(fall.gewaehlt)));

    EXPECT_TRUE(Datenordner_auswählen(*u.lz));
    EXPECT_EQ(u.lz->Datenpfad, baum.pfad(QString::fromUtf8(fall.erwartet)));
    EXPECT_EQ(u.dialoge.ordnerTitel, QStringList{texte(fall.sprache).ordnerwahlTitel});
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, DatenordnerAuswaehlenTest,
    ::testing::Values(
        Fall{"DataItself",
             Sprache::EN,
             {},
             {"Velmora/Data/UrlaubsData.dat"},
             "Velmora/Data",
             "Velmora/Data/"},
        Fall{"Backups",
             Sprache::EN,
             {"Velmora/Data/Backups"},
             {},
             "Velmora/Data/Backups",
             "Velmora/Data/"},
        Fall{"BackupsUpperCase",
             Sprache::EN,
             {"Velmora/DATA/BACKUPS"},
             {},
             "Velmora/DATA/BACKUPS/",
             "Velmora/DATA/"},
        Fall{"Inifiles",
             Sprache::EN,
             {"Velmora/data/IniFiles"},
             {},
             "Velmora/data/IniFiles",
             "Velmora/data/"},
        Fall{"Logs", Sprache::EN, {"Velmora/Data/logs"}, {}, "Velmora/Data/logs", "Velmora/Data/"},
        // Only the last characters count: "mydata" goes up too, then is searched.
        Fall{"EndingInsideAName",
             Sprache::EN,
             {"mydata/Logs", "mydata/Data"},
             {},
             "mydata/Logs",
             "mydata/Data/"},
        Fall{"PlannerFolder", Sprache::EN, {"Velmora/Data"}, {}, "Velmora", "Velmora/Data/"},
        Fall{"LanguageFolderWithData",
             Sprache::EN,
             {"Docs/VelmoraData/Data"},
             {},
             "Docs",
             "Docs/VelmoraData/Data/"},
        Fall{"LanguageFolderHoldsData",
             Sprache::EN,
             {"Docs/VelmoraData/Data"},
             {"Docs/VelmoraData/xData.dat"},
             "Docs",
             "Docs/VelmoraData/"},
        Fall{"LanguageFolderDE",
             Sprache::DE,
             {"Docs/Velmoratdaten"},
             {},
             "Docs",
             "Docs/Velmoratdaten/"},
        Fall{"LanguageFolderFR",
             Sprache::FR,
             {"Docs/Velmoral/Data"},
             {},
             "Docs",
             "Docs/Velmoral/Data/"},
        Fall{"OtherLanguagesFolderIgnored", Sprache::EN, {"Docs/Velmoral"}, {}, "Docs", "Docs/"},
        Fall{"DataWins",
             Sprache::EN,
             {"Docs/Data", "Docs/VelmoraData/Data"},
             {},
             "Docs",
             "Docs/Data/"},
        Fall{"EmptyFolderNamedData", Sprache::EN, {"E/data/Data"}, {}, "E/data", "E/data/"},
        Fall{"NothingBelow", Sprache::EN, {"leer"}, {}, "leer", "leer/"}),
    [](const auto& fall) { return std::string(fall.param.name); });

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
    u.lz->Datenpfad = n("/alt/");
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
    const char* zitiert;
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
    const QString gesperrt = baum.pfad(QString::fromUtf8(fall.gesperrt ? fall.gesperrt : ""));
    if (fall.gesperrt != nullptr) {
        baum.ordner(QString::fromUtf8(fall.gesperrt));
        QFile::setPermissions(gesperrt, {});
    }
    Umgebung u;
    u.dialoge.erwarteOrdner(baum.pfad(QString::fromUtf8(fall.gewaehlt)));
    u.dialoge.erwarteBox(Antwort::OK);

    EXPECT_FALSE(Datenordner_auswählen(*u.lz));
    EXPECT_EQ(u.lz->Datenpfad, QString());
    EXPECT_EQ(u.dialoge.texte(), QStringList{QStringLiteral("No access to '") +
                                             baum.pfad(QString::fromUtf8(fall.zitiert)) +
                                             QStringLiteral("'. Choose another folder.")});
    EXPECT_EQ(u.protokoll, (QStringList{QStringLiteral("folder"), QStringLiteral("beep"),
                                        QStringLiteral("box")}));
    if (fall.gesperrt != nullptr) {
        QFile::setPermissions(gesperrt, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

INSTANTIATE_TEST_SUITE_P(Ordner, KeinZugriffTest,
                         ::testing::Values(Unzugaenglich{"Vanished", "weg", nullptr, "weg"},
                                           Unzugaenglich{"Unreadable", "zu", "zu", "zu"},
                                           Unzugaenglich{"UnreadableLanguageFolder", "Docs",
                                                         "Docs/VelmoraData", "Docs/VelmoraData"}),
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
        EXPECT_EQ(ParentDir(*u.lz, n(pfad)), n(erwartet)) << pfad;
    }
}

TEST(ParentDir, PathBeyondTheSixteenBitCounterIsReported) {
    Umgebung u;
    u.dialoge.erwarteBox(Antwort::OK);
    EXPECT_THROW(ParentDir(*u.lz, QString(40000, u'a')), Programmende);
    EXPECT_EQ(u.dialoge.texte(),
              QStringList{fehlerberichtText(u.lz->texte, QStringLiteral("modOrdner - ParentDir"),
                                            fehlernummer::Ueberlauf,
                                            fehlerbeschreibung(fehlernummer::Ueberlauf))});
}

}  // namespace
}  // namespace mi
