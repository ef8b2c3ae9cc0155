#include "Dateibaum.h"
#include "Fakes.h"
#include "messages/Meldungen.h"
#include "wizard/Assistent.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

// Stand-ins for the step procedures: each records its call and, when told to,
// completes its step the way the real one does on success.
struct Aufrufe {
    QStringList liste;
    bool ordnerGewaehlt = true;
    bool abschliessen = true;

    Schrittprozeduren prozeduren() {
        const auto schritt = [this](const char* name, int n) {
            return [this, name, n](Laufzeit&, Schrittzustaende& z) {
                liste.append(QLatin1String(name));
                if (abschliessen) {
                    z.Schritt_abschliessen(n);
                }
            };
        };
        return Schrittprozeduren{
            [this](Laufzeit&) {
                liste.append(QStringLiteral("auswaehlen"));
                return ordnerGewaehlt;
            },
            schritt("ordnerChecken", 1),
            schritt("dateiAuswaehlen", 2),
            schritt("dateiChecken", 3),
            schritt("importieren", 4),
        };
    }
};

TEST(Form_Load, JumpsToStepTwoOnlyWithPlannerDataInDatenpfad) {
    Dateibaum baum;
    const QString mitDaten = baum.ordner(QStringLiteral("mit"));
    baum.datei(QStringLiteral("mit/KurzData.dat"));
    const QString ohneDaten = baum.ordner(QStringLiteral("ohne"));
    baum.datei(QStringLiteral("ohne/Data.txt"));
    const std::vector<std::pair<QString, int>> faelle{
        {QString(), 1}, {ohneDaten, 1}, {mitDaten, 2}};

    for (const auto& [datenpfad, zustand] : faelle) {
        Umgebung u;
        u.lz->Datenpfad = datenpfad;
        Aufrufe a;
        Assistent assistent(*u.lz, a.prozeduren());
        assistent.Form_Load();
        EXPECT_EQ(assistent.zustaende().zustand(), zustand) << datenpfad.toStdString();
        EXPECT_EQ(a.liste,
                  zustand == 2 ? QStringList{QStringLiteral("ordnerChecken")} : QStringList{});
        EXPECT_TRUE(u.dialoge.boxen.empty());
    }
}

TEST(Form_Load, UnexpectedErrorIsReportedAsTheWindowsLoad) {
    Dateibaum baum;
    Umgebung u;
    u.lz->Datenpfad = baum.ordner(QStringLiteral("d"));
    baum.datei(QStringLiteral("d/XData.dat"));
    Schrittprozeduren p = Aufrufe().prozeduren();
    p.datenordnerChecken = [](Laufzeit&, Schrittzustaende&) { fehlerAusloesen(9); };
    Assistent assistent(*u.lz, p);
    u.dialoge.erwarteBox(Antwort::OK);

    assistent.Form_Load();

    ASSERT_TRUE(assistent.beendet());
    EXPECT_EQ(assistent.ende()->grund, Programmende::Grund::Fehlerbericht);
    ASSERT_EQ(u.dialoge.boxen.size(), 1U);
    EXPECT_TRUE(u.dialoge.boxen[0].text.startsWith(QStringLiteral(
        "The following error occurred in module 'frmMitarbeiterImport - Form_Load'")));
}

struct KlickFall {
    int index;
    bool ordnerGewaehlt;
    QStringList aufrufe;
};

void PrintTo(const KlickFall& f, std::ostream* os) {
    *os << "button " << f.index << (f.ordnerGewaehlt ? "" : " cancelled");
}

class Dispatcher : public ::testing::TestWithParam<KlickFall> {};

TEST_P(Dispatcher, EachButtonRunsItsStep) {
    const KlickFall& fall = GetParam();
    Umgebung u;
    Aufrufe a;
    a.ordnerGewaehlt = fall.ordnerGewaehlt;
    a.abschliessen = false;
    Assistent assistent(*u.lz, a.prozeduren());
    assistent.Form_Load();

    assistent.cmdAuswahl_Click(fall.index);

    EXPECT_EQ(a.liste, fall.aufrufe);
    EXPECT_FALSE(assistent.beendet());
}

INSTANTIATE_TEST_SUITE_P(
    Knoepfe, Dispatcher,
    ::testing::Values(
        KlickFall{1, true, {QStringLiteral("auswaehlen"), QStringLiteral("ordnerChecken")}},
        KlickFall{1, false, {QStringLiteral("auswaehlen")}},
        KlickFall{2, true, {QStringLiteral("dateiAuswaehlen")}},
        KlickFall{3, true, {QStringLiteral("dateiChecken")}},
        KlickFall{4, true, {QStringLiteral("importieren")}}, KlickFall{0, true, {}},
        KlickFall{6, true, {}}, KlickFall{-1, true, {}}));

TEST(Dispatcher, CloseEndsWithStatusZeroInEveryState) {
    for (int zustand = 1; zustand <= 5; ++zustand) {
        Umgebung u;
        Aufrufe a;
        Assistent assistent(*u.lz, a.prozeduren());
        int enden = 0;
        assistent.beiProgrammende([&](const Programmende&) { ++enden; });
        assistent.Form_Load();
        for (int n = 1; n < zustand; ++n) {
            assistent.cmdAuswahl_Click(n);
        }
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
        a.liste.append(QStringLiteral("dateiAuswaehlen"));
        Abbruchmeldung(lz, QStringLiteral("Gone"));
    };
    Assistent assistent(*u.lz, p);
    int enden = 0;
    assistent.beiProgrammende([&](const Programmende&) { ++enden; });
    assistent.Form_Load();
    assistent.cmdAuswahl_Click(1);
    u.dialoge.erwarteBox(Antwort::OK);

    assistent.cmdAuswahl_Click(2);
    for (int n = 1; n <= 5; ++n) {
        assistent.cmdAuswahl_Click(n);
    }
    assistent.Form_Load();

    ASSERT_TRUE(assistent.beendet());
    EXPECT_EQ(assistent.ende()->grund, Programmende::Grund::Abbruchmeldung);
    EXPECT_NE(assistent.ende()->status, 0);
    EXPECT_EQ(enden, 1);
    EXPECT_EQ(a.liste, (QStringList{QStringLiteral("auswaehlen"), QStringLiteral("ordnerChecken"),
                                    QStringLiteral("dateiAuswaehlen")}));
    EXPECT_EQ(u.dialoge.texte(), QStringList{QStringLiteral("Gone.\r\rProgram will be closed.")});
}

}  // namespace
}  // namespace mi
