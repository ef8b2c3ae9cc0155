#include "Planer.h"
#include "startup/Start.h"
#include "wizard/Assistent.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace mi {
namespace {

// Every byte the program writes for a whole import, compared with the files
// kept under tests/import/golden/<case>. MI_GOLDEN_NEU=1 writes them anew, for
// a change of the planner's files that is meant.
struct Goldfall {
    const char* name;
    Sprache sprache;
    QLocale locale;
    QByteArray csv;
};

void PrintTo(const Goldfall& f, std::ostream* os) {
    *os << f.name;
}

// The data folder's files below it, with their bytes.
std::map<QString, QByteArray> inhaltLesen(const QString& ordner) {
    std::map<QString, QByteArray> dateien;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        dateien[QDir(ordner).relativeFilePath(pfad)] = test::Dateibaum::lesen(pfad);
    }
    return dateien;
}

class GoldenTest : public ::testing::TestWithParam<Goldfall> {};

TEST_P(GoldenTest, EveryWrittenByteAsBefore) {
    const Goldfall& fall = GetParam();
    test::Planer p(fall.sprache);
    p.u.plattform.locale = fall.locale;
    p.u.plattform.umgebungsvariablen["USERNAME"] = "anna";
    p.u.dialoge.dateiErwarten(p.baum.dateiAnlegen("Programm/import.csv", fall.csv));
    p.u.dialoge.immerAntworten(Antwort::Ja);
    std::optional<Assistent> assistent;
    ASSERT_FALSE(Main(p.dienste, [&](const Startwerte& start, const Planerordner& ordner) {
                     assistent.emplace(p.dienste, start, ordner);
                     assistent->Form_Load();
                 }).has_value());
    for (const Knopf knopf : {Knopf::Importdatei, Knopf::Pruefen, Knopf::Importieren}) {
        assistent->cmdAuswahl_Click(knopf);
    }
    ASSERT_EQ(assistent->zustaende().zustand(), Zustand::Fertig);

    const QString gold = QStringLiteral(MI_GOLDEN "/") + fall.name;
    const auto ist = inhaltLesen(p.daten);
    if (qEnvironmentVariableIsSet("MI_GOLDEN_NEU")) {
        QDir(gold).removeRecursively();
        for (const auto& [name, bytes] : ist) {
            QDir().mkpath(QFileInfo(gold + '/' + name).absolutePath());
            QFile f(gold + '/' + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
    }
    const auto soll = inhaltLesen(gold);
    ASSERT_FALSE(soll.empty()) << "no golden files in " << gold.toStdString();
    EXPECT_EQ(ist, soll);
}

const QLocale DE(QLocale::German, QLocale::Germany);
const QLocale EN(QLocale::English, QLocale::UnitedStates);
const QLocale FR(QLocale::French, QLocale::France);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, GoldenTest, ::testing::Values(
    Goldfall{"english_halves_and_tenths", Sprache::EN, EN,
             "sep=;\r\nName;User;From;To;Rest;A1;A2;A3;A4;Extra\r\n"
             "\"Anna Beispiel\";\"abeispiel\";;;2.5;30;;;;1\r\n>Sales;\r\n"
             "Bo Kurz;bkurz;3/15/2024;12/31/2029;-1.5;27.5;;;;0.3\r\n"
             "Cy Lang;;2024-01-01;;0;20;20;20;20;0\r\n"},
    Goldfall{"german_umlauts_windows1252", Sprache::DE, DE,
             "Name;Kennung;Von;Bis;Rest;A1;A2;A3;A4;Sonder\r\n"
             "J\xFCrgen M\xFCller;jm;01.02.2024;31.12.2030;1,5;28;;;;0\r\n"
             ">Einkauf \x80;\r\nZo\xEB;zoe;;;;;;;;\r\n"},
    Goldfall{"french_whole_days_utf8", Sprache::FR, FR,
             "\xEF\xBB\xBFNom,Utilisateur,Du,Au,Reste,A1,A2,A3,A4,RTT,\r\n"
             "\xC3\x89lodie Fran\xC3\xA7ois,ef,15/03/2024,,3,25,,,,2\r\n"},
    // As a spreadsheet saves a sheet as CSV in a US locale: quoted where a value
    // holds the separator or a quote, and some programs quote every value.
    Goldfall{"english_quoted_comma_export", Sprache::EN, EN,
             "Name,User,From,To,Rest,A1,A2,A3,A4,Extra\r\n"
             "\">Sales, North\",,,,,,,,,\r\n"
             "\"M\xC3\xBCller, Anna\",amueller,3/15/2024,12/31/2029,2.5,30,30,30,30,1.5\r\n"
             "\"O\"\"Brien, Pat \"\"P.J.\"\"\",\"pobrien\",\"1/2/2024\",\"\",\"-1\",\"27.5\",\"\",\"\",\"\",\"0\"\r\n"}),
    [](const auto& fallinfo) { return std::string(fallinfo.param.name); });
// clang-format on

}  // namespace
}  // namespace mi
