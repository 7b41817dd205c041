// Prints from the real window to the default printer of a private CUPS
// scheduler (ctest runs it through tests/cups/private_cupsd.sh; on its own it
// skips): a calculated chart, read back from the page the printer was sent;
// then prints that must send nothing, with the queue rejecting jobs, a failure
// after drawing began and the scheduler stopped, when the program also ends at once.
#include "converter/FrmConvert.h"
#include "platform/CardPdf.h"
#include "platform/PrinterSystem.h"
#include "platform/QtPrinterSurface.h"
#include "platform/QuitSignals.h"
#include "platform/Twips.h"
#include "support/Fakes.h"
#include "support/Pictures.h"
#include "support/TempRates.h"

#include <QAction>
#include <QDirIterator>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <numeric>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace quorvane;

class PrintEndToEnd : public QObject {
    Q_OBJECT
    test::TempRates rates_;
    test::FakeUi ui_;
    QDir keep_{qEnvironmentVariable("QUORVANE_KEEP_DIR")};
    const QString queue_ = qEnvironmentVariable("QUORVANE_QUEUE");

    static QAction* action(FrmConvert& w, const char* name) { return w.findChild<QAction*>(name); }
    QStringList jobsKept() const { return keep_.entryList({"job-*.pdf"}, QDir::Files); }
    // Chooses both countries and calculates; `counted`: waits for the printer count to offer Print.
    static void chart(FrmConvert& w, const QString& origin, const QString& destination, bool counted = true) {
        for (auto [list, country] : {std::pair{ListId::Origin, origin}, std::pair{ListId::Destination, destination}})
            QVERIFY2(w.chooseCountry(list, country), qPrintable(country));
        action(w, "mnuCalculate")->trigger();
        if (counted) QTRY_VERIFY(action(w, "mnuPrint")->isEnabled());
    }
    // Prints and waits until the scheduler has nothing left: exactly one more job
    // than `before` was kept, so nothing given up on since was printed after all.
    void printOneJob(FrmConvert& w, const QStringList& before, QString* job = nullptr) {
        QCOMPARE(messagesOf([&] { action(w, "mnuPrint")->trigger(); }), std::string());
        QTRY_VERIFY_WITH_TIMEOUT(jobsKept().size() > before.size() && tool("lpstat", {"-o", queue_}).isEmpty(), 30000);
        QCOMPARE(jobsKept().size(), before.size() + 1);
        for (const QString& f : jobsKept())
            if (job && !before.contains(f)) *job = keep_.filePath(f);
    }
    std::string messagesOf(const std::function<void()>& print) {
        ui_.messages.clear(), print();
        return std::accumulate(ui_.messages.begin(), ui_.messages.end(), std::string(), [](auto a, auto& m) { return a + m.text + ";"; });
    }
    const std::string notAvailable = "Printer is not available;";
    static QString tool(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(30000) || p.exitCode()) qWarning() << program << "failed:" << p.readAllStandardError();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("QUORVANE_KEEP_DIR"))
            QSKIP("needs the private CUPS scheduler of tests/cups/private_cupsd.sh");
        const QString err = rates_.makeShipped("2025-03-14");
        QVERIFY2(err.isEmpty(), qPrintable(err));
    }
    // Every successful IPP status counts as printed, and no other.
    void everySuccessfulIppStatusSucceeds() {
        for (ipp_status_t ok : {IPP_STATUS_OK, IPP_STATUS_OK_CONFLICTING, IPP_STATUS_OK_IGNORED_SUBSCRIPTIONS,
                                IPP_STATUS_OK_EVENTS_COMPLETE})
            QVERIFY2(ippSucceeded(ok), ippErrorString(ok));
        for (ipp_status_t failed : {IPP_STATUS_REDIRECTION_OTHER_SITE, IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS})
            QVERIFY2(!ippSucceeded(failed), ippErrorString(failed));
    }

    // One page; each cell's first word where the routine put it, relative to the
    // first header; the frame 7 by 3.7 inches at the printable area's corner; the
    // footer's words alone below it, one 8-point line down, from its left edge.
    // The printed job and the card file are read alike; the page is kept as a picture.
    void checkCard(const QString& pdf, const GridOps& grid, int dpi, const QPageLayout& layout, const QString& footer,
                   const QString& picture) {
        QVERIFY(tool("pdfinfo", {pdf}).contains(QRegularExpression("^Pages: +1$", QRegularExpression::MultilineOption)));
        const QRectF printable = layout.paintRect(QPageLayout::Point);
        const double frameBottom = printable.top() + PrintLayout::kHeight / 20.0;
        QMultiHash<QString, QPointF> words;  // where each word begins, in points
        QMap<double, QString> footerWords;   // by x
        QPointF footerAt(1e9, 1e9);
        static const QRegularExpression re(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
        for (auto it = re.globalMatch(tool("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
            const auto m = it.next();
            const QPointF at(m.captured(1).toDouble(), m.captured(2).toDouble());
            if (at.y() < frameBottom) words.insert(m.captured(3), at);
            else footerWords.insert(at.x(), m.captured(3)), footerAt = {qMin(footerAt.x(), at.x()), qMin(footerAt.y(), at.y())};
        }
        QCOMPARE(footerWords.values().join(' '), footer);
        auto first = [&](int r, int c) { return QString::fromStdString(grid.cellText(r, c)).section(' ', 0, 0); };
        const QList<QPointF> headers = words.values(first(0, 0));
        QVERIFY(!headers.isEmpty());
        const QPointF origin = *std::min_element(headers.begin(), headers.end(),
                                                 [](QPointF a, QPointF b) { return a.x() + a.y() < b.x() + b.y(); });
        const double px = roundPixelSize(1440.0 / dpi);
        for (int c = 0; c <= 3; ++c)
            for (int r = 0; r <= 20; ++r) {
                const QPointF at = origin + QPointF(c * (2500 + px), r ? 425 + px + (r - 1) * (220 + px) : 0) / 20;
                const QList<QPointF> found = words.values(first(r, c));
                QVERIFY2(std::any_of(found.begin(), found.end(), [&](QPointF p) { return (p - at).manhattanLength() < 3; }),
                         qPrintable(QString("cell %1,%2 '%3' is not at %4,%5 pt").arg(r).arg(c).arg(first(r, c))
                                        .arg(at.x()).arg(at.y())));
            }
        tool("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, keep_.filePath("page")});
        const QImage page(keep_.filePath("page.png"));
        test::savePicture(page, picture);
        QRect frame;  // the outermost marks on the page above the footer
        for (int y = 0; y < frameBottom * 100 / 72 + 2; ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 200) frame |= QRect(x, y, 1, 1);
        QVERIFY2(qAbs(frame.width() - 701) <= 4, "10100 by 5275 twips: 7.01 by 3.66 inches");
        QVERIFY2(qAbs(frame.height() - 366) <= 4, "10100 by 5275 twips: 7.01 by 3.66 inches");
        const QRectF inside(QPointF(frame.topLeft()) * 0.72, QSizeF(frame.size()) * 0.72);  // in points
        QVERIFY((inside.topLeft() - printable.topLeft()).manhattanLength() < 2);
        for (const QPointF& word : std::as_const(words)) QVERIFY2(inside.contains(word), "a word begins outside the frame");
        QVERIFY((footerAt - inside.topLeft() - QPointF(0, CardFooterPlace::kTop / 20)).manhattanLength() < 2);
    }

    // A chart with a typed rate, printed: the card says which rate, of which day, and that it was typed.
    void printsTheCalculatedChart() {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        QVERIFY2(!info.isNull(), "the scheduler offers no default printer");
        FrmConvert w(rates_.folder(), &ui_);
        QVERIFY(w.chooseCountry(ListId::Destination, "Japan"));
        w.findChild<QLineEdit*>("MaskEntry2")->clear();
        QTest::keyClicks(w.findChild<QLineEdit*>("MaskEntry2"), "150");
        w.converter().rateBoxFocusOut(RateBox::Destination);  // stored and marked typed
        chart(w, "United States", "Japan");
        const QString footer = QString::fromStdString(w.cardFooterText());
        QCOMPARE(footer, "1 USD = 150.00 JPY · rates of 14 March 2025 · JPY rate typed");
        QString pdf;
        printOneJob(w, jobsKept(), &pdf);
        const QPrinter printer(info, QPrinter::PrinterResolution);
        checkCard(pdf, *w.grid(), printer.resolution(), printer.pageLayout(), footer, "print_chart");
    }

    // The card file, from the grid and from its cells; a file that cannot be written is told why.
    void writesTheCardAsPdf() {
        FrmConvert w(rates_.folder(), &ui_);
        chart(w, "Canada", "Mexico", false);
        const QString file = keep_.filePath("card.pdf"), footer = "1 CAD = 13.07 MXN · rates of 1 May 2026";
        CardCells cells;
        for (int r = 0; r <= 20; ++r)
            for (int c = 0; c <= 3; ++c) cells[r][c] = w.grid()->cellText(r, c);
        for (bool fromGrid : {true, false}) {
            QFile::remove(file);
            fromGrid ? writeCardPdf(file, *w.grid(), footer.toStdString()) : writeCardPdf(file, cells, footer.toStdString());
            QCOMPARE(w.grid()->QTableWidget::size(), twipsRect(0, 0, 6120, 4950).size());
            checkCard(file, *w.grid(), kCardPdfResolution, cardPdfPage(), footer, fromGrid ? "card_pdf" : "card_pdf_cells");
        }
        // A full device of the test's own, for a card sent to a device is written to it, not put in its place.
        QVERIFY(mknod(qPrintable(keep_.filePath("full")), S_IFCHR | 0666, makedev(1, 7)) == 0);
        for (const QString& bad : {keep_.filePath("no-such-folder/card.pdf"), keep_.path(), keep_.filePath("full")}) {
            QString told;
            try { writeCardPdf(bad, cells, {}); } catch (const std::runtime_error& e) { told = e.what(); }
            QVERIFY2(told.startsWith("Cannot write " + bad + ": ") && told.size() > bad.size() + 15, qPrintable(bad + told));
        }
    }

    void refusedAndBrokenPrintsSendNothing() {
        FrmConvert w(rates_.folder(), &ui_);
        chart(w, "Canada", "Mexico");
        const QStringList before = jobsKept();
        QCOMPARE(QProcess::execute("cupsreject", {queue_}), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("printing on " + queue_ + " failed: .*accepting jobs"));
        QCOMPARE(messagesOf([&] { action(w, "mnuPrint")->trigger(); }), notAvailable);
        QVERIFY(action(w, "mnuPrint")->isEnabled());  // the queue is still installed
        QCOMPARE(w.grid()->QTableWidget::size(), twipsRect(0, 0, 6120, 4950).size());  // the window's layout again
        QCOMPARE(QProcess::execute("cupsaccept", {queue_}), 0);

        struct LinesFail : QtPrinterSurface {  // the text and the frame are drawn by then
            using QtPrinterSurface::QtPrinterSurface;
            void line(double, double, double, double) override { throw std::runtime_error("paper jam"); }
        } failing(w.printerSystem());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed: paper jam$"));
        QCOMPARE(messagesOf([&] { grid_Print(*w.grid(), failing, ui_); }), notAvailable);
        QCOMPARE(jobsKept(), before);
        printOneJob(w, before);  // neither of the two comes after it
    }

    void stoppedSchedulerNeverHoldsTheWindow() {
        const pid_t cupsd = qEnvironmentVariableIntValue("CUPSD_PID");
        QVERIFY(cupsd > 0);
        FrmConvert counted(rates_.folder(), &ui_);
        chart(counted, "Canada", "Japan");
        const QStringList before = jobsKept();
        auto resume = std::shared_ptr<void>(nullptr, [cupsd](void*) { kill(cupsd, SIGCONT); });
        struct StopsWhileDrawing : QtPrinterSurface {  // the job reaches a scheduler that has stopped
            using QtPrinterSurface::QtPrinterSurface;
            pid_t cupsd;
            void line(double x, double y, double dx, double dy) override {
                kill(cupsd, SIGSTOP);
                QtPrinterSurface::line(x, y, dx, dy);
            }
        } stopping(counted.printerSystem());
        stopping.cupsd = cupsd;
        QCOMPARE(messagesOf([&] { grid_Print(*counted.grid(), stopping, ui_); }), notAvailable);
        auto fresh = std::make_unique<FrmConvert>(rates_.folder(), &ui_);  // never counted
        QEvent activate(QEvent::WindowActivate);
        for (FrmConvert* w : {&counted, fresh.get()}) {
            QCoreApplication::sendEvent(w, &activate);  // asks for a count the scheduler does not give
            chart(*w, "Mexico", "Canada", false);
        }
        // The last count stands; a window that has none takes it as no printer.
        QVERIFY(action(counted, "mnuPrint")->isEnabled());
        QVERIFY(!action(*fresh, "mnuPrint")->isEnabled());
        QCOMPARE(messagesOf([&] { action(counted, "mnuPrint")->trigger(); }), notAvailable);
        // Told to end now, a program whose print waits here ends at once and whole.
        QProcess program;
        program.start(QCoreApplication::applicationFilePath(), {"--print-then-wait", rates_.folder()});
        QVERIFY(program.waitForReadyRead(60000));
        program.terminate();  // SIGTERM
        QVERIFY2(program.waitForFinished(60000), "the program did not end");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        resume.reset();
        QTRY_VERIFY(action(*fresh, "mnuPrint")->isEnabled());  // its count came in
        printOneJob(*fresh, before);  // and the job given up on while stopped was not printed
    }

};

// The program's end as main() runs it, with a print left waiting on the stopped
// scheduler; exit status 3 when a printer thread outlived the window, which must
// be gone before the application object.
static int printThenWait(int argc, char** argv) {
    QApplication app(argc, argv);
    {
        test::FakeUi ui;
        FrmConvert w(QString::fromLocal8Bit(argv[2]), &ui);
        w.chooseCountry(ListId::Origin, "Canada");
        w.mnuPrint_Click();  // waits for the printer count, and gives up
        quitOnTerminationSignals();
        std::puts("waiting");
        std::fflush(stdout);
        app.exec();
    }
    for (QDirIterator task("/proc/self/task", QDir::Dirs | QDir::NoDotAndDotDot); task.hasNext();)
        if (QFile f(task.next() + "/comm"); f.open(QIODevice::ReadOnly) && f.readAll() == "quorvane-print\n") return 3;
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--print-then-wait") == 0) return printThenWait(argc, argv);
    QApplication app(argc, argv);
    PrintEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}
#include "qtest_print_e2e.moc"
