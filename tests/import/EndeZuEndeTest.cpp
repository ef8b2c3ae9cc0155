#include "Dateibaum.h"
#include "Fakes.h"
#include "datastore/Mitarbeiterdaten.h"
#include "startup/Start.h"
#include "wizard/Assistent.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <map>

namespace mi {
namespace {

using test::Dateibaum;

const QLocale DE(QLocale::German, QLocale::Germany);
const QLocale EN(QLocale::English, QLocale::UnitedStates);
const QLocale FR(QLocale::French, QLocale::France);

// The planner's data and log files, in the order a backup lists them. Only
// "anna" may import; day values in whole days.
const std::vector<std::pair<QString, QStringList>> Planerdateien{
    {"Daten/Konfigdaten.dat",
     {"[Velmont]", "3.2", "2026", "[Firma]", "Demo", "1", "[Settings]", QString(40, u'0'),
      "0010000000", "[Administratoren]", "A1:Chef:anna"}},
    {"Daten/Mitarbeiterdaten.dat",
     {"[Mitarbeiterdaten]", "99999999", "0", "Sales",
      "000000:999999:025,0:030,0:030,0:030,0:030,0:002,5:000,0:000,0:000,0:Alt Mann:alt"}},
    {"Daten/PlanerData.dat", {"[Urlaubsdaten]", "alt:260105:260109:U"}},
    {"Daten/Logs/2612 Velmont.log", {"01.12.26 08:00:00|chef|VelmoAdmin|Program started"}},
};

// A planner installation as the program finds it on a PC: "ProgramFiles" holds
// the settings file naming the data folder and its log book; the import file
// lies in the program's own folder, where the file dialog opens.
struct Planer {
    Planer(Sprache sprache, const QLocale& locale, const QString& benutzer)
        : u(sprache), lz(*u.lz), assistent(lz) {
        for (const auto& [name, zeilen] : Planerdateien) {
            baum.planerdatei(name, zeilen);
        }
        baum.planerdatei("ProgramFiles/Velmora/Velmont.dat",
                         {"[Velmont]", "data_pfad=" + baum.ordner("Daten"),
                          "log_pfad=" + baum.ordner("Daten/Logs")});
        u.plattform.umgebung = {{"ProgramFiles", baum.pfad("ProgramFiles")},
                                {"USERNAME", benutzer}};
        u.plattform.ordner = baum.pfad("Programm");
        u.plattform.locale = locale;
    }

    // Start-up, then the buttons of steps 2 to 4 as long as each opens the next.
    void durchlaufen(const QByteArray& csv, const std::vector<Antwort>& antworten) {
        u.dialoge.erwarteDatei(baum.datei("Programm/import.csv", csv));
        for (const Antwort antwort : antworten) {
            u.dialoge.erwarteBox(antwort);
        }
        vorher = alles();
        EXPECT_FALSE(Main(lz, [this] { assistent.Form_Load(); }).has_value());
        EXPECT_EQ(assistent.zustaende().zustand(), 2);
        for (int knopf = 2; knopf <= 4 && assistent.zustaende().zustand() == knopf; ++knopf) {
            assistent.cmdAuswahl_Click(knopf);
        }
        EXPECT_FALSE(assistent.beendet());
        EXPECT_TRUE(u.dialoge.skriptLeer());
    }

    std::map<QString, QByteArray> alles() const {
        std::map<QString, QByteArray> inhalt;
        QDirIterator it(baum.wurzel(), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString pfad = it.next();
            inhalt[pfad] = it.fileInfo().isFile() ? Dateibaum::lesen(pfad) : QByteArray();
        }
        return inhalt;
    }

