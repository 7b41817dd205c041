#include "about/QtProcessStarter.h"

#include <QFileInfo>
#include <QProcess>

namespace quorvane {

bool QtProcessStarter::ordinaryFileExists(const std::string& path) const {
    QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile() && !info.isHidden();
}

bool QtProcessStarter::start(const std::string& path) {
    if (path.empty()) return false;
    // The path is the program itself, with no arguments: nothing in it is parsed.
    return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace quorvane
