// The help viewer, started by the converter's Help Topics command with the help
// file's path; without one it looks beside itself.
#include "converter/MenuCommands.h"
#include "platform/HelpViewer.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane Help");
    QApplication::setApplicationVersion(QUORVANE_VERSION);
    const QStringList args = QCoreApplication::arguments();
    QString path = args.size() > 1 ? args.at(1) : quorvane::helpFilePath(QCoreApplication::applicationDirPath());
    quorvane::HelpViewer viewer(quorvane::findIgnoringCase(path));
    viewer.show();
    return app.exec();
}
