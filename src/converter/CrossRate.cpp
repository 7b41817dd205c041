// A bank's cross rate typed into a rate box ("1 EUR = 158.2 JPY"), and a typed
// rate undone.
#include "converter/Converter.h"
#include "platform/Translations.h"
#include "converter/RateText.h"
#include "data/LocalNames.h"

#include <cmath>

namespace quorvane {

std::string Converter::CrossRateOffer::label() const {
    return otherCode.empty() ? trs("Converter", "Rate per 1 unit of the other currency\u2026")
                             : fillIn(trs("Converter", "Rate per 1 %1\u2026"), {otherCode});
}

Converter::CrossRateOffer Converter::crossRateOffer(RateBox box) const {
    const RateBox other = box == RateBox::Origin ? RateBox::Destination : RateBox::Origin;
    const RecordCursor& own = box == RateBox::Origin ? data1_ : data2_;
    const RecordCursor& theirs = box == RateBox::Origin ? data2_ : data1_;
    CrossRateOffer offer;
    const auto mine = own.current(), them = theirs.current();
    if (mine) offer.ownCode = mine->code;
    if (them) offer.otherCode = them->code, offer.otherCountry = names_ ? names_->country(*them) : them->country;
    // Both countries chosen, and the other one's currency has a code to name it by.
    offer.enabled = view_.rateBoxVisible(box) && view_.rateBoxVisible(other) && mine && them && !them->code.empty();
    return offer;
}

void Converter::askCrossRate(RateBox box) {
    const CrossRateOffer offer = crossRateOffer(box);
    if (!offer.enabled) return;
    const auto entered = ui_.askValue(fillIn(trs("Converter", "Rate per 1 %1"), {offer.otherCode}),
                                      "1 " + offer.otherCode + " (" + offer.otherCountry + ") =", offer.ownCode);
    if (entered) crossRateEntered(box, *entered);
}

bool Converter::crossRateEntered(RateBox box, const std::string& entered) {
    const bool origin = box == RateBox::Origin;
    const RateBox other = origin ? RateBox::Destination : RateBox::Origin;
    bool otherNumeric = false;
    const double otherRate = rateValue(other, otherNumeric);
    const auto value = numericValue(entered, format_);
    const double rate = value ? crossRate(*value, otherRate) : 0;
    if (!value || *value <= 0 || !otherNumeric || otherRate <= 0 || !std::isfinite(rate)) {
        // The box keeps its rate: the wording of the rate check, nothing put back.
        ui_.message(rateCheckText(entered, origin ? savedOrigin_ : savedDestination_));
        return false;
    }
    rateBoxFocusIn(box);  // as if typed there: the box in use
    view_.setRateText(box, rateToBoxText(rate, format_));
    return writeBack(box);
}

Converter::RestoreOffer Converter::restoreOffer(RateBox box) {
    RecordCursor& cursor = cursorOf(box);
    const auto row = cursor.currentRow();
    if (!view_.rateBoxVisible(box) || !row) return {};
    const TypedInfo info = cursor.typedInfo(*row);
    return {info.typed && info.replacedRoe.has_value(), info.replacedDate};
}

void Converter::restoreRate(RateBox box) {
    RecordCursor& cursor = cursorOf(box);
    const auto row = cursor.currentRow();
    if (!row) return;
    const auto result = cursor.restoreRate(*row);
    if (result.what != RecordCursor::RestoreResult::Restored) {
        ui_.message(result.message, {}, MsgIcon::Exclamation);
        return;
    }
    // The rate put back is what a later rate check puts back too.
    const bool origin = box == RateBox::Origin;
    reported_[origin ? 0 : 1].clear();
    if (auto r = cursor.current(); r && r->roe > 0)
        (origin ? savedOrigin_ : savedDestination_) = generalNumber(r->roe, format_);
}

}  // namespace quorvane
