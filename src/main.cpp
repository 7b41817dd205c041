#include "converter/FrmConvert.h"
#include "platform/QuitSignals.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setApplicationVersion(QUORVANE_VERSION);
    quorvane::FrmConvert window(QCoreApplication::applicationDirPath());
    quorvane::quitOnTerminationSignals();
    window.show();
    return app.exec();
}
