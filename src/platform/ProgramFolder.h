#pragma once
#include <QString>

namespace quorvane {
// Makes the program's folder the current folder. Linux has no drive letters,
// so there is no drive to change first. Throws std::runtime_error on failure.
void makeFolderCurrent(const QString& folder);
}  // namespace quorvane
