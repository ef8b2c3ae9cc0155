#include "QtDruck.h"
#include "startup/Ersetzen.h"

#include <gtest/gtest.h>

namespace mi {
namespace {

TEST(ErsetzenTest, ResumesOneCharacterOnFromTheReplacement) {
    const QString faelle[][4] = {
        {"025,0:002,5", ",", ".", "025.0:002.5"},
        {"a;\"b;\"\"c", ";\"", ";", "a;b;\"c"},
        {"..", ".", ",,", ",,,,"},
        {"aaaa", "aa", "a", "aa"},
        {"aaa", "a", "", "a"},               // the character moved into the gap stays
        {"abab", "ab", "xaby", "xabyxaby"},  // resumes inside the longer replacement
        {"abc", "", "x", "abc"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Ersetzen(f[0], f[1], f[2]), f[3])
            << f[0].toStdString() << " / " << f[1].toStdString();
    }
}

}  // namespace
}  // namespace mi
