#include "Dateibaum.h"
#include "Fakes.h"
#include "base/Pfade.h"
#include "messages/Meldungen.h"
#include "wizard/Assistent.h"
#include "wizard/Schritte.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

// Stand-ins for the step procedures: each records its call with what it was
// given and returns success unless told otherwise.
struct Aufrufe {
    QStringList liste;
    bool gelingt = true;

    Schrittprozeduren prozedurenBilden() {
        const auto wenn = [this](const QString& wert) {
            return gelingt ? std::optional<QString>(wert) : std::nullopt;
        };
        return {[=, this](Dienste&) {
                    liste.append("auswaehlen");
                    return wenn("/daten/");
                },
                [=, this](Dienste&, const QString& daten, const QString& logs) {
                    liste.append("ordnerChecken " + daten + logs);
                    return wenn("/logs/");
                },
                [=, this](Dienste&) {
                    liste.append("dateiAuswaehlen");
                    return wenn("/a.csv");
                },
                [this](Dienste&, const QString& daten, const QString& datei, const QString& wer) {
                    liste.append("dateiChecken " + daten + datei + wer);
                    Pruefergebnis e{{"S", 2}, {{}, {ImportZeile{}}, u';', {}, {}, {}}, gelingt};
                    return e;
                },
                [this](Dienste&, const Planerordner& o, const Startwerte& s,
                       const ImportTabelle& zeilen, const QString& einstellungen) {
                    liste.append(QStringLiteral("importieren %1%2%3 %4 %5")
                                     .arg(o.Datenpfad, o.Logpfad, s.Benutzername)
                                     .arg(zeilen.size())
                                     .arg(einstellungen));
                    return Importergebnis{gelingt, "S2"};
                }};
    }
};

Assistent assistentBauen(Umgebung& u, Aufrufe& a, const QString& datenpfad = {}) {
    return Assistent(u.dienste, Startwerte{"261205", "anna", "/pf/"}, Planerordner{datenpfad, ""},
                     a.prozedurenBilden());
}

TEST(Form_Load, JumpsToStepTwoOnlyWithPlannerDataAndReportsAsTheWindowsLoad) {
    Dateibaum baum;
    baum.dateiAnlegen("mit/KurzData.dat");
    baum.dateiAnlegen("ohne/Data.txt");
    const std::tuple<QString, Zustand, qsizetype> faelle[] = {
        {QString(), Zustand::Datenordner, 0},
        {baum.pfad("ohne"), Zustand::Datenordner, 0},
        {baum.pfad("mit"), Zustand::Importdatei, 1}};
    for (const auto& [datenpfad, zustand, aufrufe] : faelle) {
        Umgebung u;
        Aufrufe a;
        Assistent as = assistentBauen(u, a, datenpfad);
        as.Form_Load();
        EXPECT_EQ(as.zustaende().zustand(), zustand);
        EXPECT_EQ(a.liste.size(), aufrufe);
    }
    Umgebung u;
    Aufrufe a;
    Schrittprozeduren p = a.prozedurenBilden();
    p.Datenordner_checken = [](Dienste&, const QString&, const QString&) -> std::optional<QString> {
        fehlerAusloesen(9);
    };
    Assistent as(u.dienste, {}, {baum.pfad("mit"), {}}, p);
    u.dialoge.boxErwarten(Antwort::OK);
    as.Form_Load();
    ASSERT_TRUE(as.beendet());
    EXPECT_EQ(as.ende()->grund, Programmende::Grund::Fehlerbericht);
    EXPECT_TRUE(u.dialoge.boxen.at(0).text.startsWith(
        "The following error occurred in module 'frmMitarbeiterImport - Form_Load'"));
}

// Each step gets what the steps before it found, and only a step that
// succeeded is completed.
TEST(Dispatcher, StepsPassTheirFindingsOnAndFailuresLeaveTheStep) {
    Umgebung u;
    Aufrufe a;
    Assistent as = assistentBauen(u, a);
    as.Form_Load();
    for (const Schritt s : AlleSchritte) {
        a.gelingt = false;
        as.cmdAuswahl_Click(schrittknopfFinden(s));
        EXPECT_EQ(as.zustaende().zustand(), zustandFinden(s));
        a.gelingt = true;
        as.cmdAuswahl_Click(schrittknopfFinden(s));
        EXPECT_EQ(as.zustaende().anzeige(s).bild, Bild::OK);
    }
    EXPECT_EQ(as.zustaende().zustand(), Zustand::Fertig);
    EXPECT_EQ(a.liste,
              (QStringList{"auswaehlen", "auswaehlen", "ordnerChecken /daten/", "dateiAuswaehlen",
                           "dateiAuswaehlen", "dateiChecken /daten//a.csvanna",
                           "dateiChecken /daten//a.csvanna", "importieren /daten//logs/anna 1 S",
                           "importieren /daten//logs/anna 1 S2"}));
    EXPECT_EQ(as.sitzung().Einstellungen, "S2");
    EXPECT_EQ(as.sitzung().import.Importtrennzeichen, u';');
}

