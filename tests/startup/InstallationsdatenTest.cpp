#include "../datastore/Hilfen.h"
#include "Dateibaum.h"
#include "datastore/Windows1252.h"
#include "startup/Installationsdaten.h"

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

TEST(InstallationsdatenTest, PlainAndScrambledAlike) {
    const QString d = QStringLiteral("data_pfad=D:\\Daten\\");
    const QString l = QStringLiteral("log_pfad=D:\\Daten\\Logs\\");
    const struct {
        QStringList zeilen;
        QString daten;
        QString log;
    } faelle[] = {
        {{"[Velmont]", d, l, "mehr"}, "D:\\Daten\\", "D:\\Daten\\Logs\\"},
        {{"[VELMONT]", d, l}, "", ""},
        {{" [Velmont]", d, l}, "", ""},
        {{"[Velmont]", "Data_pfad=D:\\", l}, "", ""},
        {{"[Velmont]", l, d}, "", ""},
        {{"[Velmont]", d, "logpfad=x"}, "D:\\Daten\\", ""},
        {{"[Velmont]", "data_pfad=x  ", "log_pfad="}, "x  ", ""},
    };
    for (const auto& f : faelle) {
        for (const bool verschluesselt : {false, true}) {
            SCOPED_TRACE(f.zeilen.join('|').toStdString() + (verschluesselt ? " scrambled" : ""));
            Umgebung u;
            Dateibaum baum;
            u.lz->Installationspfad = baum.wurzel();
            if (verschluesselt) {
                baum.planerdatei("Velmont.dat", f.zeilen);
            } else {
                baum.datei("Velmont.dat", cp1252Kodieren(f.zeilen.join("\r\n") + "\r\n"));
            }
            Installationsdaten_lesen(*u.lz);
            EXPECT_EQ(u.lz->Datenpfad, f.daten);
            EXPECT_EQ(u.lz->Logpfad, f.log);
            EXPECT_FALSE(u.lz->kanal.offen());
        }
    }
}

TEST(InstallationsdatenTest, InstallationFolderFirstThenProgramFolderHiddenIsMissing) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Installationspfad = baum.ordner("Velmora");
    u.plattform.ordner = baum.pfad("Programm");
    baum.planerdatei("Velmora/.Velmont.dat", {"[Velmont]", "data_pfad=V", "log_pfad=V"});
    baum.planerdatei("Programm/VELMONT.DAT", {"[Velmont]", "data_pfad=P", "log_pfad=P"});
    Installationsdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Datenpfad, "P");
    baum.planerdatei("Velmora/velmont.dat", {"[Velmont]", "data_pfad=I", "log_pfad=I"});
    Installationsdaten_lesen(*u.lz);
    EXPECT_EQ(u.lz->Datenpfad, "I");
}

TEST(InstallationsdatenTest, ShortPlainFileIsSilentShortScrambledOrEmptyLineIsReported) {
    Umgebung u;
    Dateibaum baum;
    u.lz->Installationspfad = baum.wurzel();
    baum.datei("Velmont.dat", "[Velmont]\r\ndata_pfad=x\r\n");
    Installationsdaten_lesen(*u.lz);
    EXPECT_FALSE(u.lz->kanal.offen());
    baum.planerdatei("Velmont.dat", {"[Velmont]", "data_pfad=x"});
    EXPECT_EQ(test::endetMit(u, [&] { Installationsdaten_lesen(*u.lz); }),
              test::bericht("modMitarbeiterImport - LineIn", 62));
    baum.datei("Velmont.dat", "\r\n[Velmont]\r\n");
    EXPECT_EQ(test::endetMit(u, [&] { Installationsdaten_lesen(*u.lz); }),
              test::bericht("modMitarbeiterImport - LineIn", 5));
    EXPECT_EQ(u.lz->Datenpfad, "");
}

}  // namespace
}  // namespace mi
