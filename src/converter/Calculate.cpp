// Calculate: checks the countries and rates, then fills the chart.
#include "converter/Converter.h"
#include "platform/Translations.h"
#include "converter/RateText.h"

#include <cmath>
#include <optional>
#include <stdexcept>
#include <vector>

namespace quorvane {

namespace {
// The way to the rate-check message; names the box whose rate cannot make a
// chart at all, which is told even before any box was used.
struct RateRejected {
    std::optional<RateBox> outOfRange;
};
}  // namespace

// A rate box's value by the user's number conventions.
double Converter::rateValue(RateBox box, bool& numeric) const {
    auto v = numericValue(view_.rateText(box), format_);
    numeric = v.has_value();
    return v.value_or(0.0);
}

void Converter::rateCheckFailed(std::optional<RateBox> outOfRange) {
    // A stored rate too large for any chart would otherwise leave it empty
    // without a word, as no box was used to type it.
    if (!originFlag_ && !destinationFlag_ && !outOfRange) return;
    const bool origin = originFlag_ || (!destinationFlag_ && outOfRange == RateBox::Origin);
    RateBox box = origin ? RateBox::Origin : RateBox::Destination;
    const std::string& saved = origin ? savedOrigin_ : savedDestination_;
    ui_.message(rateCheckText(view_.rateText(box), saved));
    putBack(box, saved);
}

std::string Converter::rateCheckText(const std::string& entered, const std::string& saved) {
    return fillIn(trs("Converter", "Please check the Exchange Rate! You entered \r\n%1\r\nOriginal Rate of %2 will be entered."),
                  {entered, saved});
}

void Converter::calculate() {
    bool busy = false;
    try {
        try {
            updatePrintMenu();
            ui_.setBusy(true);
            busy = true;
            if (view_.selectedCountry(ListId::Origin) == view_.selectedCountry(ListId::Destination)) {
                ui_.message(trs("Converter", "You've picked the same country for Origin and Destination. Please try again."));
                ui_.setBusy(false);
                return;
            }
            // An empty box gets its saved rate back; the user chooses Calculate again.
            for (RateBox b : {RateBox::Origin, RateBox::Destination}) {
                if (!view_.rateText(b).empty()) continue;
                const bool origin = b == RateBox::Origin;
                const std::string& saved = origin ? savedOrigin_ : savedDestination_;
                ui_.message(fillIn(origin ? trs("Converter", "You've left the Origin Country Rate Area blank! The Rate of "
                                                             "%1 will be entered for you.")
                                          : trs("Converter", "You've left the Destination Country Rate Area blank! The "
                                                             "Rate of %1 will be entered for you."),
                                   {saved}));
                putBack(b, saved);
                ui_.setBusy(false);
                return;
            }
            // A rate below zero is no rate: it is rejected like zero.
            for (RateBox b : {RateBox::Origin, RateBox::Destination}) {
                bool numeric = false;
                double v = rateValue(b, numeric);
                if (!numeric || v <= 0) throw RateRejected{};
            }
            double r = leadingNumber(view_.rateText(RateBox::Origin), format_);
            if (r >= 1000000) {
                view_.focusOriginList();
                throw RateRejected{RateBox::Origin};
            }
            if (r <= 0) {
                ui_.setBusy(false);
                return;
            }
            const int unit = ladderUnit(r);
            // Every converted text is worked out before any is written, so a
            // failure leaves the chart as it was.
            std::vector<std::string> converted;
            for (int half = 0; half < 2; ++half) {
                for (int k = 1; k <= 20; ++k) {
                    bool okD = false, okO = false;
                    double d = rateValue(RateBox::Destination, okD);
                    double o = rateValue(RateBox::Origin, okO);
                    if (!okD || !okO || o == 0) throw RateRejected{};
                    double q = d / o;
                    double amount = static_cast<double>(half == 0 ? k : 5 * k) * unit;
                    double value = amount * q;
                    // The rate farther from 1 is the one out of range.
                    if (!std::isfinite(q) || !std::isfinite(value))
                        throw RateRejected{std::abs(std::log10(std::abs(d))) > std::abs(std::log10(std::abs(o)))
                                               ? RateBox::Destination
                                               : RateBox::Origin};
                    converted.push_back(formatMoney(value, format_));
                }
            }
            // Each row pairs an amount with its own equivalent: the ladder of the
            // band converted here is laid again beside it.
            writeLadder(unit);
            for (int half = 0; half < 2; ++half)
                for (int k = 1; k <= 20; ++k) grid_.setCellText(k, half == 0 ? 1 : 3, converted[half * 20 + (k - 1)]);
            ui_.setBusy(false);
        } catch (const RateRejected& r) {
            rateCheckFailed(r.outOfRange);
            if (busy) ui_.setBusy(false);
        } catch (...) {
            // Every failure of the steps above comes to the rate check.
            rateCheckFailed();
            if (busy) ui_.setBusy(false);
        }
    } catch (...) {
        // A failure inside the rate check itself must not end the program.
        try {
            ui_.setBusy(false);
        } catch (...) {
        }
    }
}

}  // namespace quorvane
