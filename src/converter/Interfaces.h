#pragma once
// The small interfaces through which the converter's logic reaches the window,
// the chart grid, message boxes, the busy pointer and the printers. The Qt window
// implements them; tests use in-memory fakes.
#include "data/Numbers.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvane {

// Cell alignment of the chart grid.
enum class Align { LeftBottom, CenterTop };

// A failing grid operation (for example a row or column out of range).
class GridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The chart grid's operations. Sizes are in twips.
class GridOps {
public:
    virtual ~GridOps() = default;
    virtual void setRows(int n) = 0;
    virtual int rows() const = 0;
    virtual void setCols(int n) = 0;
    virtual int cols() const = 0;
    virtual void setColWidth(int col, int twips) = 0;
    virtual int colWidth(int col) const = 0;
    virtual void setRowHeight(int row, int twips) = 0;
    virtual int rowHeight(int row) const = 0;
    virtual void setColAlignment(int col, Align a) = 0;
    virtual void setWidth(int twips) = 0;   // the control's Width
    virtual int width() const = 0;
    virtual void setHeight(int twips) = 0;  // the control's Height
    virtual int height() const = 0;
    virtual void setWordWrap(bool on) = 0;
    // A cell, by row and column; out of range throws GridError.
    virtual void setCellText(int row, int col, const std::string& text) = 0;
    virtual std::string cellText(int row, int col) const = 0;
    virtual void setCellAlignment(int row, int col, Align a) = 0;
    // What printing reads.
    virtual int fixedRows() const = 0;
    virtual int fixedCols() const = 0;
    virtual int topRow() const = 0;
    virtual int leftCol() const = 0;
    virtual int gridLines() const = 0;    // 0: none
    virtual int borderStyle() const = 0;  // 0: none
};

enum class MsgIcon { None, Exclamation };

// Message boxes (modal, OK only) and the busy pointer.
class UiServices {
public:
    virtual ~UiServices() = default;
    // An empty title means the program's title.
    virtual void message(const std::string& text, const std::string& title = {}, MsgIcon icon = MsgIcon::None) = 0;
    virtual void setBusy(bool busy) = 0;
    // A small modal dialog asking for one value: "prompt [entry] unit", OK and
    // Cancel. The text entered, or nothing when cancelled (or nobody can be asked).
    virtual std::optional<std::string> askValue(const std::string& title, const std::string& prompt,
                                                const std::string& unit) {
        (void)title, (void)prompt, (void)unit;
        return std::nullopt;
    }
};

// The installed printers.
class Printers {
public:
    virtual ~Printers() = default;
    virtual int count() const = 0;
};

enum class RateBox { Origin, Destination };  // MaskEntry, MaskEntry2
enum class Menu { Calculate, Print };
enum class ListId { Origin = 1, Destination = 2 };  // List1, List2

// The converter window's controls as the handlers use them.
class ConverterView {
public:
    virtual ~ConverterView() = default;
    // Filling a country list with names in table order; the list shows them
    // in alphabetical order. shown: what it shows for each name instead, in the
    // same order (the names in the user's language; an empty one: that name
    // itself); no shown names at all: the names themselves.
    virtual void setCountries(ListId list, std::vector<std::string> names, std::vector<std::string> shown) = 0;
    // The list shows the very names of another, already filled list.
    virtual void showSameCountries(ListId list, ListId from) = 0;
    virtual std::string selectedCountry(ListId list) const = 0;
    virtual std::string rateText(RateBox box) const = 0;
    virtual void setRateText(RateBox box, const std::string& text) = 0;
    virtual void setRateBoxVisible(RateBox box, bool visible) = 0;
    virtual bool rateBoxVisible(RateBox box) const = 0;
    virtual void setRateBoxTabStop(RateBox box, bool inTabOrder) = 0;
    virtual void setMenuEnabled(Menu menu, bool enabled) = 0;
    virtual void setTitlesOpaque() = 0;
    virtual void focusOriginList() = 0;
};

}  // namespace quorvane
