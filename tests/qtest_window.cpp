// The converter window as a user first sees it, started from another folder on a
// program folder with the shipped rate table: its controls, colours and hints,
// and the Help Topics, Internet Databank and Exit commands.
#include "converter/FrmConvert.h"
#include "converter/Hints.h"
#include "platform/FocusMark.h"
#include "platform/Launchers.h"
#include "platform/Twips.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCollator>
#include <QMenuBar>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace quorvane;

namespace {
struct Recorder : HelpLauncher, UrlOpener {
    void showHelpTopics(const QString& helpFile) override { shown << helpFile; }
    void open(const QString& url) override { opened << url; }
    QStringList shown, opened;
};
}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
    template <typename T> T* child(const char* name) {
        T* w = window_->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    test::TempRates rates_;
    QTemporaryDir elsewhere_;
    QStringList tableCountries_;
    test::FakeUi ui_;
    test::FakePrinters printers_;
    std::unique_ptr<FrmConvert> window_;

    // A move without a button, as the pointer makes it, after something else was in the panel.
    QString hintAfterMove(QWidget* target, QPointF at = {-1, -1}) {
        child<QLabel>("panelHint")->setText("something else");
        if (at.x() < 0) at = target->rect().center();
        QMouseEvent ev(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &ev);
        return window_->hintText();
    }
    static void trigger(FrmConvert& w, const char* name) { w.findChild<QAction*>(name)->trigger(); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QString err = rates_.makeShipped();
        QVERIFY2(err.isEmpty(), qPrintable(err));
        SqliteCursor c(rates_.file());
        c.refresh();
        for (; !c.eof(); c.moveNext()) tableCountries_ << QString::fromStdString(c.current()->country);
        QVERIFY(tableCountries_.size() > 260);

        // Started while another folder is current: the table is still found.
        QVERIFY(QDir::setCurrent(elsewhere_.path()));
        window_ = std::make_unique<FrmConvert>(rates_.folder(), &ui_, &printers_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QCOMPARE(QDir::current().canonicalPath(), QDir(rates_.folder()).canonicalPath());
        QVERIFY(ui_.messages.empty());
    }
    void cleanupTestCase() {
        window_.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void listsMenusAndRateBoxesOfAnUnchosenWindow() {
        QCollator collator(QLocale::system());
        QStringList expected = tableCountries_;
        std::sort(expected.begin(), expected.end(), [&](auto& a, auto& b) { return collator.compare(a, b) < 0; });
        for (const char* name : {"List1", "List2"}) {
            auto* list = child<QListView>(name);
            QStringList shown;
            for (int i = 0; i < list->model()->rowCount(); ++i) shown << list->model()->index(i, 0).data().toString();
            QCOMPARE(shown, expected);
            QVERIFY(!list->selectionModel()->hasSelection());
        }
        QVERIFY(!child<QAction>("mnuCalculate")->isEnabled() && child<QLineEdit>("MaskEntry")->isHidden());
    }

    void gridAndControlsSpeak() {
        ChartGrid* grid = window_->grid();
        QCOMPARE(std::pair(grid->rowCount(), grid->columnCount()), std::pair(21, 4));
        QCOMPARE(grid->geometry(), twipsRect(3270, 870, 6120, 4950));
        for (int r = 0; r < 21; ++r) QCOMPARE(grid->QTableWidget::rowHeight(r), twipsToPixels(r ? 220 : 425));
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(grid->columnWidth(c), twipsToPixels(1530));
            for (int r = 0; r < 21; ++r) QCOMPARE(grid->cellText(r, c), QString());
        }
        QVERIFY(grid->wordWrap());

        for (auto [name, spoken] : {std::pair{"lblList1", "Select Country to convert from:"}, {"List1", "Origin country"},
                                    {"List2", "Destination country"}, {"MaskEntry", "Origin rate"},
                                    {"MaskEntry2", "Destination rate"}, {"GridConvert", "Conversion chart"}})
            QCOMPARE(child<QWidget>(name)->accessibleName(), QString(spoken));
        QCOMPARE(window_->windowTitle(), QString("Quorvane"));
        QCOMPARE(window_->centralWidget()->size(), twipsRect(0, 0, 9510, 6225).size());
        QVERIFY(child<QLineEdit>("MaskEntry")->toolTip().startsWith("Origin Country Exchange Rate versus 1 USD."));
        QCOMPARE(child<QLabel>("panelNum")->toolTip(), QString("Indicates if Num Lock key is on or off"));
        // Today's date, also when the day changes while it is read.
        auto today = [] { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); };
        const QString before = today(), shown = child<QLabel>("panelDate")->text();
        QVERIFY2(!shown.isEmpty() && (shown == before || shown == today()), qPrintable(shown));
    }
    // Text stays readable, and the focus mark stands out, under a light and a dark desktop palette;
    // the grid's lines are light grey, black between the header cells.
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
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w) && w.chooseCountry(ListId::Origin, "Algeria"));
            auto* list = w.findChild<QListView*>("List1");
            ChartGrid* grid = w.grid();
            const QColor text = list->palette().color(QPalette::Text), head = grid->item(0, 0)->foreground().color();
            QVERIFY(contrast(text, list->palette().color(QPalette::Base)) >= kTextContrast);
            QVERIFY(contrast(head, grid->item(0, 0)->background().color()) >= kTextContrast);
            for (const char* name : {"lblCodeFrom", "lblCodeTo"}) {  // green and red on the button face
                const QPalette code = w.findChild<QLabel*>(name)->palette();
                QVERIFY(contrast(code.color(QPalette::WindowText), code.color(QPalette::Window)) >= 3);
            }
            if (&pal == &light) QCOMPARE(std::pair(text, head), std::pair(pal.color(QPalette::WindowText), pal.color(QPalette::ButtonText)));
            grid->setCurrentCell(1, 0);
            for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(list), static_cast<QAbstractItemView*>(grid)}) {
                view->setFocus();
                QTRY_VERIFY(view->hasFocus());
                const QRect r = view->visualRect(view->currentIndex());
                const QImage shot = view->viewport()->grab().toImage();
                QVERIFY(contrast(shot.pixelColor(r.right() - 3, r.top()), shot.pixelColor(r.right() - 3, r.top() + 3)) >= kMarkContrast);
            }
            const QImage cells = grid->viewport()->grab().toImage();
            const int x = grid->columnViewportPosition(1) + grid->columnWidth(1) - 1;
            QCOMPARE(cells.pixelColor(x, grid->rowViewportPosition(0) + 5), QColor(Qt::black));
            QCOMPARE(cells.pixelColor(x, grid->rowViewportPosition(5) + 5), QColor(192, 192, 192));
        }
        QApplication::setPalette(light);
    }

    // Each control and, for the lists and the grid, the viewport the pointer is really over.
    void eachControlWritesItsHint() {
        QCOMPARE(FrmConvert(rates_.folder(), &ui_, &printers_).hintText(), QString());  // empty at creation
        for (const HintRow& row : hintTable()) {
            if (row.control == "frmconvert") continue;  // the background: below
            const QString name = QString::fromUtf8(row.control.data(), row.control.size());
            QList<QWidget*> targets{child<QWidget>(qPrintable(name))};
            if (auto* area = qobject_cast<QAbstractScrollArea*>(targets[0])) targets << area->viewport();
            for (QWidget* t : targets)
                QVERIFY2(t->hasMouseTracking() && hintAfterMove(t) == QString::fromUtf8(row.text.data(), row.text.size()), qPrintable(name));
        }
        QCOMPARE(hintAfterMove(child<QWidget>("List1")), QString("Choose origin country from this list"));
        // The background, above the origin list's caption, writes the notice line; other controls leave the panel.
        QCOMPARE(hintAfterMove(child<QWidget>("client"), {20, 2}), QString::fromUtf8(kNoticeLine.data(), kNoticeLine.size()));
        QList<QWidget*> quiet{child<QWidget>("MaskEntry"), child<QWidget>("MaskEntry2"), child<QWidget>("Frame1"),
                              window_->menuBar()};
        quiet << child<QWidget>("StatusBar1") << child<QWidget>("StatusBar1")->findChildren<QWidget*>();
        for (QWidget* q : quiet) QCOMPARE(hintAfterMove(q), QString("something else"));
    }

    // Help Topics, also from F1, and Internet Databank only hand something over; the window goes on.
    void helpTopicsAndDatabankHandOver() {
        QTemporaryDir program;
        FrmConvert w(program.path(), &ui_, &printers_);
        Recorder launcher, &opener = launcher;
        w.setHelpLauncher(&launcher), w.setUrlOpener(&opener);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w) && QFile(program.filePath("Zelvik.hlp")).open(QIODevice::WriteOnly));
        trigger(w, "mnuZelvikHelp");
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(launcher.shown, QStringList(2, program.path() + "/Zelvik.hlp"));
        trigger(w, "mnuDatabank");
        QCOMPARE(opener.opened.size(), 1);
        const QUrl url(opener.opened.front());
        QVERIFY(url.isValid() && url.scheme() == "https" && !url.host().isEmpty() && url.path() == "/databank");
        QVERIFY(w.isVisible() && ui_.messages.empty());
    }

    // The viewer runs as a program of its own, with the path as its one argument and
    // no shell in between; the caller does not wait for it.
    void viewerIsStartedWithoutWaiting() {
        QTemporaryDir program;
        const QString out = program.filePath("args.txt");
        QVERIFY(test::writeFile(program.filePath(kHelpViewerName),
                                QString("#!/bin/sh\nsleep 1\nprintf '%s|' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(out).toUtf8(), true));
        const QString odd = program.path() + "/it's $HOME; a `file`.hlp";
        ProcessHelpLauncher(program.path()).showHelpTopics(odd);
        QVERIFY(!QFile::exists(out));  // a waiting caller would find it written
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QCOMPARE(QString::fromUtf8(test::readFile(out)), odd + "|");
        ProcessHelpLauncher(program.filePath("nowhere")).showHelpTopics(odd);  // no viewer: nothing happens
    }

    // Exit and the close box close the last window, which ends the program; Exit leaves no busy pointer.
    void exitAndCloseBoxEndTheProgram() {
        window_->hide();
        for (bool viaMenu : {true, false}) {
            FrmConvert w(rates_.folder(), &ui_, &printers_);
            w.show();
            w.setCursor(Qt::WaitCursor);
            bool ended = true;
            QTimer guard;
            guard.callOnTimeout(qApp, [&] { ended = false, qApp->quit(); });
            guard.start(5000);
            QTimer::singleShot(0, qApp, [&] { viaMenu ? trigger(w, "mnuExit") : void(w.close()); });
            qApp->exec();
            QVERIFY(ended && !w.isVisible());
            if (viaMenu) QCOMPARE(static_cast<QWidget&>(w).cursor().shape(), Qt::ArrowCursor);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "qtest_window.moc"
