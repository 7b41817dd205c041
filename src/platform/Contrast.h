#pragma once
// Contrast of colours as WCAG measures it, and the choices the windows make
// with it so that text and focus marks stay readable under any desktop palette.
#include <cstdint>

namespace quorvane {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlackRgb{0, 0, 0};
inline constexpr Rgb kWhiteRgb{255, 255, 255};

// Relative luminance, 0 for black to 1 for white.
double relativeLuminance(Rgb c);
// From 1:1 (the same luminance) to 21:1 (black on white), whichever is lighter.
double contrastRatio(Rgb a, Rgb b);

// Ordinary text wants 4.5:1, marks and outlines 3:1.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kMarkContrast = 3.0;

// A desktop colour laid on a fixed background: the desktop's own while it can be
// read there, black otherwise (every fixed background of the windows is light).
Rgb readableOn(Rgb systemText, Rgb fixedBackground);

// A desktop background under a fixed text colour (the green and red code
// labels on the button face): the desktop's own while the text stands out on it
// as bold labels need, the light grey of the header row otherwise.
Rgb backgroundFor(Rgb fixedText, Rgb systemBackground);

// A fixed text colour (the about window's dark red title) on a desktop
// background: itself while it reads there, else the same hue mixed toward white,
// or toward black on a light background, just far enough to read.
Rgb readableTint(Rgb fixedText, Rgb systemBackground);

// The colour of a focus mark drawn over a background: black or white, whichever
// stands out more.
Rgb focusMarkOn(Rgb background);

}  // namespace quorvane
