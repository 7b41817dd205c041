// The converter window's glue: list clicks, rate boxes, focus order, Calculate.
#include "converter/FrmConvert.h"
#include "data/SqliteRateTable.h"
#include "support/Fakes.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvane;

class RateEntryTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    test::FakeUi ui_;
    test::FakePrinters printers_;

    double storedRate(const std::string& country) {
        SqliteCursor c((dir_.path() + "/Zelvik.MDB").toStdString());
        c.refresh();
        c.findFirst(country);
        return c.current()->roe;
    }
    static QListWidgetItem* item(QListWidget* l, const QString& text) {
        auto found = l->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
    static void clickItem(QListWidget* l, const QString& text) {
        QRect r = l->visualItemRect(item(l, text));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void init() {
        QFile::remove(dir_.path() + "/Zelvik.MDB");
        RateDatabase::createFromCsv((dir_.path() + "/Zelvik.MDB").toStdString(),
                                    "Country,Currency,Description,CODE,ROE\n"
                                    "Beta,1 B,Beta Crown,BBB,3\n"
                                    "Alpha,1 A = 100 a,Alpha Mark,AAA,1.5\n"
                                    "Gamma,1 G,Gamma Pound,GGG,150\n");
        ui_.messages.clear();
    }

    void clickOnAnotherCountryWritesTheTypedRateFirst() {
        FrmConvert w(dir_.path(), &ui_, &printers_);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list1 = w.findChild<QListWidget*>("List1");
        auto* box = w.findChild<QLineEdit*>("MaskEntry");
        QCOMPARE(list1->count(), 3);
        QCOMPARE(list1->item(0)->text(), QString("Alpha"));  // sorted

        clickItem(list1, "Alpha");
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QString("1.5"));
        QCOMPARE(w.findChild<QLabel*>("lblCodeFrom")->text(), QString("AAA"));
        QCOMPARE(w.grid()->cellText(0, 0), QString("Alpha"));
        QCOMPARE(w.grid()->cellText(20, 2), QString("100"));

        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->hasFocus());
        QVERIFY(w.converter().originBoxFlag());
        box->selectAll();
        QTest::keyClicks(box, "1.25");
        clickItem(list1, "Gamma");
        QCOMPARE(storedRate("Alpha"), 1.25);
        QCOMPARE(box->text(), QString("150"));
        QCOMPARE(w.grid()->cellText(1, 0), QString("100"));

        // letters: nothing stored, nothing reported, the text stays
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, "abc");
        w.grid()->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(storedRate("Gamma"), 150.0);
        QCOMPARE(box->text(), QString("abc"));
        QVERIFY(ui_.messages.empty());
    }

    void tabOrderAndMenuKeepsTheFocus() {
        FrmConvert w(dir_.path(), &ui_, &printers_);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list1 = w.findChild<QListWidget*>("List1");
        auto* list2 = w.findChild<QListWidget*>("List2");
        auto* box1 = w.findChild<QLineEdit*>("MaskEntry");
        auto* box2 = w.findChild<QLineEdit*>("MaskEntry2");

        // before any choice the rate boxes are out of the Tab order
        list1->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.grid()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list1));

        clickItem(list1, "Alpha");
        clickItem(list2, "Beta");
        w.findChild<QAction*>("mnuCalculate")->trigger();
        QCOMPARE(w.grid()->cellText(1, 1), QString("2.00"));
        // A picture of the calculated chart in the window, for a person to look at.
        QString out = qEnvironmentVariable("QUORVANE_TEST_OUTPUT");
        if (!out.isEmpty() && QDir().mkpath(out)) w.grab().save(out + "/chart_window.png");
        const QWidget* expected[] = {list2, w.grid(), box2, box1, list1};
        list1->setFocus();
        for (const QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // a typed rate is used at once by Calculate from the menu; the box keeps the focus
        QTest::mouseClick(box2, Qt::LeftButton);
        box2->selectAll();
        QTest::keyClicks(box2, "6");
        w.findChild<QAction*>("mnuCalculate")->trigger();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box2));
        QCOMPARE(w.grid()->cellText(1, 1), QString("4.00"));
        QCOMPARE(storedRate("Beta"), 3.0);
        // Tab to the origin box writes the destination rate first
        QTest::keyClick(box2, Qt::Key_Tab);
        QCOMPARE(storedRate("Beta"), 6.0);
        QVERIFY(w.converter().originBoxFlag());
        QVERIFY(!w.converter().destinationBoxFlag());
    }
};

QTEST_MAIN(RateEntryTest)
#include "qtest_rate_entry.moc"
