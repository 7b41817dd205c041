#include "platform/ProgramFolder.h"

#include "data/RecordCursor.h"
#include "data/UserRateTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

#include <stdexcept>

namespace quorvane {
void makeFolderCurrent(const QString& folder) {
    if (!QDir::setCurrent(folder))
        throw std::runtime_error(QCoreApplication::translate("ProgramFolder", "The folder %1 could not be made current.").arg(folder).toStdString());
}

bool canWriteRateTable(const QString& folder) {
    const QString file = folder + QLatin1Char('/') + QLatin1String(kRateTableName);
    return QFileInfo(file).isFile() && ::access(QFile::encodeName(folder).constData(), W_OK) == 0 &&
           ::access(QFile::encodeName(file).constData(), W_OK) == 0;
}

bool isInstalledFolder(const QString& programFolder) {
    const QFileInfo folder(programFolder);
    if (folder.exists() && folder.ownerId() != ::geteuid()) return true;
    QFile marker(programFolder + QLatin1Char('/') + QLatin1String(kInstalledMarkerName));
    if (!marker.open(QIODevice::ReadOnly)) return false;
    const QString installedTo = QString::fromUtf8(marker.readAll()).trimmed();
    return !installedTo.isEmpty() && QFileInfo(installedTo).canonicalFilePath() == folder.canonicalFilePath();
}

namespace {
// Why the user's table cannot be used, or an empty string. A missing one is fine: it is made.
QString unusable(const QString& path) {
    const QFileInfo f(path);
    if (f.isSymLink() && !f.exists()) return QCoreApplication::translate("ProgramFolder", "it is a link to %1, which does not exist").arg(f.symLinkTarget());
    if (!f.exists()) return {};
    if (!f.isFile()) return QCoreApplication::translate("ProgramFolder", "it is not a file");
    if (f.size() == 0) return QCoreApplication::translate("ProgramFolder", "it is empty");
    try {
        readRatesInfo(path.toStdString());
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

// The shipped rates in a private copy: whatever is typed goes nowhere that lasts.
RateFolder shippedReadOnly(const QString& programFolder, const QString& problem) {
    RateFolder r{{}, problem, true, std::make_shared<QTemporaryDir>()};
    r.folder = r.scratch->path();
    const QString copy = r.scratch->filePath(QLatin1String(kRateTableName));
    if (QFile::copy(programFolder + QLatin1Char('/') + QLatin1String(kRateTableName), copy))
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return r;
}
}  // namespace

RateFolder chooseRateFolder(const QString& programFolder, const QString& userFolder) {
    // Opening writes nothing here: an older table is given what it lacks when a rate is first typed.
    if (!isInstalledFolder(programFolder) && canWriteRateTable(programFolder)) return {programFolder, {}};
    const QString name = QLatin1String(kRateTableName);
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return shippedReadOnly(programFolder, QCoreApplication::translate("ProgramFolder", "The folder %1 for your own rate table could not be made; showing "
                                                 "the shipped rates, and rates you type are not kept.")
                                                  .arg(userFolder));
    const QString user = userFolder + QLatin1Char('/') + name;
    if (const QString why = unusable(user); !why.isEmpty())
        return shippedReadOnly(programFolder, QCoreApplication::translate("ProgramFolder", "Your rate table %1 cannot be used: %2; showing the shipped rates, "
                                                 "and rates you type are not kept.")
                                                  .arg(user, why));
    const std::string shipped = (programFolder + QLatin1Char('/') + name).toStdString();
    const bool haveShipped = QFileInfo(QString::fromStdString(shipped)).isFile();
    try {
        if (haveShipped) copyRateTable(shipped, user.toStdString());
    } catch (const std::exception& e) {
        return shippedReadOnly(programFolder, QCoreApplication::translate("ProgramFolder", "%1; showing the shipped rates, and rates you type are not kept.")
                                                  .arg(QString::fromStdString(e.what())));
    }
    if (!QFileInfo(user).isFile()) return shippedReadOnly(programFolder, {});
    try {
        if (haveShipped) mergeShipped(user.toStdString(), shipped);
    } catch (const std::exception& e) {
        // The user's table is as it was and still theirs to use.
        return {userFolder, QString::fromStdString(e.what())};
    }
    return {userFolder, {}};
}
}  // namespace quorvane
