// The Print command on the real window, where no printer can be reached.
#include "converter/FrmConvert.h"
#include "platform/Twips.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAction>
#include <QtTest>

using namespace quorvane;

class PrintCommandTest : public QObject {
    Q_OBJECT
private slots:
    void asksForAnOriginThenReportsTheMissingPrinterAndRestoresTheGrid() {
        test::TempRates rates;
        QString err = rates.makeShipped();
        QVERIFY2(err.isEmpty(), qPrintable(err));
        // No scheduler answers here, so there is no default printer.
        qputenv("CUPS_SERVER", QFile::encodeName(rates.dir.filePath("no-cups.sock")));
        test::FakeUi ui;
        test::FakePrinters printers;
        FrmConvert window(rates.folder(), &ui, &printers);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto choose = [&](const char* list, const char* country) {
            return window.chooseCountry(QByteArray(list) == "List1" ? ListId::Origin : ListId::Destination, country);
        };
        auto* print = window.findChild<QAction*>("mnuPrint");
        QVERIFY(!print->isEnabled());
        QVERIFY(choose("List2", "Canada"));
        QVERIFY(print->isEnabled());
        print->trigger();
        QCOMPARE(ui.messages.size(), size_t(1));
        QCOMPARE(ui.messages[0].text, std::string("Select a country"));
        QVERIFY(!ui.busy);

        QVERIFY(choose("List1", "United States"));
        ChartGrid* grid = window.grid();
        const QString header = grid->cellText(0, 0);
        ui.messages.clear();
        printers.n = 0;  // every click applies the printer count rule again
        window.mnuPrint_Click();
        QCOMPARE(ui.messages.size(), size_t(1));
        QCOMPARE(ui.messages[0].text, std::string("Printer is not available"));
        QVERIFY(!print->isEnabled() && !ui.busy);
        // The grid is the window's again, not the enlarged print layout.
        QCOMPARE(std::pair(grid->width(), grid->height()), std::pair(6120, 4950));
        QCOMPARE(grid->colWidth(3), 1530);
        QCOMPARE(grid->QTableWidget::width(), twipsToPixels(6120));
        QCOMPARE(grid->cellText(0, 0), header);
    }
};

QTEST_MAIN(PrintCommandTest)
#include "qtest_print.moc"
