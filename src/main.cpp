#include "converter/FrmConvert.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setApplicationVersion(QUORVANE_VERSION);
    quorvane::FrmConvert window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
