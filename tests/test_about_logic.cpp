// The hidden key sequence, the arming zone, centring, the version label and the marquee.
#include "about/AboutLogic.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(AboutLogic, KeySequenceNeedsBothFlagsAndThreeLettersInARow) {
    constexpr int kKeyX = 88, kKeyShift = 0x01000020;
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

TEST(AboutLogic, ArmingZoneBoundsAreStrictAndFlagsNeverClear) {
    ArmingFlags f;
    struct Move { double x, y; bool a, b; };
    for (Move m : {Move{60, 10, false, false}, {0, 10, false, false}, {10, 0, true, false}, {30, 60, true, false},
                   {59.5, 0.5, true, true}, {100, 100, true, true}}) {
        iconMouseMove(m.x, m.y, f);
        EXPECT_EQ(std::pair(f.a, f.b), std::pair(m.a, m.b)) << m.x << "," << m.y;
    }
}

TEST(AboutLogic, CentringRoundsHalvesToEvenThenTruncatesAndVersionHasNoLeadingZeros) {
    struct Case { double screen, window; int left; };
    for (Case c : {Case{11520, 3630, 3945}, {1000.5, 0, 500}, {1001.5, 0, 501}, {1003, 0, 501}, {100, 103, -1}})
        EXPECT_EQ(centredPosition(c.screen, c.window), c.left) << c.screen;  // -1: toward zero, not down
    EXPECT_EQ(versionLabel(2, 5, 13), "Version 2.5.13");
}

TEST(AboutLogic, MarqueeResetsStrictlyPastItsWidth) {
    Marquee first(21840);
    EXPECT_EQ(first.left(), 435);
    first.tick();
    EXPECT_EQ(first.left(), 410);

    Marquee pass(21840, Marquee::kStripWidth);
    int ticks = 1;
    while (!pass.tick()) ++ticks;
    EXPECT_EQ(std::pair(ticks, pass.left()), std::pair(1043, 4230));

    Marquee edge(100, 0);  // Left + Width = 0 after four ticks: the reset comes on the fifth
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(edge.tick());
    EXPECT_EQ(edge.left(), -100);
    EXPECT_TRUE(edge.tick());
    EXPECT_EQ(edge.left(), 4230);
}
