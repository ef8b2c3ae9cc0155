#include "QtDruck.h"
#include "datastore/Windows1252.h"
#include "import/Kennungen.h"

#include <gtest/gtest.h>
#include <QSet>

namespace mi {
namespace {

// Pairs of names put in one after the other: the second meets the first
// exactly when their lower case forms are equal, whichever of them is plain
// ASCII, whatever length the hash's groups of four leave over.
TEST(KennungenTest, NamesMeetExactlyWhenEqualInLowerCase) {
    // clang-format off
    const std::tuple<QString, QString, bool> faelle[] = {
        {"meier", "MEIER", true}, {"Meier-Schmidt", "mEIER-sCHMIDT", true},
        {"abcdefgh", "ABCDEFGH", true}, {"abc", "abcd", false}, {"abcd", "abc", false},
        {"abcdefg", "abcdefh", false},
        // A to Z lowered, the characters beside them left: 0x20 apart too.
        {"A", "a", true}, {"Z", "z", true}, {"@", "`", false}, {"[", "{", false},
        {"x^y", "x~y", false},
        // Beyond ASCII, either first: a name already in lower case once hashed
        // another way than its upper case form.
        {"c\u0153ur", "C\u0152UR", true}, {"C\u0152UR", "c\u0153ur", true},
        {"m\u00fcller", "M\u00dcLLER", true}, {"\u00ff", "\u0178", true},
        // The Kelvin sign's lower case is "k" of ASCII.
        {"k", "\u212a", true}, {"\u212a", "K", true},
        // A character beyond ASCII whose lower byte is a letter of ASCII.
        {"A", "\u0141", false}, {"\u0161", "a", false}, {"abc\u00e9", "abce", false}};
    // clang-format on
    for (const auto& [erste, zweite, treffen] : faelle) {
        Kennungen k(2);
        EXPECT_FALSE(k.einfuegen(erste));
        const std::string paar = erste.toStdString() + " " + zweite.toStdString();
        EXPECT_EQ(k.einfuegen(zweite), treffen) << paar;
        EXPECT_EQ(Kennungen::streuwertErmitteln(erste) == Kennungen::streuwertErmitteln(zweite),
                  treffen)
            << paar;
    }
}

// Forty names, ASCII and not, that share the last slot of every table up to
// 4,096 slots, so that their search runs past the table's end; then a
// thousand more, into a table made for one that grows past half full again
// and again, and every character the planner holds, alone and between two
// letters; then all of them once more in upper case. Each meets exactly the
// names equal in lower case that went in before it.
TEST(KennungenTest, CollidingNamesAndATableThatGrows) {
    QStringList namen;
    for (int i = 0; namen.size() < 40; ++i) {
        const QString name = QChar(i % 2 == 0 ? u'n' : u'\u00f6') + QString::number(i);
        if (((Kennungen::streuwertErmitteln(name) >> 32) & 0xFFF) == 0xFFF) {  // the last slot
            namen.append(name);
        }
    }
    for (int i = 0; i < 1000; ++i) {
        namen.append(QStringLiteral(u"Name %1 \u00e9").arg(i).left(5 + i % 9));
    }
    for (int b = 0x20; b <= 0xFF; ++b) {
        const QString zeichen = cp1252Dekodieren(QByteArray(1, static_cast<char>(b)));
        namen << zeichen << u'a' + zeichen + u'B';
    }
    for (const QString& name : QStringList(namen)) {
        namen.append(name.toUpper());
    }
    Kennungen k(1);
    QSet<QString> gesehen;
    for (const QString& name : namen) {
        ASSERT_EQ(k.einfuegen(name), gesehen.contains(name.toLower())) << name.toStdString();
        gesehen.insert(name.toLower());
    }
}

}  // namespace
}  // namespace mi
