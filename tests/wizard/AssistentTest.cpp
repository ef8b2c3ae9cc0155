#include "Dateibaum.h"
#include "Fakes.h"
#include "messages/Meldungen.h"
#include "startup/Pfade.h"
#include "wizard/Assistent.h"
#include "wizard/Schritte.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

TEST(Schrittzustaende, FiveStatesReachedByCompletingTheStepsInOrder) {
    // Per state: the icons of steps 1 to 4 (I not open, P current, O done), the
    // steps whose button is enabled, the steps whose frame is enabled.
    const char* const tabelle[][3] = {{"PIII", "1", "1"},
                                      {"OPII", "2", "12"},
                                      {"OOPI", "3", "123"},
                                      {"OOOP", "4", "1234"},
                                      {"OOOO", "", "1234"}};
    Schrittzustaende z;
    for (int zustand = 1; zustand <= 5; ++zustand) {
        std::string bilder, knoepfe, rahmen;
        for (int n = 1; n <= 4; ++n) {
            const Schritt& s = z.schritt(n);
            bilder += "IPO"[static_cast<int>(s.bild)];
            knoepfe += s.knopfAktiv && s.rahmenAktiv ? std::to_string(n) : "";
            rahmen += s.rahmenAktiv ? std::to_string(n) : "";
        }
        EXPECT_EQ(bilder + ' ' + knoepfe + ' ' + rahmen, std::string(tabelle[zustand - 1][0]) +
                                                             ' ' + tabelle[zustand - 1][1] + ' ' +
                                                             tabelle[zustand - 1][2]);
        EXPECT_EQ(z.zustand(), zustand);
        if (zustand < 5) {
            z.Schritt_abschliessen(zustand);
        }
    }
}

// Stand-ins for the step procedures: each records its call and completes its
// step the way the real one does on success.
struct Aufrufe {
    QStringList liste;
    bool ordnerGewaehlt = true;

    Schrittprozeduren prozeduren() {
        const auto schritt = [this](const char* name, int n) {
            return [this, name, n](Laufzeit&, Schrittzustaende& z) {
                liste.append(name);
                z.Schritt_abschliessen(n);
            };
        };
        return {[this](Laufzeit&) {
                    liste.append("auswaehlen");
                    return ordnerGewaehlt;
                },
                schritt("ordnerChecken", 1), schritt("dateiAuswaehlen", 2),
                schritt("dateiChecken", 3), schritt("importieren", 4)};
    }
};

TEST(Form_Load, JumpsToStepTwoOnlyWithPlannerDataAndReportsAsTheWindowsLoad) {
    Dateibaum baum;
    baum.datei("mit/KurzData.dat");
    baum.datei("ohne/Data.txt");
    for (const auto& [datenpfad, zustand] :
         {std::pair{QString(), 1}, {baum.pfad("ohne"), 1}, {baum.pfad("mit"), 2}}) {
        Umgebung u;
        u.lz->Datenpfad = datenpfad;
        Aufrufe a;
        Assistent assistent(*u.lz, a.prozeduren());
        assistent.Form_Load();
        EXPECT_EQ(assistent.zustaende().zustand(), zustand);
        EXPECT_EQ(a.liste.size(), zustand - 1);
    }
    Umgebung u;
    u.lz->Datenpfad = baum.pfad("mit");
    Schrittprozeduren p = Aufrufe().prozeduren();
    p.datenordnerChecken = [](Laufzeit&, Schrittzustaende&) { fehlerAusloesen(9); };
    Assistent assistent(*u.lz, p);
    u.dialoge.erwarteBox(Antwort::OK);
    assistent.Form_Load();
    ASSERT_TRUE(assistent.beendet());
    EXPECT_EQ(assistent.ende()->grund, Programmende::Grund::Fehlerbericht);
    EXPECT_TRUE(u.dialoge.boxen.at(0).text.startsWith(
        "The following error occurred in module 'frmMitarbeiterImport - Form_Load'"));
}

