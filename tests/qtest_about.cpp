// The about window and the credits window as the user meets them.
#include "about/AboutORVE.h"
#include "about/FrmMarquee.h"
#include "about/LinuxRegistry.h"
#include "about/QtProcessStarter.h"
#include "converter/FrmConvert.h"
#include "platform/Twips.h"
#include "support/Fakes.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <clocale>

using namespace quorvane;

namespace {
FrmMarquee* openMarquee() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<FrmMarquee*>(w); m && m->isVisible()) return m;
    return nullptr;
}
// A picture of the window for a person to look at.
void saveShot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("QUORVANE_TEST_OUTPUT");
    if (!dir.isEmpty() && QDir().mkpath(dir)) w->grab().save(dir + "/" + name);
}
}  // namespace

class AboutTest : public QObject {
    Q_OBJECT
    test::FakeUi ui;
    LinuxRegistry reg{"", {}};  // a desktop without any system-information tool
    QtProcessStarter starter;

    void typeLea(AboutORVE& about) {
        for (auto k : {Qt::Key_L, Qt::Key_E, Qt::Key_A}) QTest::keyClick(about.focusWidget(), k);
    }

private slots:
    void initTestCase() { std::setlocale(LC_ALL, "en_US.UTF-8"); }

    void showsVersionClosesWithEnterAndEscAndReportsMissingSysInfo() {
        for (auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutORVE about(nullptr, &ui, &reg, &starter);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QCOMPARE(about.windowTitle(), QString("About Quorvane"));
            QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.0.0"));
            QCOMPARE(about.focusWidget()->objectName(), QString("cmdOK"));
            // Whatever the keyboard reaches is named; so is the icon, which it passes by.
            for (QWidget* c : about.findChildren<QWidget*>())
                if (c->focusPolicy() & Qt::TabFocus || c->objectName() == "picIcon")
                    QVERIFY(!QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty() &&
                            (c->objectName() != "picIcon" || c->focusPolicy() == Qt::NoFocus));
            saveShot(&about, "about.png");
            QTest::keyClick(about.focusWidget(), key);
            QVERIFY(!about.isVisible());
        }
        AboutORVE about(nullptr, &ui, &reg, &starter);
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(ui.messages.size(), std::size_t(1));
        QCOMPARE(ui.messages[0].text, std::string("System Information Is Unavailable At This Time"));
    }

    // Before arming the letters do nothing; each arming opens the credits once, afresh.
    void pointerOverIconThenLeaOpensCreditsOnce() {
        armingFlags() = {};
        AboutORVE about(nullptr, &ui, &reg, &starter);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* pic = about.findChild<QLabel*>("picIcon");
        typeLea(about);
        QVERIFY(about.keySequence().buffer().empty());

        int shown = 0;
        QList<int> lefts;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            FrmMarquee* m = openMarquee();
            if (!m) return;
            poll.stop();
            ++shown;
            QCOMPARE(m->parentWidget(), &about);
            QVERIFY(!armingFlags().a && !armingFlags().b);  // spent on load
            lefts << m->marquee().left();
            QTRY_VERIFY(m->marquee().left() <= 435 - 3 * 25);
            QCOMPARE(m->findChild<QLabel*>("Label1")->x(), twipsToPixels(m->marquee().left()));
            saveShot(m, "credits.png");
            m->close();
        });
        for (int pass = 1; pass <= 2; ++pass) {
            QMouseEvent ev(QEvent::MouseMove, QPointF(16, 16), pic->mapToGlobal(QPointF(16, 16)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(pic, &ev);
            QVERIFY(armingFlags().a && armingFlags().b);
            poll.start(20);
            typeLea(about);
            QCOMPARE(shown, pass);
            poll.start(20);
            typeLea(about);  // not armed any more
            QTest::qWait(60);
            poll.stop();
            QCOMPARE(shown, pass);
        }
        QCOMPARE(lefts, QList<int>({435, 435}));
        QVERIFY(about.isVisible());
    }

    void converterAboutCommandShowsTheWindowModallyAndOkClosesIt() {
        test::FakeUi convUi;
        test::FakePrinters printers;
        FrmConvert frm(qEnvironmentVariable("QUORVANE_PROGRAM_DIR"), &convUi, &printers);
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
