#include "Planer.h"
#include "import/Importpruefung.h"
#include "messages/Meldungen.h"

#include <gtest/gtest.h>
#include <string_view>

namespace mi {
namespace {

const QLocale DE(QLocale::German, QLocale::Germany);
const QLocale EN(QLocale::English, QLocale::UnitedStates);
const QLocale FR(QLocale::French, QLocale::France);

// The wizard at step 3 of a planner installation whose only administrator is "anna".
struct Pruefstand : test::Planer {
    explicit Pruefstand(Sprache sprache = Sprache::EN, const QLocale& locale = EN,
                        const QString& wer = QStringLiteral("anna"))
        : Planer(sprache), benutzer(wer) {
        u.plattform.locale = locale;
    }

    void pruefen(const QByteArray& csv) {
        ergebnis = Importdatei_checken(dienste, ordner.Datenpfad,
                                       baum.dateiAnlegen("import.csv", csv), benutzer);
        EXPECT_FALSE(dienste.kanal.offen());
    }

    QString felderZeigen(std::size_t zeile) const {
        const ImportZeile& z = ergebnis.datei.ImportZeilen.at(zeile);
        QStringList felder;
        for (const QStringView feld :
             {z.Name, z.Benutzerkennung, z.VonDatum, z.BisDatum, z.Resturlaub, z.Urlaubsanspruch1,
              z.Urlaubsanspruch2, z.Urlaubsanspruch3, z.Urlaubsanspruch4, z.Sonderurlaub}) {
            felder.append(feld.toString());
        }
        return felder.join('|');
    }

