// The Print command on the real window, where no printer can be reached.
#include "converter/FrmConvert.h"
#include "platform/Twips.h"
#include "support/Fakes.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <memory>

using namespace quorvane;

class PrintCommandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void destinationOnlyAsksForACountry();
    void failedPrintKeepsTheWindowsGrid();

private:
    void choose(const char* list, const QString& country);
    QTemporaryDir programDir_;
    test::FakeUi ui_;
    test::FakePrinters printers_;
    std::unique_ptr<FrmConvert> window_;
};

void PrintCommandTest::initTestCase() {
    std::setlocale(LC_ALL, "en_US.UTF-8");
    // No scheduler answers here, so there is no default printer.
    qputenv("CUPS_SERVER", QFile::encodeName(programDir_.filePath("no-cups.sock")));
    QString from = QString::fromLocal8Bit(qgetenv("QUORVANE_PROGRAM_DIR")) + "/Zelvik.MDB";
    QVERIFY2(QFile::copy(from, programDir_.filePath("Zelvik.MDB")), qPrintable("no rate table at " + from));
    window_ = std::make_unique<FrmConvert>(programDir_.path(), &ui_, &printers_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void PrintCommandTest::choose(const char* name, const QString& country) {
    auto* list = window_->findChild<QListWidget*>(name);
    QVERIFY(list);
    auto items = list->findItems(country, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(country));
    list->setCurrentItem(items.front());
}

void PrintCommandTest::destinationOnlyAsksForACountry() {
    auto* print = window_->findChild<QAction*>("mnuPrint");
    QVERIFY(print);
    QVERIFY(!print->isEnabled());
    choose("List2", "Canada");
    QVERIFY(print->isEnabled());
    ui_.messages.clear();
    print->trigger();
    QCOMPARE(ui_.messages.size(), size_t(1));
    QCOMPARE(ui_.messages[0].text, std::string("Select a country"));
    QVERIFY(!ui_.busy);
}

void PrintCommandTest::failedPrintKeepsTheWindowsGrid() {
    choose("List1", "United States");
    ChartGrid* grid = window_->grid();
    const QString header = grid->cellText(0, 0);
    ui_.messages.clear();
    printers_.n = 0;  // every click applies the printer count rule again
    window_->mnuPrint_Click();
    QCOMPARE(ui_.messages.size(), size_t(1));
    QCOMPARE(ui_.messages[0].text, std::string("Printer is not available"));
    QVERIFY(!window_->findChild<QAction*>("mnuPrint")->isEnabled());
    QVERIFY(!ui_.busy);
    // The grid is the window's again, not the enlarged print layout.
    QCOMPARE(grid->width(), 6120);
    QCOMPARE(grid->height(), 4950);
    QCOMPARE(grid->colWidth(3), 1530);
    QCOMPARE(grid->QTableWidget::width(), twipsToPixels(6120));
    QCOMPARE(grid->cellText(0, 0), header);
}

QTEST_MAIN(PrintCommandTest)
#include "qtest_print.moc"
