#include "Dateibaum.h"
#include "Fakes.h"
#include "startup/Start.h"

#include <gtest/gtest.h>
#include <QDir>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

template <typename Fall>
std::string fallname(const ::testing::TestParamInfo<Fall>& info) {
    return info.param.name;
}

QString nativMitTrenner(const QString& pfad) {
    return QDir::toNativeSeparators(pfad) + QDir::separator();
}

// Installation probes. "~" in a value stands for the test tree's root; paths
// are written with "/" and compared in native form.
struct ProbeFall {
    const char* name;
    QString PUBLIC;
    QString ProgramFiles;
    QStringList ordner;
    QStringList dateien;
    QString erwartet;
};

void PrintTo(const ProbeFall& f, std::ostream* os) {
    *os << f.name;
}

class InstallationspfadTest : public ::testing::TestWithParam<ProbeFall> {};

TEST_P(InstallationspfadTest, ProbesInFixedOrder) {
    const ProbeFall& fall = GetParam();
    Dateibaum baum;
    const auto einsetzen = [&](QString wert) {
        return QDir::toNativeSeparators(wert.replace(QStringLiteral("~/"), baum.wurzel()));
    };
    for (const QString& o : fall.ordner) {
        baum.ordner(o);
    }
    for (const QString& d : fall.dateien) {
        baum.datei(d);
    }
    Umgebung u;
    u.plattform.umgebung[QStringLiteral("PUBLIC")] = einsetzen(fall.PUBLIC);
    u.plattform.umgebung[QStringLiteral("ProgramFiles")] = einsetzen(fall.ProgramFiles);

    Startwerte_setzen(*u.lz);

    EXPECT_EQ(u.lz->Installationspfad, nativMitTrenner(einsetzen(fall.erwartet)));
    EXPECT_TRUE(u.dialoge.boxen.empty());
}

const QString VS = QStringLiteral("AppData/Local/VirtualStore/Program Files/");

INSTANTIATE_TEST_SUITE_P(
    Faelle, InstallationspfadTest,
    ::testing::Values(
        ProbeFall{"ProgramFilesVelmora", "", "~/pf", {"pf/Velmora"}, {}, "~/pf/Velmora"},
        ProbeFall{"ProgramFilesWithSeparator", "", "~/pf/", {"pf/Velmoral"}, {}, "~/pf/Velmoral"},
        ProbeFall{"BothFoldersVelmoraWins",
                  "",
                  "~/pf",
                  {"pf/Velmora", "pf/Velmoral"},
                  {},
                  "~/pf/Velmora"},
        ProbeFall{"NeitherFallsBackUntested", "", "~/pf", {"pf"}, {}, "~/pf/Velmorat"},
        ProbeFall{"FileNamedVelmoraDoesNotCount", "", "~/pf", {}, {"pf/Velmora"}, "~/pf/Velmorat"},
        ProbeFall{"FileVelmoraFolderVelmoral",
                  "",
                  "~/pf",
                  {"pf/Velmoral"},
                  {"pf/Velmora"},
                  "~/pf/Velmoral"},
        ProbeFall{"PublicVirtualStore",
                  "~/pub",
                  "~/pf",
                  {"pub/" + VS + "Velmora", "pf/Velmora"},
                  {},
                  "~/pub/" + VS + "Velmora"},
        ProbeFall{"PublicWithSeparator",
                  "~/pub/",
                  "",
                  {"pub/" + VS + "Velmoral"},
                  {},
                  "~/pub/" + VS + "Velmoral"},
        ProbeFall{"PublicWinsOverProgramFiles",
                  "~/pub",
                  "~/pf",
                  {"pf/Velmora"},
                  {},
                  "~/pub/" + VS + "Velmorat"},
        ProbeFall{"BothEmptyProbeTheRoot", "", "", {}, {}, "/Velmorat"}),
    fallname<ProbeFall>);

TEST(Startwerte, Benutzername) {
    const std::vector<std::pair<std::optional<QString>, QString>> faelle{
        {QStringLiteral("m.keller"), QStringLiteral("m.keller")},
        {QString(), QStringLiteral("NoName")},
        {std::nullopt, QStringLiteral("NoName")}};
    for (const auto& [wert, erwartet] : faelle) {
        Umgebung u;
        if (wert) {
            u.plattform.umgebung[QStringLiteral("USERNAME")] = *wert;
        }
        Startwerte_setzen(*u.lz);
        EXPECT_EQ(u.lz->Benutzername, erwartet);
    }
}

TEST(Startwerte, DezimalzeichenFromTheLocalesNumberFormat) {
    const std::vector<std::pair<QLocale, QChar>> faelle{
        {QLocale(QLocale::German, QLocale::Germany), u','},
        {QLocale(QLocale::English, QLocale::UnitedStates), u'.'},
        {QLocale(QLocale::French, QLocale::France), u','},
        {QLocale(QLocale::German, QLocale::Switzerland), u'.'},
    };
    for (const auto& [locale, zeichen] : faelle) {
        Umgebung u;
        u.plattform.locale = locale;
        Startwerte_setzen(*u.lz);
        EXPECT_EQ(u.lz->Dezimalzeichen, zeichen) << locale.name().toStdString();
    }
}

