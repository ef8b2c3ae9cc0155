#include "Planer.h"
#include "datastore/Mitarbeiterdaten.h"
#include "startup/Start.h"
#include "wizard/Assistent.h"

#include <gtest/gtest.h>
#include <QDir>
#include <map>

namespace mi {
namespace {

using test::Dateibaum;

const QLocale DE(QLocale::German, QLocale::Germany);
const QLocale EN(QLocale::English, QLocale::UnitedStates);
const QLocale FR(QLocale::French, QLocale::France);

// Start-up, then the buttons of steps 2 to 4 as long as each opens the next.
struct Lauf : test::Planer {
    Lauf(Sprache sprache, const QLocale& locale, const QString& benutzer)
        : Planer(sprache), assistent(lz) {
        u.plattform.umgebung["USERNAME"] = benutzer;
        u.plattform.locale = locale;
    }

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
    Lauf p(i.sprache, i.locale, "anna");
    p.durchlaufen(i.csv, {OK, Ja, OK});
    EXPECT_EQ(p.assistent.zustaende().zustand(), 5);
    EXPECT_EQ(p.u.dialoge.texte().back(), p.lz.texte.importErfolgreich);
    // Decoded byte by byte, so a "ü" here is the Windows-1252 byte 0xFC.
    EXPECT_EQ(p.zeilen("Mitarbeiterdaten.dat"),
              QStringList({"[Mitarbeiterdaten]", "99999999", "0"}) + i.liste);
    Mitarbeiterdaten_lesen(p.lz);  // the planner reads it as its own
    EXPECT_EQ(p.lz.mitarbeiter.MA_Namen.size(), i.liste.size());

    EXPECT_EQ(QDir(p.pfad("Backups")).entryList(QDir::Files), QStringList{"261205 143015 A.dat"});
    EXPECT_EQ(p.zeilen("Logs/2612 Velmont.log"),
              test::Planerdateien[3].second +
                  QStringList{"05.12.26 14:30:15|anna|VelmoAdmin|" + p.lz.texte.logtextImport});

    const QString konfig = p.pfad("Konfigdaten.dat");
    EXPECT_EQ(p.zeilen("Konfigdaten.dat").at(7).at(29), i.tagesschritt);
    if (i.tagesschritt == u'0') {
        EXPECT_EQ(Dateibaum::lesen(konfig), p.vorher.at(konfig));
    }
}

const QByteArray NurTitel = ">Sales;\r\n\">Workshop\";\r\n";
const QByteArray MitBom = "\xEF\xBB\xBFJ\xC3\xBCrgen M\xC3\xBCller;jm;;;;30\r\n";
const QStringList Juergen{
    "000000:999999:000,0:030,0:000,0:000,0:000,0:000,0:000,0:000,0:000,0:J\u00FCrgen "
    "M\u00FCller:jm"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabelle, ImportEndeZuEndeTest, ::testing::Values(
    Import{"English", Sprache::EN, EN, Englisch, Sauber, u'2'},
    Import{"German", Sprache::DE, DE, Deutsch, Sauber, u'2'},
    Import{"French", Sprache::FR, FR, Franzoesisch, Sauber, u'2'},
    Import{"OnlyTextRows", Sprache::EN, EN, NurTitel, {"Sales", "Workshop"}, u'0'},
    Import{"Utf8WithBomAndUmlauts", Sprache::EN, EN, MitBom, Juergen, u'0'}));
// clang-format on

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
    Lauf p(Sprache::EN, EN, a.benutzer);
    p.durchlaufen(a.csv, a.antworten);
    EXPECT_EQ(p.assistent.zustaende().zustand(), a.zustand);
    const Meldungsbox& letzte = p.u.dialoge.boxen.back();
    EXPECT_EQ(letzte.symbol, a.letzteBox ? Symbol::Warnung : Symbol::Frage);
    if (a.letzteBox) {
        EXPECT_EQ(letzte.text, p.lz.texte.*a.letzteBox);
    }
    EXPECT_EQ(p.alles(), p.vorher);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabelle, OhneImportTest, ::testing::Values(
    Abbruch{"NoAtOverwrite", "anna", Englisch, {OK, Nein}, nullptr, 4},
    Abbruch{"NoAtFirstRowQuestion", "anna", Fehlerhaft, {Nein}, nullptr, 3},
    Abbruch{"YesToEveryQuestion", "anna", Fehlerhaft, {Ja, Ja, Ja, Ja, OK}, &Texte::pruefungMitFehlern, 3},
    Abbruch{"UserWithoutRights", "bob", Englisch, {OK}, &Texte::keinAdministrator, 3}));
// clang-format on

}  // namespace
}  // namespace mi
