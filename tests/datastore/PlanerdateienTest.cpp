#include "Pruefhilfen.h"
#include "base/Startwerte.h"
#include "datastore/Backup.h"
#include "datastore/Konfigdaten.h"
#include "datastore/Logbuch.h"
#include "datastore/Mitarbeiterdaten.h"
#include "datastore/Ordner.h"
#include "datastore/Planerordner.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"

#include <QDir>
#include <QFileInfo>

namespace mi {
namespace {

using test::Dateibaum;

TEST(ZeilenverschluesselungTest, WorkedExamples) {
    const std::tuple<QByteArray, std::uint8_t, QByteArray, QByteArray> faelle[] = {
        {"abc", 65, "Aceg", "abc"},
        {"a\tb", 65, "Ace", "ab"},
        {"\xFF"
         "a",
         126, "~^a",
         "\xFF"
         "a"},
        {"a", 63, "?a", "a"},  // S AND 63 = 63: the first offset is 0
        {"", 254, "\xFE", ""},
    };
    for (const auto& [klartext, start, gespeichert, zurueck] : faelle) {
        EXPECT_EQ(zeileVerschluesseln(klartext, start), gespeichert);
        EXPECT_EQ(zeileEntschluesseln(gespeichert), zurueck);
    }
}

TEST(ZeilenverschluesselungTest, EveryByteSurvivesUnderEveryStartCharacter) {
    QByteArray alle;
    for (int p = 32; p <= 255; ++p) {
        alle.append(static_cast<char>(p));
    }
    for (int s = 0; s <= 255; ++s) {
        const QByteArray gespeichert = zeileVerschluesseln(alle, static_cast<std::uint8_t>(s));
        ASSERT_EQ(zeileEntschluesseln(gespeichert), alle) << "start " << s;
        // Written codes stay within 32 to 255: no line end can appear inside.
        const auto kleinster = std::min_element(gespeichert.begin() + 1, gespeichert.end(),
                                                [](char a, char b) { return uchar(a) < uchar(b); });
        ASSERT_GE(uchar(*kleinster), 32) << "start " << s;
    }
    EXPECT_EQ(startzeichenWaehlen(0.0), 32);
    EXPECT_EQ(startzeichenWaehlen(0.9999999999999999), 254);
}

TEST(Windows1252Test, EveryByteSurvivesAndAForeignCharacterIsOneQuestionMark) {
    QByteArray alle;
    for (int b = 0; b <= 255; ++b) {
        alle.append(static_cast<char>(b));
    }
    EXPECT_EQ(cp1252Kodieren(cp1252Dekodieren(alle)), alle);
    EXPECT_EQ(cp1252Dekodieren("\x80\x9f"), QStringLiteral("€Ÿ"));
    EXPECT_EQ(cp1252Kodieren(QStringLiteral("a😀b\u0100") + QChar(0xD800)), QByteArray("a?b??"));
}

QStringList konfigBilden(const QStringList& admins,
                         const QString& einstellungen = "000000000000000") {
    return QStringList{"[Velmont]",   "2", "3",  "[Firma]",          "F", "6", "[Settings]",
                       einstellungen, "9", "10", "[Administratoren]"} +
           admins;
}

const QString Aktuell = QStringLiteral(
    "070301:991231:025,0:030,0:005,0:000,0:000,0:002,5:000,0:000,0:000,0:Meier, Hans:hm");

// One planner file in the data folder.
struct Lesefall : test::Fall {
    Lesefall(const QString& name, const QStringList& zeilen)
        : daten(baum.wurzel()), pfad(baum.planerdateiAnlegen(name, zeilen)) {}
    QString daten;
    QString pfad;
};

TEST(KonfigdatenTest, AdministratorRule) {
    const QString aus = QStringLiteral("000000000000000");
    const std::tuple<QStringList, QString, int> faelle[] = {
        {{"NoAdmins"}, aus, 2},
        {{"A1:2:Schulz", "Axy:mEIER"}, aus, 2},
        {{"Ax: Meier"}, aus, 0},
        {{"ax:Meier"}, aus, 2},  // neither matches nor counts
        {{"Ax:Huber"}, aus + "1", 2},
        {{"Ax:Huber"}, "000000000000001", 0},  // shorter than 16 characters
    };
    for (const auto& [admins, einstellungen, adminstatus] : faelle) {
        Lesefall f("Konfigdaten.dat", konfigBilden(admins, einstellungen));
        const Konfiguration k = Konfigdaten_lesen(f.dienste, f.daten, "Meier");
        EXPECT_EQ(k.Adminstatus, adminstatus) << admins.join('|').toStdString();
        EXPECT_EQ(k.Einstellungen, einstellungen);
    }
}

// Each header in another case or missing, a hidden file, an employee line
// without the end of its name (a colon, but none from position 69 on).
TEST(PlanerdateienTest, FaultsEndWithTheirMessage) {
    const auto klein = [](int zeile) {
        QStringList zeilen = konfigBilden({"Ax:Meier"});
        zeilen[zeile] = zeilen[zeile].toLower();
        return zeilen;
    };
    const QString k = "Konfigdaten.dat";
    const QString m = "Mitarbeiterdaten.dat";
    const QString kopf =
        "Header [%1] in 'Konfigdaten.dat' not detected.\r\rProgram will be closed.";
    const std::tuple<QString, QStringList, QString> faelle[] = {
        {k, klein(0), "Header of file 'Konfigdaten.dat' not detected.\r\rProgram will be closed."},
        {k, klein(3), kopf.arg("Firma")},
        {k, klein(6), kopf.arg("Settings")},
        {k, klein(10), kopf.arg("Administratoren")},
        {k, konfigBilden({}).mid(0, 10), kopf.arg("Administratoren")},
        {"." + k, konfigBilden({}),
         "File '%1Konfigdaten.dat' not found.\r\rProgram will be closed."},
        {m,
         {"[MitarbeiterDaten]", "x", "1"},
         "Header of file 'Mitarbeiterdaten.dat' not detected.\r\rProgram will be closed."},
        {m,
         {"[Mitarbeiterdaten]", "x", "1", Aktuell.left(68)},
         test::berichtBilden("modMitarbeiterImport - Mitarbeiterdaten_lesen", 5)},
        {"." + m, {}, "File '%1Mitarbeiterdaten.dat' not found.\r\rProgram will be closed."},
    };
    for (const auto& [name, zeilen, text] : faelle) {
        Lesefall f(name, zeilen);
        EXPECT_EQ(f.endeErwarten([&, &name = name] {
            name.contains(k) ? void(Konfigdaten_lesen(f.dienste, f.daten, "Meier"))
                             : void(Mitarbeiterdaten_lesen(f.dienste, f.daten));
        }),
                  text.contains("%1") ? text.arg(f.baum.wurzel()) : text);
    }
}

TEST(KonfigdatenTest, FileInAnotherCaseIsRewrittenUnderItsOwnName) {
    Lesefall f("KONFIGDATEN.DAT", konfigBilden({"[Settings]", "alt", "[Settings]"}));
    Konfigdaten_schreiben(f.dienste, f.daten, "neu");
    // Every "[Settings]" is followed by the settings line in place of the line
    // after it; after the last line it is added.
    EXPECT_EQ(Dateibaum::planerzeilenLesen(f.pfad),
              konfigBilden({"[Settings]", "neu", "[Settings]", "neu"}, "neu"));
    EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files), QStringList{"KONFIGDATEN.DAT"});
}

