// Contrast as WCAG measures it, and the colours the windows choose with it (the
// window test checks them on the window under a light and a dark palette).
#include "platform/Contrast.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(Contrast, RatiosAndChoices) {
    const Rgb grey{192, 192, 192}, mid{118, 118, 118};
    EXPECT_NEAR(contrastRatio(kWhiteRgb, kBlackRgb), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kBlackRgb, grey), 11.54, 0.01);
    EXPECT_NEAR(contrastRatio(mid, kWhiteRgb), 4.54, 0.01);
    EXPECT_NEAR(contrastRatio(Rgb{0, 128, 0}, Rgb{192, 0, 0}), 1.26, 0.01);
    // Light desktops keep their colour, dark ones get black.
    for (auto [text, shown] : {std::pair{Rgb{0, 0, 128}, Rgb{0, 0, 128}}, {kWhiteRgb, kBlackRgb}, {Rgb{100, 100, 100}, kBlackRgb}})
        EXPECT_EQ(readableOn(text, grey), shown);
    for (Rgb back : {grey, kBlackRgb, kWhiteRgb, Rgb{18, 96, 138}, mid})
        EXPECT_GE(contrastRatio(focusMarkOn(back), back), kMarkContrast);
}
