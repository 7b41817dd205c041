// The help viewer, started by the converter's Help Topics command with the help
// file's path; without one it looks beside itself.
#include "converter/MenuCommands.h"
#include "platform/HelpInstance.h"
#include "platform/HelpViewer.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane Help");
    QApplication::setApplicationVersion(QUORVANE_VERSION);
    const QStringList args = QCoreApplication::arguments();
    QString path = args.size() > 1 ? args.at(1) : quorvane::helpFilePath(QCoreApplication::applicationDirPath());
    path = quorvane::findIgnoringCase(path);
    // Started twice at once: the first one shows the file.
    if (quorvane::askRunningViewerToShow(path)) return 0;
    quorvane::HelpViewer viewer(path);
    quorvane::HelpViewerServer server(path);
    QObject::connect(&server, &quorvane::HelpViewerServer::showRequested, &viewer, &quorvane::HelpViewer::bringToFront);
    viewer.show();
    return app.exec();
}
