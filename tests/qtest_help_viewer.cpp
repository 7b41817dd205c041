// The help viewer on the shipped help file, and on files it cannot use.
#include "platform/HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvane;

class HelpViewerTest : public QObject {
    Q_OBJECT
    QString shipped_ = qEnvironmentVariable("QUORVANE_SOURCE_DIR") + "/src/resources/zelvik.hlp";

private slots:
    void opensAtHelpTopicsAndIndexNarrows() {
        HelpViewer v(shipped_);
        v.show();
        QVERIFY(v.hasTopics());
        QCOMPARE(v.topicsView()->currentIndex(), 0);  // the list of topics
        QCOMPARE(v.currentTopicId(), QString("welcome"));
        for (const char* t : {"Choosing countries", "Typing a newer rate", "Updating the rates", "Reading the chart", "Printing the chart",
                              "Messages"})
            QVERIFY2(v.topicTitles().contains(t), t);
        v.filterIndex("prin");
        QVERIFY(v.indexEntries().contains("Printer is not available"));
        for (const QString& e : v.indexEntries()) QVERIFY(e.startsWith("prin", Qt::CaseInsensitive));
        if (QString out = qEnvironmentVariable("QUORVANE_TEST_OUTPUT"); !out.isEmpty() && QDir().mkpath(out))
            v.grab().save(out + "/help_viewer.png");
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
        QFile f(shipped_);
        QVERIFY(f.open(QIODevice::ReadOnly));
        static const QRegularExpression link("href=\"#([^\"]+)\"");
        int links = 0;
        for (auto it = link.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext(); ++links) {
            const QString id = it.next().captured(1);
            QVERIFY2(v.showTopic(id), qPrintable(id));
        }
        QVERIFY(links > 10);
    }

    void saysWhatIsWrongWithAFile() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("zelvik.hlp");
        HelpViewer gone(missing);
        QVERIFY(!gone.hasTopics() && !gone.topicsView()->isEnabled());
        QVERIFY(gone.pageText().contains(missing + " was not found"));
        QVERIFY(gone.pageText().contains("folder that holds the program"));
        QFile junk(dir.filePath("junk.hlp"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("<html><body><p>no topics</p></body></html>");
        junk.close();
        QVERIFY(HelpViewer(junk.fileName()).pageText().contains("contains no help topics"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "qtest_help_viewer.moc"
