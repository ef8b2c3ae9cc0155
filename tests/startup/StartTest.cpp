#include "../datastore/Hilfen.h"
#include "datastore/Windows1252.h"
#include "startup/Ersetzen.h"
#include "startup/Installationsdaten.h"
#include "startup/Start.h"

#include <QDir>

namespace mi {
namespace {

using test::Dateibaum;
using test::Umgebung;

TEST(ErsetzenTest, ResumesOneCharacterOnFromTheReplacement) {
    const QString faelle[][4] = {
        {"a;\"b;\"\"c", ";\"", ";", "a;b;\"c"},
        {"..", ".", ",,", ",,,,"},
        {"aaa", "a", "", "a"},               // the character moved into the gap stays
        {"abab", "ab", "xaby", "xabyxaby"},  // resumes inside the longer replacement
        {"abc", "", "x", "abc"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Ersetzen(f[0], f[1], f[2]), f[3]) << f[0].toStdString();
    }
}

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
            baum.ordner(o);
        }
        for (const QString& d : fall.dateien.split('|', Qt::SkipEmptyParts)) {
            baum.datei(d);
        }
        Umgebung u;
        u.plattform.umgebung["PUBLIC"] = einsetzen(fall.PUBLIC);
        u.plattform.umgebung["ProgramFiles"] = einsetzen(fall.ProgramFiles);
        Startwerte_setzen(*u.lz);
        EXPECT_EQ(u.lz->Installationspfad, einsetzen(fall.erwartet) + QDir::separator());
    }
}

TEST(Startwerte, NameDecimalSeparatorAndDate) {
    for (const auto& [name, erwartet] : {std::pair{"m.keller", "m.keller"}, {"", "NoName"}}) {
        Umgebung u;
        u.plattform.umgebung["USERNAME"] = name;
        u.plattform.locale = QLocale(QLocale::German, QLocale::Switzerland);
        Startwerte_setzen(*u.lz);
        EXPECT_EQ(u.lz->Benutzername, erwartet);
        EXPECT_EQ(u.lz->Dezimalzeichen, u'.');  // the number format, not the language
    }
    Umgebung u;
    for (const auto& [datum, erwartet] : {std::pair{QDate(2007, 3, 5), "070305"},
                                          {QDate(2000, 1, 1), "000101"},
                                          {QDate(12345, 11, 30), "451130"}}) {
        EXPECT_EQ(FormatDatumDS(*u.lz, datum), erwartet);
    }
    u.dialoge.erwarteBox(Antwort::OK);
    EXPECT_THROW(FormatDatumDS(*u.lz, QDate()), Programmende);
    EXPECT_TRUE(u.dialoge.boxen.at(0).text.contains("'modMitarbeiterImport - FormatDatumDS'"));
}

TEST(InstallationsdatenTest, PlainAndScrambledAlike) {
    const QString d = QStringLiteral("data_pfad=D:\\Daten\\");
    const QString l = QStringLiteral("log_pfad=L");
    const std::tuple<QStringList, QString, QString> faelle[] = {
        {{"[Velmont]", d, l, "mehr"}, "D:\\Daten\\", "L"},
        {{"[VELMONT]", d, l}, "", ""},
        {{"[Velmont]", l, d}, "", ""},
        {{"[Velmont]", d, "logpfad=x"}, "D:\\Daten\\", ""},
        {{"[Velmont]", "data_pfad=x  ", "log_pfad="}, "x  ", ""},
    };
    for (const auto& [zeilen, daten, logpfad] : faelle) {
        for (const bool verschluesselt : {false, true}) {
            SCOPED_TRACE(zeilen.join('|').toStdString() + (verschluesselt ? " scrambled" : ""));
            test::Fall f;
            f.lz.Installationspfad = f.baum.wurzel();
            if (verschluesselt) {
                f.baum.planerdatei("Velmont.dat", zeilen);
            } else {
                f.baum.datei("Velmont.dat", cp1252Kodieren(zeilen.join("\r\n") + "\r\n"));
            }
            Installationsdaten_lesen(f.lz);
            EXPECT_EQ(f.lz.Datenpfad, daten);
            EXPECT_EQ(f.lz.Logpfad, logpfad);
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
    f.baum.planerdatei("Velmont.dat", {"[Velmont]", "data_pfad=x"});
    EXPECT_EQ(f.endet([&] { Installationsdaten_lesen(f.lz); }),
              test::bericht("modMitarbeiterImport - LineIn", 62));
    f.baum.datei("Velmont.dat", "\r\n[Velmont]\r\n");
    EXPECT_EQ(f.endet([&] { Installationsdaten_lesen(f.lz); }),
              test::bericht("modMitarbeiterImport - LineIn", 5));
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
        u.lz->Programmtitel.clear();
        u.dialoge.erwarteBox(Antwort::OK);
        const auto ende = Main(*u.lz, fenster);
        ASSERT_TRUE(ende.has_value());
        EXPECT_EQ(ende->grund, grund);
        EXPECT_NE(ende->status, 0);
        EXPECT_EQ(u.dialoge.texte(), QStringList{text});
        EXPECT_EQ(u.dialoge.boxen.at(0).titel, "Import Employee Data");
        EXPECT_EQ(u.protokoll, (QStringList{"beep", "box"}));
    }
}

TEST(Main, ShowsTheWindowLastAndAsksNothing) {
    Dateibaum baum;
    baum.ordner("pf/Velmora");
    Umgebung u;
    u.plattform.umgebung["ProgramFiles"] = baum.pfad("pf");
    QString pfadBeimZeigen;
    const auto ende = Main(*u.lz, [&] { pfadBeimZeigen = u.lz->Installationspfad; });
    EXPECT_FALSE(ende.has_value());
    EXPECT_EQ(pfadBeimZeigen, baum.pfad("pf/Velmora") + QDir::separator());
    EXPECT_EQ(u.lz->Tagesdatum, "261205");
    EXPECT_TRUE(u.protokoll.isEmpty());
}

}  // namespace
}  // namespace mi
