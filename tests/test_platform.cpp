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

TEST(SerialWorker, WaitsNoLongerThanTheDeadline) {
    std::promise<void> unblock;
    std::shared_future<void> gate = unblock.get_future().share();
    std::promise<bool> lateDelivery;
    int skippedRan = 0;
    SerialWorker w;
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 10s, [](Handoff<int>& h) { h.deliver(7); }), 7);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 20ms, [&](Handoff<int>& h) {
                  gate.wait();
                  lateDelivery.set_value(h.deliver(1));
              }),
              std::nullopt);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now(), [&](Handoff<int>& h) { h.deliver(++skippedRan); }),
              std::nullopt);
    unblock.set_value();
    EXPECT_FALSE(lateDelivery.get_future().get());  // the blocked task learns its waiter is gone
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 10s, [](Handoff<int>& h) { h.deliver(3); }), 3);
    EXPECT_EQ(skippedRan, 0);  // given up on while queued: never run
}

TEST(SerialWorker, StopBreaksOffTheBlockedTaskAndJoins) {
    std::promise<void> unblock, started;
    std::shared_future<void> gate = unblock.get_future().share();
    bool finished = false, queuedRan = false;
    int interrupts = 0;
    SerialWorker w;
    w.post([&] {
        started.set_value();
        gate.wait();
        finished = true;
    });
    w.post([&] { queuedRan = true; });
    started.get_future().get();
    w.stop([&] {
        if (++interrupts == 1) unblock.set_value();
    });
    EXPECT_TRUE(finished);  // joined: the task had ended before stop returned
    EXPECT_FALSE(queuedRan);
    EXPECT_FALSE(w.post([&] { queuedRan = true; }));
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 1h, [](Handoff<int>& h) { h.deliver(1); }), std::nullopt);
}
