// The converter window's glue: list clicks, rate boxes, focus order, Calculate.
#include "converter/FrmConvert.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAction>
#include <QDir>
#include <QtTest>

using namespace quorvane;

class RateEntryTest : public QObject {
    Q_OBJECT
    test::TempRates rates_;
    test::FakeUi ui_;
    test::FakePrinters printers_;

    static void clickItem(QListWidget* l, const QString& text) {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->findItems(text, Qt::MatchExactly).value(0)).center());
    }
    static void type(QLineEdit* box, const char* text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, text);
    }

private slots:
    void init() {
        rates_.make("Beta,1 B,Beta Crown,BBB,3\nAlpha,1 A = 100 a,Alpha Mark,AAA,1.5\nGamma,1 G,Gamma Pound,GGG,150\n");
        ui_.messages.clear();
    }

    void clickOnAnotherCountryWritesTheTypedRateFirst() {
        FrmConvert w(rates_.folder(), &ui_, &printers_);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list1 = w.findChild<QListWidget*>("List1");
        auto* box = w.findChild<QLineEdit*>("MaskEntry");
        QCOMPARE(list1->item(0)->text(), QString("Alpha"));  // sorted

        clickItem(list1, "Alpha");
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QString("1.5"));
        QCOMPARE(w.findChild<QLabel*>("lblCodeFrom")->text(), QString("AAA"));
        QCOMPARE(w.grid()->cellText(0, 0), QString("Alpha"));

        type(box, "1.25");
        QVERIFY(box->hasFocus() && w.converter().originBoxFlag());
        clickItem(list1, "Gamma");
        QCOMPARE(rates_.storedRate("Alpha"), 1.25);
        QCOMPARE(box->text(), QString("150"));
        QCOMPARE(w.grid()->cellText(1, 0), QString("100"));

        // Letters: nothing stored, nothing reported, the text stays.
        type(box, "abc");
        w.grid()->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(rates_.storedRate("Gamma"), 150.0);
        QCOMPARE(box->text(), QString("abc"));
        QVERIFY(ui_.messages.empty());
    }

    void tabOrderAndMenuKeepTheFocus() {
        FrmConvert w(rates_.folder(), &ui_, &printers_);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list1 = w.findChild<QListWidget*>("List1");
        auto* list2 = w.findChild<QListWidget*>("List2");
        auto* box1 = w.findChild<QLineEdit*>("MaskEntry");
        auto* box2 = w.findChild<QLineEdit*>("MaskEntry2");
        // Before a choice the rate boxes stay out of the Tab order; once both are chosen they join it.
        for (bool chosen : {false, true}) {
            if (chosen) {
                clickItem(list1, "Alpha");
                clickItem(list2, "Beta");
                w.findChild<QAction*>("mnuCalculate")->trigger();
                QCOMPARE(w.grid()->cellText(1, 1), QString("2.00"));
                // A picture of the calculated chart in the window, for a person to look at.
                QString out = qEnvironmentVariable("QUORVANE_TEST_OUTPUT");
                if (!out.isEmpty() && QDir().mkpath(out)) w.grab().save(out + "/chart_window.png");
            }
            list1->setFocus(Qt::OtherFocusReason);
            auto order = chosen ? QList<QWidget*>{list2, w.grid(), box2, box1, list1}
                                : QList<QWidget*>{list2, w.grid(), list1};
            for (QWidget* next : order) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
            }
            QCOMPARE(list1->selectedItems().size(), int(chosen));  // Tab chooses nothing
        }

        // A typed rate is used at once by Calculate from the menu; the box keeps the focus.
        type(box2, "6");
        w.findChild<QAction*>("mnuCalculate")->trigger();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box2));
        QCOMPARE(w.grid()->cellText(1, 1), QString("4.00"));
        QCOMPARE(rates_.storedRate("Beta"), 3.0);
        // Tab to the origin box writes the destination rate first.
        QTest::keyClick(box2, Qt::Key_Tab);
        QCOMPARE(rates_.storedRate("Beta"), 6.0);
        QVERIFY(w.converter().originBoxFlag() && !w.converter().destinationBoxFlag());
    }
};

QTEST_MAIN(RateEntryTest)
#include "qtest_rate_entry.moc"
