#pragma once
// The converter window's mouse-over hints: which control writes what into the
// hint panel of the status bar.
#include <QtGlobal>

#include <span>
#include <string>
#include <string_view>

namespace quorvane {

// Shown when the mouse is over the window's own background while the rate
// table does not say how old its rates are.
inline constexpr std::string_view kNoticeLine = QT_TRANSLATE_NOOP(
    "Hints", "Quorvane - pick two countries, choose Calculate, then Print a chart to carry on your trip");

// The notice line for a table whose rates are of ratesDate (YYYY-MM-DD): how old
// they are and how to get newer ones. kNoticeLine when the date is not known.
std::string noticeLine(const std::string& ratesDate);

struct HintRow {
    std::string_view control;  // the control's name
    std::string_view text;     // in English, translated in context "Hints"; empty: the panel is cleared
};

// Every control that has a hint, the window itself ("frmconvert") first.
std::span<const HintRow> hintTable();

}  // namespace quorvane
