#pragma once
// In-memory fakes of the converter's interfaces, for fast and exact logic tests.
#include "converter/Converter.h"
#include "converter/RateText.h"
#include "data/RecordCursor.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvane::test {

class FakeGrid : public GridOps {
public:
    FakeGrid() { setRows(21), setCols(4); }
    void setRows(int n) override { rows_ = n, heights_.resize(n, 240); }
    int rows() const override { return rows_; }
    void setCols(int n) override { cols_ = n, widths_.resize(n, 960), aligns_.resize(n, Align::CenterTop); }
    int cols() const override { return cols_; }
    void setColWidth(int c, int tw) override { widths_[check(0, c)] = tw; }
    int colWidth(int c) const override { return widths_[check(0, c)]; }
    void setRowHeight(int r, int tw) override { heights_[check(r, 0)] = tw; }
    int rowHeight(int r) const override { return heights_[check(r, 0)]; }
    void setColAlignment(int c, Align a) override { aligns_[check(0, c)] = a; }
    Align colAlignment(int c) const { return aligns_[c]; }
    void setWidth(int tw) override { width_ = tw; }
    int width() const override { return width_; }
    void setHeight(int tw) override { height_ = tw; }
    int height() const override { return height_; }
    void setWordWrap(bool) override {}  // the window test checks it on the real grid
    void setCellText(int r, int c, const std::string& t) override { cells_[at(r, c)] = t; }
    std::string cellText(int r, int c) const override {
        auto it = cells_.find(at(r, c));
        return it == cells_.end() ? std::string() : it->second;
    }
    void setCellAlignment(int r, int c, Align a) override { cellAlign_[at(r, c)] = a; }
    int fixedRows() const override { return fixedRowsV; }
    int fixedCols() const override { return fixedColsV; }
    int topRow() const override { return topRowV; }
    int leftCol() const override { return leftColV; }
    int gridLines() const override { return gridLinesV; }
    int borderStyle() const override { return borderStyleV; }

    std::optional<Align> cellAlignment(int r, int c) const {
        auto it = cellAlign_.find({r, c});
        return it == cellAlign_.end() ? std::nullopt : std::optional(it->second);
    }
    std::vector<std::string> column(int c) const {
        std::vector<std::string> v;
        for (int r = 1; r <= 20; ++r) v.push_back(cellText(r, c));
        return v;
    }

    int fixedRowsV = 1, fixedColsV = 0, topRowV = 1, leftColV = 0, gridLinesV = 1, borderStyleV = 1;

private:
    // Returns the row or column asked for, the one that is not 0.
    int check(int r, int c) const {
        if (r < 0 || r >= rows_ || c < 0 || c >= cols_) throw GridError("cell out of range");
        return r + c;
    }
    std::pair<int, int> at(int r, int c) const { return check(r, c), std::pair(r, c); }
    int rows_ = 0, cols_ = 0, width_ = GridLayout::kCreatedWidth,
        height_ = GridLayout::kCreatedHeight;
    std::vector<int> widths_, heights_;
    std::vector<Align> aligns_;
    std::map<std::pair<int, int>, std::string> cells_;
    std::map<std::pair<int, int>, Align> cellAlign_;
};

struct Message {
    std::string text, title;
    MsgIcon icon;
};

class FakeUi : public UiServices {
public:
    void message(const std::string& text, const std::string& title, MsgIcon icon) override {
        messages.push_back({text, title, icon});
        busyDuringMessage.push_back(busy);
    }
    void setBusy(bool b) override { busy = b; }
    std::optional<std::string> askValue(const std::string& title, const std::string& prompt,
                                        const std::string& unit) override {
        asked.push_back(title + "|" + prompt + "|" + unit);
        return answer;
    }
    std::vector<Message> messages;
    std::vector<std::string> asked;
    std::optional<std::string> answer;  // what the next dialog is answered with; nothing: Cancel
    std::vector<bool> busyDuringMessage;
    bool busy = false;
};

class FakePrinters : public Printers {
public:
    int count() const override { return n; }
    int n = 1;
};

// A record cursor over an in-memory table, with the write-back rules of the real one.
class MemoryCursor : public RecordCursor {
public:
    explicit MemoryCursor(std::vector<RateRecord>* table) : table_(table) {}
    void refresh() override {
        if (failOpen) throw StoreError(kErrNotOpen, "not open");
        open_ = true, pos_ = 0;
        pending_.reset();
        notifyMoved();
    }
    void moveFirst() override { commit(), moveTo(0); }
    void moveNext() override {
        if (failAfter-- == 0) throw StoreError(kErrStore, "read failed");
        if (eof()) throw StoreError(kErrNoCurrentRecord, "no current record");
        commit(), moveTo(pos_ + 1);
    }
    void movePrevious() override {
        need(), commit();
        if (pos_ >= table_->size()) return moveTo(table_->empty() ? 0 : table_->size() - 1);
        if (pos_ == 0) throw StoreError(kErrNoCurrentRecord, "before first");
        moveTo(pos_ - 1);
    }
    void moveLast() override { commit(), moveTo(table_->empty() ? 0 : table_->size() - 1); }
    bool eof() const override { return need(), pos_ >= table_->size(); }
    void findFirst(const std::string& country) override {
        need();
        if (failFind) throw StoreError(kErrStore, "lookup failed");
        try {
            commit();
        } catch (const StoreError& e) {  // as the real store: only a text that is no number is dropped
            if (e.number() != kErrConversion) throw;
            pending_.reset();
        }
        for (size_t i = 0; i < table_->size(); ++i)
            if ((*table_)[i].country == country) return moveTo(i);
        throw StoreError(kErrNotFound, "not found");
    }
    std::optional<RateRecord> current() const override {
        if (!open_ || pos_ >= table_->size()) return std::nullopt;
        return (*table_)[pos_];
    }
    void setPendingRate(const std::string& t) override { if (current()) pending_ = t; }
    bool hasPendingEdit() const override { return pending_.has_value(); }
    void discardPendingEdit() override { pending_.reset(); }
    std::optional<long long> currentRow() const override {
        return current() ? std::optional<long long>(static_cast<long long>(pos_)) : std::nullopt;
    }
    SaveResult saveRate(long long row, const std::string& text) override {
        auto v = parseStoredRate(text);
        if (!v) return {SaveResult::NotANumber, "not a number"};
        if (!refuseWrites.empty()) return {SaveResult::NotSaved, refuseWrites};
        RateRecord& rec = table_->at(static_cast<size_t>(row));
        const bool same = rec.roe == *v;
        if (!same) typed.emplace(row, rec.roe), rec.roe = *v, ++writes;
        if (static_cast<size_t>(row) == pos_) pending_.reset(), notifyMoved();
        return {same ? SaveResult::Unchanged : SaveResult::Saved, {}};
    }

