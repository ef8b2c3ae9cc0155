#include "Dateibaum.h"
#include "QtDruck.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace mi {
namespace {

using test::Dateibaum;

int planerdatei(const QStringList& argumente) {
    QProcess prozess;
    prozess.start(QStringLiteral(PLANERDATEI), argumente);
    EXPECT_TRUE(prozess.waitForFinished(30000));
    return prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
}

struct Fall {
    const char* name;
    QByteArray klartext;
    QStringList zeilen;  // what the planner reads from the scrambled file
    QByteArray zurueck;  // decode's Windows-1252 text with CR LF
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class PlanerdateiTest : public ::testing::TestWithParam<Fall> {};

TEST_P(PlanerdateiTest, EncodeWritesPlannerLinesAndDecodeReadsThemBack) {
    const Fall& fall = GetParam();
    Dateibaum baum;
    const QString klar = baum.datei(QStringLiteral("klar.txt"), fall.klartext);
    const QString verschluesselt = baum.pfad(QStringLiteral("Planer.dat"));
    const QString zurueck = baum.pfad(QStringLiteral("zurueck.txt"));

    ASSERT_EQ(planerdatei({QStringLiteral("encode"), klar, verschluesselt}), 0);
    EXPECT_EQ(Dateibaum::planerzeilen(verschluesselt), fall.zeilen);
    ASSERT_EQ(planerdatei({QStringLiteral("decode"), verschluesselt, zurueck}), 0);
    EXPECT_EQ(Dateibaum::lesen(zurueck), fall.zurueck);
}

INSTANTIATE_TEST_SUITE_P(
    Klartexte, PlanerdateiTest,
    ::testing::Values(Fall{"Windows1252CrLf",
                           "[Velmont]\r\nM\xFCller \x80\r\n",
                           {QStringLiteral("[Velmont]"), QStringLiteral("Müller €")},
                           "[Velmont]\r\nM\xFCller \x80\r\n"},
                      Fall{"LfWithoutLastLineEnd", "a\n\nb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
                      Fall{"Utf8", "M\xC3\xBCller\n", {QStringLiteral("Müller")}, "M\xFCller\r\n"},
                      Fall{"Utf8WithBom", "\xEF\xBB\xBFx\r\n", {"x"}, "x\r\n"},
                      Fall{"TabDropped", "a\tb\n", {"ab"}, "ab\r\n"}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Planerdatei, RefusesBadCallsAndFilesWithExitCodes) {
    Dateibaum baum;
    const QString leerzeile = baum.datei(QStringLiteral("kaputt.dat"), "Abc\r\n\r\nAbc\r\n");
    const QString ziel = baum.pfad(QStringLiteral("ziel.txt"));
    EXPECT_EQ(planerdatei({}), 2);
    EXPECT_EQ(planerdatei({QStringLiteral("encode"), ziel}), 2);
    EXPECT_EQ(planerdatei({QStringLiteral("mix"), leerzeile, ziel}), 2);
    EXPECT_EQ(planerdatei({QStringLiteral("decode"), baum.pfad(QStringLiteral("fehlt")), ziel}), 1);
    EXPECT_EQ(planerdatei({QStringLiteral("decode"), leerzeile, ziel}), 1);
    EXPECT_FALSE(QFile::exists(ziel));
}

}  // namespace
}  // namespace mi
