#include "../datastore/Hilfen.h"
#include "Dateibaum.h"
#include "datastore/Windows1252.h"
#include "startup/Installationsdaten.h"

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

struct Fall {
    const char* name;
    QStringList zeilen;
    QString daten;
    QString log;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class InstallationsdatenTest : public ::testing::TestWithParam<std::tuple<Fall, bool>> {};

QByteArray klartext(const QStringList& zeilen) {
    QByteArray inhalt;
    for (const QString& z : zeilen) {
        inhalt += cp1252Kodieren(z) + "\r\n";
    }
    return inhalt;
}

TEST_P(InstallationsdatenTest, PlainAndScrambledAlike) {
    const auto& [fall, verschluesselt] = GetParam();
    Umgebung u;
    Dateibaum baum;
    u.lz->Installationspfad = baum.ordner("Velmora");
    if (verschluesselt) {
        baum.planerdatei("Velmora/Velmont.dat", fall.zeilen);
    } else {
        baum.datei("Velmora/Velmont.dat", klartext(fall.zeilen));
    }
    Installationsdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Datenpfad, fall.daten);
    EXPECT_EQ(u.lz->Logpfad, fall.log);
    EXPECT_FALSE(u.lz->kanal.offen());
}

const QString D = QStringLiteral("data_pfad=D:\\Daten\\");
const QString L = QStringLiteral("log_pfad=D:\\Daten\\Logs\\");

INSTANTIATE_TEST_SUITE_P(
    Faelle, InstallationsdatenTest,
    ::testing::Combine(
        ::testing::Values(
            Fall{"Both", {"[Velmont]", D, L, "mehr"}, "D:\\Daten\\", "D:\\Daten\\Logs\\"},
            Fall{"HeaderCase", {"[VELMONT]", D, L}, "", ""},
            Fall{"HeaderBlank", {" [Velmont]", D, L}, "", ""},
            Fall{"KeyCapitalD", {"[Velmont]", "Data_pfad=D:\\", L}, "", ""},
            Fall{"Swapped", {"[Velmont]", L, D}, "", ""},
            Fall{"OtherLogKey", {"[Velmont]", D, "logpfad=x"}, "D:\\Daten\\", ""},
            Fall{
                "BlanksKeptEmptyAccepted", {"[Velmont]", "data_pfad=x  ", "log_pfad="}, "x  ", ""}),
        ::testing::Bool()),
    [](const auto& fall) {
        return std::string(std::get<0>(fall.param).name) +
               (std::get<1>(fall.param) ? "Scrambled" : "Plain");
    });

TEST(InstallationsdatenOrtTest, InstallationFolderFirstThenProgramFolderAnyCase) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Installationspfad = baum.ordner("Velmora");
    u.plattform.ordner = baum.pfad("Programm");
    baum.planerdatei("Programm/VELMONT.DAT", {"[Velmont]", "data_pfad=P", "log_pfad=P"});
    Installationsdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Datenpfad, "P");
    baum.planerdatei("Velmora/velmont.dat", {"[Velmont]", "data_pfad=I", "log_pfad=I"});
    Installationsdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Datenpfad, "I");
    // A hidden file counts as missing.
    Umgebung leer;
    leer.lz->Installationspfad = baum.ordner("Versteckt");
    leer.plattform.ordner = baum.pfad("Versteckt");
    baum.planerdatei("Versteckt/.Velmont.dat", {"[Velmont]", "data_pfad=V", "log_pfad=V"});
    Installationsdaten_lesen(*leer.lz);
    EXPECT_EQ(leer.lz->Datenpfad, "");
}

TEST(InstallationsdatenOrtTest, ShortPlainFileIsSilentShortScrambledOrEmptyLineIsReported) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Installationspfad = baum.wurzel();
    baum.datei("Velmont.dat", "[Velmont]\r\ndata_pfad=x\r\n");
    Installationsdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Datenpfad, "");
    EXPECT_FALSE(u.lz->kanal.offen());
    EXPECT_TRUE(u.dialoge.boxen.empty());

    baum.planerdatei("Velmont.dat", {"[Velmont]", "data_pfad=x"});
    EXPECT_EQ(test::endetMit(u, [&] { Installationsdaten_lesen(*u.lz); }),
              test::bericht("modMitarbeiterImport - LineIn", 62, "Input past end of file"));
    baum.datei("Velmont.dat", "\r\n[Velmont]\r\n");
    EXPECT_EQ(
        test::endetMit(u, [&] { Installationsdaten_lesen(*u.lz); }),
        test::bericht("modMitarbeiterImport - LineIn", 5, "Invalid procedure call or argument"));
    EXPECT_EQ(u.lz->Datenpfad, "");
}

}  // namespace
}  // namespace mi
