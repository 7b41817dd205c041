// quorvane-rates: the rate table from the command line, without opening the window.
#include "rates/RatesCommand.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkProxyFactory>
#include <QStandardPaths>

#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The same name as the program's, so the user's own table is the one it opens.
    QCoreApplication::setApplicationName("quorvane");
    QCoreApplication::setApplicationVersion(QUORVANE_VERSION);
    // Behind a proxy the download goes where http_proxy / https_proxy say.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QTextStream out(stdout), err(stderr);
    quorvane::RatesCommandContext context;
    context.programFolder = QCoreApplication::applicationDirPath();
    context.userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    context.terminal = ::isatty(STDERR_FILENO) == 1;
    const QLocale locale = QLocale::system();  // read as the window reads its rate boxes
    context.format = {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
                      locale.negativeSign().toStdString()};
    return quorvane::runRatesCommand(app.arguments(), context, out, err);
}
