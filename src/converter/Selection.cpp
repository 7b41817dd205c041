// Country selection with the amount ladder, and the rate boxes' focus handlers.
#include "converter/Converter.h"
#include "platform/Translations.h"
#include "converter/RateText.h"
#include "data/LocalNames.h"

#include <exception>
#include <optional>

namespace quorvane {

namespace {
// Restores the ordinary pointer on every way out of a handler.
struct BusyPointer {
    explicit BusyPointer(UiServices& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyPointer() {
        try {
            ui_.setBusy(false);
        } catch (...) {
        }
    }
    UiServices& ui_;
};

void showWhoops(UiServices& ui, int number, const std::string& description) {
    ui.message(fillIn(trs("Converter", "Error Number %1\r\n%2"), {std::to_string(number), description}),
               trs("Converter", "Whoops!"), MsgIcon::Exclamation);
}

// Runs a selection handler's steps; a failure ends them and is reported.
template <typename F>
void guardedSelection(UiServices& ui, F&& steps) {
    BusyPointer busy(ui);
    try {
        steps();
    } catch (const StoreError& e) {
        showWhoops(ui, e.number(), e.what());
    } catch (const GridError& e) {
        showWhoops(ui, 30009, e.what());
    } catch (const std::exception& e) {
        showWhoops(ui, 5, e.what());
    }
}
}  // namespace

int ladderUnit(double rate) {
    // From the highest band down; a rate of 1000000 or more has no band.
    if (rate >= 1000000) return 0;
    if (rate >= 100000) return 100000;
    if (rate >= 10000) return 10000;
    if (rate >= 1000) return 1000;
    if (rate >= 100) return 100;
    if (rate >= 10) return 10;
    return 1;
}

void Converter::writeHeader(int col, const std::string& name) {
    grid_.setCellAlignment(0, col, Align::CenterTop);
    grid_.setCellText(0, col, name);
}

std::string Converter::shownName(const RecordCursor& cursor, const std::string& stored) const {
    const auto rec = cursor.current();
    return names_ && rec ? names_->country(*rec) : stored;
}

void Converter::clearColumn(int col) {
    for (int row = 1; row <= 20; ++row) grid_.setCellText(row, col, "");
}

void Converter::writeLadder(int unit) {
    for (int half = 0; half < 2; ++half)
        for (int k = 1; k <= 20; ++k)
            grid_.setCellText(k, half == 0 ? 0 : 2, formatWhole(static_cast<double>(half == 0 ? k : 5 * k) * unit, format_));
}

void Converter::updatePrintMenu() { view_.setMenuEnabled(Menu::Print, printers_.count() > 0); }

void Converter::tableMayHaveChanged() {
    for (RecordCursor* c : {&data1_, &data2_}) {
        try {
            c->rereadIfChanged();
        } catch (const StoreError&) {
            // Unreadable for now: the records shown stay until the next look.
        }
    }
}

void Converter::originChosen(const std::string& name) {
    tableMayHaveChanged();
    guardedSelection(ui_, [&] {
        view_.setRateBoxTabStop(RateBox::Origin, true);
        grid_.setWordWrap(true);
        writeHeader(0, name);
        writeHeader(2, name);
        clearColumn(1);
        clearColumn(3);
        leaveRecord(RateBox::Origin);
        data1_.findFirst(name);
        // Found: the heading names it as the lists do.
        if (const std::string shown = shownName(data1_, name); shown != name) writeHeader(0, shown), writeHeader(2, shown);
        double r = leadingNumber(view_.rateText(RateBox::Origin), format_);
        if (int unit = ladderUnit(r)) writeLadder(unit);
        savedOrigin_ = generalNumber(leadingNumber(view_.rateText(RateBox::Origin), format_), format_);
        view_.setRateBoxVisible(RateBox::Origin, true);
        updatePrintMenu();
    });
}

void Converter::destinationChosen(const std::string& name) {
    tableMayHaveChanged();
    guardedSelection(ui_, [&] {
        view_.setRateBoxTabStop(RateBox::Destination, true);
        leaveRecord(RateBox::Destination);
        data2_.findFirst(name);
        grid_.setWordWrap(true);
        const std::string shown = shownName(data2_, name);
        writeHeader(1, shown);
        writeHeader(3, shown);
        clearColumn(1);
        clearColumn(3);
        view_.setRateBoxVisible(RateBox::Destination, true);
        savedDestination_ = generalNumber(leadingNumber(view_.rateText(RateBox::Destination), format_), format_);
        updatePrintMenu();
        view_.setMenuEnabled(Menu::Calculate, true);
    });
}

void Converter::rateBoxFocusIn(RateBox box) {
    originFlag_ = box == RateBox::Origin;
    destinationFlag_ = box == RateBox::Destination;
}

void Converter::rateBoxFocusOut(RateBox box) { writeBack(box); }

// Saves the box's pending edit as the rate of the record it was typed for. A
// text that is no number stays in the box for Calculate to report; a write the
// store refuses is told once and stays pending.
bool Converter::writeBack(RateBox box) {
    RecordCursor& cursor = cursorOf(box);
    std::string& reported = reported_[box == RateBox::Origin ? 0 : 1];
    const auto row = cursor.currentRow();
    if (!cursor.hasPendingEdit() || !row) return true;
    RecordCursor::SaveResult result{RecordCursor::SaveResult::NotSaved, {}};
    try {
        result = cursor.saveRate(*row, view_.rateText(box));
    } catch (const StoreError&) {
        return false;
    }
    if (result.what == RecordCursor::SaveResult::NotANumber) return false;
    if (result.what == RecordCursor::SaveResult::NotSaved) {
        if (std::string text = view_.rateText(box); text != reported) {
            reported = text;
            ui_.message(result.message, {}, MsgIcon::Exclamation);
        }
        return false;
    }
    reported.clear();
    // A typed rate now stored, and one the rate check takes, is what a later
    // check puts back: never the older rate shown when the country was chosen.
    const bool origin = box == RateBox::Origin;
    if (auto r = cursor.current(); r && r->roe > 0 && (!origin || r->roe < 1000000))
        (origin ? savedOrigin_ : savedDestination_) = generalNumber(r->roe, format_);
    return true;
}

// Before a choice moves the cursor: a pending edit is written, or, when it
// cannot be, dropped (its refusal has been told), so the cursor, the labels and
// the header always move together.
void Converter::leaveRecord(RateBox box) {
    RecordCursor& cursor = cursorOf(box);
    if (cursor.hasPendingEdit() && !writeBack(box)) cursor.discardPendingEdit();
    reported_[box == RateBox::Origin ? 0 : 1].clear();
}

// A rate the program puts back into a box is written at once, so the table
// never keeps a rate the user was told would be replaced.
void Converter::putBack(RateBox box, const std::string& text) {
    view_.setRateText(box, text);
    if (cursorOf(box).hasPendingEdit()) writeBack(box);
}

void Converter::closing() {
    for (RateBox b : {RateBox::Origin, RateBox::Destination})
        if (cursorOf(b).hasPendingEdit()) writeBack(b);
}

}  // namespace quorvane
