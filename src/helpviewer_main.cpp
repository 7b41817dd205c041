// The help viewer, started by the converter's Help Topics command with the help
// file's path; without one it looks beside itself.
#include "converter/MenuCommands.h"
#include "platform/HelpInstance.h"
#include "platform/HelpViewer.h"
#include "platform/QuitSignals.h"
#include "platform/Translations.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane Help");
    QApplication::setApplicationVersion(QUORVANE_VERSION);
    const QStringList args = QCoreApplication::arguments();
    const std::string language = quorvane::installTranslations();
    const QString path = args.size() > 1 ? quorvane::findIgnoringCase(args.at(1))
                                         : quorvane::helpFileIn(QCoreApplication::applicationDirPath(), language);
    // Ended by the session or kill, it still removes its socket on the way out.
    quorvane::quitOnTerminationSignals();
    QString why;
    if (quorvane::helpSocketFolder(&why).isEmpty())
        std::fprintf(stderr, "quorvane-help: each Help Topics opens a new viewer: %s\n", qPrintable(why));
    // Started twice at once: the first one shows the file.
    std::unique_ptr<quorvane::HelpViewer> viewer;
    std::unique_ptr<quorvane::HelpViewerServer> server;
    auto* request = new quorvane::HelpViewerRequest(path, &app);
    QObject::connect(request, &quorvane::HelpViewerRequest::finished, &app, [&](bool shown) {
        if (shown) return QCoreApplication::quit();
        viewer = std::make_unique<quorvane::HelpViewer>(path);
        server = std::make_unique<quorvane::HelpViewerServer>(path);
        QObject::connect(server.get(), &quorvane::HelpViewerServer::showRequested, viewer.get(),
                         &quorvane::HelpViewer::bringToFront);
        viewer->show();
    });
    return app.exec();
}
