#include "Dateibaum.h"
#include "Fakes.h"
#include "Pruefhilfen.h"
#include "import/Importdatei.h"
#include "messages/Meldungen.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

TEST(TrennzeichenTest, MostFrequentLaterOneOnATie) {
    const std::pair<QString, QChar> faelle[] = {
        {"a,b;c;d", u';'}, {"a,b;c", u';'}, {"a:b\tc", u'\t'}, {"a,b,c;d", u','},
        {"a:b:c;d", u':'}, {"abc", u' '},   {"", u' '}};
    for (const auto& [zeile, erwartet] : faelle) {
        EXPECT_EQ(Trennzeichen(zeile).value_or(u' '), erwartet) << zeile.toStdString();
    }
}

// A line and its fields; its end counts as one more separator.
TEST(ImportfelderTest, QuotedAsSpreadsheetsWriteThemTheRestAsBefore) {
    const std::tuple<QString, QChar, QStringList> faelle[] = {
        {"a;b;", u';', {"a", "b", ""}},
        {"", u';', {""}},
        // Quoted as spreadsheets write them.
        {"\"M\u00fcller, Anna\",\"2.5\",x", u',', {"M\u00fcller, Anna", "2.5", "x"}},
        {"\"Say \"\"hi\"\"\";\"\"\"\";\"\"", u';', {"Say \"hi\"", "\"", ""}},
        // Every other value as before: a quote inside stays, one at its end
        // goes, and so does one at its start before text that is not quoted.
        {"a;\"b\tc;d\"", u'\t', {"a;\"b", "c;d"}},
        {"ab\"c;d\";\"e\"f", u';', {"ab\"c", "d", "e\"f"}},
        // A quote that never closes on its line quotes nothing.
        {"\"a;b\";\"c;d", u';', {"a;b", "c", "d"}},
        {"x;\";\"a\"\"b", u';', {"x", "", "a\"\"b"}},
        // A record over two lines, its cell with the line break.
        {"\"Berger\r\nAnna\";\"x\"\"\ny\"", u';', {"Berger\r\nAnna", "x\"\ny"}},
    };
    for (const auto& [zeile, sep, erwartet] : faelle) {
        QStringList felder;
        for (Feldzerleger f(zeile, sep); !f.ende();) {
            felder.append(f.abtrennen());
        }
        EXPECT_EQ(felder, erwartet) << zeile.toStdString();
    }
}

enum class Ausgang { Zeilen, Leer, OhneTrenner, KeinText };

struct Dateilesefall {
    const char* name;
    Sprache sprache;
    QByteArray inhalt;
    Ausgang ausgang;
    QStringList zeilentexte;
};

void PrintTo(const Dateilesefall& f, std::ostream* os) {
    *os << f.name;
}

class ImportdateiLesenTest : public ::testing::TestWithParam<Dateilesefall> {};

TEST_P(ImportdateiLesenTest, RowsAndMessages) {
    const Dateilesefall& fall = GetParam();
    test::Umgebung u(fall.sprache);
    test::Dateibaum baum;
    const QString datei = baum.dateiAnlegen("import.csv", fall.inhalt);
    if (fall.ausgang != Ausgang::Zeilen) {
        u.dialoge.boxErwarten(Antwort::OK);
    }
    auto gelesen = Importdatei_lesen(u.dienste, datei);
    EXPECT_FALSE(u.dienste.kanal.offen());

    const Texte& t = u.dienste.texte;
    const QString pfad = Pfad_zitieren(t, datei);
    QStringList erwarteteBoxen;
    if (fall.ausgang == Ausgang::Leer) {
        erwarteteBoxen.append(t.importdateiLeer.arg(pfad));
    } else if (fall.ausgang == Ausgang::OhneTrenner) {
        erwarteteBoxen.append(t.keinTrennzeichen.arg(pfad));
    } else if (fall.ausgang == Ausgang::KeinText) {
        erwarteteBoxen.append(t.keineTextdatei.arg(pfad));
    }
    EXPECT_EQ(u.dialoge.boxtexte(), erwarteteBoxen);

    QStringList texte;
    for (const QStringView zeile : std::move(gelesen).value_or(Importdatei{}).zeilentexte) {
        texte.append(zeile.toString());
    }
    EXPECT_EQ(texte, fall.zeilentexte);
}

const QByteArray Kopf8 = "Name;User;From;To;Rest;A1;A2;A3;A4\r\n";

constexpr Ausgang Z = Ausgang::Zeilen, L = Ausgang::Leer, N = Ausgang::KeinText;

