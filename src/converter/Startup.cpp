// Window load: the program folder, the two country lists, the grid's layout and
// the state of a window on which nothing has been chosen yet.
#include "converter/Converter.h"
#include "data/LocalNames.h"

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

// Walks the cursor from its first record to end of table, reading each
// Country, and with `shown` each name in the user's language (empty for a row
// without a country code: its stored name) in the same walk. What was read
// stays when the walk fails part-way; a cursor that cannot be read throws
// instead of answering the end-of-table test, so the walk cannot run on forever.
void Converter::walkCountries(RecordCursor& cursor, std::vector<std::string>& names, std::vector<std::string>* shown) {
    cursor.refresh();
    cursor.moveFirst();
    if (!shown) {
        cursor.readCountriesToEnd(names);
        return;
    }
    cursor.readNamesToEnd([&](RateRecord& r) {
        shown->push_back(r.alpha2.empty() ? std::string() : names_->country(r));
        names.push_back(std::move(r.country));
    });
}

void Converter::fillList(RecordCursor& cursor, ListId list) {
    std::vector<std::string> names, shown;
    // English reads the names alone, as it always has: start-up costs no more for it.
    const bool translated = names_ && !names_->asStored();
    try {
        walkCountries(cursor, names, translated ? &shown : nullptr);
    } catch (...) {
        view_.setCountries(list, std::move(names), std::move(shown));
        throw;
    }
    view_.setCountries(list, std::move(names), std::move(shown));
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
    bool originWhole = false;
    skipOnFailure([&] {
        fillList(data1_, ListId::Origin);
        originWhole = true;
    });
    skipOnFailure([&] {
        if (!originWhole) {
            fillList(data2_, ListId::Destination);
            return;
        }
        // Both cursors read the same table: the destination list shows the names
        // just read, and its cursor goes to end of table without a second walk.
        data2_.refresh();
        data2_.moveLast();
        if (!data2_.eof()) data2_.moveNext();
        view_.showSameCountries(ListId::Destination, ListId::Origin);
    });
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
