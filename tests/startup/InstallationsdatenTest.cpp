#include "../datastore/Hilfen.h"
#include "datastore/Windows1252.h"
#include "startup/Installationsdaten.h"

namespace mi {
namespace {

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
    for (const auto& fall : faelle) {
        for (const bool verschluesselt : {false, true}) {
            SCOPED_TRACE(fall.zeilen.join('|').toStdString() +
                         (verschluesselt ? " scrambled" : ""));
            test::Fall f;
            f.lz.Installationspfad = f.baum.wurzel();
            if (verschluesselt) {
                f.baum.planerdatei("Velmont.dat", fall.zeilen);
            } else {
                f.baum.datei("Velmont.dat", cp1252Kodieren(fall.zeilen.join("\r\n") + "\r\n"));
            }
            Installationsdaten_lesen(f.lz);
            EXPECT_EQ(f.lz.Datenpfad, fall.daten);
            EXPECT_EQ(f.lz.Logpfad, fall.log);
            EXPECT_FALSE(f.lz.kanal.offen());
        }
    }
}

TEST(InstallationsdatenTest, InstallationFolderFirstThenProgramFolderHiddenIsMissing) {
    test::Fall f;
    f.lz.Installationspfad = f.baum.ordner("Velmora");
    f.u.plattform.ordner = f.baum.pfad("Programm");
    f.baum.planerdatei("Velmora/.Velmont.dat", {"[Velmont]", "data_pfad=V", "log_pfad=V"});
    f.baum.planerdatei("Programm/VELMONT.DAT", {"[Velmont]", "data_pfad=P", "log_pfad=P"});
    Installationsdaten_lesen(f.lz);
    EXPECT_EQ(f.lz.Datenpfad, "P");
    f.baum.planerdatei("Velmora/velmont.dat", {"[Velmont]", "data_pfad=I", "log_pfad=I"});
    Installationsdaten_lesen(f.lz);
    EXPECT_EQ(f.lz.Datenpfad, "I");
}

TEST(InstallationsdatenTest, ShortPlainFileIsSilentShortScrambledOrEmptyLineIsReported) {
    test::Fall f;
    f.lz.Installationspfad = f.baum.wurzel();
    f.baum.datei("Velmont.dat", "[Velmont]\r\ndata_pfad=x\r\n");
    Installationsdaten_lesen(f.lz);
    EXPECT_FALSE(f.lz.kanal.offen());
    f.baum.planerdatei("Velmont.dat", {"[Velmont]", "data_pfad=x"});
    EXPECT_EQ(f.endet([&] { Installationsdaten_lesen(f.lz); }),
              test::bericht("modMitarbeiterImport - LineIn", 62));
    f.baum.datei("Velmont.dat", "\r\n[Velmont]\r\n");
    EXPECT_EQ(f.endet([&] { Installationsdaten_lesen(f.lz); }),
              test::bericht("modMitarbeiterImport - LineIn", 5));
    EXPECT_EQ(f.lz.Datenpfad, "");
}

}  // namespace
}  // namespace mi
