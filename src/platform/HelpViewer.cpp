#include "platform/HelpViewer.h"

#include "platform/Translations.h"

#include "resources/AppIcon.h"

#include <QCoreApplication>
#include <QCollator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolBar>
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
    // A plain scan, not a regular expression: one pass whatever the size of a
    // topic, where a pattern gives up on a long one.
    QList<HelpTopic> topics;
    const QLatin1StringView open("<section"), close("</section");
    for (qsizetype at = html.indexOf(open, 0, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(open, at, Qt::CaseInsensitive)) {
        const qsizetype nameEnd = at + open.size();
        if (nameEnd < html.size() && (html[nameEnd].isLetterOrNumber() || html[nameEnd] == QLatin1Char('-'))) {
            at = nameEnd;  // <sections> or the like: not ours
            continue;
        }
        const qsizetype tagEnd = html.indexOf(QLatin1Char('>'), nameEnd);
        if (tagEnd < 0) break;
        const qsizetype end = html.indexOf(close, tagEnd + 1, Qt::CaseInsensitive);
        if (end < 0) break;
        const qsizetype after = html.indexOf(QLatin1Char('>'), end + close.size());
        at = after < 0 ? html.size() : after + 1;

        HelpTopic t;
        const QString attrs = html.mid(nameEnd, tagEnd - nameEnd);
        t.id = attribute(attrs, QStringLiteral("id"));
        t.title = plain(attribute(attrs, QStringLiteral("title")));
        for (const QString& k : attribute(attrs, QStringLiteral("data-index")).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (QString word = plain(k); !word.isEmpty()) t.keywords << word;
        t.html = html.mid(tagEnd + 1, end - tagEnd - 1);
        if (t.id.isEmpty() || t.title.isEmpty()) continue;  // not a topic of ours
        topics << t;
    }
    return topics;
}

TopicShape shapeOf(const QString& html) {
    static const QStringList kEmpty{"area", "base", "br", "col", "embed", "hr", "img", "input",
                                    "link", "meta", "param", "source", "track", "wbr"};
    static const QStringList kBlocks{"address", "blockquote", "br", "dd", "div", "dl", "dt", "h1", "h2", "h3",
                                     "h4", "h5", "h6", "hr", "li", "ol", "p", "pre", "section", "table",
                                     "td", "th", "tr", "ul"};
    TopicShape shape;
    int depth = 0;
    qsizetype paragraph = 0, word = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c != QLatin1Char('<')) {
            ++paragraph;
            word = c.isSpace() ? 0 : word + 1;
            shape.paragraph = std::max(shape.paragraph, paragraph);
            shape.word = std::max(shape.word, word);
            continue;
        }
        const bool closing = i + 1 < html.size() && html[i + 1] == QLatin1Char('/');
        qsizetype n = i + (closing ? 2 : 1);
        const qsizetype nameStart = n;
        while (n < html.size() && html[n].isLetterOrNumber()) ++n;
        const QString name = html.mid(nameStart, n - nameStart).toLower();
        const qsizetype end = html.indexOf(QLatin1Char('>'), n);
        if (end < 0) break;
        i = end;
        if (name.isEmpty()) continue;  // a comment or a declaration
        if (kBlocks.contains(name)) paragraph = word = 0;
        if (closing)
            depth = std::max(0, depth - 1);
        else if (html[end - 1] != QLatin1Char('/') && !kEmpty.contains(name) && shape.depth <= kMaxTopicNesting)
            shape.depth = std::max(shape.depth, ++depth);
    }
    return shape;
}

HelpFile loadHelpFile(const QString& path) {
    HelpFile result;
    const QString where =
        QCoreApplication::translate("quorvane::HelpViewer", "Quorvane keeps its help file, zelvik.hlp, in the folder that holds the program. "
                       "Putting the file back there (reinstalling Quorvane does this) brings the help back.");
    QFile f(path);
    if (f.exists() && f.size() > kMaxHelpFileBytes) {
        result.error = QCoreApplication::translate("quorvane::HelpViewer", "The help file %1 is too large to show: %2 MB, where Quorvane shows up to %3 MB.\n\n%4")
                           .arg(path, QString::number(f.size() / double(1 << 20), 'f', 1),
                                QString::number(kMaxHelpFileBytes >> 20), where);
        return result;
    }
    if (!f.exists()) {
        result.error = QCoreApplication::translate("quorvane::HelpViewer", "The help file %1 was not found.\n\n%2").arg(path, where);
        return result;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        result.error = QCoreApplication::translate("quorvane::HelpViewer", "The help file %1 could not be read: %2.\n\n%3").arg(path, f.errorString(), where);
        return result;
    }
    result.topics = parseHelpTopics(QString::fromUtf8(f.read(kMaxHelpFileBytes)));
    if (result.topics.isEmpty())
        result.error = QCoreApplication::translate("quorvane::HelpViewer", "The help file %1 contains no help topics; it may be damaged.\n\n%2").arg(path, where);
    return result;
}

