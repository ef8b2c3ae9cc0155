#include "Hilfen.h"
#include "datastore/Windows1252.h"
#include "datastore/Zeilenverschluesselung.h"

namespace mi {
namespace {

QByteArray bytes(std::initializer_list<int> werte) {
    QByteArray b;
    for (int w : werte) {
        b.append(static_cast<char>(w));
    }
    return b;
}

TEST(ZeilenverschluesselungTest, WorkedExamples) {
    const struct {
        QByteArray klartext;
        std::uint8_t start;
        QByteArray gespeichert;
        QByteArray zurueck;
    } faelle[] = {
        {"abc", 65, bytes({65, 99, 101, 103}), "abc"},
        {"a\tb", 65, bytes({65, 99, 101}), "ab"},
        {bytes({255, 'a'}), 126, bytes({126, 94, 97}), bytes({255, 'a'})},
        {"a", 63, bytes({63, 'a'}), "a"},  // S AND 63 = 63: the first offset is 0
        {"", 254, bytes({254}), ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zeileVerschluesseln(f.klartext, f.start), f.gespeichert);
        EXPECT_EQ(zeileEntschluesseln(f.gespeichert), f.zurueck);
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
    EXPECT_EQ(startzeichen(0.0), 32);
    EXPECT_EQ(startzeichen(0.9999999999999999), 254);
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

}  // namespace
}  // namespace mi