TEST(FormatDatumDS, SixDigitsYearMonthDay) {
    const std::vector<std::pair<QDate, QString>> faelle{
        {QDate(2007, 3, 5), QStringLiteral("070305")},
        {QDate(1999, 12, 31), QStringLiteral("991231")},
        {QDate(2000, 1, 1), QStringLiteral("000101")},
        {QDate(5, 7, 9), QStringLiteral("050709")},
        {QDate(12345, 11, 30), QStringLiteral("451130")},
    };
    Umgebung u;
    for (const auto& [datum, erwartet] : faelle) {
        EXPECT_EQ(FormatDatumDS(*u.lz, datum), erwartet) << datum.toString().toStdString();
    }
}

TEST(FormatDatumDS, InvalidDateIsReported) {
    Umgebung u;
    u.dialoge.erwarteBox(Antwort::OK);
    EXPECT_THROW(FormatDatumDS(*u.lz, QDate()), Programmende);
    ASSERT_EQ(u.dialoge.boxen.size(), 1U);
    EXPECT_TRUE(
        u.dialoge.boxen[0].text.contains(QStringLiteral("'modMitarbeiterImport - FormatDatumDS'")));
}

TEST(Ordner_vorhanden, OnlyExistingFolders) {
    Dateibaum baum;
    const QString ordner = baum.ordner(QStringLiteral("daten"));
    const QString datei = baum.datei(QStringLiteral("daten/Velmora"));
    EXPECT_TRUE(Ordner_vorhanden(ordner));
    EXPECT_TRUE(Ordner_vorhanden(ordner.chopped(1)));
    EXPECT_FALSE(Ordner_vorhanden(datei));
    EXPECT_FALSE(Ordner_vorhanden(datei + QDir::separator()));
    EXPECT_FALSE(Ordner_vorhanden(baum.pfad(QStringLiteral("fehlt"))));
    EXPECT_FALSE(Ordner_vorhanden(QString()));
}

// What Main makes of a failure while the window is built.
struct MainFall {
    const char* name;
    std::function<void()> fenster;
    Programmende::Grund grund;
    QString text;
};

void PrintTo(const MainFall& f, std::ostream* os) {
    *os << f.name;
}

class MainTest : public ::testing::TestWithParam<MainFall> {};

TEST_P(MainTest, FailureBuildingTheWindow) {
    const MainFall& fall = GetParam();
    Umgebung u;
    u.dialoge.erwarteBox(Antwort::OK);

    const auto ende = Main(*u.lz, fall.fenster);

    ASSERT_TRUE(ende.has_value());
    EXPECT_EQ(ende->grund, fall.grund);
    EXPECT_NE(ende->status, 0);
    ASSERT_EQ(u.dialoge.boxen.size(), 1U);
    EXPECT_EQ(u.dialoge.boxen[0].text, fall.text);
    EXPECT_EQ(u.dialoge.boxen[0].symbol, Symbol::Warnung);
    EXPECT_EQ(u.dialoge.boxen[0].titel, QStringLiteral("Import Employee Data"));
    EXPECT_EQ(u.protokoll, (QStringList{QStringLiteral("beep"), QStringLiteral("box")}));
}

const QString NichtInstalliert =
    QStringLiteral("You have to install the Velmora first.\r\rProgram will be closed.");

INSTANTIATE_TEST_SUITE_P(
    Fehler, MainTest,
    ::testing::Values(
        MainFall{"ComponentMissing", [] { fehlerAusloesen(339); },
                 Programmende::Grund::NichtInstalliert, NichtInstalliert},
        MainFall{"UnexpectedError", [] { fehlerAusloesen(50003); },
                 Programmende::Grund::NichtInstalliert, NichtInstalliert},
        MainFall{
            "OtherRuntimeError", [] { fehlerAusloesen(53); }, Programmende::Grund::Fehlerbericht,
            QStringLiteral("The following error occurred in module 'modMitarbeiterImport - "
                           "Main':\r\rError Nr. 53\rFile not found\r\rProgram will be closed.")},
        MainFall{"StandardException", [] { throw std::runtime_error("defect"); },
                 Programmende::Grund::Standardausnahme,
                 QStringLiteral("The following error occurred in module 'modMitarbeiterImport - "
                                "Main':\r\rError Nr. 51\rInternal error\r\rProgram will be "
                                "closed.")}),
    fallname<MainFall>);

TEST(Main, ShowsTheWindowLastAndAsksNothing) {
    Dateibaum baum;
    baum.ordner(QStringLiteral("pf/Velmora"));
    Umgebung u;
    u.lz->Programmtitel.clear();
    u.plattform.umgebung[QStringLiteral("ProgramFiles")] = baum.pfad(QStringLiteral("pf"));
    u.plattform.umgebung[QStringLiteral("USERNAME")] = QStringLiteral("anna");
    QString pfadBeimZeigen;
    QString nameBeimZeigen;

    const auto ende = Main(*u.lz, [&] {
        pfadBeimZeigen = u.lz->Installationspfad;
        nameBeimZeigen = u.lz->Benutzername;
    });

    EXPECT_FALSE(ende.has_value());
    EXPECT_EQ(pfadBeimZeigen, baum.pfad(QStringLiteral("pf/Velmora")) + QDir::separator());
    EXPECT_EQ(nameBeimZeigen, QStringLiteral("anna"));
    EXPECT_EQ(u.lz->Programmtitel, QStringLiteral("Import Employee Data"));
    EXPECT_EQ(u.lz->Tagesdatum, QStringLiteral("261205"));
    EXPECT_TRUE(u.protokoll.isEmpty());
}

}  // namespace
}  // namespace mi
