#include "Pruefhilfen.h"
#include "datastore/Windows1252.h"
#include "startup/Installationsdaten.h"
#include "startup/Start.h"

#include <QDir>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

// "~" stands for the test tree's root; folders and files are separated by "|".
TEST(Startwerte, InstallationProbesInFixedOrder) {
    const QString vs = QStringLiteral("/AppData/Local/VirtualStore/Program Files/");
    const struct {
        QString PUBLIC, ProgramFiles, ordner, dateien, erwartet;
    } faelle[] = {
        {"", "~/pf", "pf/Velmora|pf/Velmoral", "", "~/pf/Velmora"},
        {"", "~/pf/", "pf/Velmoral", "", "~/pf/Velmoral"},
        {"", "~/pf", "pf", "pf/Velmora", "~/pf/Velmorat"},  // a file does not count
        {"~/pub", "~/pf", "pub" + vs + "Velmora|pf/Velmora", "", "~/pub" + vs + "Velmora"},
        {"~/pub/", "~/pf", "pf/Velmora", "", "~/pub" + vs + "Velmorat"},
        {"", "", "", "", "/Velmorat"},
    };
    for (const auto& fall : faelle) {
        Dateibaum baum;
        const auto einsetzen = [&](QString wert) {
            return QDir::toNativeSeparators(wert.replace("~/", baum.wurzel()));
        };
        for (const QString& o : fall.ordner.split('|', Qt::SkipEmptyParts)) {
            baum.unterordnerAnlegen(o);
        }
        for (const QString& d : fall.dateien.split('|', Qt::SkipEmptyParts)) {
            baum.dateiAnlegen(d);
        }
        Umgebung u;
        u.plattform.umgebungsvariablen["PUBLIC"] = einsetzen(fall.PUBLIC);
        u.plattform.umgebungsvariablen["ProgramFiles"] = einsetzen(fall.ProgramFiles);
        EXPECT_EQ(startwerteSetzen(u.dienste).Installationspfad,
                  einsetzen(fall.erwartet) + QDir::separator());
    }
}

// Folders come back with their trailing separator, whether the file gave it or not.
TEST(InstallationsdatenTest, PlainAndScrambledAlike) {
    const QString t = QDir::separator();
    const QString d = "data_pfad=" + QDir::toNativeSeparators("/Daten/");
    const std::tuple<QStringList, QString, QString> faelle[] = {
        {{"[Velmont]", d, "log_pfad=L", "mehr"}, QDir::toNativeSeparators("/Daten/"), "L" + t},
        {{"[VELMONT]", d, "log_pfad=L"}, "", ""},
        {{"[Velmont]", "log_pfad=L", d}, "", ""},
        {{"[Velmont]", "data_pfad=D", "logpfad=x"}, "D" + t, ""},
        {{"[Velmont]", "data_pfad=x  ", "log_pfad="}, "x  " + t, ""},
    };
    for (const auto& [zeilen, daten, logpfad] : faelle) {
        for (const bool verschluesselt : {false, true}) {
            SCOPED_TRACE(zeilen.join('|').toStdString() + (verschluesselt ? " scrambled" : ""));
            test::Fall f;
            if (verschluesselt) {
                f.baum.planerdateiAnlegen("Velmont.dat", zeilen);
            } else {
                f.baum.dateiAnlegen("Velmont.dat", cp1252Kodieren(zeilen.join("\r\n") + "\r\n"));
            }
            const Planerordner ordner = Installationsdaten_lesen(f.dienste, f.baum.wurzel());
            EXPECT_EQ(ordner.Datenpfad, daten);
            EXPECT_EQ(ordner.Logpfad, logpfad);
            EXPECT_FALSE(f.dienste.kanal.offen());
        }
    }
}

TEST(InstallationsdatenTest, InstallationFolderFirstThenProgramFolderHiddenIsMissing) {
    test::Fall f;
    const QString installation = f.baum.unterordnerAnlegen("Velmora");
    f.u.plattform.ordner = f.baum.pfad("Programm");
    f.baum.planerdateiAnlegen("Velmora/.Velmont.dat", {"[Velmont]", "data_pfad=V", "log_pfad=V"});
    f.baum.planerdateiAnlegen("Programm/VELMONT.DAT", {"[Velmont]", "data_pfad=P", "log_pfad=P"});
    EXPECT_TRUE(Installationsdaten_lesen(f.dienste, installation).Datenpfad.startsWith("P"));
    f.baum.planerdateiAnlegen("Velmora/velmont.dat", {"[Velmont]", "data_pfad=I", "log_pfad=I"});
    EXPECT_TRUE(Installationsdaten_lesen(f.dienste, installation).Datenpfad.startsWith("I"));
}