namespace {
// A topic shows what the help file holds and nothing else: no local files, no
// network, whatever its images and style sheets point at. Only data: addresses,
// which carry their content in the file, are read.
class SealedDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        return name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0
                   ? QTextDocument::loadResource(type, name)
                   : QVariant();
    }
};

QString withoutMarkup(const QString& html) {
    QString text;
    text.reserve(html.size());
    bool inTag = false;
    for (QChar c : html) {
        if (c == QLatin1Char('<')) inTag = true;
        else if (c == QLatin1Char('>')) inTag = false;
        else if (!inTag) text += c;
    }
    return text;
}
}  // namespace

HelpViewer::HelpViewer(const QString& helpFile, QWidget* parent) : QMainWindow(parent), path_(helpFile) {
    setObjectName("helpViewer");
    setWindowTitle(tr("Quorvane Help"));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* split = new QSplitter(this);
    tabs_ = new QTabWidget(split);
    tabs_->setObjectName("helpTopics");
    // The tab bar and the pages take the keyboard; the box around them is no stop.
    tabs_->setFocusPolicy(Qt::NoFocus);
    contents_ = new QListWidget;
    contents_->setObjectName("helpContents");
    auto* indexPage = new QWidget;
    auto* il = new QVBoxLayout(indexPage);
    auto* filterLabel = new QLabel(tr("&Type the first few letters of the word you're looking for:"), indexPage);
    filterLabel->setWordWrap(true);
    il->addWidget(filterLabel);
    indexFilter_ = new QLineEdit(indexPage);
    indexFilter_->setObjectName("helpIndexFilter");
    filterLabel->setBuddy(indexFilter_);
    index_ = new QListWidget(indexPage);
    index_->setObjectName("helpIndex");
    contents_->setAccessibleName(tr("Contents"));
    index_->setAccessibleName(tr("Index"));
    // Long titles ("Message: Please check the Exchange Rate! ...") wrap rather than lose their ends.
    for (QListWidget* list : {contents_, index_}) list->setWordWrap(true), list->setTextElideMode(Qt::ElideNone);
    il->addWidget(indexFilter_);
    il->addWidget(index_, 1);
    auto* searchPage = new QWidget;
    auto* sl = new QVBoxLayout(searchPage);
    auto* searchLabel = new QLabel(tr("Type the &words to find in the topics:"), searchPage);
    searchLabel->setWordWrap(true);
    searchText_ = new QLineEdit(searchPage);
    searchText_->setObjectName("helpSearchText");
    searchLabel->setBuddy(searchText_);
    searchResults_ = new QListWidget(searchPage);
    searchResults_->setObjectName("helpSearchResults");
    searchResults_->setAccessibleName(tr("Topics found"));
    searchResults_->setWordWrap(true);
    sl->addWidget(searchLabel);
    sl->addWidget(searchText_);
    sl->addWidget(searchResults_, 1);
    tabs_->addTab(contents_, tr("&Contents"));
    tabs_->addTab(indexPage, tr("&Index"));
    tabs_->addTab(searchPage, tr("&Search"));
    page_ = new QTextBrowser(split);
    page_->setDocument(new SealedDocument(page_));
    page_->setObjectName("helpPage");
    page_->setAccessibleName(tr("Topic"));
    page_->setOpenLinks(false);
    split->addWidget(tabs_);
    split->addWidget(page_);
    split->setStretchFactor(1, 1);
    split->setSizes({250, 510});
    setCentralWidget(split);
    resize(760, 520);

    // Back and Forward as in a web browser; Backspace too, where no text box takes it.
    auto* tools = addToolBar(tr("Navigation"));
    tools->setObjectName("helpNavigation");
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), this, &HelpViewer::goBack);
    back_->setObjectName("helpBack");
    back_->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Backspace)});
    back_->setToolTip(tr("Back to the topic shown before (Alt+Left)"));
    forward_ = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), this,
                                &HelpViewer::goForward);
    forward_->setObjectName("helpForward");
    forward_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward_->setToolTip(tr("Forward to the topic shown next (Alt+Right)"));
    updateHistoryActions();

    for (QKeySequence keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }

    connect(page_, &QTextBrowser::anchorClicked, this, &HelpViewer::linkClicked);
    connect(contents_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) visit(item->data(Qt::UserRole).toString());
    });
    auto openEntry = [this](QListWidgetItem* item) {
        if (item) visit(item->data(Qt::UserRole).toString());
    };
    connect(index_, &QListWidget::itemActivated, this, openEntry);
    connect(index_, &QListWidget::itemClicked, this, openEntry);
    connect(searchResults_, &QListWidget::itemActivated, this, openEntry);
    connect(searchResults_, &QListWidget::itemClicked, this, openEntry);
    connect(searchText_, &QLineEdit::textChanged, this, &HelpViewer::search);
    connect(searchText_, &QLineEdit::returnPressed, this, [this, openEntry] { openEntry(searchResults_->item(0)); });
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
    // Opens at Help Topics: the list of topics, with the first topic shown and
    // the keyboard in the list.
    tabs_->setCurrentIndex(0);
    contents_->setCurrentRow(0);
    contents_->setFocus();
    backStack_.clear();  // the first topic is where the user starts, not a step to go back to
    updateHistoryActions();
}

