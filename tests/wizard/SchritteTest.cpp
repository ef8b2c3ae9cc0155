#include "Dateibaum.h"
#include "Fakes.h"
#include "startup/Pfade.h"
#include "wizard/Schritte.h"
#include "wizard/Schrittzustaende.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

enum class Log { Leer, Fehlt, Anderswo };

// The data folder's files and Logs subfolder, and Logpfad before the check.
struct LogFall {
    const char* name;
    const char* datei;
    bool logsOrdner;
    Log vorher;
    const char* erwartet;  // relative to the root; "" for empty
};

void PrintTo(const LogFall& f, std::ostream* os) {
    *os << f.name;
}

class DatenordnerCheckenTest : public ::testing::TestWithParam<LogFall> {};

TEST_P(DatenordnerCheckenTest, SettlesLogpfadAndCompletesStep1) {
    const LogFall& fall = GetParam();
    Dateibaum baum;
    baum.ordner(QStringLiteral("anderswo"));
    baum.datei(QStringLiteral("daten/") + QString::fromUtf8(fall.datei));
    if (fall.logsOrdner) {
        baum.ordner(QStringLiteral("daten/Logs"));
    }
    Umgebung u;
    u.lz->Datenpfad = baum.ordner(QStringLiteral("daten"));
    u.lz->Logpfad = fall.vorher == Log::Fehlt      ? baum.pfad(QStringLiteral("fort/"))
                    : fall.vorher == Log::Anderswo ? baum.pfad(QStringLiteral("anderswo/"))
                                                   : QString();
    Schrittzustaende z;
    Datenordner_checken(*u.lz, z);

    const QString erwartet = QString::fromUtf8(fall.erwartet);
    EXPECT_EQ(u.lz->Logpfad, erwartet.isEmpty() ? QString() : baum.pfad(erwartet));
    EXPECT_EQ(z.zustand(), 2);
    EXPECT_EQ(u.dialoge.boxen.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Logordner, DatenordnerCheckenTest,
    ::testing::Values(
        LogFall{"LogsBesideTheData", "UrlaubsData.dat", true, Log::Leer, "daten/Logs/"},
        LogFall{"NoLogsFolder", "UrlaubsData.dat", false, Log::Leer, ""},
        LogFall{"SettingsLogFolderMissing", "UrlaubsData.dat", true, Log::Fehlt, ""},
        LogFall{"SettingsLogFolderElsewhere", "UrlaubsData.dat", true, Log::Anderswo, "anderswo/"},
        LogFall{"UpperCaseName", "XDATA.DAT", false, Log::Leer, ""}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(DatenordnerChecken, EmployeeAndConfigurationFilesAloneAreNoPlannerData) {
    Dateibaum baum;
    baum.datei(QStringLiteral("Mitarbeiterdaten.dat"));
    baum.datei(QStringLiteral("Konfigdaten.dat"));
    baum.ordner(QStringLiteral("Logs"));
    Umgebung u;
    u.lz->Datenpfad = baum.wurzel();
    u.dialoge.erwarteBox(Antwort::OK);
    Schrittzustaende z;
    Datenordner_checken(*u.lz, z);

    QString ohneTrenner = baum.wurzel();
    ohneTrenner.chop(1);
    EXPECT_EQ(u.dialoge.texte(), QStringList{QStringLiteral("No data found in folder '") +
                                             ohneTrenner + QStringLiteral("'.")});
    EXPECT_EQ(u.protokoll, (QStringList{QStringLiteral("beep"), QStringLiteral("box")}));
    EXPECT_EQ(z.zustand(), 1);
    EXPECT_EQ(u.lz->Logpfad, QString());
}

TEST(ImportdateiAuswaehlen, CancelChangesNothingThenAChosenFileCompletesStep2) {
    Umgebung u;
    u.plattform.ordner = nativ(QStringLiteral("/opt/import"));
    u.dialoge.erwarteDatei(std::nullopt);
    u.dialoge.erwarteDatei(nativ(QStringLiteral("/daten/liste.csv")));
    Schrittzustaende z;
    z.Schritt_abschliessen(1);

    Importdatei_auswählen(*u.lz, z);
    EXPECT_EQ(z.zustand(), 2);
    EXPECT_EQ(u.lz->Importdateipfad, QString());

    Importdatei_auswählen(*u.lz, z);
    EXPECT_EQ(z.zustand(), 3);
    EXPECT_EQ(u.lz->Importdateipfad, nativ(QStringLiteral("/daten/liste.csv")));
    EXPECT_EQ(u.dialoge.boxen.size(), 0u);
    ASSERT_EQ(u.dialoge.dateiwahlen.size(), 2u);
    for (const Dateiwahl& wahl : u.dialoge.dateiwahlen) {
        EXPECT_EQ(wahl.titel, QStringLiteral("Import Employee Data - Select Import File"));
        EXPECT_EQ(wahl.filter, QStringLiteral("CSV (Comma delimited) (*.csv)|*.csv"));
        EXPECT_EQ(wahl.startordner, nativ(QStringLiteral("/opt/import")));
    }
}

}  // namespace
}  // namespace mi
