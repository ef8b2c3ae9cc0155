#include "Dateibaum.h"
#include "Hilfen.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"

namespace mi {
namespace {

using test::Umgebung;

QByteArray bytes(std::initializer_list<int> werte) {
    QByteArray b;
    for (int w : werte) {
        b.append(static_cast<char>(w));
    }
    return b;
}

struct Beispiel {
    const char* name;
    QByteArray klartext;
    std::uint8_t start;
    QByteArray gespeichert;
    QByteArray zurueck;
};

void PrintTo(const Beispiel& b, std::ostream* os) {
    *os << b.name;
}

class BeispielTest : public ::testing::TestWithParam<Beispiel> {};

TEST_P(BeispielTest, StoredFormAndBack) {
    const Beispiel& b = GetParam();
    EXPECT_EQ(zeileVerschluesseln(b.klartext, b.start), b.gespeichert);
    EXPECT_EQ(zeileEntschluesseln(b.gespeichert), b.zurueck);
}

INSTANTIATE_TEST_SUITE_P(
    Bekannt, BeispielTest,
    ::testing::Values(Beispiel{"abc", "abc", 65, bytes({65, 99, 101, 103}), "abc"},
                      Beispiel{"TabDropped", "a\tb", 65, bytes({65, 99, 101}), "ab"},
                      Beispiel{"WrapAt255", bytes({255, 'a'}), 126, bytes({126, 94, 97}),
                               bytes({255, 'a'})},
                      Beispiel{"Offset63StartsAtZero", "a", 63, bytes({63, 'a'}), "a"},
                      Beispiel{"Empty", "", 254, bytes({254}), ""}));

TEST(ZeilenverschluesselungTest, EveryByteSurvivesUnderEveryStartCharacter) {
    QByteArray alle;
    for (int p = 32; p <= 255; ++p) {
        alle.append(static_cast<char>(p));
    }
    for (int s = 0; s <= 255; ++s) {
        const QByteArray gespeichert = zeileVerschluesseln(alle, static_cast<std::uint8_t>(s));
        ASSERT_EQ(zeileEntschluesseln(gespeichert), alle) << "start " << s;
        ASSERT_FALSE(gespeichert.sliced(1).contains('\r')) << "start " << s;
        // Written codes stay within 32 to 255: no line end can appear inside.
        for (char c : gespeichert.sliced(1)) {
            ASSERT_GE(static_cast<unsigned char>(c), 32) << "start " << s;
        }
    }
}

TEST(ZeilenverschluesselungTest, StartCharacterIsDrawnFrom32To254) {
    EXPECT_EQ(startzeichen(0.0), 32);
    EXPECT_EQ(startzeichen(0.9999999999999999), 254);
}

TEST(Windows1252Test, EveryByteValueSurvivesDecodeAndEncode) {
    QByteArray alle;
    for (int b = 0; b <= 255; ++b) {
        alle.append(static_cast<char>(b));
    }
    EXPECT_EQ(cp1252Kodieren(cp1252Dekodieren(alle)), alle);
    EXPECT_EQ(cp1252Dekodieren("\x80\x9f"), QStringLiteral("€Ÿ"));
}

TEST(Windows1252Test, CharacterItCannotHoldBecomesOneQuestionMark) {
    EXPECT_EQ(cp1252Kodieren(QStringLiteral("a😀b\u0100")), QByteArray("a?b?"));
    EXPECT_EQ(cp1252Kodieren(QString(QChar(0xD800)) + u'x'), QByteArray("?x"));
}

TEST(LineInTest, ReadsWhatLineOutWroteThroughTheChannel) {
    Umgebung u;
    test::Dateibaum baum;
    const QString pfad = baum.pfad("z.dat");
    const QString text = QStringLiteral("Müller|€ 25,0 Œ");
    u.plattform.zufall = {0.0, 0.99};
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
    LineOut(*u.lz, text);
    LineOut(*u.lz, "");
    Datei_schließen(*u.lz);
    EXPECT_EQ(test::Dateibaum::lesen(pfad).size(), text.size() + 1 + 2 + 1 + 2);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Input", ""));
    EXPECT_EQ(LineIn(*u.lz), text);
    EXPECT_EQ(LineIn(*u.lz), QString());
    EXPECT_TRUE(u.lz->kanal.dateiende());
    Datei_schließen(*u.lz);
}

struct LeseFehler {
    const char* name;
    QByteArray inhalt;
    int nummer;
    const char* beschreibung;
};

void PrintTo(const LeseFehler& f, std::ostream* os) {
    *os << f.name;
}

class LineInFehlerTest : public ::testing::TestWithParam<LeseFehler> {};

TEST_P(LineInFehlerTest, IsReportedByTheLineReader) {
    Umgebung u;
    test::Dateibaum baum;
    const QString pfad = baum.datei("z.dat", GetParam().inhalt);
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Input", ""));
    EXPECT_EQ(
        test::endetMit(u, [&] { LineIn(*u.lz); }),
        test::bericht("modMitarbeiterImport - LineIn", GetParam().nummer, GetParam().beschreibung));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LineInFehlerTest,
    ::testing::Values(LeseFehler{"EmptyLine", "\r\nA", 5, "Invalid procedure call or argument"},
                      LeseFehler{"PastEnd", "", 62, "Input past end of file"},
                      LeseFehler{"Longer32767", QByteArray(32768, 'A'), 6, "Overflow"}));

TEST(LineOutTest, TextLongerThan32767IsReportedByTheLineWriter) {
    Umgebung u;
    test::Dateibaum baum;
    const QString pfad = baum.datei("z.dat", "alt");
    ASSERT_TRUE(Datei_öffnen(*u.lz, pfad, "Output", ""));
    LineOut(*u.lz, QString(32767, u'x'));
    EXPECT_EQ(test::endetMit(u, [&] { LineOut(*u.lz, QString(32768, u'x')); }),
              test::bericht("modMitarbeiterImport - LineOut", 6, "Overflow"));
    EXPECT_EQ(test::Dateibaum::lesen(pfad), QByteArray("alt"));
}

}  // namespace
}  // namespace mi
