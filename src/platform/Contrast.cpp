#include "platform/Contrast.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {
double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double relativeLuminance(Rgb c) { return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b); }

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb backgroundFor(Rgb fixedText, Rgb systemBackground) {
    return contrastRatio(fixedText, systemBackground) >= kMarkContrast ? systemBackground : Rgb{224, 224, 224};
}

Rgb readableOn(Rgb systemText, Rgb fixedBackground) {
    return contrastRatio(systemText, fixedBackground) >= kTextContrast ? systemText : kBlackRgb;
}

Rgb readableTint(Rgb fixedText, Rgb systemBackground) {
    const Rgb toward = focusMarkOn(systemBackground);
    auto mix = [](std::uint8_t a, std::uint8_t b, double t) { return static_cast<std::uint8_t>(std::lround(a + (b - a) * t)); };
    for (int step = 0; step < 32; ++step) {
        const double t = step / 32.0;
        const Rgb c{mix(fixedText.r, toward.r, t), mix(fixedText.g, toward.g, t), mix(fixedText.b, toward.b, t)};
        if (contrastRatio(c, systemBackground) >= kTextContrast) return c;
    }
    return toward;
}

Rgb focusMarkOn(Rgb background) {
    return contrastRatio(kBlackRgb, background) >= contrastRatio(kWhiteRgb, background) ? kBlackRgb : kWhiteRgb;
}

}  // namespace quorvane
