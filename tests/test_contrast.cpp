// Contrast as WCAG measures it, and the colours the windows choose with it.
#include "platform/Contrast.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(Contrast, RatiosAndChoices) {
    const Rgb grey{192, 192, 192}, header{224, 224, 224}, navy{0, 0, 128}, mid{118, 118, 118};
    EXPECT_NEAR(contrastRatio(kWhiteRgb, kBlackRgb), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kBlackRgb, grey), 11.54, 0.01);
    EXPECT_NEAR(contrastRatio(mid, kWhiteRgb), 4.54, 0.01);
    struct Case { Rgb text, back, shown; };  // light desktops keep their colour, dark ones get black
    for (Case c : {Case{kBlackRgb, grey, kBlackRgb}, {navy, grey, navy}, {kWhiteRgb, grey, kBlackRgb},
                   {Rgb{252, 252, 252}, header, kBlackRgb}, {Rgb{100, 100, 100}, grey, kBlackRgb}})
        EXPECT_EQ(readableOn(c.text, c.back), c.shown);
    // The code labels keep a light button face and leave a dark one.
    const Rgb green{0, 128, 0}, red{192, 0, 0}, lightFace{239, 239, 239}, darkFace{53, 53, 53};
    EXPECT_EQ(backgroundFor(green, lightFace), lightFace);
    EXPECT_EQ(backgroundFor(red, lightFace), lightFace);
    EXPECT_EQ(backgroundFor(green, darkFace), header);
    EXPECT_EQ(backgroundFor(red, darkFace), header);
    for (Rgb back : {grey, kBlackRgb, kWhiteRgb, Rgb{18, 96, 138}, mid})
        EXPECT_GE(contrastRatio(focusMarkOn(back), back), kMarkContrast);
}
