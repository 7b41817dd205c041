#pragma once
// The converter window's mouse-over hints: which control writes what into the
// hint panel of the status bar.
#include <optional>
#include <span>
#include <string_view>

namespace quorvane {

// Shown when the mouse is over the window's own background.
inline constexpr std::string_view kNoticeLine =
    "Quorvane - pick two countries, choose Calculate, then Print a chart to carry on your trip";

struct HintRow {
    std::string_view control;  // the control's name
    std::string_view text;     // empty: the panel is cleared
};

// Every control that has a hint, the window itself ("frmconvert") first.
std::span<const HintRow> hintTable();

// The hint of a control, or nothing for a control that leaves the panel alone.
std::optional<std::string_view> hintFor(std::string_view control);

}  // namespace quorvane
