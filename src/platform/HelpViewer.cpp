#include "platform/HelpViewer.h"

#include "resources/AppIcon.h"

#include <QCollator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

namespace {

// Attribute values may carry entities such as &amp;.
QString plain(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed(); }

QString attribute(const QString& attrs, const QString& name) {
    QRegularExpression re(QStringLiteral("(?:^|\\s)%1\\s*=\\s*\"([^\"]*)\"").arg(QRegularExpression::escape(name)));
    auto m = re.match(attrs);
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

QList<HelpTopic> parseHelpTopics(const QString& html) {
    QList<HelpTopic> topics;
    static const QRegularExpression section(QStringLiteral("<section\\b([^>]*)>(.*?)</section\\s*>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    for (auto it = section.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        HelpTopic t;
        QString attrs = m.captured(1);
        t.id = attribute(attrs, QStringLiteral("id"));
        t.title = plain(attribute(attrs, QStringLiteral("title")));
        for (const QString& k : attribute(attrs, QStringLiteral("data-index")).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (QString word = plain(k); !word.isEmpty()) t.keywords << word;
        t.html = m.captured(2);
        if (t.id.isEmpty() || t.title.isEmpty()) continue;  // not a topic of ours
        topics << t;
    }
    return topics;
}

HelpFile loadHelpFile(const QString& path) {
    HelpFile result;
    const QString where =
        QStringLiteral("Quorvane keeps its help file, zelvik.hlp, in the folder that holds the program. "
                       "Putting the file back there (reinstalling Quorvane does this) brings the help back.");
    QFile f(path);
    if (!f.exists()) {
        result.error = QStringLiteral("The help file %1 was not found.\n\n%2").arg(path, where);
        return result;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("The help file %1 could not be read: %2.\n\n%3").arg(path, f.errorString(), where);
        return result;
    }
    result.topics = parseHelpTopics(QString::fromUtf8(f.readAll()));
    if (result.topics.isEmpty())
        result.error = QStringLiteral("The help file %1 contains no help topics; it may be damaged.\n\n%2").arg(path, where);
    return result;
}

HelpViewer::HelpViewer(const QString& helpFile, QWidget* parent) : QMainWindow(parent), path_(helpFile) {
    setObjectName("helpViewer");
    setWindowTitle(QStringLiteral("Quorvane Help"));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* split = new QSplitter(this);
    tabs_ = new QTabWidget(split);
    tabs_->setObjectName("helpTopics");
    contents_ = new QListWidget;
    contents_->setObjectName("helpContents");
    auto* indexPage = new QWidget;
    auto* il = new QVBoxLayout(indexPage);
    il->addWidget(new QLabel(QStringLiteral("&Type the first few letters of the word you're looking for:"), indexPage));
    indexFilter_ = new QLineEdit(indexPage);
    indexFilter_->setObjectName("helpIndexFilter");
    index_ = new QListWidget(indexPage);
    index_->setObjectName("helpIndex");
    il->addWidget(indexFilter_);
    il->addWidget(index_, 1);
    tabs_->addTab(contents_, QStringLiteral("&Contents"));
    tabs_->addTab(indexPage, QStringLiteral("&Index"));
    page_ = new QTextBrowser(split);
    page_->setObjectName("helpPage");
    page_->setOpenLinks(false);
    split->addWidget(tabs_);
    split->addWidget(page_);
    split->setStretchFactor(1, 1);
    split->setSizes({250, 510});
    setCentralWidget(split);
    resize(760, 520);

    connect(page_, &QTextBrowser::anchorClicked, this, &HelpViewer::linkClicked);
    connect(contents_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) showTopic(item->data(Qt::UserRole).toString());
    });
    auto openEntry = [this](QListWidgetItem* item) {
        if (item) showTopic(item->data(Qt::UserRole).toString());
    };
    connect(index_, &QListWidget::itemActivated, this, openEntry);
    connect(index_, &QListWidget::itemClicked, this, openEntry);
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpViewer::filterIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this, [this, openEntry] {
        for (int i = 0; i < index_->count(); ++i)
            if (!index_->item(i)->isHidden()) return openEntry(index_->item(i));
    });

    file_ = loadHelpFile(helpFile);
    if (!file_.error.isEmpty()) {
        showError();
        return;
    }

    struct Entry { QString word; const HelpTopic* topic; };
    std::vector<Entry> entries;
    for (const HelpTopic& t : file_.topics) {
        auto* item = new QListWidgetItem(t.title, contents_);
        item->setData(Qt::UserRole, t.id);
        for (const QString& k : t.keywords) entries.push_back({k, &t});
    }
    QCollator collator(QLocale(QLocale::English));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return collator.compare(a.word, b.word) < 0; });
    for (const Entry& e : entries) {
        auto* item = new QListWidgetItem(e.word, index_);
        item->setData(Qt::UserRole, e.topic->id);
        item->setToolTip(e.topic->title);
    }
    // Opens at Help Topics: the list of topics, with the first topic shown.
    tabs_->setCurrentIndex(0);
    contents_->setCurrentRow(0);
}

void HelpViewer::showError() {
    tabs_->setEnabled(false);
    current_.clear();
    page_->setPlainText(file_.error);
}

QStringList HelpViewer::topicTitles() const {
    QStringList out;
    for (const HelpTopic& t : file_.topics) out << t.title;
    return out;
}

QStringList HelpViewer::indexEntries() const {
    QStringList out;
    for (int i = 0; i < index_->count(); ++i)
        if (!index_->item(i)->isHidden()) out << index_->item(i)->text();
    return out;
}

QString HelpViewer::pageText() const { return page_->toPlainText(); }

bool HelpViewer::showTopic(const QString& id) {
    auto it = std::find_if(file_.topics.begin(), file_.topics.end(), [&](const HelpTopic& t) { return t.id == id; });
    if (it == file_.topics.end()) return false;
    current_ = id;
    page_->setHtml(it->html);
    setWindowTitle(QStringLiteral("Quorvane Help - %1").arg(it->title));
    // Keep the list of topics in step with the page, whichever way it was reached.
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->data(Qt::UserRole).toString() == id && contents_->currentRow() != i) {
            QSignalBlocker block(contents_);
            contents_->setCurrentRow(i);
        }
    return true;
}

void HelpViewer::filterIndex(const QString& text) {
    for (int i = 0; i < index_->count(); ++i)
        index_->item(i)->setHidden(!index_->item(i)->text().startsWith(text.trimmed(), Qt::CaseInsensitive));
}

void HelpViewer::linkClicked(const QUrl& url) {
    // Links between topics are "#id"; the help has no other kind.
    if (url.isRelative() && url.path().isEmpty()) showTopic(url.fragment());
}

}  // namespace quorvane
