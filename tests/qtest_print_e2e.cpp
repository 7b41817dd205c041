// Prints a calculated chart from the real window to the default printer. Run by
// tests/e2e_print.sh against a private CUPS scheduler; on its own it skips.
#include "converter/FrmConvert.h"
#include "support/Fakes.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <clocale>

using namespace quorvane;

class PrintEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void printsTheCalculatedChart();
};

void PrintEndToEnd::printsTheCalculatedChart() {
    // QUORVANE_E2E_PRINT names the file that receives the chart's cell texts.
    const QString cellsFile = QString::fromLocal8Bit(qgetenv("QUORVANE_E2E_PRINT"));
    if (cellsFile.isEmpty()) QSKIP("needs the private CUPS scheduler of tests/e2e_print.sh");
    std::setlocale(LC_ALL, "en_US.UTF-8");

    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QVERIFY2(!info.isNull(), "the scheduler offers no default printer");

    QTemporaryDir programDir;
    QString from = QString::fromLocal8Bit(qgetenv("QUORVANE_PROGRAM_DIR")) + "/Zelvik.MDB";
    QVERIFY2(QFile::copy(from, programDir.filePath("Zelvik.MDB")), qPrintable("no rate table at " + from));
    test::FakeUi ui;
    FrmConvert window(programDir.path(), &ui);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QString origin = qEnvironmentVariable("QUORVANE_E2E_ORIGIN", "United States");
    const QString destination = qEnvironmentVariable("QUORVANE_E2E_DESTINATION", "Japan");
    for (auto [name, country] : {std::pair{"List1", origin}, std::pair{"List2", destination}}) {
        auto* list = window.findChild<QListWidget*>(name);
        QVERIFY(list);
        auto items = list->findItems(country, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(country));
        list->setCurrentItem(items.front());
    }
    window.findChild<QAction*>("mnuCalculate")->trigger();
    QAction* print = window.findChild<QAction*>("mnuPrint");
    QVERIFY(print->isEnabled());
    print->trigger();
    for (const auto& m : ui.messages) qWarning("message: %s", m.text.c_str());
    QVERIFY(ui.messages.empty());

    // What the grid holds is what the page must show, with the printer's resolution.
    QFile out(cellsFile);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream s(&out);
    s << "dpi\t" << QPrinter(info, QPrinter::PrinterResolution).resolution() << "\n";
    ChartGrid* grid = window.grid();
    for (int c = 0; c <= 3; ++c)
        for (int r = 0; r <= 20; ++r) s << r << '\t' << c << '\t' << grid->cellText(r, c) << "\n";
}

QTEST_MAIN(PrintEndToEnd)
#include "qtest_print_e2e.moc"