    test::Umgebung u;
    Laufzeit& lz;
    Dateibaum baum;
    Assistent assistent;
    std::map<QString, QByteArray> vorher;
};

const QByteArray Kopf = "Name;User;From;To;Rest;A1;A2;A3;A4;Extra\r\n";
const QByteArray Anna = "\"Anna Beispiel\";\"abeispiel\";;;2.5;30;;;;1\r\n>Sales;\r\n";
const QByteArray Englisch = Kopf + Anna + "Bo Kurz;bkurz;3/15/2024;12/31/2029;0;27.5;;;;0.3\r\n";
const QByteArray Deutsch = Kopf + QByteArray(Anna).replace('.', ',') +
                           "Bo Kurz;bkurz;15.03.2024;31.12.2029;0;27,5;;;;0,3\r\n";
const QByteArray Franzoesisch = Kopf + QByteArray(Anna).replace('.', ',') +
                                "Bo Kurz;bkurz;15/03/2024;31/12/2029;0;27,5;;;;0,3\r\n";
const QStringList Sauber{
    "000000:999999:002,5:030,0:000,0:000,0:000,0:001,0:000,0:000,0:000,0:Anna Beispiel:abeispiel",
    "Sales", "240315:291231:000,0:027,5:000,0:000,0:000,0:000,3:000,0:000,0:000,0:Bo Kurz:bkurz"};
// A "|" (pass 2), a bad date and a bad number (pass 4), a duplicate (pass 5).
const QByteArray Fehlerhaft = "Anna;an;32/1/2024;;x\r\nBo;an\r\nCy;c|d\r\n";

constexpr Antwort OK = Antwort::OK, Ja = Antwort::Ja, Nein = Antwort::Nein;

struct Import {
    const char* name;
    Sprache sprache;
    QLocale locale;
    QByteArray csv;
    QStringList liste;  // the new employee list
    QChar tagesschritt;
};

void PrintTo(const Import& i, std::ostream* os) {
    *os << i.name;
}

class ImportEndeZuEndeTest : public ::testing::TestWithParam<Import> {};

TEST_P(ImportEndeZuEndeTest, EveryPlannerFileReadsBackAsWritten) {
    const Import& i = GetParam();
    Planer p(i.sprache, i.locale, "anna");
    p.durchlaufen(i.csv, {OK, Ja, OK});
    EXPECT_EQ(p.assistent.zustaende().zustand(), 5);
    EXPECT_EQ(p.u.dialoge.texte().back(), p.lz.texte.importErfolgreich);
    // Decoded byte by byte, so a "ü" here is the Windows-1252 byte 0xFC.
    EXPECT_EQ(Dateibaum::planerzeilen(p.baum.pfad("Daten/Mitarbeiterdaten.dat")),
              QStringList({"[Mitarbeiterdaten]", "99999999", "0"}) + i.liste);
    Mitarbeiterdaten_lesen(p.lz);  // the planner reads it as its own
    EXPECT_EQ(p.lz.mitarbeiter.MA_Namen.size(), i.liste.size());

    QStringList sicherung{"[VelmontBackup]"};
    for (const auto& [name, zeilen] : Planerdateien) {
        sicherung << '[' + name.section('/', -1) + ']' << QStringLiteral("[%1]").arg(zeilen.size())
                  << zeilen;
    }
    EXPECT_EQ(QDir(p.baum.pfad("Daten/Backups")).entryList(QDir::Files),
              QStringList{"261205 143015 A.dat"});
    EXPECT_EQ(Dateibaum::planerzeilen(p.baum.pfad("Daten/Backups/261205 143015 A.dat")), sicherung);
    EXPECT_EQ(Dateibaum::planerzeilen(p.baum.pfad("Daten/Logs/2612 Velmont.log")),
              Planerdateien[3].second +
                  QStringList{"05.12.26 14:30:15|anna|VelmoAdmin|" + p.lz.texte.logtextImport});

    const QString konfig = p.baum.pfad("Daten/Konfigdaten.dat");
    EXPECT_EQ(Dateibaum::planerzeilen(konfig).at(7).at(29), i.tagesschritt);
    if (i.tagesschritt == u'0') {
        EXPECT_EQ(Dateibaum::lesen(konfig), p.vorher.at(konfig));
    }
}

const QByteArray NurTitel = ">Sales;\r\n\">Workshop\";\r\n";
const QByteArray MitBom = "\xEF\xBB\xBFJ\xC3\xBCrgen M\xC3\xBCller;jm;;;;30\r\n";
const QStringList Juergen{
    "000000:999999:000,0:030,0:000,0:000,0:000,0:000,0:000,0:000,0:000,0:J\u00FCrgen "
    "M\u00FCller:jm"};

INSTANTIATE_TEST_SUITE_P(
    Tabelle, ImportEndeZuEndeTest,
    ::testing::Values(Import{"English", Sprache::EN, EN, Englisch, Sauber, u'2'},
                      Import{"German", Sprache::DE, DE, Deutsch, Sauber, u'2'},
                      Import{"French", Sprache::FR, FR, Franzoesisch, Sauber, u'2'},
                      Import{
                          "OnlyTextRows", Sprache::EN, EN, NurTitel, {"Sales", "Workshop"}, u'0'},
                      Import{"Utf8WithBomAndUmlauts", Sprache::EN, EN, MitBom, Juergen, u'0'}));

struct Abbruch {
    const char* name;
    const char* benutzer;
    QByteArray csv;
    std::vector<Antwort> antworten;  // every box of steps 3 and 4, in order
    QString Texte::*letzteBox;       // nullptr: a row question
    int zustand;
};

void PrintTo(const Abbruch& a, std::ostream* os) {
    *os << a.name;
}

class OhneImportTest : public ::testing::TestWithParam<Abbruch> {};

TEST_P(OhneImportTest, NothingOnDiskChanges) {
    const Abbruch& a = GetParam();
    Planer p(Sprache::EN, EN, a.benutzer);
    p.durchlaufen(a.csv, a.antworten);
    EXPECT_EQ(p.assistent.zustaende().zustand(), a.zustand);
    const Meldungsbox& letzte = p.u.dialoge.boxen.back();
    EXPECT_EQ(letzte.symbol, a.letzteBox ? Symbol::Warnung : Symbol::Frage);
    if (a.letzteBox) {
        EXPECT_EQ(letzte.text, p.lz.texte.*a.letzteBox);
    }
    EXPECT_EQ(p.alles(), p.vorher);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, OhneImportTest,
    ::testing::Values(
        Abbruch{"NoAtOverwrite", "anna", Englisch, {OK, Nein}, nullptr, 4},
        Abbruch{"NoAtFirstRowQuestion", "anna", Fehlerhaft, {Nein}, nullptr, 3},
        Abbruch{"YesToEveryQuestion",
                "anna",
                Fehlerhaft,
                {Ja, Ja, Ja, Ja, OK},
                &Texte::pruefungMitFehlern,
                3},
        Abbruch{"UserWithoutRights", "bob", Englisch, {OK}, &Texte::keinAdministrator, 3}));

}  // namespace
}  // namespace mi
