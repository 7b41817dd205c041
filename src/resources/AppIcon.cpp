#include "resources/AppIcon.h"

#include "resources/quorvane_icon.xpm"

namespace quorvane {
QPixmap appIconPixmap() { return QPixmap(quorvane_icon_xpm); }
QIcon appIcon() { return QIcon(appIconPixmap()); }
}  // namespace quorvane