    QString benutzer;
    Pruefergebnis ergebnis;
};

TEST(ImportdateiCheckenTest, CleanFileIsNormalisedAndOpensStep4) {
    Pruefstand p;
    p.u.dialoge.boxErwarten(Antwort::OK);
    const QString name45 = QString(45, u'x');
    p.pruefen(
        "Name;User;From;To;Rest;A1;A2;A3;A4;Extra\r\n"
        "\"Anna Beispiel\";\"abeispiel\";\"\";\"\";\"2.5\";\"30\";;;;1\r\n"
        ">Sales;\r\n" +
        name45.toLatin1() + ";;1/1/2024;2029-12-31;-0.04;-3.5;1500;-150;0.05\r\n");
    EXPECT_EQ(p.u.dialoge.boxtexte(), QStringList{"Testing completed. No errors found."});
    EXPECT_EQ(p.u.dialoge.boxen.at(0).details, "");
    EXPECT_TRUE(p.ergebnis.fehlerfrei);
    EXPECT_EQ(p.felderZeigen(0),
              "Anna Beispiel|abeispiel|000000|999999|002,5|030,0|000,0|000,0|000,0|001,0");
    EXPECT_EQ(p.felderZeigen(1), ">Sales|||||||||");
    EXPECT_EQ(p.felderZeigen(2), name45.left(40) + '|' + name45.left(40) +
                                     "|240101|291231|000,0|-03,5|999,0|-99,0|000,1|000,0");
}

// The boxes in order; with Yes to every question, the summary of faults follows them.
struct Meldungsfall {
    const char* name;
    Sprache sprache;
    QLocale locale;
    const char* benutzer;
    QByteArray csv;
    Antwort antwort;
    QStringList texte;
    bool fehlerfrei;
};

void PrintTo(const Meldungsfall& f, std::ostream* os) {
    *os << f.name;
}

class ImportdateiMeldungenTest : public ::testing::TestWithParam<Meldungsfall> {};

TEST_P(ImportdateiMeldungenTest, BoxesAndStep) {
    const Meldungsfall& fall = GetParam();
    Pruefstand p(fall.sprache, fall.locale, fall.benutzer);
    p.u.dialoge.immerAntworten(fall.antwort);
    p.pruefen(fall.csv);
    EXPECT_EQ(
        p.u.dialoge.boxtexte(),
        fall.texte + (fall.antwort == Antwort::Ja ? QStringList{p.dienste.texte.pruefungMitFehlern}
                                                  : QStringList{}));
    // Each question has Yes, Yes to All and No, No the default; the summary
    // lists what each question passed over showed, header and fault.
    QStringList liste;
    for (const Meldungsbox& box : p.u.dialoge.boxen) {
        if (box.symbol == Symbol::Frage) {
            EXPECT_EQ(box.knoepfe, Boxknoepfe::JaAlleNein);
            EXPECT_EQ(box.standard, Antwort::Nein);
            const QStringList teile = box.text.split(QStringLiteral("\r\r"));
            liste.append(p.dienste.texte.fehlerzeile.arg(teile.at(0), teile.at(1)));
        }
    }
    if (fall.antwort == Antwort::Ja) {
        EXPECT_EQ(p.u.dialoge.boxen.back().details, liste.join(u'\r'));
    }
    EXPECT_EQ(p.ergebnis.fehlerfrei, fall.fehlerfrei);
    if (std::string_view(fall.name) == "EmptyName") {
        EXPECT_EQ(p.ergebnis.datei.ImportZeilen.at(3).Name.toString(), "Name 4");  // answered Yes
    }
}

constexpr Antwort OK = Antwort::OK, Ja = Antwort::Ja, Nein = Antwort::Nein;

// A spreadsheet's "Unicode text": UTF-16 LE with its byte-order mark.
QByteArray utf16leKodieren(std::u16string_view text) {
    QByteArray bytes = "\xFF\xFE";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}
const QString Fortsetzen = QStringLiteral("\r\rDo you want to continue?");
const QString FortsetzenDeutsch = QStringLiteral("\r\rMöchten Sie fortsetzen?");

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabelle, ImportdateiMeldungenTest, ::testing::Values(
    Meldungsfall{"Bar", Sprache::DE, DE, "anna", "a:b|c", Ja, {"Fehler in Zeile 1\r\rUnzulässiges Zeichen ':' oder '|' enthalten" + FortsetzenDeutsch}, false},
    Meldungsfall{"StartDate", Sprache::EN, EN, "anna", "Anna;an;32/1/2024", Ja, {"Error in row 1, Anna\r\rDate 32/1/2024 is invalid" + Fortsetzen}, false},
    Meldungsfall{"StartAfterEndWithoutCentury", Sprache::DE, DE, "anna", "Anna;an;15.03.1999;01.01.2005", Ja, {"Fehler in Zeile 1, Anna\r\r'Von-Datum' ist größer als 'Bis-Datum'" + FortsetzenDeutsch}, false},
    Meldungsfall{"GroupSeparator", Sprache::DE, DE, "anna", "Anna;an;;;1.5", Ja, {"Fehler in Zeile 1, Anna\r\rResturlaub 1.5 nicht nummerisch" + FortsetzenDeutsch}, false},
    Meldungsfall{"Entitlement4", Sprache::EN, EN, "anna", "Anna;an;;;;;;;x", Ja, {"Error in row 1, Anna\r\rVacation entitlement x not numeric" + Fortsetzen}, false},
    Meldungsfall{"Rtt", Sprache::FR, FR, "anna", "Anna;an;;;;;;;;2.5", Ja, {"Erreur à l'enregistrement numéro 1, Anna\r\rRTT 2.5 n'est pas un nombre\r\rVoulez-vous continuer ?"}, false},
    Meldungsfall{"DuplicateByName", Sprache::EN, EN, "anna", "Anna;\r\nAnna;", Ja, {"Error in row 2, Anna\r\rName/Windows User Name Anna exists twice" + Fortsetzen}, false},
    Meldungsfall{"MoreNamePiecesThanRows", Sprache::EN, EN, "anna", "Anna;a|b|c|d|e|f|g|h|i|j\r\nBo;J", Ja,
         {"Error in row 1\r\rInvalid character ':' or '|' found" + Fortsetzen, "Error in row 2, Bo\r\rName/Windows User Name J exists twice" + Fortsetzen}, false},
    Meldungsfall{"NamesFoundAfterTheTableGrew", Sprache::EN, EN, "anna", "A;MEIER\r\nB;\xC3\xA4|b|c|d|e|f|g|h|i|j\r\nC;\xC3\x84\r\nD;meier", Ja,
         {"Error in row 2\r\rInvalid character ':' or '|' found" + Fortsetzen, "Error in row 3, C\r\rName/Windows User Name \u00C4 exists twice" + Fortsetzen,
          "Error in row 4, D\r\rName/Windows User Name meier exists twice" + Fortsetzen}, false},
    Meldungsfall{"EmptyName", Sprache::EN, EN, "anna", "a;\r\nb;\r\nc;\r\n;d", Ja, {"Error in row 4\r\rField Name is empty" + Fortsetzen}, false},
    Meldungsfall{"NoAtTheFirstQuestion", Sprache::EN, EN, "anna", "Anna;an;x\r\nAnna;an;y", Nein, {"Error in row 1, Anna\r\rDate x is invalid" + Fortsetzen}, false},
    Meldungsfall{"QuotedColonWithColonSeparator", Sprache::EN, EN, "anna", "Anna:\"12:00\"", Ja, {"Error in row 1\r\rInvalid character ':' or '|' found" + Fortsetzen}, false},
    Meldungsfall{"ElevenColumns", Sprache::EN, EN, "anna", "1;2;3;4;5;6;7;8;9;10\r\n" + QByteArray(45, 'N') + ";2;3;4;5;6;7;8;9;10;11", OK,
         {"Error in row 2, " + QString(45, u'N') + "\r\rInvalid number of columns\r\rProbably the delimiter in the import file ';' is contained in the import data. "
          "Do not use this character in the import data or use a different delimiter in the import file."}, false},
    Meldungsfall{"UnquotedSeparatorInAName", Sprache::EN, EN, "anna", "\"Berger, Anna\",ab\r\nM\xFCller, Bo,bm,,,,,,,,0", OK,
         {"Error in row 2, M\u00fcller\r\rInvalid number of columns\r\rProbably the delimiter in the import file ',' is contained in the import data. "
          "Do not use this character in the import data or use a different delimiter in the import file."}, false},
    Meldungsfall{"ControlCharactersInAName", Sprache::EN, EN, "anna", "An\x1Ana,a\tb\x1A\x1A,,\r\nBo,\"x\tq\x01\"", Ja,
         {"Error in row 1\r\rField Name holds control characters: U+001A" + Fortsetzen,
          "Error in row 1\r\rField Windows User Name holds control characters: U+0009, U+001A" + Fortsetzen,
          "Error in row 2\r\rField Windows User Name holds control characters: U+0009, U+0001" + Fortsetzen}, false},
    Meldungsfall{"DelButTheSeparatorTab", Sprache::DE, DE, "anna", "Anna\tx\x7F", Ja, {"Fehler in Zeile 1\r\rFeld Benutzerkennung enthält Steuerzeichen: U+007F" + FortsetzenDeutsch}, false},
    // Names as the file holds them: Łącki and Łęcki are two names.
    Meldungsfall{"NamesFromCzechPolishTurkish", Sprache::EN, EN, "anna", "Dvořák Jiří;jdvorak\r\nŁącki Jan;\r\nŁęcki Jan;\r\nŞahin İlker;isahin", Ja,
         {"Error in row 1\r\rField Name holds characters the Velmora cannot store: ř" + Fortsetzen,
          "Error in row 2\r\rField Name holds characters the Velmora cannot store: Ł, ą" + Fortsetzen,
          "Error in row 3\r\rField Name holds characters the Velmora cannot store: Ł, ę" + Fortsetzen,
          "Error in row 4\r\rField Name holds characters the Velmora cannot store: Ş, İ" + Fortsetzen}, false},
    Meldungsfall{"BeyondTheBmpOnceAndInvisibleAsCodes", Sprache::FR, FR, "anna", "Anna;a😀b😀\u200B;;;;;;;;\xEF\xBF\xBD", Ja,
         {"Erreur à l'enregistrement numéro 1\r\rLe champ Nom d'Utilisateur Windows contient des caractères que le logiciel ne peut pas enregistrer : 😀, U+200B\r\rVoulez-vous continuer ?",
          "Erreur à l'enregistrement numéro 1\r\rLe champ RTT contient des caractères que le logiciel ne peut pas enregistrer : �\r\rVoulez-vous continuer ?",
          "Erreur à l'enregistrement numéro 1, Anna\r\rRTT � n'est pas un nombre\r\rVoulez-vous continuer ?"}, false},
    Meldungsfall{"Utf16NulAndSubInAName", Sprache::EN, EN, "anna", utf16leKodieren(std::u16string_view(u"An\0na\tan\x1A\r\n", 11)), Ja,
         {"Error in row 1\r\rField Name holds control characters: U+0000" + Fortsetzen,
          "Error in row 1\r\rField Windows User Name holds control characters: U+001A" + Fortsetzen}, false},
    // A row over several lines is one row with its number, once.
    Meldungsfall{"LineBreakInACellInTheMiddleAndAtTheEnd", Sprache::EN, EN, "anna", "Anna;a\r\n\"Berger\r\nBo\";b\r\nCy;c;x\r\nDi;\"d\nd\"", Ja,
         {"Error in row 2\r\rLine break inside a cell" + Fortsetzen, "Error in row 4\r\rLine break inside a cell" + Fortsetzen,
          "Error in row 3, Cy\r\rDate x is invalid" + Fortsetzen}, false},
    Meldungsfall{"QuoteOpenAtTheEnd", Sprache::DE, DE, "anna", "Anna;a\r\nBo;\"b\r\nCy;c\r\n", Ja,
         {"Fehler in Zeile 2\r\rAnführungszeichen nicht geschlossen" + FortsetzenDeutsch,
          "Fehler in Zeile 2, Bo\r\r'Von-Datum' c\u240D\u240A ist fehlerhaft" + FortsetzenDeutsch}, false},
    Meldungsfall{"OnlyTextRows", Sprache::FR, FR, "anna", ">Ventes;\r\n>Achats;x;y", OK, {"Test terminé. Aucune erreur trouvée."}, true},
    Meldungsfall{"UserWithoutRights", Sprache::EN, EN, "bob", "", OK,
         {"You are not administrator of the Velmora and you don't have permission to import employee data."}, false}));
// clang-format on

// Exports as spreadsheets write them: quoted names holding the separator,
// quoted numbers and dates, doubled quotes, a quoted text row.
TEST(ImportdateiCheckenTest, QuotedSpreadsheetExportsInBothSeparators) {
    const std::tuple<Sprache, QLocale, QByteArray, QStringList> faelle[] = {
        {Sprache::EN,
         EN,
         "Name,User,From,To,Rest,A1,A2,A3,A4,Extra\r\n"
         "\">Sales, North\",\r\n"
         "\"M\xC3\xBCller, "
         "Anna\",\"amueller\",\"3/15/2024\",\"12/31/2029\",\"2.5\",\"30\",,,,\"1.5\"\r\n"
         "\"O\"\"Brien, Pat\",pobrien,2024-01-01,,\"-1\",20,20,20,20,0\r\n",
         {">Sales, North|||||||||",
          "M\u00fcller, Anna|amueller|240315|291231|002,5|030,0|000,0|000,0|000,0|001,5",
          "O\"Brien, Pat|pobrien|240101|999999|-01,0|020,0|020,0|020,0|020,0|000,0"}},
        {Sprache::DE,
         DE,
         "Name;Kennung;Von;Bis;Rest;A1;A2;A3;A4;Sonder\r\n"
         "\"M\xFCller; Anna\";\"am\";\"15.03.2024\";\"31.12.2029\";\"2,5\";\"30\";;;;\"1,5\"\r\n"
         "\"Der \"\"Chef\"\"\";\"chef; alt\";;;\"-1\";;;;;\r\n",
         {"M\u00fcller; Anna|am|240315|291231|002,5|030,0|000,0|000,0|000,0|001,5",
          "Der \"Chef\"|chef; alt|000000|999999|-01,0|000,0|000,0|000,0|000,0|000,0"}},
    };
    for (const auto& [sprache, locale, csv, felder] : faelle) {
        Pruefstand p(sprache, locale);
        p.u.dialoge.boxErwarten(Antwort::OK);
        p.pruefen(csv);
        EXPECT_EQ(p.u.dialoge.boxtexte(), QStringList{p.dienste.texte.pruefungFehlerfrei});
        QStringList ist;
        for (std::size_t i = 0; i < p.ergebnis.datei.ImportZeilen.size(); ++i) {
            ist.append(p.felderZeigen(i));
        }
        EXPECT_EQ(ist, felder);
    }
}

// The list of faults: every fault passed over, in order, as the closing box's
// details, whether each question was answered Yes or one Yes to All stopped them.
struct Listenfall {
    const char* name;
    Sprache sprache;
    QByteArray csv;
    std::vector<Antwort> antworten;  // to the questions, in order
    const char* schluss;             // the closing message, or none after a No
    QStringList liste;
};

void PrintTo(const Listenfall& f, std::ostream* os) {
    *os << f.name;
}

class FehlerlisteTest : public ::testing::TestWithParam<Listenfall> {};

TEST_P(FehlerlisteTest, QuestionsAndTheClosingBoxsDetails) {
    const Listenfall& fall = GetParam();
    Pruefstand p(fall.sprache, fall.sprache == Sprache::FR ? FR : EN);
    for (const Antwort antwort : fall.antworten) {
        p.u.dialoge.boxErwarten(antwort);
    }
    if (fall.schluss != nullptr) {
        p.u.dialoge.boxErwarten(Antwort::OK);
    }
    p.pruefen(fall.csv);
    const std::vector<Meldungsbox>& boxen = p.u.dialoge.boxen;
    ASSERT_EQ(boxen.size(), fall.antworten.size() + (fall.schluss != nullptr ? 1 : 0));
    for (std::size_t i = 0; i < fall.antworten.size(); ++i) {
        EXPECT_EQ(boxen[i].knoepfe, Boxknoepfe::JaAlleNein);
        EXPECT_EQ(boxen[i].details, "");
    }
    if (fall.schluss != nullptr) {
        EXPECT_TRUE(boxen.back().text.startsWith(QString::fromUtf8(fall.schluss)));
        EXPECT_EQ(boxen.back().details, fall.liste.join(u'\r'));
    }
    EXPECT_FALSE(p.ergebnis.fehlerfrei);
}

const QByteArray VierFehler =
    "Anna,an,2/30/2024,,2.5\r\n\"J\xC3\xBCrgen "
    "M\xC3\xBCller\",jm,,,twelve\r\n,nobody\r\nDana,AN\r\n";
const QStringList VierZeilen = {
    "Error in row 1, Anna: Date 2/30/2024 is invalid",
    "Error in row 2, J\u00fcrgen M\u00fcller: Residual vacation twelve not numeric",
    "Error in row 3: Field Name is empty",
    "Error in row 4, Dana: Name/Windows User Name AN exists twice"};
const char* const MitFehlern = "Testing completed. Errors found.";
constexpr Antwort Alle = Antwort::JaAlle;

// A file far longer than the search for ":" and "|" reads ahead at a time,
// the characters in rows alone and in runs, and in the last row.
Listenfall vieleZeilenBilden() {
    Listenfall fall{"ColonsAndBarsInALongFile", Sprache::EN, {}, {Antwort::JaAlle}, MitFehlern, {}};
    constexpr int Zeilen = 2000;
    for (int zeile = 1; zeile <= Zeilen; ++zeile) {
        // A long name, where the characters go, so the columns stay as they are.
        const QString name =
            QStringLiteral("N%1").arg(zeile, 4, 10, QChar(u'0')) + QString(30, u'x');
        QByteArray text = (name + QStringLiteral(";u%1;;;;;;;;").arg(zeile)).toLatin1();
        const bool treffer = zeile % 97 == 0 || (zeile >= 180 && zeile <= 186) || zeile == Zeilen;
        if (treffer) {
            text[zeile % name.size()] = zeile % 2 == 0 ? ':' : '|';
            fall.liste.append(
                QStringLiteral("Error in row %1: Invalid character ':' or '|' found").arg(zeile));
        }
        fall.csv += text + (zeile < Zeilen ? "\r\n" : "");
    }
    return fall;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabelle, FehlerlisteTest, ::testing::Values(
    Listenfall{"YesToAllAtTheFirst", Sprache::EN, VierFehler, {Alle}, MitFehlern, VierZeilen},
    Listenfall{"YesEveryTime", Sprache::EN, VierFehler, {Ja, Ja, Ja, Ja}, MitFehlern, VierZeilen},
    Listenfall{"YesThenYesToAll", Sprache::EN, VierFehler, {Ja, Alle}, MitFehlern, VierZeilen},
    Listenfall{"NoAtTheThird", Sprache::EN, VierFehler, {Ja, Ja, Nein}, nullptr, {}},
    Listenfall{"FrenchColon", Sprache::FR, "Anna;an;;;;;;;;x", {Alle}, "Test termin\u00e9. Erreurs",
               {"Erreur \u00e0 l'enregistrement num\u00e9ro 1, Anna : RTT x n'est pas un nombre"}},
    Listenfall{"PassByPassNotRowByRow", Sprache::EN, "Anna;an;x\r\nBo|;bo\r\nBo|;bo", {Ja, Ja, Ja, Ja}, MitFehlern,
               {"Error in row 2: Invalid character ':' or '|' found", "Error in row 3: Invalid character ':' or '|' found",
                "Error in row 1, Anna: Date x is invalid", "Error in row 3, Bo|: Name/Windows User Name bo exists twice"}},
    Listenfall{"ThenTooManyColumns", Sprache::EN, "a|b;c\r\nd;e|f\r\n1;2;3;4;5;6;7;8;9;10;11", {Alle}, "Error in row 3, 1",
               {"Error in row 1: Invalid character ':' or '|' found", "Error in row 2: Invalid character ':' or '|' found"}},
    Listenfall{"DuplicateBeforeTooManyColumns", Sprache::EN, "a;x\r\nb;x\r\n1;2;3;4;5;6;7;8;9;10;11", {}, "Error in row 3, 1", {}},
    vieleZeilenBilden()));
// clang-format on

// Lines without the separator are passed over, as always, but the closing
// message, whatever it says, counts them, and its details name each after
// the faults. Every question is answered Yes.
struct Ueberlesenfall {
    const char* name;
    Sprache sprache;
    QByteArray csv;
    QString schluss;  // %1 the quoted path
    QString details;
    bool fehlerfrei;
};

void PrintTo(const Ueberlesenfall& f, std::ostream* os) {
    *os << f.name;
}

class UeberleseneZeilenTest : public ::testing::TestWithParam<Ueberlesenfall> {};

TEST_P(UeberleseneZeilenTest, CountedAndNamedInTheClosingMessage) {
    const Ueberlesenfall& fall = GetParam();
    Pruefstand p(fall.sprache, fall.sprache == Sprache::DE ? DE : EN);
    p.u.dialoge.immerAntworten(Antwort::Ja);
    p.pruefen(fall.csv);
    ASSERT_FALSE(p.u.dialoge.boxen.empty());
    const Meldungsbox& schluss = p.u.dialoge.boxen.back();
    EXPECT_EQ(schluss.text,
              fall.schluss.arg(Pfad_zitieren(p.dienste.texte, p.baum.pfad("import.csv"))));
    EXPECT_EQ(schluss.details, fall.details);
    EXPECT_EQ(p.ergebnis.fehlerfrei, fall.fehlerfrei);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabelle, UeberleseneZeilenTest, ::testing::Values(
    // A ":" or "|" in a line passed over is no fault.
    Ueberlesenfall{"ColonNotInALineWithoutSeparator", Sprache::EN, "a;b\r\nnote: x|\r\nAnna;12:00",
        "Testing completed. Errors found. Fix the errors in the import data and repeat the test.\r\r1 line without the separator ';' was passed over.",
        "Error in row 2: Invalid character ':' or '|' found\rLine 2 passed over: note: x|", false},
    // A tie in the first line chose the tab, so the rows with "," are passed
    // over; blank lines are not named, a record over lines once, by its first.
    Ueberlesenfall{"TieThenLinesWithoutTheSeparator", Sprache::EN, "a,b\tc\r\nx,y,z\r\n\r\n   \r\nu,v,w\r\n\"p,\r\nq\"\nlast\rd\te",
        "Testing completed. No errors found.\r\r4 lines without the separator 'Tab' were passed over.",
        "Line 2 passed over: x,y,z\rLine 5 passed over: u,v,w\rLine 6 passed over: \"p,\u240D\u240Aq\"\rLine 8 passed over: last", true},
    Ueberlesenfall{"SepLineInCapitalsHeaderAndANote", Sprache::DE, "SEP=;\r\nName;Kennung;;;;;;;\r\nNotiz\r\nAnna;an;x",
        "Prüfen der Importdaten mit Fehler abgeschlossen. Beheben Sie die Fehler in den Importdaten und wiederholen Sie die Prüfung.\r\r"
        "1 Zeile der Importdatei ohne das Trennzeichen ';' wurde übergangen.",
        "Fehler in Zeile 1, Anna: 'Von-Datum' x ist fehlerhaft\rZeile 3 der Importdatei übergangen: Notiz", false},
    Ueberlesenfall{"EmptyButForLinesPassedOver", Sprache::FR, "\"sep=;\"\r\nx\r\nA\x1A" + QByteArray(45, 'b'),
        "Le fichier d'import %1 est vide\r\r2 lignes sans le séparateur « ; » ont été ignorées.",
        "Ligne 2 ignorée : x\rLigne 3 ignorée : A\u241A" + QString(38, u'b') + "\u2026", false}));
// clang-format on

}  // namespace
}  // namespace mi
