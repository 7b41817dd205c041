// Platform logic: contrast as WCAG measures it and the colours the windows
// choose with it (the window test checks them on the window under a light and a
// dark palette); the worker the printer system is reached through: a result
// within the deadline, work given up on is told so or skipped, and a task
// blocked for good holds up neither its waiter nor the worker's owner; the
// country lists' order.
#include "platform/Contrast.h"
#include "platform/CountryListModel.h"
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

// In the user's collation whatever order the table keeps (sorted, then a merge's
// names appended), each row giving back the bytes the table holds.
TEST(CountryListModel, ShowsTableNamesInDisplayOrder) {
    using Names = std::vector<std::string>;
    for (const auto& [table, shown] :
         {std::pair<Names, Names>{{"Chad", "Peru", "Zambia", "Benin", "Yemen", "Aruba"},
                                  {"Aruba", "Benin", "Chad", "Peru", "Yemen", "Zambia"}},
          {{"\xc3\x89gypte", "Chad", "\xffOdd", "chad", "Bhutan"}, {"Bhutan", "chad", "Chad", "\xc3\x89gypte", "\xffOdd"}}}) {
        CountryListModel model(table);
        ASSERT_EQ(model.rowCount(), static_cast<int>(shown.size()));
        for (int r = 0; r < model.rowCount(); ++r)
            EXPECT_EQ(model.index(r).data(CountryListModel::kStoredNameRole).toByteArray().toStdString(), shown[r]);
    }
}
