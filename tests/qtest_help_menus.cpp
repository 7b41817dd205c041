// The converter window's Help Topics, Internet Databank and Exit commands.
#include "converter/FrmConvert.h"
#include "platform/Launchers.h"
#include "support/Fakes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

using namespace quorvane;

namespace {
struct RecordingLauncher : HelpLauncher {
    void showHelpTopics(const QString& helpFile) override { shown << helpFile; }
    QStringList shown;
};
struct RecordingOpener : UrlOpener {
    void open(const QString& url) override { opened << url; }
    QStringList opened;
};
}  // namespace

class HelpMenusTest : public QObject {
    Q_OBJECT
    test::FakeUi ui_;
    test::FakePrinters printers_;

    static void trigger(FrmConvert& w, const char* name) {
        auto* a = w.findChild<QAction*>(name);
        QVERIFY2(a, name);
        a->trigger();
    }
    // Runs the application until it quits, or gives up after a few seconds.
    static bool programEnds(const std::function<void()>& action) {
        bool ended = true;
        QTimer guard;
        guard.callOnTimeout(qApp, [&] { ended = false, qApp->quit(); });
        guard.start(5000);
        QTimer::singleShot(0, qApp, action);
        qApp->exec();
        return ended;
    }

private slots:
    // Both commands only hand something over; the window goes on as before.
    void helpTopicsAndDatabankHandOver() {
        QTemporaryDir program, elsewhere;
        FrmConvert w(program.path(), &ui_, &printers_);
        RecordingLauncher launcher;
        RecordingOpener opener;
        w.setHelpLauncher(&launcher);
        w.setUrlOpener(&opener);
        w.show();
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QFile(elsewhere.filePath("zelvik.hlp")).open(QIODevice::WriteOnly);  // a decoy in the current folder
        trigger(w, "mnuZelvikHelp");  // none beside the program: the path is handed on anyway
        QFile(program.filePath("Zelvik.hlp")).open(QIODevice::WriteOnly);
        trigger(w, "mnuZelvikHelp");
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F1);  // the desktop's help key does the same
        QDir::setCurrent(before);
        QCOMPARE(launcher.shown, (QStringList{program.path() + "/zelvik.hlp", program.path() + "/Zelvik.hlp",
                                              program.path() + "/Zelvik.hlp"}));
        trigger(w, "mnuDatabank");
        QCOMPARE(opener.opened.size(), 1);
        const QUrl url(opener.opened.front());
        QVERIFY(url.isValid() && url.scheme() == "https" && !url.host().isEmpty());
        QCOMPARE(url.path(), QString("/databank"));
        QVERIFY(w.isVisible() && ui_.messages.empty());
    }

    // The viewer runs as a program of its own, with the path as its one argument and
    // no shell in between; the caller does not wait for it.
    void viewerIsStartedWithoutWaiting() {
        QTemporaryDir program;
        const QString out = program.filePath("args.txt");
        QFile script(program.filePath(kHelpViewerName));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nsleep 1\nprintf '%s|' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(out).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString odd = program.path() + "/it's $HOME; a `file`.hlp";
        ProcessHelpLauncher(program.path()).showHelpTopics(odd);
        QVERIFY(!QFile::exists(out));  // a waiting caller would find it written
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), odd + "|");
        ProcessHelpLauncher(program.filePath("nowhere")).showHelpTopics(odd);  // no viewer: nothing happens
    }

    void exitAndCloseBoxEndTheProgram() {
        QTemporaryDir program;
        for (bool viaMenu : {true, false}) {
            FrmConvert w(program.path(), &ui_, &printers_);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.setCursor(Qt::WaitCursor);
            QVERIFY(programEnds([&] {
                if (viaMenu) trigger(w, "mnuExit");
                else w.close();
            }));
            QVERIFY(!w.isVisible());
            if (viaMenu) QCOMPARE(static_cast<QWidget&>(w).cursor().shape(), Qt::ArrowCursor);
        }
    }
};

QTEST_MAIN(HelpMenusTest)
#include "qtest_help_menus.moc"
