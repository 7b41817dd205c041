#pragma once
#include <QIcon>
#include <QPixmap>

namespace quorvane {
// The application icon, used by every window: sizes from 16 to 256 pixels
// rendered from one drawing, so it stays sharp on screens at twice the scale.
QIcon appIcon();
// The icon at 32 x 32 (device-independent) pixels.
QPixmap appIconPixmap();
}  // namespace quorvane
