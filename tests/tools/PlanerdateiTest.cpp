#include "Dateibaum.h"
#include "QtDruck.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace mi {
namespace {

using test::Dateibaum;

int planerdateiAufrufen(const QStringList& argumente) {
    QProcess prozess;
    prozess.start(PLANERDATEI, argumente);
    EXPECT_TRUE(prozess.waitForFinished(30000));
    return prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
}

TEST(Planerdatei, EncodeWritesPlannerLinesAndDecodeReadsThemBack) {
    // Plain text, what the planner reads from the scrambled file, and what
    // decode gives back: Windows-1252 with CR LF.
    const std::tuple<QByteArray, QStringList, QByteArray> faelle[] = {
        {"[Velmont]\r\nM\xFCller \x80\r\n",
         {"[Velmont]", "Müller €"},
         "[Velmont]\r\nM\xFCller \x80\r\n"},
        {"\xEF\xBB\xBFM\xC3\xBCller\n\nb", {"Müller", "", "b"}, "M\xFCller\r\n\r\nb\r\n"},
        {"a\tb\n", {"ab"}, "ab\r\n"},
    };
    for (const auto& [klartext, zeilen, zurueck] : faelle) {
        Dateibaum baum;
        const QString verschluesselt = baum.pfad("Planer.dat");
        ASSERT_EQ(planerdateiAufrufen(
                      {"encode", baum.dateiAnlegen("klar.txt", klartext), verschluesselt}),
                  0);
        EXPECT_EQ(Dateibaum::planerzeilenLesen(verschluesselt), zeilen);
        ASSERT_EQ(planerdateiAufrufen({"decode", verschluesselt, baum.pfad("zurueck.txt")}), 0);
        EXPECT_EQ(Dateibaum::lesen(baum.pfad("zurueck.txt")), zurueck);
    }
}

TEST(Planerdatei, RefusesBadCallsAndFilesWithExitCodes) {
    Dateibaum baum;
    const QString leerzeile = baum.dateiAnlegen("kaputt.dat", "Abc\r\n\r\nAbc\r\n");
    const QString ziel = baum.pfad("ziel.txt");
    EXPECT_EQ(planerdateiAufrufen({"encode", ziel}), 2);
    EXPECT_EQ(planerdateiAufrufen({"mix", leerzeile, ziel}), 2);
    EXPECT_EQ(planerdateiAufrufen({"decode", baum.pfad("fehlt"), ziel}), 1);
    EXPECT_EQ(planerdateiAufrufen({"decode", leerzeile, ziel}), 1);
    EXPECT_FALSE(QFile::exists(ziel));
}

}  // namespace
}  // namespace mi
