// The worker the printer system is reached through: a result within the
// deadline, work given up on is told so or skipped, and a task blocked for good
// holds up neither its waiter nor the worker's owner.
#include "platform/SerialWorker.h"

#include <gtest/gtest.h>

#include <future>

using namespace quorvane;
using namespace std::chrono_literals;

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

TEST(SerialWorker, OwnerGoesWhileATaskIsBlocked) {
    std::promise<void> unblock, started;
    auto finished = std::make_shared<std::promise<void>>();
    std::future<void> done = finished->get_future();
    {
        SerialWorker w;
        w.post([&started, gate = unblock.get_future().share(), finished] {
            started.set_value();
            gate.wait();
            finished->set_value();
        });
        started.get_future().get();
    }  // returns although the task is still blocked
    unblock.set_value();
    done.get();
}