void HelpViewer::bringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HelpViewer::visit(const QString& id) {
    const QString from = current_;
    if (id == from || !showTopic(id)) return;
    if (!from.isEmpty()) backStack_ << from;
    forwardStack_.clear();
    updateHistoryActions();
}

bool HelpViewer::goBack() { return retrace(backStack_, forwardStack_); }
bool HelpViewer::goForward() { return retrace(forwardStack_, backStack_); }

// One step along the history: the topic shown now goes onto the other stack.
bool HelpViewer::retrace(QStringList& from, QStringList& to) {
    if (from.isEmpty()) return false;
    to << current_;
    showTopic(from.takeLast());
    updateHistoryActions();
    return true;
}

void HelpViewer::updateHistoryActions() {
    back_->setEnabled(!backStack_.isEmpty());
    forward_->setEnabled(!forwardStack_.isEmpty());
}

QStringList HelpViewer::search(const QString& text) {
    if (topicText_.isEmpty())
        for (const HelpTopic& t : file_.topics)
            topicText_ << withoutAccents(t.title + QLatin1Char(' ') + t.keywords.join(QLatin1Char(' ')) + QLatin1Char(' ') +
                                 QTextDocumentFragment::fromHtml(withoutMarkup(t.html).left(kMaxParagraph)).toPlainText());
    // Words of any script; "pais" finds "país", "francais" finds "français".
    static const QRegularExpression kNonWord(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption);
    const QStringList words = withoutAccents(text).split(kNonWord, Qt::SkipEmptyParts);
    searchResults_->clear();
    QStringList found;
    for (qsizetype i = 0; i < file_.topics.size() && !words.isEmpty(); ++i) {
        const bool all = std::all_of(words.begin(), words.end(),
                                     [&](const QString& w) { return topicText_[i].contains(w, Qt::CaseInsensitive); });
        if (!all) continue;
        found << file_.topics[i].title;
        auto* item = new QListWidgetItem(file_.topics[i].title, searchResults_);
        item->setData(Qt::UserRole, file_.topics[i].id);
    }
    return found;
}

void HelpViewer::showError() {
    tabs_->setEnabled(false);
    current_.clear();
    page_->setPlainText(file_.error);
    page_->setFocus();
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
    const TopicShape shape = shapeOf(it->html);
    if (shape.paragraph > kMaxParagraph || shape.word > kMaxWord)
        page_->setPlainText(tr("The topic \u201c%1\u201d is too large to show: it has a %2 of %3 characters, "
                                           "where Quorvane shows up to %4.")
                                .arg(it->title, shape.word > kMaxWord ? tr("word") : tr("paragraph"),
                                     QLocale().toString(shape.word > kMaxWord ? shape.word : shape.paragraph),
                                     QLocale().toString(shape.word > kMaxWord ? kMaxWord : kMaxParagraph)));
    else if (shape.depth > kMaxTopicNesting)
        page_->setPlainText(tr("This topic is nested too deeply to be laid out; here is its text.\n\n") +
                            withoutMarkup(it->html));
    else
        page_->setHtml(it->html);
    setWindowTitle(tr("Quorvane Help - %1").arg(it->title));
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
        index_->item(i)->setHidden(
            !withoutAccents(index_->item(i)->text()).startsWith(withoutAccents(text.trimmed()), Qt::CaseInsensitive));
}

void HelpViewer::linkClicked(const QUrl& url) {
    // Links between topics are "#id"; the help has no other kind.
    if (url.isRelative() && url.path().isEmpty()) visit(url.fragment());
}

}  // namespace quorvane
