#pragma once
// The help viewer: a window of its own that opens at the Help Topics view of a
// help file (a list of topics and an index) and shows one topic at a time.
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace quorvane {

// One topic of a help file. The file is HTML; each topic is a
// <section id="..." title="..." data-index="word;word"> element.
struct HelpTopic {
    QString id;
    QString title;
    QStringList keywords;
    QString html;  // the section's content
};

struct HelpFile {
    QList<HelpTopic> topics;  // in the file's order
    QString error;            // empty when the file was read
};

// A help file larger than this is not read. Laying out a topic takes time that
// grows with the square of its longest paragraph and word, and with its nesting:
// a topic past the first two limits is named too large, one nested deeper than
// the third is shown as its text alone.
inline constexpr qint64 kMaxHelpFileBytes = qint64(64) << 20;
inline constexpr qsizetype kMaxParagraph = 256 * 1024;
inline constexpr qsizetype kMaxWord = 4096;
inline constexpr int kMaxTopicNesting = 256;

QList<HelpTopic> parseHelpTopics(const QString& html);

// What makes an HTML text slow to lay out. The depth is counted up to a little
// past kMaxTopicNesting; block elements end a paragraph, white space a word.
struct TopicShape {
    int depth = 0;
    qsizetype paragraph = 0;
    qsizetype word = 0;
};
TopicShape shapeOf(const QString& html);
// Reads and parses the file; a missing, unreadable or empty file gives an error
// that says what is wrong and what to do.
HelpFile loadHelpFile(const QString& path);

class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpViewer(const QString& helpFile, QWidget* parent = nullptr);

    bool hasTopics() const { return !file_.topics.isEmpty(); }
    QStringList topicTitles() const;
    QStringList indexEntries() const;  // as the index lists them, sorted
    QString currentTopicId() const { return current_; }
    QString pageText() const;          // the text the page shows now
    bool showTopic(const QString& id);
    // Narrows the index to the entries that begin with the text.
    void filterIndex(const QString& text);
    QTabWidget* topicsView() const { return tabs_; }
    QTextBrowser* page() const { return page_; }
    // Another Help Topics while this viewer is open: show it on top instead.
    void bringToFront();

    // The topics shown before and after this one, as a browser keeps them.
    bool goBack();
    bool goForward();
    // The titles of the topics whose title or text holds every word of the
    // text, in the file's order; the Search page lists the same.
    QStringList search(const QString& text);

private:
    void showError();
    void linkClicked(const QUrl& url);
    // Shows a topic the user went to, remembering the one it replaces.
    void visit(const QString& id);
    void updateHistoryActions();
    bool retrace(QStringList& from, QStringList& to);

    QString path_;
    HelpFile file_;
    QString current_;
    QTabWidget* tabs_ = nullptr;
    QListWidget* contents_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QListWidget* index_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QListWidget* searchResults_ = nullptr;
    QTextBrowser* page_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    QStringList backStack_, forwardStack_;
    QStringList topicText_;  // each topic's words without accents, read once, at the first search
};

}  // namespace quorvane