// A text as UTF-16 with its byte-order mark.
QByteArray utf16Kodieren(QStringView text, bool grossEndian) {
    QByteArray bytes = grossEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const QChar c : text) {
        const auto [erstes, zweites] = std::pair{c.unicode() >> 8, c.unicode() & 0xFF};
        bytes += static_cast<char>(grossEndian ? erstes : zweites);
        bytes += static_cast<char>(grossEndian ? zweites : erstes);
    }
    return bytes;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tabelle, ImportdateiLesenTest, ::testing::Values(
    Dateilesefall{"NoBytes", Sprache::EN, "", L, {}},
    Dateilesefall{"FirstLineEmpty", Sprache::EN, "\r\na;b", Ausgang::OhneTrenner, {}},
    Dateilesefall{"HeaderOnly", Sprache::EN, Kopf8, L, {}},
    Dateilesefall{"HeaderEN", Sprache::EN, Kopf8 + "A;1\r\nB;2\r\n", Z, {"A;1", "B;2"}},
    Dateilesefall{"HeaderFRNeedsNine", Sprache::FR, Kopf8 + "A;1\r\nB;2\r\n", Z, {"B;2"}},
    Dateilesefall{"HeaderUntilEnd", Sprache::EN, "NAME;a\r\nb;c\r\nd;e", L, {}},
    Dateilesefall{"NomuraIsAHeader", Sprache::EN, "Nomura;x;;;;;;;\r\nA;1", Z, {"A;1"}},
    Dateilesefall{"SkippedLines", Sprache::EN, "a;b\r\n\r\nnone\r\nc;d\r\n", Z, {"a;b", "c;d"}},
    Dateilesefall{"LineEnds", Sprache::EN, "a;b\nc;d\re;f\r\n\n", Z, {"a;b", "c;d", "e;f"}},
    Dateilesefall{"SepLine", Sprache::EN, "sep=,\r\na;b,c\r\n", Z, {"a;b,c"}},
    Dateilesefall{"SepLineQuotedThenSkippedLine", Sprache::EN, "\"sep=\t\"\r\nx\r\na\tb", Z, {"a\tb"}},
    Dateilesefall{"SepLineAlone", Sprache::EN, "sep=;\r\n", L, {}},
    Dateilesefall{"SepLineInCapitals", Sprache::EN, "SEP=;\r\na;b,c\r\n", Z, {"a;b,c"}},
    Dateilesefall{"SepLineQuotedMixedCase", Sprache::EN, "\"Sep=,\"\na;b,c", Z, {"a;b,c"}},
    Dateilesefall{"Utf8Bom", Sprache::EN, "\xEF\xBB\xBFM\xC3\xBCller;\xE2\x82\xAC", Z, {"Müller;€"}},
    Dateilesefall{"Utf8NotInPlannerSet", Sprache::EN, "\xC5\x81;\xF0\x9F\x98\x80x", Z, {"Ł;😀x"}},
    Dateilesefall{"Windows1252", Sprache::EN, "M\xFCller;\x80\xC3", Z, {"Müller;€Ã"}},
    // Records: a quoted cell over line ends, the rows after it as they are.
    Dateilesefall{"LineBreakInACellInTheMiddle", Sprache::EN, "Anna;a\r\n\"Berger\r\nBo\";b\r\nCy;c", Z, {"Anna;a", "\"Berger\r\nBo\";b", "Cy;c"}},
    Dateilesefall{"LineBreakInACellAtTheEnd", Sprache::EN, "Anna;a\r\nBo;\"b\"\"\nc\"\n", Z, {"Anna;a", "Bo;\"b\"\"\nc\""}},
    Dateilesefall{"QuoteOpenAtTheEnd", Sprache::EN, "Anna;a\r\nBo;\"b\r\nCy;c\r\n", Z, {"Anna;a", "Bo;\"b\r\nCy;c\r\n"}},
    Dateilesefall{"QuotedNotAsSpreadsheetsQuoteEndsAtTheLine", Sprache::EN, "x;\"a\"b\r\nc;\"d\"\"\"\r\n\"e;f\"g\r\nh;\"i\"", Z, {"x;\"a\"b", "c;\"d\"\"\"", "\"e;f\"g", "h;\"i\""}},
    Dateilesefall{"HeaderOverARecord", Sprache::EN, "Name;\"User\n(login)\";F;T;R;A;B;C;D\r\nAnna;a", Z, {"Anna;a"}},
    // One line saved by another program: each line as it is written.
    Dateilesefall{"MixedUtf8AndWindows1252", Sprache::EN, "M\xC3\xBCller;a\r\nJ\xFCrgen;\xC3\r\n\xC3\x89lo;\xE2\x82\xAC\n", Z, {"Müller;a", "Jürgen;Ã", "Élo;€"}},
    Dateilesefall{"Utf8BomAndAWindows1252Line", Sprache::EN, "\xEF\xBB\xBFZo\xC3\xAB;a\rZo\xEB;b", Z, {"Zoë;a", "Zoë;b"}},
    // A spreadsheet's "Unicode text": UTF-16 with its mark, tabs.
    Dateilesefall{"Utf16LeCrLf", Sprache::EN, utf16Kodieren(u"Name\tU\tF\tT\tR\tA\tB\tC\tD\r\nDvořák\tjd\r\n\U0001F600\t\xE9", false), Z, {"Dvořák\tjd", "\U0001F600\t\u00E9"}},
    Dateilesefall{"Utf16BeLf", Sprache::EN, utf16Kodieren(u"Şahin\tİlker\nNowak\tŁukasz", true), Z, {"Şahin\tİlker", "Nowak\tŁukasz"}},
    Dateilesefall{"Utf16LoneSurrogatesAndOddByte", Sprache::EN, utf16Kodieren(u"a\tb\xD800\r\nc\t\xDC00", false) + "x", Z, {"a\tb\uFFFD", "c\t\uFFFD\uFFFD"}},
    // Not text: refused before a row is read.
    Dateilesefall{"Workbook", Sprache::EN, QByteArray("PK\x03\x04\x14\x00\x06\x00;a", 10), N, {}},
    Dateilesefall{"OldWorkbook", Sprache::DE, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1;a\r\n", N, {}},
    Dateilesefall{"NulInAName", Sprache::FR, QByteArray("Anna;a\r\nB\x00o;b", 13), N, {}},
    Dateilesefall{"Utf32", Sprache::EN, QByteArray("\xFF\xFE\x00\x00;\x00\x00\x00", 8), N, {}}));
