#pragma once
#include <QString>

namespace quorvane {
// Makes the program's folder the current folder. Linux has no drive letters,
// so there is no drive to change first. Throws std::runtime_error on failure.
void makeFolderCurrent(const QString& folder);

// The rate table's file name, in the program's folder and in the user's.
inline constexpr const char* kRateTableName = "Zelvik.MDB";

// Whether this user can change the rate table in folder: the file and the
// folder, where SQLite puts its journal while it writes.
bool canWriteRateTable(const QString& folder);

struct RateFolder {
    QString folder;   // the folder whose rate table the cursors use
    QString problem;  // why rates typed now may not be kept; empty when all is well
};

// The folder whose rate table the program uses. The program's folder when its
// rate table is the user's to change (a build folder, a copy in the home
// folder); otherwise userFolder, with the user's own copy of the shipped table,
// made at the first start and never replaced, and brought up to date whenever
// the shipped rates are newer than its own.
RateFolder chooseRateFolder(const QString& programFolder, const QString& userFolder);
}  // namespace quorvane
