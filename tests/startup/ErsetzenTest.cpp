#include "QtDruck.h"
#include "startup/Ersetzen.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

struct Fall {
    QString text, suche, ersatz, erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    PrintTo(f.text + " / " + f.suche + " -> " + f.ersatz, os);
}

class ErsetzenTest : public ::testing::TestWithParam<Fall> {};

TEST_P(ErsetzenTest, ResumesOneCharacterOnFromTheReplacement) {
    EXPECT_EQ(Ersetzen(GetParam().text, GetParam().suche, GetParam().ersatz), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ErsetzenTest,
    ::testing::Values(Fall{"025,0:002,5", ",", ".", "025.0:002.5"},
                      Fall{"a;\"b;\"\"c", ";\"", ";", "a;b;\"c"}, Fall{"..", ".", ",,", ",,,,"},
                      Fall{"aaaa", "aa", "a", "aa"},
                      // Resumes at q + 1 of the new text: the character after the gap stays.
                      Fall{"aaa", "a", "", "a"},
                      // Resumes inside a longer replacement, moved on by the growth.
                      Fall{"abab", "ab", "xaby", "xabyxaby"}, Fall{"abc", "", "x", "abc"}));

}  // namespace
}  // namespace mi
