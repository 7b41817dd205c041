// The about window and the credits window as the user meets them.
#include "about/AboutORVE.h"
#include "about/FrmMarquee.h"
#include "about/LinuxRegistry.h"
#include "about/QtProcessStarter.h"
#include "converter/FrmConvert.h"
#include "platform/Twips.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAccessible>
#include <QPushButton>
#include <QtTest>

using namespace quorvane;

class AboutTest : public QObject {
    Q_OBJECT
    test::FakeUi ui;
    LinuxRegistry reg{"", {}};  // a desktop without any system-information tool
    QtProcessStarter starter;

private slots:
    void showsVersionClosesWithEnterAndEscAndReportsMissingSysInfo() {
        for (auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutORVE about(nullptr, &ui, &reg, &starter);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QCOMPARE(about.windowTitle() + "|" + about.findChild<QLabel*>("lblVersion")->text(), "About Quorvane|Version 1.0.0");
            QCOMPARE(about.focusWidget()->objectName(), QString("cmdOK"));
            // Whatever the keyboard reaches is named; so is the icon, which it passes by.
            for (QWidget* c : about.findChildren<QWidget*>())
                if (c->focusPolicy() & Qt::TabFocus || c->objectName() == "picIcon")
                    QVERIFY(!QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty() &&
                            (c->objectName() != "picIcon" || c->focusPolicy() == Qt::NoFocus));
            test::saveShot(&about, "about");
            QTest::keyClick(about.focusWidget(), key);
            QVERIFY(!about.isVisible());
        }
        AboutORVE about(nullptr, &ui, &reg, &starter);
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(ui.messages.size(), std::size_t(1));
        QCOMPARE(ui.messages[0].text, std::string("System Information Is Unavailable At This Time"));
    }

    // Before arming the letters do nothing; an arming opens the credits once, and they start to move.
    void pointerOverIconThenLeaOpensCreditsOnce() {
        armingFlags() = {};
        AboutORVE about(nullptr, &ui, &reg, &starter);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto typeLea = [&] { for (auto k : {Qt::Key_L, Qt::Key_E, Qt::Key_A}) QTest::keyClick(about.focusWidget(), k); };
        typeLea();
        QVERIFY(about.keySequence().buffer().empty());
        auto* pic = about.findChild<QLabel*>("picIcon");
        QMouseEvent move(QEvent::MouseMove, QPointF(16, 16), pic->mapToGlobal(QPointF(16, 16)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pic, &move);
        QVERIFY(armingFlags().a && armingFlags().b);
        int shown = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* m = qobject_cast<FrmMarquee*>(QApplication::activeModalWidget());
            if (!m) return;
            poll.stop(), ++shown;
            QVERIFY(m->parentWidget() == &about && !armingFlags().a && !armingFlags().b);  // spent on load
            QCOMPARE(m->marquee().left(), 435);
            QTRY_VERIFY(m->marquee().left() <= 435 - 3 * 25);
            QCOMPARE(m->findChild<QLabel*>("Label1")->x(), twipsToPixels(m->marquee().left()));
            test::saveShot(m, "credits");
            m->close();
        });
        for (int pass = 0; pass < 2; ++pass) {  // the second time it is not armed any more
            poll.start(20);
            typeLea();
            QTest::qWait(60);
            QCOMPARE(shown, 1);
        }
        QVERIFY(about.isVisible());
    }

    void converterAboutCommandShowsTheWindowModallyAndOkClosesIt() {
        test::FakePrinters printers;
        FrmConvert frm(qEnvironmentVariable("QUORVANE_PROGRAM_DIR"), &ui, &printers);
        AboutORVE* about = nullptr;
        QTimer::singleShot(50, [&] {
            about = qobject_cast<AboutORVE*>(QApplication::activeModalWidget());
            QVERIFY(about && about->parentWidget() == &frm);
            about->findChild<QPushButton*>("cmdOK")->click();
        });
        frm.mnuAbout_Click();  // returns once OK has closed the window
        QVERIFY(about);
    }
};

QTEST_MAIN(AboutTest)
#include "qtest_about.moc"