// clang-format on

// The bytes are decoded in pieces: a character split between two of them, at
// every place it can be split, reads as it does whole, and so does a file that
// ends inside a character (then Windows-1252) or holds a byte-order mark in its
// middle. Every character is kept as the file holds it.
TEST(ImportdateiLesenTest, CharactersAcrossThePiecesOfDecoding) {
    const std::pair<QByteArray, QString> faelle[] = {
        {"\xC3\xBC", QStringLiteral("\u00FC")},
        {"\xE2\x82\xAC", QStringLiteral("\u20AC")},
        {"\xF0\x9F\x98\x80", QStringLiteral("\U0001F600")},
        {"\xC5\x81", QStringLiteral("\u0141")},
        {"\xEF\xBB\xBF", QStringLiteral("\uFEFF")},
    };
    for (qsizetype vorne = Dekodierstueck - 4; vorne <= Dekodierstueck + 1; ++vorne) {
        const QByteArray anfang(vorne, 'y');
        for (const auto& [zeichen, erwartet] : faelle) {
            SCOPED_TRACE(std::to_string(vorne) + " " + zeichen.toHex().toStdString());
            EXPECT_EQ(importtextDekodieren(anfang + zeichen + "z;\xC3\xBC"),
                      QString(vorne, u'y') + erwartet + QStringLiteral("z;\u00FC"));
            EXPECT_EQ(importtextDekodieren("\xEF\xBB\xBF" + anfang + zeichen),
                      QString(vorne, u'y') + erwartet);
        }
        EXPECT_EQ(importtextDekodieren(anfang + "\xC3\xBC\xE2\x82"),
                  QString(vorne, u'y') + QStringLiteral("\u00C3\u00BC\u00E2\u201A"));
    }
}

// Past the 16-bit counters: a 32,768th row, or a first line of 32,768
// characters, which the separator's choice counts.
TEST(ImportdateiLesenTest, Row32768AndALongFirstLineAreOverflowReports) {
    test::Umgebung u;
    test::Dateibaum baum;
    const QByteArray zeile = "a;b\r\n";
    const auto gelesen =
        Importdatei_lesen(u.dienste, baum.dateiAnlegen("a.csv", zeile.repeated(32767)));
    ASSERT_TRUE(gelesen.has_value());
    EXPECT_EQ(gelesen->zeilentexte.size(), 32767U);

    const std::pair<QByteArray, const char*> faelle[] = {
        {zeile.repeated(32768), "frmMitarbeiterImport - Importdatei_lesen"},
        {QByteArray(32768, 'x') + ";\r\n", "frmMitarbeiterImport - Trennzeichen"}};
    for (const auto& [inhalt, ort] : faelle) {
        test::Umgebung v;
        v.dialoge.boxErwarten(Antwort::OK);
        EXPECT_THROW(Importdatei_lesen(v.dienste, baum.dateiAnlegen("b.csv", inhalt)),
                     Programmende);
        EXPECT_EQ(v.dialoge.boxtexte(),
                  QStringList{test::berichtBilden(ort, fehlernummer::Ueberlauf)});
        EXPECT_FALSE(v.dienste.kanal.offen());
    }
}

}  // namespace
}  // namespace mi
