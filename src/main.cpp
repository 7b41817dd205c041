#include "converter/FrmConvert.h"
#include "platform/ProgramFolder.h"
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The lower-case name gives the user's data folder ~/.local/share/quorvane;
    // the display name keeps window and message titles as they were.
    QApplication::setApplicationName("quorvane");
    QApplication::setApplicationDisplayName("Quorvane");
    QApplication::setApplicationVersion(QUORVANE_VERSION);
    QGuiApplication::setDesktopFileName("org.quorvane.Quorvane");
    // The folder of the resolved executable: bin/quorvane is a link into it.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const quorvane::RateFolder rates = quorvane::chooseRateFolder(
        programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!rates.problem.isEmpty()) std::fprintf(stderr, "quorvane: %s\n", qPrintable(rates.problem));
    quorvane::FrmConvert window({programFolder, rates.folder});
    quorvane::quitOnTerminationSignals();
    window.show();
    return app.exec();
}
