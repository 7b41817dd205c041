// quorvane-rates: the rate table from the command line, without opening the window.
#include "rates/RatesCommand.h"

#include "platform/CardPdf.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QNetworkProxyFactory>
#include <QStandardPaths>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // Drawing the card needs Qt's painting, not a display: the offscreen
    // platform serves on a server or over ssh as well as in a desktop session.
    bool pdf = false;
    for (int i = 1; i < argc; ++i) pdf = pdf || !std::strcmp(argv[i], "--pdf") || !std::strncmp(argv[i], "--pdf=", 6);
    if (pdf) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application(pdf ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    QCoreApplication& app = *application;
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
    context.language = quorvane::installTranslations();
    context.writePdf = [](const QString& file, const quorvane::CardCells& cells, const std::string& footer) {
        quorvane::writeCardPdf(file, cells, footer);
    };
    return quorvane::runRatesCommand(app.arguments(), context, out, err);
}
