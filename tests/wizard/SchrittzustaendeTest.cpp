#include "wizard/Schrittzustaende.h"

#include <gtest/gtest.h>
#include <string>

namespace mi {
namespace {

// The window's five states as the step table gives them: the icons of steps
// 1 to 4, the enabled step buttons and the enabled frames.
struct Zustand {
    int nummer;
    std::string bilder;  // one letter per step: I not open, P current, O done
    std::string knoepfe;
    std::string rahmen;
};

void PrintTo(const Zustand& z, std::ostream* os) {
    *os << "state " << z.nummer;
}

char buchstabe(Bild bild) {
    return "IPO"[static_cast<int>(bild)];
}

std::string zustandsname(const ::testing::TestParamInfo<Zustand>& info) {
    return std::to_string(info.param.nummer);
}

class FuenfZustaende : public ::testing::TestWithParam<Zustand> {};

TEST_P(FuenfZustaende, ReachedByCompletingTheStepsInOrder) {
    const Zustand& z = GetParam();
    Schrittzustaende zustaende;
    for (int n = 1; n < z.nummer; ++n) {
        zustaende.Schritt_abschliessen(n);
    }
    std::string bilder;
    std::string knoepfe;
    std::string rahmen;
    for (int n = 1; n <= 4; ++n) {
        const Schritt& s = zustaende.schritt(n);
        bilder += buchstabe(s.bild);
        if (s.knopfAktiv && s.rahmenAktiv) {
            knoepfe += std::to_string(n);
        }
        if (s.rahmenAktiv) {
            rahmen += std::to_string(n);
        }
    }
    EXPECT_EQ(bilder, z.bilder);
    EXPECT_EQ(knoepfe, z.knoepfe);
    EXPECT_EQ(rahmen, z.rahmen);
    EXPECT_EQ(zustaende.zustand(), z.nummer);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, FuenfZustaende,
                         ::testing::Values(Zustand{1, "PIII", "1", "1"},
                                           Zustand{2, "OPII", "2", "12"},
                                           Zustand{3, "OOPI", "3", "123"},
                                           Zustand{4, "OOOP", "4", "1234"},
                                           Zustand{5, "OOOO", "", "1234"}),
                         zustandsname);

}  // namespace
}  // namespace mi