TEST(Dispatcher, CloseEndsWithZeroInEveryState) {
    for (const Zustand zustand : {Zustand::Datenordner, Zustand::Importdatei, Zustand::Pruefen,
                                  Zustand::Importieren, Zustand::Fertig}) {
        Umgebung u;
        Aufrufe a;
        Assistent as = assistentBauen(u, a);
        int enden = 0;
        as.endbehandlungSetzen([&](const Programmende&) { ++enden; });
        as.Form_Load();
        for (const Schritt s : AlleSchritte) {
            if (as.zustaende().zustand() != zustand) {
                as.cmdAuswahl_Click(schrittknopfFinden(s));
            }
        }
        ASSERT_EQ(as.zustaende().zustand(), zustand);
        as.cmdAuswahl_Click(Knopf::Schliessen);
        ASSERT_TRUE(as.beendet());
        EXPECT_EQ(as.ende()->status, 0);
        EXPECT_EQ(enden, 1);
        EXPECT_TRUE(u.dialoge.boxen.empty());
    }
}

TEST(Dispatcher, NothingRunsAfterTheProgramEnded) {
    Umgebung u;
    Aufrufe a;
    Schrittprozeduren p = a.prozedurenBilden();
    p.Importdatei_auswaehlen = [&](Dienste& d) -> std::optional<QString> {
        a.liste.append("dateiAuswaehlen");
        Abbruchmeldung(d, "Gone");
    };
    Assistent as(u.dienste, {}, {}, p);
    int enden = 0;
    as.endbehandlungSetzen([&](const Programmende&) { ++enden; });
    u.dialoge.boxErwarten(Antwort::OK);
    for (const Knopf knopf :
         {Knopf::Datenordner, Knopf::Importdatei, Knopf::Datenordner, Knopf::Importdatei,
          Knopf::Pruefen, Knopf::Importieren, Knopf::Schliessen}) {
        as.cmdAuswahl_Click(knopf);
    }
    as.Form_Load();
    EXPECT_EQ(as.ende()->grund, Programmende::Grund::Abbruchmeldung);
    EXPECT_NE(as.ende()->status, 0);
    EXPECT_EQ(enden, 1);
    EXPECT_EQ(a.liste, (QStringList{"auswaehlen", "ordnerChecken /daten/", "dateiAuswaehlen"}));
    EXPECT_EQ(u.dialoge.boxtexte(), QStringList{"Gone.\r\rProgram will be closed."});
}

// A drop offers what the file dialog would have: one local, existing file
// ending in .csv in any letter case, and only while step 2 is current.
TEST(Ablage, TakesOneLocalCsvFileAndOnlyAtStepTwo) {
    Dateibaum baum;
    const QString csv = baum.dateiAnlegen("liste.CSV");
    baum.dateiAnlegen("liste.txt");
    baum.unterordnerAnlegen("ordner.csv");
    const auto url = [&](const char* name) { return QUrl::fromLocalFile(baum.pfad(name)); };
    const std::pair<QList<QUrl>, bool> faelle[] = {
        {{url("liste.CSV")}, true},
        {{}, false},
        {{url("liste.CSV"), url("liste.txt")}, false},
        {{url("liste.txt")}, false},
        {{url("ordner.csv")}, false},
        {{url("fehlt.csv")}, false},
        {{QUrl("https://example.org/liste.csv")}, false}};
    Umgebung u;
    for (const auto& [urls, angenommen] : faelle) {
        EXPECT_EQ(abgelegteImportdateiErmitteln(u.plattform, urls),
                  angenommen ? std::optional(csv) : std::nullopt)
            << urls.value(0).toString().toStdString();
    }
    // At step 1 (as at 3, see the window's test) the same file is refused.
    Aufrufe a;
    Assistent as = assistentBauen(u, a);
    as.Form_Load();
    EXPECT_EQ(as.ablegbareImportdatei({url("liste.CSV")}), std::nullopt);
    as.importdateiUebernehmen(csv);
    EXPECT_EQ(as.zustaende().zustand(), Zustand::Datenordner);
}

TEST(DatenordnerChecken, SettlesTheLogFolderOrSaysNoData) {
    // The data folder's planner file, whether it has a Logs folder, the log
    // folder before and after (none: no data); relative to the root.
    const std::tuple<const char*, const char*, const char*, std::optional<const char*>> faelle[] = {
        {"UData.dat", "Logs", "", "daten/Logs/"},
        {"XDATA.DAT", "", "", ""},
        {"UData.dat", "Logs", "fort/", ""},
        {"UData.dat", "Logs", "anderswo/", "anderswo/"},
        {"Mitarbeiterdaten.dat", "Logs", "", std::nullopt}};
    for (const auto& [datei, logs, vorher, nachher] : faelle) {
        Dateibaum baum;
        baum.unterordnerAnlegen("anderswo");
        baum.unterordnerAnlegen(QStringLiteral("daten/") + logs);
        baum.dateiAnlegen(QStringLiteral("daten/") + datei);
        const auto imBaum = [&baum](const char* pfad) {
            return *pfad ? baum.pfad(pfad) : QString();
        };
        Umgebung u;
        if (!nachher) {
            u.dialoge.boxErwarten(Antwort::OK);
        }
        EXPECT_EQ(Datenordner_checken(u.dienste, baum.pfad("daten") + Trenner, imBaum(vorher)),
                  nachher ? std::optional(imBaum(*nachher)) : std::nullopt)
            << datei << vorher;
        EXPECT_EQ(u.dialoge.boxtexte(),
                  nachher ? QStringList()
                          : QStringList{"No data found in folder '" + baum.pfad("daten") + "'."});
    }
}

}  // namespace
}  // namespace mi
