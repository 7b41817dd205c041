#include "about/AboutLogic.h"
#include "platform/Translations.h"

#include <cfenv>
#include <cmath>

namespace quorvane {

ArmingFlags& armingFlags() {
    static ArmingFlags flags;
    return flags;
}

void iconMouseMove(double x, double y, ArmingFlags& flags) {
    if (x > 0 && x < 60) {
        flags.a = true;
        if (y > 0 && y < 60) flags.b = true;
    }
}

bool KeySequence::keyDown(int keyCode, const ArmingFlags& flags) {
    if (!flags.a || !flags.b) return false;
    if (keyCode == kKeyL || keyCode == kKeyE || keyCode == kKeyA)
        buffer_ += static_cast<char>(keyCode);
    else
        buffer_.clear();
    if (buffer_.size() > 3) buffer_ = buffer_.substr(buffer_.size() - 3);
    return buffer_ == "LEA";
}

int centredPosition(double screenTwips, double windowTwips) {
    // lrint rounds halves to even in the to-nearest mode; make sure that mode is on.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long whole = std::lrint(screenTwips - windowTwips);
    std::fesetround(saved);
    return static_cast<int>(whole / 2);  // integer division drops the remainder toward zero
}

std::string versionLabel(int major, int minor, int revision) {
    return fillIn(trs("AboutORVE", "Version %1"),
                  {std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision)});
}

std::string programVersionLabel() {
    return versionLabel(QUORVANE_VERSION_MAJOR, QUORVANE_VERSION_MINOR, QUORVANE_VERSION_PATCH);
}

bool Marquee::tick() {
    left_ -= kStep;
    if (-left_ > width_) {
        left_ = kStripWidth;
        return true;
    }
    return false;
}

}  // namespace quorvane
