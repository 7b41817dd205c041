#pragma once
#include <QIcon>
#include <QPixmap>

namespace quorvane {
// The application icon, 32 x 32 pixels in 16 colours, used by every window.
QPixmap appIconPixmap();
QIcon appIcon();
}  // namespace quorvane
