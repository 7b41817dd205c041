#pragma once
// The about window's and the credits window's logic, free of any widget: the
// arming flags, the hidden key sequence, centring on the screen, the version
// label and the marquee's movement.
#include <string>

namespace quorvane {

// The two program-wide flags set by the pointer over the about window's icon and
// cleared by the credits window. They outlive both windows.
struct ArmingFlags {
    bool a = false;
    bool b = false;
};
ArmingFlags& armingFlags();

// A mouse move over picIcon at x, y in the icon box's own scale (pixels, origin at
// its top-left corner): the zone 0 < X < 60, 0 < Y < 60 then covers the whole
// 32 x 32 box except its top row and left column.
void iconMouseMove(double x, double y, ArmingFlags& flags);

// Key codes of the three letters: the capital letter's code whatever the shift state.
inline constexpr int kKeyL = 76, kKeyE = 69, kKeyA = 65;

// The three-letter buffer of the about window.
class KeySequence {
public:
    // A key went down. Returns true when the credits are to be shown.
    bool keyDown(int keyCode, const ArmingFlags& flags);
    const std::string& buffer() const { return buffer_; }

private:
    std::string buffer_;
};

// Top (or Left) that centres a window on the screen: the difference rounded to
// whole twips, halves to even, then halved with the remainder dropped.
int centredPosition(double screenTwips, double windowTwips);

// "Version 1.0.0" from the three version numbers.
std::string versionLabel(int major, int minor, int revision);
// The label for this build of the program.
std::string programVersionLabel();

// The marquee of the credits window: the label's Left in twips.
class Marquee {
public:
    static constexpr int kStartLeft = 435;
    static constexpr int kStripWidth = 4230;  // Picture1's width
    static constexpr int kStep = 25;

    explicit Marquee(int labelWidthTwips, int left = kStartLeft) : width_(labelWidthTwips), left_(left) {}
    // One tick of Timer1; returns true when the text re-entered from the right.
    bool tick();
    int left() const { return left_; }
    int width() const { return width_; }

private:
    int width_;
    int left_;
};

}  // namespace quorvane
