#pragma once
#include <QString>

#include <memory>

class QTemporaryDir;

namespace quorvane {
// Makes the program's folder the current folder. Linux has no drive letters,
// so there is no drive to change first. Throws std::runtime_error on failure.
void makeFolderCurrent(const QString& folder);

// The rate table's file name, in the program's folder and in the user's.
inline constexpr const char* kRateTableName = "Zelvik.MDB";
// Laid beside the program by an install; it holds the folder it was installed to.
inline constexpr const char* kInstalledMarkerName = "installed-folder";

// Whether this user can change the rate table in folder: the file and the
// folder, where SQLite puts its journal while it writes.
bool canWriteRateTable(const QString& folder);

// Whether programFolder is an installed program folder, whose table is the
// package's and never written: one the running user does not own, or one whose
// marker names the folder itself (root owns what it installed under /usr, while
// a copy the user made elsewhere names another folder and is the user's own).
bool isInstalledFolder(const QString& programFolder);

struct RateFolder {
    QString folder;   // the folder whose rate table the cursors use
    QString problem;  // why rates typed now may not be kept; empty when all is well
    // A throw-away copy of the shipped table, used when no table can be kept:
    // the program folder's table is never written, whoever runs the program.
    bool readOnly = false;
    std::shared_ptr<QTemporaryDir> scratch{};
};

// The folder whose rate table the program uses. The program's folder when it
// is not an installed one and its rate table is the user's to change (a build
// folder, a copy in the home folder); otherwise userFolder, with the user's own
// copy of the shipped table, made at the first start and never replaced, and
// brought up to date whenever the shipped rates are newer than its own. A user
// table that cannot be used (empty, a folder, a dangling link, not a rate
// table) is left as it is: the shipped rates are shown read-only and problem
// names it. Choosing writes no table but the user's own.
RateFolder chooseRateFolder(const QString& programFolder, const QString& userFolder);
}  // namespace quorvane