TEST(Dispatcher, EachButtonRunsItsStepOthersNothingCloseEndsWithZeroInEveryState) {
    for (int zustand = 1; zustand <= 5; ++zustand) {
        Umgebung u;
        Aufrufe a;
        a.ordnerGewaehlt = false;
        Assistent assistent(*u.lz, a.prozeduren());
        int enden = 0;
        assistent.beiProgrammende([&](const Programmende&) { ++enden; });
        assistent.Form_Load();
        for (const int knopf : {0, 6, -1, 1}) {
            assistent.cmdAuswahl_Click(knopf);
        }
        a.ordnerGewaehlt = true;
        for (int n = 1; n < zustand; ++n) {
            assistent.cmdAuswahl_Click(n);
        }
        const QStringList alle{"auswaehlen",      "auswaehlen",   "ordnerChecken",
                               "dateiAuswaehlen", "dateiChecken", "importieren"};
        EXPECT_EQ(a.liste, alle.mid(0, zustand == 1 ? 1 : zustand + 1));
        ASSERT_EQ(assistent.zustaende().zustand(), zustand);
        assistent.cmdAuswahl_Click(5);
        ASSERT_TRUE(assistent.beendet());
        EXPECT_EQ(assistent.ende()->status, 0);
        EXPECT_EQ(enden, 1);
        EXPECT_TRUE(u.dialoge.boxen.empty());
    }
}

TEST(Dispatcher, NothingRunsAfterTheProgramEnded) {
    Umgebung u;
    Aufrufe a;
    Schrittprozeduren p = a.prozeduren();
    p.importdateiAuswaehlen = [&](Laufzeit& lz, Schrittzustaende&) {
        a.liste.append("dateiAuswaehlen");
        Abbruchmeldung(lz, "Gone");
    };
    Assistent assistent(*u.lz, p);
    int enden = 0;
    assistent.beiProgrammende([&](const Programmende&) { ++enden; });
    u.dialoge.erwarteBox(Antwort::OK);
    for (const int knopf : {1, 2, 1, 2, 3, 4, 5}) {
        assistent.cmdAuswahl_Click(knopf);
    }
    assistent.Form_Load();
    EXPECT_EQ(assistent.ende()->grund, Programmende::Grund::Abbruchmeldung);
    EXPECT_NE(assistent.ende()->status, 0);
    EXPECT_EQ(enden, 1);
    EXPECT_EQ(a.liste, (QStringList{"auswaehlen", "ordnerChecken", "dateiAuswaehlen"}));
    EXPECT_EQ(u.dialoge.texte(), QStringList{"Gone.\r\rProgram will be closed."});
}

TEST(DatenordnerChecken, SettlesLogpfadAndCompletesStep1OrSaysNoData) {
    // The data folder's planner file, whether it has a Logs folder, Logpfad
    // before ("-" a missing folder) and after; relative to the root.
    const char* const faelle[][4] = {{"UData.dat", "Logs", "", "daten/Logs/"},
                                     {"XDATA.DAT", "", "", ""},
                                     {"UData.dat", "Logs", "fort/", ""},
                                     {"UData.dat", "Logs", "anderswo/", "anderswo/"},
                                     {"Mitarbeiterdaten.dat", "Logs", "", ""}};
    for (const auto& [datei, logs, vorher, nachher] : faelle) {
        Dateibaum baum;
        baum.ordner("anderswo");
        baum.ordner(QStringLiteral("daten/") + logs);
        baum.datei(QStringLiteral("daten/") + datei);
        baum.datei("daten/Konfigdaten.dat");
        Umgebung u;
        u.lz->Datenpfad = baum.pfad("daten") + Trenner;
        u.lz->Logpfad = *vorher ? baum.pfad(vorher) : QString();
        const bool daten = QString(datei).endsWith("Data.dat", Qt::CaseInsensitive);
        if (!daten) {
            u.dialoge.erwarteBox(Antwort::OK);
        }
        Schrittzustaende z;
        Datenordner_checken(*u.lz, z);
        EXPECT_EQ(u.lz->Logpfad, *nachher ? baum.pfad(nachher) : QString()) << datei << vorher;
        EXPECT_EQ(z.zustand(), daten ? 2 : 1);
        EXPECT_EQ(u.dialoge.texte(),
                  daten ? QStringList()
                        : QStringList{"No data found in folder '" + baum.pfad("daten") + "'."});
    }
}

}  // namespace
}  // namespace mi
