#include "converter/Hints.h"

#include "data/RateUpdate.h"
#include "data/UserRateTable.h"

namespace quorvane {

namespace {
constexpr HintRow kHints[] = {
    {"frmconvert", kNoticeLine},
    {"GridConvert", "Print the filled Quorvane list and carry it with you"},
    {"Label1", "Origin Country Currency name."},
    {"Label2", "Destination Country Currency name."},
    {"lblCodeFrom", "Origin Country ISO Code."},
    {"lblCodeTo", "Destination Country ISO Code."},
    {"lblTitle1", "Currency Unit information for Origin Country."},
    {"lblTitle2", "Currency Unit information for Destination Country."},
    {"List1", "Choose origin country from this list"},
    {"List2", "Choose destination country from this list"},
    {"lblList1", ""},
    {"lblList2", ""},
    {"lblUSD1", ""},
    {"lblUSD2", ""},
};
}  // namespace

std::span<const HintRow> hintTable() { return kHints; }

std::string noticeLine(const std::string& ratesDate) {
    if (!isIsoDate(ratesDate)) return std::string(kNoticeLine);
    return "Quorvane: rates of " + readableDate(ratesDate) + " \u2014 newer ones: quorvane-rates update";
}

}  // namespace quorvane