// The import writes the employee file after the configuration, so a file
// that cannot take the settings line ends the program, left as it is.
TEST(KonfigdatenTest, FileThatCannotTakeTheSettingsEndsTheProgramUnchanged) {
    const std::pair<QStringList, QString> faelle[] = {
        {QStringList(32768, "[Settings]"),
         test::berichtBilden("modMitarbeiterImport - Konfigdaten_schreiben", 6)},
        {QStringList{"[Velmont]", "[Administratoren]"},
         "Header [Settings] in 'Konfigdaten.dat' not detected.\r\rProgram will be closed."},
        {QStringList{},
         "Header [Settings] in 'Konfigdaten.dat' not detected.\r\rProgram will be closed."}};
    for (const auto& [zeilen, text] : faelle) {
        Lesefall f("Konfigdaten.dat", zeilen);
        const QByteArray vorher = Dateibaum::lesen(f.pfad);
        EXPECT_EQ(f.endeErwarten([&] { Konfigdaten_schreiben(f.dienste, f.daten, "neu"); }), text);
        EXPECT_EQ(Dateibaum::lesen(f.pfad), vorher);
    }
}

// What the reader makes of a line, field by field: title, name, user name,
// dates, the five values, special leave.
QString felderAufreihen(const Mitarbeiter& m) {
    return QStringList{
        m.titel ? "T" : "M", m.Name,
        m.Benutzerkennung,   m.VonDatum,
        m.BisDatum,          QStringList(m.Urlaubswerte.begin(), m.Urlaubswerte.end()).join(' '),
        m.Sonderurlaub}
        .join('|');
}

