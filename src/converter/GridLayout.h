#pragma once
// The chart grid's sizes, in twips, in one place: as the control is created, as
// start-up lays it out (and printing puts it back), and while it is printed.

namespace quorvane {

// The start-up layout.
struct GridLayout {
    static constexpr int kRows = 21;
    static constexpr int kCols = 4;
    static constexpr int kColWidth = 1530;
    static constexpr int kHeaderHeight = 425;
    static constexpr int kRowHeight = 220;
    static constexpr int kWidth = 6120;
    static constexpr int kHeight = 4950;
    // The control as created, before start-up shapes it: 45 twips taller.
    static constexpr int kCreatedWidth = 6120;
    static constexpr int kCreatedHeight = 4995;
};

// While printing: wide columns so all four fit on a page. Row heights stay.
struct PrintLayout {
    static constexpr int kRows = 21;
    static constexpr int kColWidth = 2500;
    static constexpr int kWidth = 10100;
    static constexpr int kHeight = 5275;
};

}  // namespace quorvane
