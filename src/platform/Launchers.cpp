#include "platform/Launchers.h"

#include "platform/HelpInstance.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace quorvane {

void DesktopUrlOpener::open(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void ProcessHelpLauncher::showHelpTopics(const QString& helpFile) {
    if (askRunningViewerToShow(helpFile)) return;
    // The viewer reports a missing help file in its own window; a viewer that
    // cannot be started leaves the converter as it was.
    QProcess::startDetached(programFolder_ + QLatin1Char('/') + QLatin1String(kHelpViewerName), {helpFile},
                            programFolder_);
}

}  // namespace quorvane
