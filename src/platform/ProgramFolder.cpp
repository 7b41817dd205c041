#include "platform/ProgramFolder.h"

#include <QDir>

#include <stdexcept>

namespace quorvane {
void makeFolderCurrent(const QString& folder) {
    if (!QDir::setCurrent(folder))
        throw std::runtime_error("The folder " + folder.toStdString() + " could not be made current.");
}
}  // namespace quorvane
