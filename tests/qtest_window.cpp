// The converter window as a user first sees it, started from another folder on a
// program folder with the shipped rate table.
#include "converter/FrmConvert.h"
#include "data/SqliteRateTable.h"
#include "platform/Twips.h"
#include "support/Fakes.h"

#include <QAction>
#include <QCollator>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <clocale>
#include <memory>

using namespace quorvane;

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void listsHoldEveryCountrySortedNothingSelected();
    void gridIsShapedAndEmpty();
    void menusAndRateBoxesOfAnUnchosenWindow();
    void controlsSpeakAndStandAtTheirPlaces();
    void datePanelShowsToday();

private:
    template <typename T> T* child(const char* name) {
        T* w = window_->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QTemporaryDir programDir_, elsewhere_;
    QStringList tableCountries_;
    test::FakeUi ui_;
    test::FakePrinters printers_;
    std::unique_ptr<FrmConvert> window_;
};

void WindowTest::initTestCase() {
    std::setlocale(LC_ALL, "en_US.UTF-8");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QByteArray source = qgetenv("QUORVANE_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "QUORVANE_SOURCE_DIR is not set");
    QFile csv(QString::fromLocal8Bit(source) + "/data/rates.csv");
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QString db = programDir_.filePath("Zelvik.MDB");
    RateDatabase::createFromCsv(db.toStdString(), csv.readAll().toStdString());
    {
        SqliteCursor c(db.toStdString());
        c.refresh();
        for (; !c.eof(); c.moveNext()) tableCountries_ << QString::fromStdString(c.current()->country);
    }
    QVERIFY(tableCountries_.size() > 260);

    // Started while another folder is current: the table is still found.
    QVERIFY(QDir::setCurrent(elsewhere_.path()));
    window_ = std::make_unique<FrmConvert>(programDir_.path(), &ui_, &printers_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(QDir::current().canonicalPath(), QDir(programDir_.path()).canonicalPath());
    QVERIFY(ui_.messages.empty());
}

void WindowTest::cleanupTestCase() {
    window_.reset();
    QDir::setCurrent(QDir::tempPath());
}

void WindowTest::listsHoldEveryCountrySortedNothingSelected() {
    QCollator collator(QLocale::system());
    QStringList expected = tableCountries_;
    std::sort(expected.begin(), expected.end(), [&](auto& a, auto& b) { return collator.compare(a, b) < 0; });
    for (const char* name : {"List1", "List2"}) {
        auto* list = child<QListWidget>(name);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        QCOMPARE(shown.size(), tableCountries_.size());
        QCOMPARE(shown, expected);
        QVERIFY(list->selectedItems().isEmpty());
    }
}

void WindowTest::gridIsShapedAndEmpty() {
    ChartGrid* grid = window_->grid();
    QCOMPARE(grid->rowCount(), 21);
    QCOMPARE(grid->columnCount(), 4);
    const GridOps& ops = *grid;  // sizes in twips
    QCOMPARE(ops.width(), 6120);
    QCOMPARE(ops.height(), 4950);
    QCOMPARE(grid->geometry(), twipsRect(3270, 870, 6120, 4950));
    QCOMPARE(grid->rowHeight(0), 425);
    QCOMPARE(grid->QTableWidget::rowHeight(0), twipsToPixels(425));
    for (int r = 1; r < 21; ++r) QCOMPARE(grid->QTableWidget::rowHeight(r), twipsToPixels(220));
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(grid->columnWidth(c), twipsToPixels(1530));
        for (int r = 0; r < 21; ++r) QCOMPARE(grid->cellText(r, c), QString());
    }
    QVERIFY(grid->wordWrap());
}

void WindowTest::menusAndRateBoxesOfAnUnchosenWindow() {
    QVERIFY(!child<QAction>("mnuCalculate")->isEnabled());
    QVERIFY(!child<QAction>("mnuPrint")->isEnabled());
    QVERIFY(child<QAction>("mnuExit")->isEnabled());
    auto* box1 = child<QLineEdit>("MaskEntry");
    auto* box2 = child<QLineEdit>("MaskEntry2");
    QVERIFY(box1->isHidden());
    QVERIFY(box2->isHidden());

    // Tab goes round the lists and the grid and never lands on a rate box.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto* list1 = child<QListWidget>("List1");
    list1->setFocus(Qt::OtherFocusReason);
    QList<QWidget*> visited;
    for (int i = 0; i < 8; ++i) {
        visited << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(!visited.contains(box1));
    QVERIFY(!visited.contains(box2));
    QVERIFY(!visited.contains(child<QLineEdit>("Text1")));
    QCOMPARE(visited.mid(0, 4), (QList<QWidget*>{list1, child<QListWidget>("List2"), window_->grid(), list1}));
    QVERIFY(list1->selectedItems().isEmpty());
}

void WindowTest::controlsSpeakAndStandAtTheirPlaces() {
    QCOMPARE(window_->windowTitle(), QString("Quorvane"));
    QCOMPARE(child<QListWidget>("List1")->accessibleName(), QString("Origin country"));
    QCOMPARE(child<QListWidget>("List2")->accessibleName(), QString("Destination country"));
    QCOMPARE(child<QLineEdit>("MaskEntry")->accessibleName(), QString("Origin rate"));
    QCOMPARE(child<QLineEdit>("MaskEntry2")->accessibleName(), QString("Destination rate"));
    QCOMPARE(window_->grid()->accessibleName(), QString("Conversion chart"));
    QCOMPARE(child<QLabel>("lblList1")->accessibleName(), QString("Select Country to convert from:"));

    struct Place { const char* name; QRect twips; };
    const Place places[] = {
        {"lblList1", twipsRect(0, 105, 2670, 270)},       {"lblCodeFrom", twipsRect(2650, 105, 540, 270)},
        {"List1", twipsRect(0, 375, 3195, 2580)},          {"lblList2", twipsRect(-30, 2985, 2670, 285)},
        {"lblCodeTo", twipsRect(2625, 2985, 540, 285)},    {"List2", twipsRect(0, 3255, 3195, 2580)},
        {"Frame1", twipsRect(3210, 0, 6255, 855)},         {"lblTitle1", twipsRect(10, 120, 3127, 250)},
        {"lblTitle2", twipsRect(3125, 120, 3127, 250)},    {"lblUSD1", twipsRect(45, 465, 660, 285)},
        {"MaskEntry", twipsRect(690, 390, 990, 345)},      {"Label1", twipsRect(1695, 390, 1380, 420)},
        {"lblUSD2", twipsRect(3120, 465, 615, 285)},       {"MaskEntry2", twipsRect(3750, 390, 990, 345)},
        {"Label2", twipsRect(4785, 390, 1380, 420)},       {"StatusBar1", twipsRect(0, 5850, 9510, 375)},
    };
    for (const Place& p : places) {
        QWidget* w = child<QWidget>(p.name);
        if (w->geometry() != p.twips)
            QFAIL(qPrintable(QString("%1 at %2,%3 %4x%5").arg(p.name).arg(w->x()).arg(w->y()).arg(w->width())
                                 .arg(w->height())));
    }
    QCOMPARE(window_->centralWidget()->size(), twipsRect(0, 0, 9510, 6225).size());
    QVERIFY(child<QLineEdit>("MaskEntry")->toolTip().startsWith("Origin Country Exchange Rate versus 1 USD."));
    QCOMPARE(child<QLabel>("panelNum")->toolTip(), QString("Indicates if Num Lock key is on or off"));
}

void WindowTest::datePanelShowsToday() {
    QString before = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    QString shown = child<QLabel>("panelDate")->text();
    QString after = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    QVERIFY2(shown == before || shown == after, qPrintable(shown));
    QVERIFY(!shown.isEmpty());
}

QTEST_MAIN(WindowTest)
#include "qtest_window.moc"
