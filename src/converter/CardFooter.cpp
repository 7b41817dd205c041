#include "converter/CardFooter.h"
#include "platform/Translations.h"

#include "converter/RateText.h"
#include "data/RateUpdate.h"

#include <cmath>
#include <vector>

namespace quorvane {

std::string cardFooter(const CardFacts& f, const NumberFormat& fmt) {
    std::vector<std::string> parts;
    const bool rates = std::isfinite(f.originRoe) && std::isfinite(f.destRoe) && f.originRoe > 0 && f.destRoe > 0;
    if (rates && !f.originCode.empty() && !f.destCode.empty()) {
        try {  // a quotient too large to write is left out like a missing rate
            parts.push_back("1 " + f.originCode + " = " + formatMoney(f.destRoe / f.originRoe, fmt) + " " + f.destCode);
        } catch (const std::exception&) {}
    }
    if (isIsoDate(f.ratesDate)) parts.push_back(fillIn(trs("CardFooter", "rates of %1"), {readableDate(f.ratesDate)}));
    const std::string& typedCode = f.originTyped ? f.originCode : f.destCode;
    if (f.originTyped && f.destTyped)
        parts.push_back(trs("CardFooter", "both rates typed"));
    else if (f.originTyped || f.destTyped)
        parts.push_back(!typedCode.empty() ? fillIn(trs("CardFooter", "%1 rate typed"), {typedCode})
                        : f.originTyped    ? trs("CardFooter", "origin rate typed")
                                           : trs("CardFooter", "destination rate typed"));
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : " \u00b7 ") + p;
    return out;
}

}  // namespace quorvane
