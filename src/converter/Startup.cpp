// Window load: the program folder, the two country lists, the grid's layout and
// the state of a window on which nothing has been chosen yet.
#include "converter/Converter.h"

namespace quorvane {

Converter::Converter(ConverterView& view, GridOps& grid, RecordCursor& data1, RecordCursor& data2, UiServices& ui,
                     Printers& printers, NumberFormat format)
    : view_(view), grid_(grid), data1_(data1), data2_(data2), ui_(ui), printers_(printers),
      format_(std::move(format)) {}

namespace {
// Start-up reports nothing: a failing step is skipped.
template <typename F>
void skipOnFailure(F&& step) {
    try {
        step();
    } catch (...) {
    }
}
}  // namespace

void Converter::fillList(RecordCursor& cursor, ListId list) {
    // The list keeps what was read even when the walk fails part-way; a cursor
    // that cannot be read throws instead of answering the end-of-table test, so
    // the walk cannot run on forever.
    try {
        cursor.refresh();
        cursor.moveFirst();
        while (!cursor.eof()) {
            std::string country = view_.boundCountry(list);
            cursor.moveNext();
            view_.addListItem(list, country);
        }
    } catch (...) {
        view_.finishList(list);
        throw;
    }
    view_.finishList(list);
}

void Converter::applyStartupLayout(GridOps& grid) {
    grid.setRows(GridLayout::kRows);
    grid.setCols(GridLayout::kCols);
    for (int c = 0; c < GridLayout::kCols; ++c) {
        grid.setColWidth(c, GridLayout::kColWidth);
        grid.setColAlignment(c, Align::LeftBottom);
    }
    for (int r = 1; r < GridLayout::kRows; ++r) grid.setRowHeight(r, GridLayout::kRowHeight);
    grid.setHeight(GridLayout::kHeight);
    grid.setRowHeight(0, GridLayout::kHeaderHeight);
    grid.setWidth(GridLayout::kWidth);
    grid.setWordWrap(true);
}

void Converter::startup(const std::function<void()>& makeProgramFolderCurrent) {
    skipOnFailure([&] { if (makeProgramFolderCurrent) makeProgramFolderCurrent(); });
    skipOnFailure([&] { fillList(data1_, ListId::Origin); });
    skipOnFailure([&] { fillList(data2_, ListId::Destination); });
    skipOnFailure([&] { applyStartupLayout(grid_); });
    skipOnFailure([&] {
        view_.setMenuEnabled(Menu::Print, false);
        view_.setMenuEnabled(Menu::Calculate, false);
    });
    skipOnFailure([&] {
        view_.setRateBoxTabStop(RateBox::Origin, false);
        view_.setRateBoxTabStop(RateBox::Destination, false);
        view_.setRateBoxVisible(RateBox::Origin, false);
        view_.setRateBoxVisible(RateBox::Destination, false);
    });
    skipOnFailure([&] { view_.setTitlesOpaque(); });
}

}  // namespace quorvane
