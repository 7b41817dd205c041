// Platform logic: contrast as WCAG measures it and the colours the windows
// choose with it (the window test checks them on the window under a light and a
// dark palette); the worker the printer system is reached through: a result
// within the deadline, work given up on is told so or skipped, and stopping
// breaks off a blocked task and joins the thread.
#include "platform/Contrast.h"
#include "platform/PrinterSystem.h"
#include "platform/SerialWorker.h"

#include <gtest/gtest.h>

#include <future>
#include <utility>

using namespace quorvane;
using namespace std::chrono_literals;

TEST(Contrast, RatiosAndChoices) {
    const Rgb grey{192, 192, 192}, mid{118, 118, 118};
    EXPECT_NEAR(contrastRatio(kWhiteRgb, kBlackRgb), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kBlackRgb, grey), 11.54, 0.01);
    EXPECT_NEAR(contrastRatio(mid, kWhiteRgb), 4.54, 0.01);
    EXPECT_NEAR(contrastRatio(Rgb{0, 128, 0}, Rgb{192, 0, 0}), 1.26, 0.01);
    // Light desktops keep their colour, dark ones get black.
    const Rgb navy{0, 0, 128}, darkGrey{100, 100, 100};
    for (auto [text, shown] : {std::pair{navy, navy}, {kWhiteRgb, kBlackRgb}, {darkGrey, kBlackRgb}})
        EXPECT_EQ(readableOn(text, grey), shown);
    for (Rgb back : {grey, kBlackRgb, kWhiteRgb, Rgb{18, 96, 138}, mid})
        EXPECT_GE(contrastRatio(focusMarkOn(back), back), kMarkContrast);
}

TEST(PrinterSystem, EverySuccessfulIppStatusSucceeds) {
    for (ipp_status_t ok : {IPP_STATUS_OK, IPP_STATUS_OK_CONFLICTING, IPP_STATUS_OK_IGNORED_SUBSCRIPTIONS,
                            IPP_STATUS_OK_EVENTS_COMPLETE})
        EXPECT_TRUE(ippSucceeded(ok)) << ok;
    for (ipp_status_t failed : {IPP_STATUS_REDIRECTION_OTHER_SITE, IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS})
        EXPECT_FALSE(ippSucceeded(failed)) << failed;
}

// A result within the deadline; a waiter gives up at its deadline and work it
// gave up on while queued never runs; stopping breaks the blocked task off,
// joins the thread and refuses later work.
TEST(SerialWorker, DeadlinesAndStop) {
    std::promise<void> unblock;
    std::shared_future<void> gate = unblock.get_future().share();
    bool lateDelivery = true, skippedRan = false, queuedRan = false;
    SerialWorker w;
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 10s, [](Handoff<int>& h) { h.deliver(7); }), 7);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 20ms, [&](Handoff<int>& h) {
                  gate.wait();
                  lateDelivery = h.deliver(1);
              }),
              std::nullopt);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now(), [&](Handoff<int>&) { skippedRan = true; }), std::nullopt);
    w.post([&] { queuedRan = true; });
    w.stop([&, once = true]() mutable {
        if (std::exchange(once, false)) unblock.set_value();
    });
    EXPECT_FALSE(lateDelivery);  // the task ended before stop returned, and learnt its waiter had gone
    EXPECT_FALSE(skippedRan);
    EXPECT_FALSE(queuedRan);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 1h, [](Handoff<int>& h) { h.deliver(3); }), std::nullopt);
}
