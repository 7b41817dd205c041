#include "converter/MenuCommands.h"

#include "platform/Language.h"

#include <QDir>
#include <QFileInfo>

namespace quorvane {

QString helpFilePath(const QString& programFolder) {
    return programFolder + QLatin1Char('/') + QLatin1String(kHelpFileName);
}

QString findIgnoringCase(const QString& path) {
    if (QFileInfo::exists(path)) return path;
    qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    // Keep the folder part exactly as built; only the name is looked up.
    QString prefix = slash < 0 ? QString() : path.left(slash + 1);
    QString name = slash < 0 ? path : path.mid(slash + 1);
    QString folder = slash < 0 ? QStringLiteral(".") : (slash == 0 ? QStringLiteral("/") : path.left(slash));
    // Sorted, so the choice is the same every time if several spellings exist.
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return prefix + entry;
    return path;
}

QString helpFileIn(const QString& programFolder, const std::string& language) {
    if (language != "en") {
        const QString name = QString::fromLatin1(kHelpFileName).replace(".hlp", QString(".%1.hlp").arg(language.c_str()));
        const QString own = findIgnoringCase(programFolder + QLatin1Char('/') + name);
        if (QFileInfo(own).isFile()) return own;
    }
    return findIgnoringCase(helpFilePath(programFolder));
}

void showHelpTopics(HelpLauncher& launcher, const QString& programFolder) {
    launcher.showHelpTopics(helpFileIn(programFolder, uiLanguage()));
}

void openDatabank(UrlOpener& opener) { opener.open(QString::fromLatin1(kDatabankUrl)); }

}  // namespace quorvane
