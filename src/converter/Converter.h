#pragma once
// The converter window's handlers as plain logic over its interfaces.
#include "converter/GridLayout.h"
#include "converter/Interfaces.h"
#include "data/RecordCursor.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class LocalNames;

// The ladder unit of a rate's band: 1, 10, ... 100000; 0 for 1000000 or more.
int ladderUnit(double rate);

class Converter {
public:
    Converter(ConverterView& view, GridOps& grid, RecordCursor& data1, RecordCursor& data2, UiServices& ui,
              Printers& printers, NumberFormat format = {});

    // The names the lists, the chart's headings and the cross rate's prompt show
    // for countries, set before start-up; none: the names as the table stores them.
    void setLocalNames(const LocalNames* names) { names_ = names; }

    // Window load. makeProgramFolderCurrent is step 1; a step that fails is skipped.
    void startup(const std::function<void()>& makeProgramFolderCurrent);

    // The grid's start-up layout (also restored after printing).
    static void applyStartupLayout(GridOps& grid);

    // Country selection.
    void originChosen(const std::string& name);
    void destinationChosen(const std::string& name);

    // Rate boxes gaining and losing the keyboard focus.
    void rateBoxFocusIn(RateBox box);
    void rateBoxFocusOut(RateBox box);

    // Another program may have changed the table (the window came back to the
    // front): both cursors read their records again.
    void tableMayHaveChanged();

    // The window is closing, however: every pending rate edit is written first.
    void closing();

    // Calculate.
    void calculate();

    // A bank's cross rate: "1 EUR = 158.2 JPY" typed for the JPY box. The box's
    // own rate per US dollar becomes entered x the other country's rate, shown
    // and written at once as a typed rate; the other rate is untouched.
    struct CrossRateOffer {
        bool enabled = false;
        std::string otherCode, otherCountry, ownCode;
        std::string label() const;  // the context menu's "Rate per 1 EUR..."
    };
    CrossRateOffer crossRateOffer(RateBox box) const;
    // Asks for the rate in the dialog, then enters it.
    void askCrossRate(RateBox box);
    // False when the entry was refused (told with the rate-check wording) or not saved.
    bool crossRateEntered(RateBox box, const std::string& entered);

    // Undoing a typed rate: the rate it replaced, from the shipped or
    // downloaded rates of `date` (YYYY-MM-DD, empty when not known), is put
    // back and the record is no longer typed.
    struct RestoreOffer {
        bool enabled = false;
        std::string date;
    };
    RestoreOffer restoreOffer(RateBox box);
    void restoreRate(RateBox box);

    const std::string& savedOriginRate() const { return savedOrigin_; }
    const std::string& savedDestinationRate() const { return savedDestination_; }
    bool originBoxFlag() const { return originFlag_; }
    bool destinationBoxFlag() const { return destinationFlag_; }
    // Print tells from the origin box being shown whether an origin was chosen.
    bool originChosenYet() const { return view_.rateBoxVisible(RateBox::Origin); }

private:
    void walkCountries(RecordCursor& cursor, std::vector<std::string>& names, std::vector<std::string>* shown);
    // The current record's name as the lists show it; `stored` when there is none.
    std::string shownName(const RecordCursor& cursor, const std::string& stored) const;
    void fillList(RecordCursor& cursor, ListId list);
    void writeHeader(int col, const std::string& name);
    void clearColumn(int col);
    void writeLadder(int unit);
    double rateValue(RateBox box, bool& numeric) const;
    void updatePrintMenu();
    void rateCheckFailed(std::optional<RateBox> outOfRange = std::nullopt);
    static std::string rateCheckText(const std::string& entered, const std::string& saved);
    void putBack(RateBox box, const std::string& text);
    bool writeBack(RateBox box);
    void leaveRecord(RateBox box);
    RecordCursor& cursorOf(RateBox box) { return box == RateBox::Origin ? data1_ : data2_; }

    ConverterView& view_;
    GridOps& grid_;
    RecordCursor& data1_;
    RecordCursor& data2_;
    UiServices& ui_;
    Printers& printers_;
    NumberFormat format_;
    const LocalNames* names_ = nullptr;

    std::string savedOrigin_;
    std::string savedDestination_;
    bool originFlag_ = false;
    bool destinationFlag_ = false;
    // The box text whose refused write the user was last told of, per box, so
    // that a refusal is told once and not at every focus change.
    std::string reported_[2];
};

}  // namespace quorvane
