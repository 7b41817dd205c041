#include "resources/AppIcon.h"

namespace quorvane {
QIcon appIcon() {
    // Files are read only when a size is drawn.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.quorvane.Quorvane.png").arg(size), QSize(size, size));
    return icon;
}
QPixmap appIconPixmap() { return appIcon().pixmap(32); }
}  // namespace quorvane
