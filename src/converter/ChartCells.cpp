#include "converter/ChartCells.h"

#include "converter/Converter.h"
#include "converter/RateText.h"

#include <cmath>
#include <stdexcept>

namespace quorvane {

std::optional<std::vector<ChartRow>> chartCells(double originRoe, double destRoe, const NumberFormat& fmt) {
    if (!(originRoe > 0) || !(destRoe > 0) || !std::isfinite(destRoe)) return std::nullopt;
    const int unit = ladderUnit(originRoe);
    if (unit == 0) return std::nullopt;
    // The quotient first, then the product, as Calculate converts.
    const double q = destRoe / originRoe;
    std::vector<ChartRow> rows;
    try {
        for (int k = 1; k <= 20; ++k) {
            const double left = static_cast<double>(k) * unit, right = static_cast<double>(5 * k) * unit;
            rows.push_back({formatWhole(left, fmt), formatMoney(left * q, fmt), formatWhole(right, fmt),
                            formatMoney(right * q, fmt)});
        }
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
    return rows;
}

}  // namespace quorvane
