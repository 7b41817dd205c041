// The about window and the credits window as the user meets them.
#include "about/AboutORVE.h"
#include "about/FrmMarquee.h"
#include "converter/FrmConvert.h"
#include "platform/Twips.h"
#include "support/Fakes.h"

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

class NoRegistry : public Registry {
public:
    long openKey(RegKey, const std::string&, std::uint32_t, RegKey&) override { return 2; }
    long queryValue(RegKey, const std::string&, std::uint32_t&, unsigned char*, std::uint32_t&) override { return 2; }
    long closeKey(RegKey) override { return 0; }
};
class NoStarter : public ProcessStarter {
public:
    bool ordinaryFileExists(const std::string&) const override { return false; }
    bool start(const std::string&) override { return false; }
};

FrmMarquee* openMarquee() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<FrmMarquee*>(w); m && m->isVisible()) return m;
    return nullptr;
}

void moveOver(QWidget* w, QPointF p) {
    QMouseEvent ev(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// A picture of the window for a person to look at.
void saveShot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("QUORVANE_TEST_OUTPUT");
    if (dir.isEmpty() || !QDir().mkpath(dir)) return;
    w->grab().save(dir + "/" + name);
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT
    test::FakeUi ui;
    NoRegistry reg;
    NoStarter starter;

    void typeLea(AboutORVE& about) {
        for (auto k : {Qt::Key_L, Qt::Key_E, Qt::Key_A}) QTest::keyClick(about.focusWidget(), k);
    }

private slots:
    void initTestCase() { std::setlocale(LC_ALL, "en_US.UTF-8"); }

    void showsItsTextsAndClosesWithEnterAndEsc() {
        for (auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutORVE about(nullptr, &ui, &reg, &starter);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QCOMPARE(about.windowTitle(), QString("About Quorvane"));
            QCOMPARE(about.size(), QSize(377, 242));
            QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QString("Quorvane"));
            QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.0.0"));
            QVERIFY(!about.findChild<QLabel*>("lblCopyright")->text().isEmpty());
            QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QString("&System Info..."));
            QCOMPARE(about.focusWidget()->objectName(), QString("cmdOK"));
            saveShot(&about, "about.png");
            QTest::keyClick(about.focusWidget(), key);
            QVERIFY(!about.isVisible());
        }
    }

    void systemInfoFailureIsReported() {
        AboutORVE about(nullptr, &ui, &reg, &starter);
        ui.messages.clear();
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(ui.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(ui.messages[0].text), QString("System Information Is Unavailable At This Time"));
    }

    void pointerOverIconThenLeaOpensCreditsOnce() {
        armingFlags() = {};
        AboutORVE about(nullptr, &ui, &reg, &starter);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* pic = about.findChild<QLabel*>("picIcon");

        typeLea(about);  // not armed yet
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
            QCOMPARE(m->windowTitle(), QString("Credits"));
            QVERIFY(!armingFlags().a && !armingFlags().b);
            lefts << m->marquee().left();
            QTRY_VERIFY(m->marquee().left() <= 435 - 3 * 25);
            QCOMPARE(m->findChild<QLabel*>("Label1")->x(), twipsToPixels(m->marquee().left()));
            saveShot(m, "credits.png");
            m->close();
        });

        for (int pass = 0; pass < 2; ++pass) {
            moveOver(pic, QPointF(16, 16));
            QVERIFY(armingFlags().a && armingFlags().b);
            poll.start(20);
            typeLea(about);
            QCOMPARE(shown, pass + 1);
            QVERIFY(!openMarquee());
            // The flags are spent: the letters alone do nothing now.
            poll.start(20);
            typeLea(about);
            QTest::qWait(60);
            poll.stop();
            QCOMPARE(shown, pass + 1);
        }
        QCOMPARE(lefts, QList<int>({435, 435}));
        QVERIFY(about.isVisible());
    }

    void converterAboutCommandShowsTheWindowModally() {
        test::FakeUi convUi;
        test::FakePrinters printers;
        FrmConvert frm(qEnvironmentVariable("QUORVANE_PROGRAM_DIR"), &convUi, &printers);
        bool seen = false;
        QTimer::singleShot(50, [&] {
            auto* about = qobject_cast<AboutORVE*>(QApplication::activeModalWidget());
            QVERIFY(about);
            seen = about->parentWidget() == &frm;
            about->findChild<QPushButton*>("cmdOK")->click();
        });
        frm.mnuAbout_Click();
        QVERIFY(seen);
    }
};

QTEST_MAIN(AboutTest)
#include "qtest_about.moc"
