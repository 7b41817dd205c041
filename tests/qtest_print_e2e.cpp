// Prints a calculated chart from the real window to the default printer. Run by
// tests/e2e_print.sh against a private CUPS scheduler; on its own it skips.
#include "converter/FrmConvert.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAction>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>
#include <QtTest>

using namespace quorvane;

class PrintEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void printsTheCalculatedChart() {
        // QUORVANE_E2E_PRINT names the file that receives the chart's cell texts.
        const QString cellsFile = qEnvironmentVariable("QUORVANE_E2E_PRINT");
        if (cellsFile.isEmpty()) QSKIP("needs the private CUPS scheduler of tests/e2e_print.sh");
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        QVERIFY2(!info.isNull(), "the scheduler offers no default printer");
        test::TempRates rates;  // the build's table, as the script runs it without the sources
        QString err = rates.copyProgramTable();
        QVERIFY2(err.isEmpty(), qPrintable(err));
        test::FakeUi ui;
        FrmConvert window(rates.folder(), &ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (auto [list, country] : {std::pair{ListId::Origin, qEnvironmentVariable("QUORVANE_E2E_ORIGIN", "United States")},
                                     std::pair{ListId::Destination, qEnvironmentVariable("QUORVANE_E2E_DESTINATION", "Japan")}})
            QVERIFY2(window.chooseCountry(list, country), qPrintable(country));
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
        for (int c = 0; c <= 3; ++c)
            for (int r = 0; r <= 20; ++r) s << r << '\t' << c << '\t' << window.grid()->cellText(r, c) << "\n";
    }
};

QTEST_MAIN(PrintEndToEnd)
#include "qtest_print_e2e.moc"
