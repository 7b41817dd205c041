#include "platform/Launchers.h"

#include "platform/HelpInstance.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace quorvane {

void DesktopUrlOpener::open(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

ProcessHelpLauncher::ProcessHelpLauncher(QString programFolder, Start start)
    : programFolder_(std::move(programFolder)), start_(std::move(start)) {
    if (!start_)
        start_ = [](const QString& program, const QStringList& args, const QString& folder) {
            QProcess::startDetached(program, args, folder);
        };
}

void ProcessHelpLauncher::showHelpTopics(const QString& helpFile) {
    auto* request = new HelpViewerRequest(helpFile);
    // The viewer reports a missing help file in its own window; a viewer that
    // cannot be started leaves the converter as it was.
    QObject::connect(request, &HelpViewerRequest::finished,
                     [start = start_, folder = programFolder_, helpFile](bool shown) {
                         if (!shown) start(folder + QLatin1Char('/') + QLatin1String(kHelpViewerName), {helpFile}, folder);
                     });
}

}  // namespace quorvane
