#include "platform/ProgramFolder.h"

#include "data/RecordCursor.h"
#include "data/UserRateTable.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include <stdexcept>

namespace quorvane {
void makeFolderCurrent(const QString& folder) {
    if (!QDir::setCurrent(folder))
        throw std::runtime_error("The folder " + folder.toStdString() + " could not be made current.");
}

bool canWriteRateTable(const QString& folder) {
    const QString file = folder + QLatin1Char('/') + QLatin1String(kRateTableName);
    return QFileInfo(file).isFile() && ::access(QFile::encodeName(folder).constData(), W_OK) == 0 &&
           ::access(QFile::encodeName(file).constData(), W_OK) == 0;
}

RateFolder chooseRateFolder(const QString& programFolder, const QString& userFolder) {
    const QString name = QLatin1String(kRateTableName);
    const std::string shipped = (programFolder + QLatin1Char('/') + name).toStdString();
    if (canWriteRateTable(programFolder)) {
        try {
            prepareRateTable(shipped);
        } catch (const std::exception& e) {
            return {programFolder, QString::fromStdString(e.what())};
        }
        return {programFolder, {}};
    }
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return {programFolder, "The folder " + userFolder + " for your own rate table could not be made; "
                               "rates you type now are not kept."};
    const std::string user = (userFolder + QLatin1Char('/') + name).toStdString();
    const bool haveShipped = QFileInfo(QString::fromStdString(shipped)).isFile();
    try {
        if (haveShipped) copyRateTable(shipped, user);
    } catch (const std::exception& e) {
        return {programFolder, QString::fromStdString(e.what()) + "; rates you type now are not kept."};
    }
    if (!QFileInfo(QString::fromStdString(user)).isFile()) return {programFolder, {}};
    try {
        prepareRateTable(user);
        if (haveShipped) mergeShipped(user, shipped);
    } catch (const std::exception& e) {
        // The user's table is as it was and still theirs to use.
        return {userFolder, QString::fromStdString(e.what())};
    }
    return {userFolder, {}};
}
}  // namespace quorvane
