// Contrast as WCAG measures it, and the colours the windows choose with it.
#include "platform/Contrast.h"

#include <gtest/gtest.h>

using namespace quorvane;

namespace {
constexpr Rgb kLightGrey{192, 192, 192}, kHeaderGrey{224, 224, 224};
}

TEST(Contrast, RatiosOfKnownPairs) {
    struct Case { Rgb a, b; double ratio; };
    const Case cases[] = {
        {kBlackRgb, kWhiteRgb, 21.0}, {kWhiteRgb, kBlackRgb, 21.0}, {kLightGrey, kLightGrey, 1.0},
        {kBlackRgb, kLightGrey, 11.54}, {Rgb{118, 118, 118}, kWhiteRgb, 4.54}, {Rgb{0, 128, 0}, kWhiteRgb, 5.14},
    };
    for (const Case& c : cases) EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01);
}

// A desktop's text colour is kept on the fixed greys while it can be read there.
TEST(Contrast, SystemTextOnFixedBackgrounds) {
    struct Case { Rgb text, back, shown; };
    const Case cases[] = {
        {kBlackRgb, kLightGrey, kBlackRgb},                    // light desktops: unchanged
        {Rgb{0, 0, 128}, kLightGrey, Rgb{0, 0, 128}},          // a dark navy stays
        {Rgb{60, 60, 60}, kHeaderGrey, Rgb{60, 60, 60}},
        {kWhiteRgb, kLightGrey, kBlackRgb},                    // dark desktops
        {Rgb{252, 252, 252}, kHeaderGrey, kBlackRgb},
        {Rgb{100, 100, 100}, kLightGrey, kBlackRgb},           // 3.3:1, not enough
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readableOn(c.text, c.back), c.shown);
        EXPECT_GE(contrastRatio(readableOn(c.text, c.back), c.back), kTextContrast);
    }
}

TEST(Contrast, FocusMarkStandsOutFromEveryBackground) {
    for (Rgb back : {kLightGrey, kHeaderGrey, kWhiteRgb, kBlackRgb, Rgb{48, 140, 198}, Rgb{42, 42, 42},
                     Rgb{128, 128, 128}, Rgb{0, 120, 215}}) {
        EXPECT_GE(contrastRatio(focusMarkOn(back), back), kMarkContrast);
    }
    EXPECT_EQ(focusMarkOn(kLightGrey), kBlackRgb);
    EXPECT_EQ(focusMarkOn(Rgb{42, 42, 42}), kWhiteRgb);
}