    TypedInfo typedInfo(long long row) override {
        auto it = typed.find(row);
        return it == typed.end() ? TypedInfo{} : TypedInfo{true, it->second, it->second ? ratesDate : ""};
    }
    RestoreResult restoreRate(long long row) override {
        auto it = typed.find(row);
        if (it == typed.end() || !it->second) return {RestoreResult::NothingToRestore, "nothing to put back"};
        if (!refuseWrites.empty()) return {RestoreResult::NotSaved, refuseWrites};
        table_->at(static_cast<size_t>(row)).roe = *it->second, typed.erase(it);
        if (static_cast<size_t>(row) == pos_) pending_.reset(), notifyMoved();
        return {RestoreResult::Restored, {}};
    }

    std::map<long long, std::optional<double>> typed;  // typed rows: the rate each replaced
    std::string ratesDate = "2026-09-29";
    bool failOpen = false, failFind = false;
    int failAfter = -1;  // moves to the next record that succeed before one fails; never when negative
    std::string refuseWrites;  // the reason the store gives for refusing, when not empty
    int writes = 0;

private:
    void need() const { if (!open_) throw StoreError(kErrNotOpen, "not open"); }
    void moveTo(size_t pos) { pos_ = pos, notifyMoved(); }
    void commit() {
        if (!pending_ || pos_ >= table_->size()) return pending_.reset();
        const SaveResult r = saveRate(static_cast<long long>(pos_), *pending_);
        if (r.what == SaveResult::NotANumber) throw StoreError(kErrConversion, r.message);
        if (r.what == SaveResult::NotSaved) throw StoreError(kErrNotSaved, r.message);
    }
    std::vector<RateRecord>* table_;
    size_t pos_ = 0;
    bool open_ = false;
    std::optional<std::string> pending_;
};

// The converter window's controls, with bound rate boxes like the real window.
class FakeView : public ConverterView {
public:
    FakeView(RecordCursor& d1, RecordCursor& d2) : d1_(d1), d2_(d2) {
        d1.setMovedHandler([this] { bind(RateBox::Origin); });
        d2.setMovedHandler([this] { bind(RateBox::Destination); });
    }
    void setCountries(ListId l, std::vector<std::string> names, std::vector<std::string> shown) override {
        lists[idx(l)] = names, shownLists[idx(l)] = shown, ++finished[idx(l)];
    }
    void showSameCountries(ListId l, ListId from) override { setCountries(l, lists[idx(from)], shownLists[idx(from)]); }
    std::string selectedCountry(ListId l) const override { return selected[idx(l)]; }
    std::string rateText(RateBox b) const override { return rate[bi(b)]; }
    // Also what the user does by typing into a box: a pending edit.
    void setRateText(RateBox b, const std::string& t) override {
        rate[bi(b)] = t;
        (b == RateBox::Origin ? d1_ : d2_).setPendingRate(t);
    }
    void setRateBoxVisible(RateBox b, bool v) override { visible[bi(b)] = v; }
    bool rateBoxVisible(RateBox b) const override { return visible[bi(b)]; }
    void setRateBoxTabStop(RateBox b, bool s) override { tabStop[bi(b)] = s; }
    void setMenuEnabled(Menu m, bool e) override { (m == Menu::Calculate ? calculateEnabled : printEnabled) = e; }
    void setTitlesOpaque() override { titlesOpaque = true; }
    void focusOriginList() override { ++focusedOriginList; }

    std::vector<std::string> lists[2], shownLists[2];
    int finished[2] = {0, 0};
    std::string selected[2], rate[2];
    bool visible[2] = {true, true}, tabStop[2] = {true, true};
    bool calculateEnabled = true, printEnabled = true, titlesOpaque = false;
    int focusedOriginList = 0;

private:
    static int idx(ListId l) { return l == ListId::Origin ? 0 : 1; }
    static int bi(RateBox b) { return b == RateBox::Origin ? 0 : 1; }
    void bind(RateBox b) {
        auto r = (b == RateBox::Origin ? d1_ : d2_).current();
        rate[bi(b)] = r ? rateToBoxText(r->roe) : "";
    }
    RecordCursor& d1_;
    RecordCursor& d2_;
};

// The converter over all the fakes: what the logic tests build a window from.
struct FakeWindow {
    explicit FakeWindow(std::vector<RateRecord> rows = {}) : table(std::move(rows)) {}
    std::vector<RateRecord> table;
    MemoryCursor d1{&table}, d2{&table};
    FakeView view{d1, d2};
    FakeGrid grid;
    FakeUi ui;
    FakePrinters printers;
    Converter conv{view, grid, d1, d2, ui, printers};
};

}  // namespace quorvane::test
