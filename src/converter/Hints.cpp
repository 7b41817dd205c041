#include "converter/Hints.h"
#include "platform/Translations.h"

#include "data/RateUpdate.h"
#include "data/UserRateTable.h"

namespace quorvane {

namespace {
constexpr HintRow kHints[] = {
    {"frmconvert", kNoticeLine},
    {"GridConvert", QT_TRANSLATE_NOOP("Hints", "Print the filled Quorvane list and carry it with you")},
    {"Label1", QT_TRANSLATE_NOOP("Hints", "Origin Country Currency name.")},
    {"Label2", QT_TRANSLATE_NOOP("Hints", "Destination Country Currency name.")},
    {"lblCodeFrom", QT_TRANSLATE_NOOP("Hints", "Origin Country ISO Code.")},
    {"lblCodeTo", QT_TRANSLATE_NOOP("Hints", "Destination Country ISO Code.")},
    {"lblTitle1", QT_TRANSLATE_NOOP("Hints", "Currency Unit information for Origin Country.")},
    {"lblTitle2", QT_TRANSLATE_NOOP("Hints", "Currency Unit information for Destination Country.")},
    {"List1", QT_TRANSLATE_NOOP("Hints", "Choose origin country from this list")},
    {"List2", QT_TRANSLATE_NOOP("Hints", "Choose destination country from this list")},
    {"lblList1", ""},
    {"lblList2", ""},
    {"lblUSD1", ""},
    {"lblUSD2", ""},
};
}  // namespace

std::span<const HintRow> hintTable() { return kHints; }

std::string noticeLine(const std::string& ratesDate) {
    if (!isIsoDate(ratesDate)) return trs("Hints", kNoticeLine.data());
    return fillIn(trs("Hints", "Quorvane: rates of %1 \u2014 newer ones: quorvane-rates update"), {readableDate(ratesDate)});
}

}  // namespace quorvane
