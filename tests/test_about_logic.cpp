// The hidden key sequence, the arming zone, centring, the version label and the marquee.
#include "about/AboutLogic.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace quorvane;

namespace {
constexpr int kKeyX = 88, kKeyShift = 0x01000020;

struct AboutLogicTest : ::testing::Test {
    void SetUp() override { std::setlocale(LC_ALL, "en_US.UTF-8"); }
    // Types the keys; returns how many times the credits were asked for.
    static int type(KeySequence& seq, const ArmingFlags& flags, std::initializer_list<int> keys) {
        int credits = 0;
        for (int k : keys) credits += seq.keyDown(k, flags) ? 1 : 0;
        return credits;
    }
};
}  // namespace

TEST_F(AboutLogicTest, KeySequenceNeedsBothFlagsAndThreeLettersInARow) {
    KeySequence before;
    EXPECT_EQ(type(before, ArmingFlags{}, {kKeyL, kKeyE, kKeyA}), 0);
    EXPECT_EQ(before.buffer(), "");
    EXPECT_EQ(type(before, ArmingFlags{true, false}, {kKeyL, kKeyE, kKeyA}), 0);
    EXPECT_EQ(before.buffer(), "");

    const ArmingFlags armed{true, true};
    KeySequence llea;
    EXPECT_EQ(type(llea, armed, {kKeyL, kKeyL, kKeyE}), 0);
    EXPECT_EQ(llea.buffer(), "LLE");
    EXPECT_TRUE(llea.keyDown(kKeyA, armed));
    EXPECT_EQ(llea.buffer(), "LEA");

    KeySequence lexa;
    EXPECT_EQ(type(lexa, armed, {kKeyL, kKeyE, kKeyX, kKeyA}), 0);
    EXPECT_EQ(lexa.buffer(), "A");

    KeySequence shift;
    EXPECT_EQ(type(shift, armed, {kKeyL, kKeyShift, kKeyE, kKeyA}), 0);
    EXPECT_EQ(shift.buffer(), "EA");

    // A buffer typed while armed keeps its letters when the flags are gone.
    KeySequence kept;
    type(kept, armed, {kKeyL, kKeyE});
    EXPECT_FALSE(kept.keyDown(kKeyA, ArmingFlags{}));
    EXPECT_EQ(kept.buffer(), "LE");
}

TEST_F(AboutLogicTest, ArmingZoneBoundsAreStrictAndFlagsNeverClear) {
    ArmingFlags f;
    iconMouseMove(60, 10, f);
    iconMouseMove(0, 10, f);
    EXPECT_FALSE(f.a || f.b);
    iconMouseMove(10, 0, f);  // Y on the edge: only A
    iconMouseMove(30, 60, f);
    EXPECT_TRUE(f.a);
    EXPECT_FALSE(f.b);
    KeySequence seq;
    EXPECT_EQ(type(seq, f, {kKeyL, kKeyE, kKeyA}), 0);
    iconMouseMove(59.5, 0.5, f);
    EXPECT_TRUE(f.a && f.b);
    iconMouseMove(100, 100, f);
    EXPECT_TRUE(f.a && f.b);
}

TEST_F(AboutLogicTest, CentringRoundsHalvesToEvenThenTruncates) {
    EXPECT_EQ(centredPosition(11520, 3630), 3945);
    EXPECT_EQ(centredPosition(1000.5, 0), 500);   // 1000.5 -> 1000
    EXPECT_EQ(centredPosition(1001.5, 0), 501);   // 1001.5 -> 1002
    EXPECT_EQ(centredPosition(1003, 0), 501);     // remainder dropped
    EXPECT_EQ(centredPosition(100, 103), -1);     // toward zero, not down
}

TEST_F(AboutLogicTest, VersionLabelHasNoLeadingZeros) {
    EXPECT_EQ(versionLabel(2, 5, 13), "Version 2.5.13");
    EXPECT_EQ(programVersionLabel(), "Version 1.0.0");
}

TEST_F(AboutLogicTest, MarqueeResetsStrictlyPastItsWidth) {
    Marquee first(21840);
    EXPECT_EQ(first.left(), 435);
    first.tick();
    EXPECT_EQ(first.left(), 410);

    Marquee pass(21840, Marquee::kStripWidth);
    int ticks = 0;
    while (!pass.tick()) ++ticks;
    EXPECT_EQ(ticks + 1, 1043);
    EXPECT_EQ(pass.left(), 4230);

    // Left + Width exactly 0 is not yet past: the reset comes a tick later.
    Marquee edge(100, 0);
    EXPECT_FALSE(edge.tick());
    EXPECT_FALSE(edge.tick());
    EXPECT_FALSE(edge.tick());
    EXPECT_FALSE(edge.tick());
    EXPECT_EQ(edge.left(), -100);
    EXPECT_TRUE(edge.tick());
    EXPECT_EQ(edge.left(), 4230);
}
