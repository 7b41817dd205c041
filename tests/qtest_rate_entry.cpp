// The converter window's glue: list clicks, rate boxes, focus order and closing,
// in the locale the test runs in (ctest runs it in en_US and in de_DE).
#include "converter/FrmConvert.h"
#include "converter/RateText.h"
#include "platform/QuitSignals.h"
#include "support/Fakes.h"
#include "support/Pictures.h"
#include "support/TempRates.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

#include <csignal>

using namespace quorvane;

class RateEntryTest : public QObject {
    Q_OBJECT
    test::TempRates rates_;
    test::FakeUi ui_;
    test::FakePrinters printers_;

    // A number as this locale writes it.
    static QString loc(QString s) { return s.replace('.', QLocale::system().decimalPoint()); }
    static void click(FrmConvert& w, ListId id, const QString& text) {
        auto* l = w.findChild<QListView*>(id == ListId::Origin ? "List1" : "List2");
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(w.countryIndex(id, text)).center());
    }
    static void type(QLineEdit* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    std::unique_ptr<FrmConvert> open() {
        auto w = std::make_unique<FrmConvert>(rates_.folder(), &ui_, &printers_);
        w->show();
        if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
        return w;
    }
    static QLineEdit* box(FrmConvert& w, RateBox b) { return w.findChild<QLineEdit*>(b == RateBox::Origin ? "MaskEntry" : "MaskEntry2"); }

private slots:
    void init() {
        rates_.make("Beta,1 B,Beta Crown,BBB,3\nAlpha,1 A = 100 a,Alpha Mark,AAA,1.5\nGamma,1 G,Gamma Pound,GGG,150\n"
                    "Japan,1 Yen,Japanese Yen,JPY,157.477\nVietnam,1 Dong,Vietnamese Dong,VND,25947.8\n",
                    "Zelvik.MDB", "2026-09-29");
        ui_.messages.clear();
    }

    // Each choice shows its rate from the first digit; a typed rate goes to its own record, when another
    // country is chosen or the box is left; a locked table is told (what follows a refusal: test_converter).
    void choicesShowRatesAndKeepTypedOnesOnTheirRecords() {
        auto w = open();
        for (auto [list, country, shown] : {std::tuple{ListId::Origin, "Japan", "157.477"},
                                            {ListId::Destination, "Vietnam", "25947.8"}}) {
            click(*w, list, country);
            QLineEdit* b = box(*w, list == ListId::Origin ? RateBox::Origin : RateBox::Destination);
            QCOMPARE(b->text(), loc(shown));
            QCOMPARE(b->cursorPosition(), 0);
        }
        test::saveShot(w.get(), "rate_boxes_" + QLocale::system().name());
        auto* b = box(*w, RateBox::Origin);
        click(*w, ListId::Origin, "Alpha");
        QCOMPARE(w->findChild<QLabel*>("lblCodeFrom")->text(), QString("AAA"));
        QCOMPARE(w->grid()->shownText(0, 0), QString("Alpha"));
        type(b, loc("1.25"));
        click(*w, ListId::Origin, "Gamma");
        QCOMPARE(rates_.storedRate("Alpha"), 1.25);
        QCOMPARE(b->text(), QString("150"));
        {
            test::OtherProgram writer(rates_.file(), "BEGIN IMMEDIATE");  // a real lock, and the words the user reads
            type(b, loc("2.5"));
            w->grid()->setFocus(Qt::MouseFocusReason);
            click(*w, ListId::Origin, "Alpha");
        }
        QCOMPARE(ui_.messages.size(), size_t(1));
        QCOMPARE(ui_.messages[0].text, "The rate of Gamma could not be saved: another program is using the rate table; "
                                       "close it and try again.");
        type(b, "151");
        QTest::keyClick(b, Qt::Key_Backtab);
        QCOMPARE(rates_.storedRate("Alpha"), 151.0);
    }

    void tabOrderAndMenuKeepTheFocus() {
        auto w = open();
        auto *list1 = w->findChild<QListView*>("List1"), *list2 = w->findChild<QListView*>("List2");
        // Before a choice the rate boxes stay out of the Tab order; once both are chosen they join it.
        for (bool chosen : {false, true}) {
            if (chosen) {
                click(*w, ListId::Origin, "Alpha");
                click(*w, ListId::Destination, "Beta");
                w->findChild<QAction*>("mnuCalculate")->trigger();
                test::saveShot(w.get(), "chart_window");
            }
            list1->setFocus(Qt::OtherFocusReason);
            auto order = chosen ? QList<QWidget*>{list2, w->grid(), box(*w, RateBox::Destination), box(*w, RateBox::Origin), list1}
                                : QList<QWidget*>{list2, w->grid(), list1};
            for (QWidget* next : order) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
            }
        }

        // A typed rate is used at once by Calculate from the menu; the box keeps
        // the focus, and so it does when Alt alone goes to the menu bar.
        auto* box2 = box(*w, RateBox::Destination);
        type(box2, loc("0.92"));
        w->findChild<QAction*>("mnuCalculate")->trigger();
        QTest::keyClick(box2, Qt::Key_Alt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(w->grid()->shownText(1, 1), loc("0.61"));
        QCOMPARE(rates_.storedRate("Beta"), 3.0);
        // Tab to the origin box writes the destination rate first.
        box2->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(box2, Qt::Key_Tab);
        QCOMPARE(rates_.storedRate("Beta"), 0.92);
        QVERIFY(w->converter().originBoxFlag());
        QVERIFY(!w->converter().destinationBoxFlag());
    }

    // A bank's "1 AAA = 158.2 JPY", from the Japan box's context menu (Shift+F10, a right click or the
    // Menu key): Japan's rate per dollar becomes 158.2 x Alpha's. What is asked, and when: test_converter.
    void crossRateFromTheContextMenu() {
        auto w = open();
        click(*w, ListId::Origin, "Alpha");
        click(*w, ListId::Destination, "Japan");
        QLineEdit* jpy = box(*w, RateBox::Destination);
        QStringList offered;
        auto take = [&](const char* name) {  // after Qt's own edit actions and a separator
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            const QList<QAction*> actions = menu->actions();
            auto* cross = menu->findChild<QAction*>("crossRate");
            const qsizetype at = actions.indexOf(cross);
            offered << (at > 0 && actions[at - 1]->isSeparator() ? "" : "(no separator) ") + cross->text();
            for (QAction* a : {cross, menu->findChild<QAction*>("restoreRate")})
                offered << a->text() + (a->isEnabled() ? "" : " (off)");
            menu->findChild<QAction*>(name)->trigger();
            menu->close();
        };
        ui_.answer = loc("158.2").toStdString();
        QTimer::singleShot(0, [&] { take("crossRate"); });
        QTest::keySequence(jpy, QKeySequence(Qt::SHIFT | Qt::Key_F10));
        QTRY_COMPARE(rates_.storedRate("Japan"), 158.2 * 1.5);
        QCOMPARE(jpy->text(), loc(QString::fromStdString(rateToBoxText(158.2 * 1.5))));
        QTimer::singleShot(0, [&] { take("restoreRate"); });  // a right click or the Menu key: the window system's event
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), jpy->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(jpy, &menuEvent);
        const QString cross = "Rate per 1 AAA\u2026";
        QCOMPARE(offered, (QStringList{cross, cross, "Restore the rate of 29 September 2026 (off)", cross, cross,
                                       "Restore the rate of 29 September 2026"}));
        QCOMPARE(rates_.storedRate("Japan"), 157.477);
        QCOMPARE(jpy->text(), loc("157.477"));
    }

    // Every way of ending writes the rate being typed, exactly, for the next start.
    void typedRateSurvivesEveryWayOfClosing() {
        enum Way { Exit, CloseBox, CalculateThenExit, Signal };
        for (Way way : {Exit, CloseBox, CalculateThenExit, Signal}) {
            init();
            auto w = open();
            click(*w, ListId::Origin, "Alpha");
            click(*w, ListId::Destination, "Gamma");
            type(box(*w, RateBox::Origin), loc("70.5"));
            if (way == CalculateThenExit) w->findChild<QAction*>("mnuCalculate")->trigger();
            if (way == Signal) quitOnTerminationSignals([&] { w->close(); }), std::raise(SIGTERM);
            else if (way == CloseBox) w->close();
            else w->findChild<QAction*>("mnuExit")->trigger();
            QTRY_VERIFY(!w->isVisible());
            QCOMPARE(rates_.storedRate("Alpha"), 70.5);
        }
    }
};

QTEST_MAIN(RateEntryTest)
#include "qtest_rate_entry.moc"