TEST(MitarbeiterdatenTest, OldLayoutReadsAsTheCurrentOneTitlesAreTitlesAndLinesWriteBack) {
    const QString alt = "070301:991231:025:030:005:000:000:Meier, Hans:hm";
    Lesefall f("Mitarbeiterdaten.dat",
               {"[Mitarbeiterdaten]", "99999999", "12", Aktuell, "Nord", alt});
    const Mitarbeiterliste liste = Mitarbeiterdaten_lesen(f.dienste, f.daten);
    EXPECT_EQ(liste.Kopfwert, "99999999");
    EXPECT_EQ(liste.Kopfzahl, 12);
    ASSERT_EQ(liste.eintraege.size(), 3U);
    const QString meier = "M|Meier, Hans|hm|070301|991231|025,0 030,0 005,0 000,0 000,0|";
    EXPECT_EQ(felderAufreihen(liste.eintraege[0]), meier + "002,5");
    EXPECT_EQ(felderAufreihen(liste.eintraege[1]), "T|Nord||||    |");
    EXPECT_EQ(felderAufreihen(liste.eintraege[2]), meier + "000,0");
    QByteArray zeilen;
    for (const Mitarbeiter& m : liste.eintraege) {
        QByteArray zeile(mitarbeiterzeileBemessen(m), Qt::Uninitialized);
        zeilen += zeile.left(mitarbeiterzeileSchreiben(m, zeile.data())) + '|';
    }
    const QString umgesetzt = QString(Aktuell).replace("002,5", "000,0");
    EXPECT_EQ(zeilen, cp1252Kodieren(Aktuell + "|Nord|" + umgesetzt + "|"));
}

// The header number is read in the locale and rounded down; a file of the
// header alone, in any letter case, has an empty list. A number beyond 16 bits,
// or none, ends the program with the reader's error report.
TEST(MitarbeiterdatenTest, HeaderNumberAndAnEmptyList) {
    enum class Ausgang { Kopfzahl, Fehlerbericht };  // the number: the list's, or the report's
    const std::tuple<QString, QLocale::Language, Ausgang, int> faelle[] = {
        {"2,5", QLocale::German, Ausgang::Kopfzahl, 2},
        {"-2.5", QLocale::English, Ausgang::Kopfzahl, -3},
        {"-32768", QLocale::English, Ausgang::Kopfzahl, -32768},
        {"32768", QLocale::English, Ausgang::Fehlerbericht, fehlernummer::Ueberlauf},
        {"-32768,5", QLocale::German, Ausgang::Fehlerbericht, fehlernummer::Ueberlauf},
        {"zwölf", QLocale::German, Ausgang::Fehlerbericht, fehlernummer::Typenkonflikt},
    };
    for (const auto& [zeile, sprache, ausgang, zahl] : faelle) {
        Lesefall f("mitarbeiterDaten.DAT", {"[Mitarbeiterdaten]", "x", zeile});
        f.u.plattform.locale = QLocale(sprache);
        if (ausgang == Ausgang::Kopfzahl) {
            const Mitarbeiterliste liste = Mitarbeiterdaten_lesen(f.dienste, f.daten);
            EXPECT_EQ(liste.Kopfzahl, zahl);
            EXPECT_TRUE(liste.leer());
        } else {
            EXPECT_EQ(f.endeErwarten([&] { Mitarbeiterdaten_lesen(f.dienste, f.daten); }),
                      test::berichtBilden("modMitarbeiterImport - Mitarbeiterdaten_lesen", zahl));
        }
    }
}