TEST(InstallationsdatenTest, ShortPlainFileIsSilentShortScrambledOrEmptyLineIsReported) {
    test::Fall f;
    f.baum.dateiAnlegen("Velmont.dat", "[Velmont]\r\ndata_pfad=x\r\n");
    Installationsdaten_lesen(f.dienste, f.baum.wurzel());
    f.baum.planerdateiAnlegen("Velmont.dat", {"[Velmont]", "data_pfad=x"});
    EXPECT_EQ(f.endeErwarten([&] { Installationsdaten_lesen(f.dienste, f.baum.wurzel()); }),
              test::berichtBilden("modMitarbeiterImport - LineIn", 62));
    f.baum.dateiAnlegen("Velmont.dat", "\r\n[Velmont]\r\n");
    EXPECT_EQ(f.endeErwarten([&] { Installationsdaten_lesen(f.dienste, f.baum.wurzel()); }),
              test::berichtBilden("modMitarbeiterImport - LineIn", 5));
}

TEST(Main, FailureBuildingTheWindow) {
    const QString nichtInstalliert =
        "You have to install the Velmora first.\r\rProgram will be closed.";
    const QString bericht =
        "The following error occurred in module 'modMitarbeiterImport - "
        "Main':\r\rError Nr. %1\r%2\r\rProgram will be closed.";
    const std::tuple<std::function<void()>, Programmende::Grund, QString> faelle[] = {
        {[] { fehlerAusloesen(339); }, Programmende::Grund::NichtInstalliert, nichtInstalliert},
        {[] { fehlerAusloesen(50003); }, Programmende::Grund::NichtInstalliert, nichtInstalliert},
        {[] { fehlerAusloesen(53); }, Programmende::Grund::Fehlerbericht,
         bericht.arg("53", "File not found")},
        {[] { throw std::runtime_error("defect"); }, Programmende::Grund::Standardausnahme,
         bericht.arg("51", "Internal error")},
    };
    for (const auto& [fenster, grund, text] : faelle) {
        Umgebung u;
        u.dialoge.boxErwarten(Antwort::OK);
        const auto ende = Main(
            u.dienste, [&fenster = fenster](const Startwerte&, const Planerordner&) { fenster(); });
        ASSERT_TRUE(ende.has_value());
        EXPECT_EQ(ende->grund, grund);
        EXPECT_NE(ende->status, 0);
        EXPECT_EQ(u.dialoge.boxtexte(), QStringList{text});
        EXPECT_EQ(u.dialoge.boxen.at(0).titel, "Import Employee Data");
        EXPECT_EQ(u.protokoll, (QStringList{"beep", "box"}));
    }
}

TEST(Main, ShowsTheWindowLastWithWhatStartUpFoundAndAsksNothing) {
    Dateibaum baum;
    const QString daten = baum.unterordnerAnlegen("Daten");
    baum.planerdateiAnlegen("pf/Velmora/Velmont.dat",
                            {"[Velmont]", "data_pfad=" + daten, "log_pfad="});
    Umgebung u;
    u.plattform.umgebungsvariablen["ProgramFiles"] = baum.pfad("pf");  // no USERNAME
    Startwerte start;
    Planerordner ordner;
    const auto ende = Main(u.dienste, [&](const Startwerte& s, const Planerordner& o) {
        start = s;
        ordner = o;
    });
    EXPECT_FALSE(ende.has_value());
    EXPECT_EQ(start.Installationspfad, baum.pfad("pf/Velmora") + QDir::separator());
    EXPECT_EQ(start.Benutzername, "NoName");
    EXPECT_EQ(start.Tagesdatum, "261205");
    EXPECT_EQ(ordner.Datenpfad, daten);
    EXPECT_TRUE(u.protokoll.isEmpty());
}

}  // namespace
}  // namespace mi
