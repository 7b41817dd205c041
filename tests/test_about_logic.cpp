// The hidden key sequence, the arming zone, centring, the version label and the marquee.
#include "about/AboutLogic.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace quorvane;

namespace {
constexpr int kKeyX = 88, kKeyShift = 0x01000020;
struct AboutLogic : ::testing::Test {
    void SetUp() override { std::setlocale(LC_ALL, "en_US.UTF-8"); }
};
}  // namespace

TEST_F(AboutLogic, KeySequenceNeedsBothFlagsAndThreeLettersInARow) {
    const ArmingFlags none{}, onlyA{true, false}, armed{true, true};
    struct Case { ArmingFlags flags; std::vector<int> keys; int credits; std::string buffer; };
    const Case cases[] = {
        {none, {kKeyL, kKeyE, kKeyA}, 0, ""},
        {onlyA, {kKeyL, kKeyE, kKeyA}, 0, ""},
        {armed, {kKeyL, kKeyL, kKeyE, kKeyA}, 1, "LEA"},  // only the last three count
        {armed, {kKeyL, kKeyE, kKeyX, kKeyA}, 0, "A"},    // another key empties the buffer
        {armed, {kKeyL, kKeyShift, kKeyE, kKeyA}, 0, "EA"},
    };
    for (const Case& c : cases) {
        KeySequence seq;
        int credits = 0;
        for (int k : c.keys) credits += seq.keyDown(k, c.flags);
        EXPECT_EQ(credits, c.credits) << c.buffer;
        EXPECT_EQ(seq.buffer(), c.buffer);
    }
}

TEST_F(AboutLogic, ArmingZoneBoundsAreStrictAndFlagsNeverClear) {
    ArmingFlags f;
    iconMouseMove(60, 10, f);
    iconMouseMove(0, 10, f);
    EXPECT_FALSE(f.a || f.b);
    iconMouseMove(10, 0, f);  // Y on the edge: only A
    iconMouseMove(30, 60, f);
    EXPECT_TRUE(f.a && !f.b);
    iconMouseMove(59.5, 0.5, f);
    iconMouseMove(100, 100, f);
    EXPECT_TRUE(f.a && f.b);
}

TEST_F(AboutLogic, CentringRoundsHalvesToEvenThenTruncatesAndVersionHasNoLeadingZeros) {
    EXPECT_EQ(centredPosition(11520, 3630), 3945);
    EXPECT_EQ(centredPosition(1000.5, 0), 500);
    EXPECT_EQ(centredPosition(1001.5, 0), 501);
    EXPECT_EQ(centredPosition(1003, 0), 501);
    EXPECT_EQ(centredPosition(100, 103), -1);  // toward zero, not down
    EXPECT_EQ(versionLabel(2, 5, 13), "Version 2.5.13");
}

TEST_F(AboutLogic, MarqueeResetsStrictlyPastItsWidth) {
    Marquee first(21840);
    EXPECT_EQ(first.left(), 435);
    first.tick();
    EXPECT_EQ(first.left(), 410);

    Marquee pass(21840, Marquee::kStripWidth);
    int ticks = 1;
    while (!pass.tick()) ++ticks;
    EXPECT_EQ(ticks, 1043);
    EXPECT_EQ(pass.left(), 4230);

    Marquee edge(100, 0);  // Left + Width = 0 after four ticks: the reset comes on the fifth
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(edge.tick());
    EXPECT_EQ(edge.left(), -100);
    EXPECT_TRUE(edge.tick());
    EXPECT_EQ(edge.left(), 4230);
}