// Making a folder and entering it is proved by the backup below.
TEST(OrdnerTest, FailuresEndWithTheFolderMessage) {
    test::Fall f;
    f.baum.unterordnerAnlegen("Backups");

    const QString anlegen = QStringLiteral(
        "Folder %1 couldn't be created.\r\rYou probably don't have sufficient access rights.\r\r"
        "Program will be closed.");
    const std::tuple<Sprache, bool, const char*, QString> faelle[] = {
        {Sprache::EN, true, "Backups", anlegen},
        {Sprache::EN, true, "fehlt/neu", anlegen},  // no folder is made on the way
        {Sprache::FR, false, "fehlt",
         "Le dossier %1 n'est pas accessible.\r\rLe dossier n'existe probablement pas ou vous "
         "n'avez pas les droits suffisants.\r\rLe programme va être fermé."},
    };
    for (const auto& [sprache, neu, relativ, erwartet] : faelle) {
        test::Fall g(sprache);
        const QString pfad = f.baum.pfad(relativ);
        const QString text = g.endeErwarten([&, neu = neu] {
            neu ? Ordner_anlegen(g.dienste, pfad + QDir::separator())
                : Ordner_zugreifen(g.dienste, pfad + QDir::separator());
        });
        EXPECT_EQ(text, erwartet.arg(Pfad_zitieren(g.dienste.texte, pfad)));
        EXPECT_FALSE(QFileInfo::exists(f.baum.pfad("fehlt")));
    }
}

TEST(BackupTest, LayoutOrderAndNameLogFilesEvenWithoutDataFiles) {
    test::Fall f;
    const Planerordner ordner{f.baum.unterordnerAnlegen("Daten"),
                              f.baum.unterordnerAnlegen("Logs")};
    f.baum.planerdateiAnlegen("Logs/2612 Velmont.log", {"n"});
    EXPECT_TRUE(Backup_erstellen(f.dienste, ordner, "261205", "B"));
    EXPECT_EQ(Dateibaum::planerzeilenLesen(f.baum.pfad("Daten/Backups/261205 143015 B.dat")),
              (QStringList{"[VelmontBackup]", "[2612 Velmont.log]", "[1]", "n"}));
    // The backup folder was made, and entered.
    EXPECT_EQ(f.u.plattform.betreten,
              QStringList{f.baum.pfad("Daten/Backups") + QDir::separator()});

    f.baum.planerdateiAnlegen("Daten/BData.dat", {"l1", "l2"});
    f.baum.planerdateiAnlegen("Daten/_x.dat", {"z"});
    f.baum.dateiAnlegen("Daten/a.dat");
    f.baum.planerdateiAnlegen("Daten/.versteckt.dat", {"h"});
    f.baum.planerdateiAnlegen("Daten/system.dat", {"s"});
    f.u.plattform.verborgen = {"system.dat"};
    f.baum.planerdateiAnlegen("Daten/daneben.log", {"d"});
    f.baum.planerdateiAnlegen("Logs/2611 velmont.LOG", {"m"});
    f.u.plattform.zeit = QDateTime(QDate(2026, 12, 6), QTime(0, 5, 9));
    EXPECT_TRUE(Backup_erstellen(f.dienste, ordner, "261205", "A"));
    // The start date, but the time of the backup; earlier backups are not copied.
    EXPECT_EQ(Dateibaum::planerzeilenLesen(f.baum.pfad("Daten/Backups/261205 000509 A.dat")),
              (QStringList{"[VelmontBackup]", "[a.dat]", "[0]", "[BData.dat]", "[2]", "l1", "l2",
                           "[_x.dat]", "[1]", "z", "[2611 velmont.LOG]", "[1]", "m",
                           "[2612 Velmont.log]", "[1]", "n"}));
}

TEST(LogbuchTest, AppendsToTheMonthOfTheStartDateSilentWithoutFolder) {
    test::Fall f;
    const Startwerte start{"070131", "Meier", {}};
    // Started in January, logging after midnight in February.
    f.u.plattform.zeit = QDateTime(QDate(2007, 2, 1), QTime(0, 3, 9));
    const QString pfad = f.baum.planerdateiAnlegen("0701 VELMONT.LOG", {"alt"});
    Logbuch_ergaenzen(f.dienste, f.baum.wurzel(), start, 2, "Import employee data");
    Logbuch_ergaenzen(f.dienste, f.baum.wurzel(), start, 1, "x");
    EXPECT_EQ(Dateibaum::planerzeilenLesen(pfad),
              (QStringList{"alt", "01.02.07 00:03:09|Meier|VelmoAdmin|Import employee data",
                           "01.02.07 00:03:09|Meier|x"}));
    Logbuch_ergaenzen(f.dienste, "", start, 2, "x");  // no log folder: nothing is logged
    EXPECT_EQ(QDir(f.baum.wurzel()).entryList(QDir::Files), QStringList{"0701 VELMONT.LOG"});
    f.u.plattform.locale = QLocale(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(logzeileBilden(f.u.plattform, "Meier", 2, "t"),
              "01.02.07 00.03.09|Meier|VelmoAdmin|t");
}

}  // namespace
}  // namespace mi
