// The converter window's glue as a user first sees it, started from another folder (its logic:
// test_converter); the help viewer and its hand-over; the about and credits windows.
#include "about/AboutORVE.h"
#include "about/FrmMarquee.h"
#include "about/LinuxRegistry.h"
#include "about/QtProcessStarter.h"
#include "converter/FrmConvert.h"
#include "converter/Hints.h"
#include "data/UserRateTable.h"
#include "platform/CountryListModel.h"
#include "platform/FocusMark.h"
#include "platform/HelpInstance.h"
#include "platform/HelpViewer.h"
#include "platform/Launchers.h"
#include "converter/GridPrint.h"
#include "converter/MenuCommands.h"
#include "about/SysInfo.h"
#include "platform/Twips.h"
#include "support/Fakes.h"
#include "support/Pictures.h"
#include "support/TempRates.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCollator>
#include <QAction>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenuBar>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include <pwd.h>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace quorvane;

namespace {
struct Recorder : HelpLauncher, UrlOpener {
    void showHelpTopics(const QString& helpFile) override { shown << helpFile; }
    void open(const QString& url) override { opened << url; }
    QStringList shown, opened;
};

int boundSocket(const QString& path) {  // closed unused, it is what a crashed viewer leaves
    sockaddr_un a{AF_UNIX, {}};
    qstrncpy(a.sun_path, QFile::encodeName(path).constData(), sizeof a.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    return bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0 ? fd : -1;
}
const passwd* otherUser() { return geteuid() ? nullptr : getpwnam("quorvane-e2e") ? getpwnam("quorvane-e2e") : getpwnam("nobody"); }
// Runs f as another user (who still reaches files as this one); false where this process cannot switch.
bool asAnotherUser(const std::function<void()>& f) {
    if (!otherUser() || seteuid(otherUser()->pw_uid) != 0) return false;
    setfsuid(0);
    f();
    return seteuid(0) == 0;
}
// What asking the file's viewer comes to: 1 shown, 0 not shown, -1 no end at all.
int ask(const QString& file) {
    QSignalSpy done(new HelpViewerRequest(file), &HelpViewerRequest::finished);
    return done.wait(10000) ? done.at(0).at(0).toBool() : -1;
}
}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
    template <typename T> T* child(const char* name, QWidget* in = nullptr) {
        T* w = (in ? in : window_.get())->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    test::TempRates rates_;
    QTemporaryDir elsewhere_, runtime_;
    int tableRows_ = 0;
    test::FakeUi ui_;
    test::FakePrinters printers_;
    LinuxRegistry reg_{"", {}};  // a desktop without any system-information tool
    QtProcessStarter starter_;
    std::unique_ptr<FrmConvert> window_;
    const QString shipped_ = qEnvironmentVariable("QUORVANE_SOURCE_DIR") + "/src/resources/zelvik.hlp";

    // A move without a button, as the pointer makes it, after something else was in the panel.
    static QString hintAfterMove(QWidget* target, QPointF at = {-1, -1}) {
        auto* w = qobject_cast<FrmConvert*>(target->window());
        w->findChild<QLabel*>("panelHint")->setText("something else");
        if (at.x() < 0) at = target->rect().center();
        QMouseEvent ev(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &ev);
        return w->hintText();
    }
    static void trigger(FrmConvert& w, const char* name) { w.findChild<QAction*>(name)->trigger(); }
    static bool shown(QWidget* w) {
        w->show();
        return QTest::qWaitForWindowActive(w);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
        QString err = rates_.makeShipped();
        QVERIFY2(err.isEmpty(), qPrintable(err));
        tableRows_ = static_cast<int>(readRateSet(rates_.file()).rows.size());
        QVERIFY(tableRows_ > 260);

        // Started while another folder is current: the table is still found.
        QVERIFY(QDir::setCurrent(elsewhere_.path()));
        window_ = std::make_unique<FrmConvert>(rates_.folder(), &ui_, &printers_);
        QVERIFY(shown(window_.get()));
        QCOMPARE(QDir::current().canonicalPath(), QDir(rates_.folder()).canonicalPath());
        QVERIFY(ui_.messages.empty());
    }
    void cleanupTestCase() {
        window_.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    // Each list holds every country of the table once (in which order: test_platform); the grid's sizes in pixels.
    void unchosenWindowAndItsGrid() {
        for (const char* name : {"List1", "List2"}) {
            QCOMPARE(child<QListView>(name)->model()->rowCount(), tableRows_);
            QVERIFY(!child<QListView>(name)->selectionModel()->hasSelection());
        }
        QVERIFY(!child<QAction>("mnuCalculate")->isEnabled());
        for (QLineEdit* box : window_->findChildren<QLineEdit*>()) QVERIFY(box->isHidden());  // rate boxes, once made
        ChartGrid* grid = window_->grid();
        for (int r = 0; r < 21; ++r) QCOMPARE(grid->QTableWidget::rowHeight(r), twipsToPixels(r ? 220 : 425));
        for (int c = 0; c < 4; ++c) QCOMPARE(grid->columnWidth(c), twipsToPixels(1530));
        QVERIFY(grid->wordWrap());
        // The other controls' names are read through the accessibility bus by e2e_accessibility.
        QCOMPARE(grid->accessibleName(), QString("Conversion chart"));
        QVERIFY(window_->chooseCountry(ListId::Destination, "Andorra"));  // chosen first: only its own rate box shows
        QVERIFY(child<QLineEdit>("MaskEntry")->isHidden());
        QVERIFY(child<QLineEdit>("MaskEntry2")->isVisible());
        QVERIFY(child<QLineEdit>("MaskEntry")->toolTip().startsWith("Origin Country Exchange Rate versus 1 USD."));
        // Today's date, also when the day changes while it is read.
        auto today = [] { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); };
        const QString before = today(), shown = child<QLabel>("panelDate")->text();
        QVERIFY2(shown == before || shown == today(), qPrintable(shown));
    }

    // Text stays readable, and the focus mark stands out, under a light and a dark desktop palette.
    void readableAndMarkedUnderAnyPalette() {
        auto contrast = [](const QColor& a, const QColor& b) { return contrastRatio(toRgb(a), toRgb(b)); };
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (auto [role, c] : {std::pair{QPalette::WindowText, QColor(Qt::white)}, {QPalette::ButtonText, Qt::white},
                               {QPalette::Base, QColor(42, 42, 42)}, {QPalette::Highlight, QColor(18, 96, 138)},
                               {QPalette::Button, QColor(53, 53, 53)}})
            dark.setColor(role, c);
        for (const QPalette& pal : {light, dark}) {
            QApplication::setPalette(pal);
            FrmConvert w(rates_.folder(), &ui_, &printers_);
            QVERIFY(shown(&w));
            QVERIFY(w.chooseCountry(ListId::Origin, "Algeria"));
            auto* list = w.findChild<QListView*>("List1");
            ChartGrid* grid = w.grid();
            const QColor text = list->palette().color(QPalette::Text), head = grid->item(0, 0)->foreground().color();
            QVERIFY(contrast(text, list->palette().color(QPalette::Base)) >= kTextContrast);
            QVERIFY(contrast(head, grid->item(0, 0)->background().color()) >= kTextContrast);
            AboutORVE about(nullptr, &ui_, &reg_, &starter_);  // its dark red title on the button face
            QVERIFY(contrast(about.findChild<QLabel*>("lblTitle")->palette().color(QPalette::WindowText),
                             about.palette().color(QPalette::Window)) >= kTextContrast);
            for (const char* name : {"lblCodeFrom", "lblCodeTo"}) {  // green and red on the button face
                const QPalette code = w.findChild<QLabel*>(name)->palette();
                QVERIFY(contrast(code.color(QPalette::WindowText), code.color(QPalette::Window)) >= 3);
            }
            if (&pal == &light) QCOMPARE(text, pal.color(QPalette::WindowText));  // a light desktop keeps its own
            grid->setCurrentCell(1, 0);
            for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(list), static_cast<QAbstractItemView*>(grid)}) {
                view->setFocus();
                QTRY_VERIFY(view->hasFocus());
                const QRect r = view->visualRect(view->currentIndex());
                const QImage shot = view->viewport()->grab().toImage();
                QVERIFY(contrast(shot.pixelColor(r.right() - 3, r.top()), shot.pixelColor(r.right() - 3, r.top() + 3)) >= kMarkContrast);
            }
        }
        QApplication::setPalette(light);
    }

    // Markup that reached the table from a rate file is shown as the text it is, in labels and messages.
    void tableTextAndMessagesArePlain() {
        test::TempRates t;
        t.make("Alpha,1 A,Alpha Mark,AAA,1.5\n");
        const QString markup = "<img src=\"/dev/zero\"><b>x</b>";
        const std::string quoted = "'" + markup.toStdString() + "'";
        test::sql(t.file(), "UPDATE RATES SET Currency = " + quoted + ", Description = " + quoted + ", CODE = " + quoted);
        FrmConvert w(t.folder(), &ui_, &printers_);
        QVERIFY(w.chooseCountry(ListId::Origin, "Alpha"));
        for (const char* name : {"lblTitle1", "Label1", "lblCodeFrom"}) {
            QCOMPARE(child<QLabel>(name, &w)->textFormat(), Qt::PlainText);
            QCOMPARE(child<QLabel>(name, &w)->text(), markup);
        }
        QtUiServices real(&w);
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) format = box->textFormat(), box->accept();
        });
        static_cast<UiServices&>(real).message(markup.toStdString());
        QCOMPARE(format, Qt::PlainText);
    }

    // Each control and, for the lists and the grid, the viewport the pointer is really over.
    void eachControlWritesItsHint() {
        QCOMPARE(FrmConvert(rates_.folder(), &ui_, &printers_).hintText(), QString());  // empty at creation
        for (const HintRow& row : hintTable()) {
            if (row.control == "frmconvert") continue;  // the background: below
            const QString name = QString::fromUtf8(row.control.data(), row.control.size());
            QList<QWidget*> targets{child<QWidget>(qPrintable(name))};
            if (auto* area = qobject_cast<QAbstractScrollArea*>(targets[0])) targets << area->viewport();
            for (QWidget* t : targets) {
                QVERIFY2(t->hasMouseTracking(), qPrintable(name));
                QCOMPARE(hintAfterMove(t), QString::fromUtf8(row.text.data(), row.text.size()));
            }
        }
        // The background, above the origin list's caption, writes the notice line; other controls leave the panel.
        QCOMPARE(hintAfterMove(child<QWidget>("client"), {20, 2}), QString::fromUtf8(kNoticeLine.data(), kNoticeLine.size()));
        QList<QWidget*> quiet{child<QWidget>("MaskEntry"), child<QWidget>("MaskEntry2"), child<QWidget>("Frame1"),
                              window_->menuBar()};
        quiet << child<QWidget>("StatusBar1") << child<QWidget>("StatusBar1")->findChildren<QWidget*>();
        for (QWidget* q : quiet) QCOMPARE(hintAfterMove(q), QString("something else"));
        // Rates that cannot be kept are told there instead.
        FrmConvert broken({rates_.folder(), rates_.folder(), "Your rate table T cannot be used"}, &ui_, &printers_);
        QCOMPARE(hintAfterMove(broken.findChild<QWidget*>("client"), {20, 2}), QString("Your rate table T cannot be used"));
    }

    // Help Topics, also from F1, and Internet Databank only hand something over; the window goes on.
    void helpTopicsAndDatabankHandOver() {
        QTemporaryDir program;
        FrmConvert w(program.path(), &ui_, &printers_);
        Recorder launcher, &opener = launcher;
        w.setHelpLauncher(&launcher), w.setUrlOpener(&opener);
        QVERIFY(shown(&w));
        QVERIFY(QFile(program.filePath("Zelvik.hlp")).open(QIODevice::WriteOnly));
        trigger(w, "mnuZelvikHelp");
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(launcher.shown, QStringList(2, program.path() + "/Zelvik.hlp"));
        trigger(w, "mnuDatabank");
        QCOMPARE(opener.opened.size(), 1);
        const QUrl url(opener.opened.front());
        QCOMPARE(url.scheme(), QString("https"));
        QVERIFY(!url.host().isEmpty());
        QCOMPARE(url.path(), QString("/databank"));
        QVERIFY(w.isVisible());
        QVERIFY(ui_.messages.empty());
    }

    // The viewer runs as a program of its own, with the path as its one argument and no shell in between.
    void viewerIsStartedWithoutAShell() {
        QTemporaryDir program;
        const QString out = program.filePath("args.txt");
        const QString script = "#!/bin/sh\nprintf '%s|' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n";
        QVERIFY(test::writeFile(program.filePath(kHelpViewerName), script.arg(out).toUtf8(), true));
        const QString odd = program.path() + "/it's $HOME; a `file`.hlp";
        ProcessHelpLauncher(program.path()).showHelpTopics(odd);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QCOMPARE(QString::fromUtf8(test::readFile(out)), odd + "|");
        ProcessHelpLauncher(program.filePath("nowhere")).showHelpTopics(odd);  // no viewer: nothing happens
    }

    // Only a folder of this user's alone holds the sockets: a private runtime folder, else one of its own.
    void helpSocketsLieInAFolderOfThisUserAlone() {
        QTemporaryDir base;
        const QString own = base.path() + "/quorvane-help-" + QString::number(geteuid()), open = base.filePath("open");
        const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8()), qunsetenv("TMPDIR"); });
        qputenv("TMPDIR", base.path().toUtf8());
        QVERIFY(QDir().mkdir(open));
        QVERIFY(chmod(qPrintable(open), 0755) == 0);
        struct Case { QString runtime, folder; std::function<bool()> setUp; };
        for (const auto& [runtime, folder, setUp] : std::initializer_list<Case>{
                 {runtime_.path(), runtime_.path(), {}}, {"", own, {}}, {open, own, {}}, {"relative", own, {}},
                 {"", "", [&] { return chmod(qPrintable(own), 0755) == 0; }},
                 {"", "", [&] { return QDir(own).removeRecursively() && QFile::link(runtime_.path(), own); }},
                 {"", otherUser() ? "" : own, [&] {
                      return QFile::remove(own) && QDir().mkdir(own) && (!otherUser() || !chown(qPrintable(own), otherUser()->pw_uid, 0));
                  }}}) {
            qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
            QVERIFY(!setUp || setUp());
            QString why;
            QCOMPARE(helpSocketFolder(&why), folder);
            QCOMPARE(helpSocketPath("a.hlp").section('/', 0, -2), folder);
            QCOMPARE(why.isEmpty(), !folder.isEmpty());
            if (folder == own) QCOMPARE(QFileInfo(own).permissions() & 0x0077, QFileDevice::Permissions());  // whatever the umask
        }
    }

    // A dead socket is replaced and nothing stays behind; a viewer that never answers, or never ends its
    // answer, neither holds the window nor keeps Help Topics from a viewer; nor does another user's program.
    void handOverReplacesDeadSocketsAndTrustsNoPeer() {
        const QString file = "/nowhere/zelvik.hlp", path = helpSocketPath(file), other = runtime_.filePath("quorvane-help-0");
        QStringList started;
        ProcessHelpLauncher launcher("/p", [&](const QString& program, const QStringList&, const QString&) { started << program; });
        QVERIFY(path.startsWith(runtime_.path() + "/"));
        close(boundSocket(path)), close(boundSocket(other));
        {
            HelpViewerServer viewer(file);
            QVERIFY(!QFile::exists(other));
            QSignalSpy shown(&viewer, &HelpViewerServer::showRequested);
            QCOMPARE(ask(file), 1);
            QCOMPARE(shown.size(), 1);
        }
        QVERIFY(!QFile::exists(path));
        for (const QByteArray& said : {QByteArray(), QByteArray(1 << 20, 'x')}) {
            QLocalServer peer;
            QVERIFY(peer.listen(path));
            connect(&peer, &QLocalServer::newConnection, [&] { peer.nextPendingConnection()->write(said); });
            launcher.showHelpTopics(file);
            QCOMPARE(started.size(), said.size() ? 1 : 0);  // returned before any answer
            QTRY_COMPARE(started.size(), said.size() ? 2 : 1);
        }

        // Another user's program on the socket is not believed, takes no place from this user's viewer, gets no answer.
        QLocalServer fake;  // says "shown" to anybody
        const int listener = boundSocket(path);
        if (!asAnotherUser([&] { listen(listener, 4); })) QSKIP("this process cannot act as another user");
        QVERIFY(fake.listen(listener));
        connect(&fake, &QLocalServer::newConnection, [&] { fake.nextPendingConnection()->write("shown\n"); });
        launcher.showHelpTopics(file);
        QTRY_COMPARE(started.size(), 3);
        HelpViewerServer viewer(file);
        QCOMPARE(ask(file), 1);
        QSignalSpy shown(&viewer, &HelpViewerServer::showRequested);
        QLocalSocket asker;
        QVERIFY(asAnotherUser([&] { asker.connectToServer(path); }));
        QCOMPARE(asker.write("show\n"), 5);
        QTRY_COMPARE(asker.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(asker.readAll(), QByteArray());  // closed without an answer
        QCOMPARE(shown.size(), 0);
    }

    // Opens at the list of topics with the keyboard in it, Ctrl+W and Esc close it; Back and Forward
    // retrace the topics shown, by button or key; the index narrows and Search finds every word.
    void helpViewerOpensNavigatesAndFinds() {
        HelpViewer v(shipped_);
        QVERIFY(v.hasTopics());
        for (QKeySequence close : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
            QVERIFY(shown(&v));
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("helpContents"));
            QCOMPARE(v.topicsView()->currentIndex(), 0);  // the list of topics
            QTest::keySequence(QApplication::focusWidget(), close);
            QVERIFY(!v.isVisible());
        }
        QVERIFY(shown(&v));
        test::saveShot(&v, "help_viewer");
        QCOMPARE(v.currentTopicId(), QString("welcome"));
        auto* back = v.findChild<QAction*>("helpBack");
        QVERIFY(!back->isEnabled());
        auto* contents = v.findChild<QListWidget*>("helpContents");
        contents->setCurrentRow(2), contents->setCurrentRow(4);
        const QString third = v.currentTopicId();
        QTest::keyClick(contents, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(contents->currentRow(), 2);
        QTest::keyClick(contents, Qt::Key_Backspace);
        QCOMPARE(v.currentTopicId(), QString("welcome"));
        QVERIFY(!back->isEnabled());
        QTest::keyClick(contents, Qt::Key_Right, Qt::AltModifier);
        v.findChild<QAction*>("helpForward")->trigger();
        QCOMPARE(v.currentTopicId(), third);
        QVERIFY(!v.findChild<QAction*>("helpForward")->isEnabled());

        v.filterIndex("prin");
        QVERIFY(v.indexEntries().contains("Printer is not available"));
        for (const QString& e : v.indexEntries()) QVERIFY(e.startsWith("prin", Qt::CaseInsensitive));
        QVERIFY(v.search("PRINTER available").contains("Printing the chart"));  // every word, any case
        QCOMPARE(v.search("printer zzqx"), QStringList());
        auto* text = v.findChild<QLineEdit*>("helpSearchText");
        text->setText("bank");
        auto* found = v.findChild<QListWidget*>("helpSearchResults");
        QVERIFY(found->count() > 0);
        QTest::keyClick(text, Qt::Key_Backspace);  // a text box keeps its Backspace
        QCOMPARE(text->text(), QString("ban"));
        QCOMPARE(v.currentTopicId(), third);
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(v.windowTitle(), "Quorvane Help - " + found->item(0)->text());
    }

    // In each language: the help explains every message as the window words it and finds words typed
    // without accents; the menus are
    // translated with access keys unique in each menu; the lists, their type-ahead and the chart's
    // headings go by the country's name in that language (sorted by its collation), while the table
    // keeps its own; a message comes in that language.
    void speaksEachLanguageItsHelpAlike() {
        const QString english = QCoreApplication::translate("Converter", "You've picked the same country for Origin and Destination. Please try again.");
        const struct { const char *lang, *germany, *unaccented; } languages[] = {
            {"en", "Germany", "chart"}, {"de", "Deutschland", "wahrung"}, {"fr", "Allemagne", "systeme"}, {"es", "Alemania", "pais"}};
        for (auto [lang, germany, unaccented] : languages) {
            QTranslator translator;
            QVERIFY(lang == QString("en") || translator.load(QString(":/i18n/quorvane_%1.qm").arg(lang)));
            QCoreApplication::installTranslator(&translator);
            qputenv("LANGUAGE", lang);
            auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator), qunsetenv("LANGUAGE"); });
            const QString file = helpFileIn(QFileInfo(shipped_).path(), lang);
            HelpViewer v(file);
            QString all;
            for (const HelpTopic& t : loadHelpFile(file).topics) {
                QVERIFY(v.showTopic(t.id));
                all += v.pageText() + "\n";
            }
            QVERIFY2(!v.search(unaccented).isEmpty(), unaccented);  // a word typed without its accents is found
            for (auto [context, m] : {std::pair{"Converter", "Whoops!"}, {"Converter", "Error Number %1\r\n%2"},
                                      {"Converter", "You've picked the same country for Origin and Destination. Please try again."},
                                      {"Converter", "You've left the Origin Country Rate Area blank! The Rate of %1 will be entered for you."},
                                      {"Converter", "You've left the Destination Country Rate Area blank! The Rate of %1 will be entered for you."},
                                      {"Converter", "Please check the Exchange Rate! You entered \r\n%1\r\nOriginal Rate of %2 will be entered."},
                                      {"GridPrint", kSelectACountry}, {"GridPrint", kPrinterNotAvailable}, {"SysInfo", kSysInfoUnavailable}}) {
                // Up to what varies; a page's plain text has plain spaces for no-break ones.
                QString shownStart = QCoreApplication::translate(context, m).section('%', 0, 0).replace(QChar::Nbsp, ' ');
                shownStart = shownStart.left(shownStart.indexOf('!') + 1 ? shownStart.indexOf('!') + 1 : shownStart.size()).trimmed();
                QVERIFY2(all.contains(shownStart), qPrintable(QString(lang) + ": " + shownStart));
            }
            ui_.messages.clear();
            FrmConvert w(rates_.folder(), &ui_, &printers_);
            for (QWidget* menu : {static_cast<QWidget*>(w.menuBar()), qobject_cast<QWidget*>(w.findChild<QAction*>("mnuAbout")->parent())}) {
                QSet<QChar> keys;
                for (QAction* a : menu->actions()) {
                    const QString text = QString(a->text()).remove("&&");
                    QVERIFY2(text.count('&') == 1 && !keys.contains(text[text.indexOf('&') + 1].toLower()), qPrintable(text));
                    keys << text[text.indexOf('&') + 1].toLower();
                }
            }
            QCOMPARE(w.findChild<QAction*>("mnuCalculate")->text() == "&Calculate", lang == QString("en"));
            auto* list = child<QListView>("List1", &w);
            QStringList names;
            for (int r = 0; r < list->model()->rowCount(); ++r) names << list->model()->index(r, 0).data().toString();
            QCollator collator(QLocale::system());
            QVERIFY(std::is_sorted(names.begin(), names.end(), [&](auto& a, auto& b) { return collator.compare(a, b) < 0; }));
            QVERIFY(lang != QString("de") || names.contains("Simbabwe (US-Dollar)"));
            list->setFocus();
            QTest::keyClicks(list, QString(germany).left(4));
            QTRY_COMPARE(list->currentIndex().data().toString(), QString(germany));
            QCOMPARE(list->currentIndex().data(CountryListModel::kStoredNameRole).toByteArray(), QByteArray("Germany"));
            QVERIFY(w.chooseCountry(ListId::Destination, "Germany"));  // by the stored name
            for (int c : {0, 2}) QCOMPARE(QString::fromStdString(w.grid()->cellText(0, c)), QString(germany));
            trigger(w, "mnuCalculate");
            QCOMPARE(ui_.messages.size(), size_t(1));
            QCOMPARE(QString::fromStdString(ui_.messages[0].text) == english, lang == QString("en"));
            // The band and the label name the currency alike, in a font small enough for the band's
            // room ("Dollar des Caraïbes orientales"); so does the hint, in the language.
            QVERIFY(w.chooseCountry(ListId::Destination, "Grenada"));
            const QString dollar = child<QLabel>("Label2", &w)->text();
            auto* band = child<QLabel>("lblTitle2", &w);
            QCOMPARE(band->text(), "1 " + dollar + " = 100 Cents");
            QVERIFY(QFontMetrics(band->font()).horizontalAdvance(band->text()) <= band->contentsRect().width());
            QCOMPARE(dollar == "Eastern Caribbean Dollar", lang == QString("en"));
            QCOMPARE(hintAfterMove(list), QCoreApplication::translate("Hints", "Choose origin country from this list"));
        }
    }

    // Missing, empty, oversized or hostile files are named for what they are; no topic reaches outside or stops it.
    void saysWhatIsWrongWithAFileAndKeepsToIt() {
        QTemporaryDir dir;
        auto write = [&](const char* name, const QByteArray& body) {
            return test::writeFile(dir.filePath(name), body) ? dir.filePath(name) : QString();
        };
        auto topic = [](QByteArray id, QByteArray body) { return "<section id=\"" + id + "\" title=\"" + id + "\">" + body + "</section>"; };
        const QString missing = dir.filePath("zelvik.hlp");
        QVERIFY(!HelpViewer(missing).topicsView()->isEnabled());
        QFile huge(write("huge.hlp", ""));
        QVERIFY(huge.resize(kMaxHelpFileBytes + 1));
        const QString junk = write("junk.hlp", "<html><body><p>no topics</p></body></html>");
        for (auto [file, says] : {std::pair{missing, missing + " was not found"}, {junk, QString("no help topics")},
                                  {missing, QString("folder that holds the program")},
                                  {huge.fileName(), QString("is too large to show")}})
            QVERIFY2(HelpViewer(file).pageText().contains(says), qPrintable(HelpViewer(file).pageText()));

        const QByteArray outside = QUrl::fromLocalFile(shipped_).toEncoded();  // any file outside the topic
        HelpViewer v(write("odd.hlp", topic("images", "<img src=\"file:///dev/zero\"><img src=\"" + outside + "\">") +
                                          topic("word", "<p>" + QByteArray(1 << 20, 'x') + "</p>") +
                                          topic("deep", QByteArray("<div>").repeated(100000) + "bottom")));
        QCOMPARE(v.topicTitles(), (QStringList{"images", "word", "deep"}));
        QCOMPARE(v.page()->document()->resource(QTextDocument::ImageResource, QUrl(outside)), QVariant());
        QVERIFY(v.showTopic("word"));
        QVERIFY(v.pageText().contains("too large to show: it has a word of 1,048,576 characters"));
        QVERIFY(v.showTopic("deep"));
        QVERIFY(v.pageText().contains("nested too deeply"));
        QVERIFY(v.pageText().endsWith("bottom"));
    }

    // Opened from Help > About by e2e_install.
    void aboutClosesWithEnterAndEscAndReportsMissingSysInfo() {
        AboutORVE about(nullptr, &ui_, &reg_, &starter_);
        for (auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            QVERIFY(shown(&about));
            QCOMPARE(about.focusWidget()->objectName(), QString("cmdOK"));
            test::saveShot(&about, "about");
            QTest::keyClick(about.focusWidget(), key);
            QVERIFY(!about.isVisible());
        }
        // Whatever the keyboard reaches is named; so is the icon, which it passes by.
        for (QWidget* c : about.findChildren<QWidget*>())
            if (c->focusPolicy() & Qt::TabFocus || c->objectName() == "picIcon")
                QVERIFY2(!QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty(),
                         qPrintable(c->objectName()));
        QCOMPARE(about.findChild<QWidget*>("picIcon")->focusPolicy(), Qt::NoFocus);
        ui_.messages.clear();
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(ui_.messages.size(), std::size_t(1));
        QCOMPARE(ui_.messages[0].text, std::string("System Information Is Unavailable At This Time"));
    }

    // The pointer over the icon arms L, E, A to open the credits, once (unarmed keys: test_about); they move.
    void pointerOverIconThenLeaOpensCreditsOnce() {
        armingFlags() = {};
        AboutORVE about(nullptr, &ui_, &reg_, &starter_);
        QVERIFY(shown(&about));
        auto typeLea = [&] { for (auto k : {Qt::Key_L, Qt::Key_E, Qt::Key_A}) QTest::keyClick(about.focusWidget(), k); };
        auto* pic = about.findChild<QLabel*>("picIcon");
        QMouseEvent move(QEvent::MouseMove, QPointF(16, 16), pic->mapToGlobal(QPointF(16, 16)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pic, &move);
        int shown = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* m = qobject_cast<FrmMarquee*>(QApplication::activeModalWidget());
            if (!m) return;
            poll.stop(), ++shown;
            QVERIFY(m->parentWidget() == &about);
            QVERIFY(!armingFlags().a);
            QVERIFY(!armingFlags().b);  // spent on load
            QTRY_VERIFY(m->marquee().left() <= 435 - 3 * 25);  // it moves (where to: test_about)
            QCOMPARE(m->findChild<QLabel*>("Label1")->x(), twipsToPixels(m->marquee().left()));
            test::saveShot(m, "credits");
            m->close();
        });
        for (int pass = 0; pass < 2; ++pass) {  // the second time it is not armed any more
            poll.start(20);
            typeLea();  // the credits run modally inside the last key
            QCOMPARE(shown, 1);
        }
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "qtest_window.moc"
