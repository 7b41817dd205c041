// The help viewer on the shipped help file, and on files it cannot use.
#include "platform/HelpViewer.h"
#include "support/TempRates.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <QtTest>

using namespace quorvane;

class HelpViewerTest : public QObject {
    Q_OBJECT
    QString shipped_ = qEnvironmentVariable("QUORVANE_SOURCE_DIR") + "/src/resources/zelvik.hlp";

private slots:
    // Opens at the list of topics with the keyboard in it; Ctrl+W and Esc close it.
    void opensAtHelpTopicsAndIndexNarrows() {
        HelpViewer v(shipped_);
        v.show();
        QVERIFY(v.hasTopics() && QTest::qWaitForWindowActive(&v));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("helpContents"));
        QCOMPARE(v.topicsView()->currentIndex(), 0);  // the list of topics
        QCOMPARE(v.currentTopicId(), QString("welcome"));
        for (const char* t : {"Choosing countries", "Typing a newer rate", "Updating the rates", "Reading the chart", "Printing the chart",
                              "Messages"})
            QVERIFY2(v.topicTitles().contains(t), t);
        v.filterIndex("prin");
        QVERIFY(v.indexEntries().contains("Printer is not available"));
        for (const QString& e : v.indexEntries()) QVERIFY(e.startsWith("prin", Qt::CaseInsensitive));
        test::saveShot(&v, "help_viewer");
        for (QKeySequence close : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
            v.show();
            QVERIFY(QTest::qWaitForWindowActive(&v));
            QTest::keySequence(QApplication::focusWidget(), close);
            QVERIFY(!v.isVisible());
        }
    }

    // Every message the program shows is explained, and every link leads to a topic.
    void explainsEveryMessage() {
        HelpViewer v(shipped_);
        QString all;
        for (const HelpTopic& t : loadHelpFile(shipped_).topics) {
            QVERIFY(v.showTopic(t.id));
            all += v.pageText() + "\n";
        }
        for (const char* m : {"Whoops!", "Error Number", "You've picked the same country for Origin and Destination. Please try again.",
                              "You've left the Origin Country Rate Area blank!", "You've left the Destination Country Rate Area blank!",
                              "Please check the Exchange Rate!", "Select a country", "Printer is not available",
                              "System Information Is Unavailable At This Time"})
            QVERIFY2(all.contains(m), m);
        static const QRegularExpression link("href=\"#([^\"]+)\"");
        int links = 0;
        for (auto it = link.globalMatch(QString::fromUtf8(test::readFile(shipped_))); it.hasNext(); ++links) {
            const QString id = it.next().captured(1);
            QVERIFY2(v.showTopic(id), qPrintable(id));
        }
        QVERIFY(links > 10);
    }

    // Missing, empty, oversized or hostile files: each is named for what it is,
    // and no topic reaches outside the file or stops the viewer.
    void saysWhatIsWrongWithAFileAndKeepsToIt() {
        QTemporaryDir dir;
        auto write = [&](const char* name, const QByteArray& body) {
            return test::writeFile(dir.filePath(name), body) ? dir.filePath(name) : QString();
        };
        auto topic = [](QByteArray id, QByteArray body) { return "<section id=\"" + id + "\" title=\"" + id + "\">" + body + "</section>"; };
        const QString missing = dir.filePath("zelvik.hlp");
        HelpViewer gone(missing);
        QVERIFY(!gone.hasTopics() && !gone.topicsView()->isEnabled());
        QVERIFY(gone.pageText().contains(missing + " was not found"));
        QVERIFY(gone.pageText().contains("folder that holds the program"));
        QVERIFY(HelpViewer(write("junk.hlp", "<html><body><p>no topics</p></body></html>")).pageText().contains("contains no help topics"));
        QFile huge(write("huge.hlp", ""));
        QVERIFY(huge.resize(kMaxHelpFileBytes + 1));
        QVERIFY(HelpViewer(huge.fileName()).pageText().contains("is too large to show"));

        const QByteArray outside = QUrl::fromLocalFile(shipped_).toEncoded();  // any file outside the topic
        const QByteArray paragraph = "<p>" + QByteArray("word ").repeated(200) + "</p>";
        HelpViewer v(write("odd.hlp", topic("images", "<img src=\"file:///dev/zero\"><img src=\"" + outside + "\">") +
                                          topic("big", paragraph.repeated((10 << 20) / paragraph.size())) +
                                          topic("word", "<p>" + QByteArray(1 << 20, 'x') + "</p>") +
                                          topic("deep", QByteArray("<div>").repeated(100000) + "bottom")));
        QCOMPARE(v.topicTitles(), (QStringList{"images", "big", "word", "deep"}));
        QCOMPARE(v.page()->document()->resource(QTextDocument::ImageResource, QUrl(outside)), QVariant());
        QVERIFY(v.showTopic("big") && v.pageText().size() > 10'000'000);
        QVERIFY(v.showTopic("word") && v.pageText().contains("too large to show: it has a word of 1,048,576 characters"));
        QVERIFY(v.showTopic("deep") && v.pageText().contains("nested too deeply") && v.pageText().endsWith("bottom"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "qtest_help_viewer.moc"
