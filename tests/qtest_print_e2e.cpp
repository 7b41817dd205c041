// Prints from the real window to the default printer of a private CUPS
// scheduler (run by tests/e2e_print.sh; on its own it skips): a calculated
// chart, then prints that must send nothing, with the queue rejecting jobs, a
// failure after drawing began and the scheduler stopped.
#include "converter/FrmConvert.h"
#include "platform/QtPrinterSurface.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAction>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTextStream>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace quorvane;

class PrintEndToEnd : public QObject {
    Q_OBJECT
    test::TempRates rates_;
    test::FakeUi ui_;
    QDir keep_{qEnvironmentVariable("QUORVANE_KEEP_DIR")};
    const QString queue_ = qEnvironmentVariable("QUORVANE_QUEUE");

    static QAction* action(FrmConvert& w, const char* name) { return w.findChild<QAction*>(name); }
    int jobsKept() const { return keep_.entryList({"job-*.pdf"}, QDir::Files).size(); }
    bool queueIdle() const {
        QProcess lpstat;
        lpstat.start("lpstat", {"-o", queue_});
        return lpstat.waitForFinished() && lpstat.readAllStandardOutput().trimmed().isEmpty();
    }
    // Chooses both countries and calculates; `counted`: waits for the printer count to offer Print.
    static void chart(FrmConvert& w, const QString& origin, const QString& destination, bool counted = true) {
        for (auto [list, country] : {std::pair{ListId::Origin, origin}, std::pair{ListId::Destination, destination}})
            QVERIFY2(w.chooseCountry(list, country), qPrintable(country));
        action(w, "mnuCalculate")->trigger();
        if (counted) QTRY_VERIFY(action(w, "mnuPrint")->isEnabled());
    }
    // Prints and waits until the scheduler has nothing left: exactly one more job
    // than `before` was kept, so nothing given up on since was printed after all.
    void printOneJob(FrmConvert& w, int before) {
        QCOMPARE(messagesOf([&] { action(w, "mnuPrint")->trigger(); }), std::string());
        QTRY_VERIFY_WITH_TIMEOUT(jobsKept() > before && queueIdle(), 30000);
        QCOMPARE(jobsKept(), before + 1);
    }
    std::string messagesOf(const std::function<void()>& print) {
        ui_.messages.clear();
        print();
        std::string all;
        for (const auto& m : ui_.messages) all += m.text + ";";
        return all;
    }
    const std::string notAvailable = "Printer is not available;";

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("QUORVANE_E2E_PRINT"))
            QSKIP("needs the private CUPS scheduler of tests/e2e_print.sh");
        const QString err = rates_.copyProgramTable();  // the build's table: the script runs without the sources
        QVERIFY2(err.isEmpty(), qPrintable(err));
    }

    void printsTheCalculatedChart() {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        QVERIFY2(!info.isNull(), "the scheduler offers no default printer");
        FrmConvert w(rates_.folder(), &ui_);
        chart(w, qEnvironmentVariable("QUORVANE_E2E_ORIGIN", "United States"),
              qEnvironmentVariable("QUORVANE_E2E_DESTINATION", "Japan"));
        printOneJob(w, jobsKept());

        // What the grid holds is what the page must show, with the printer's resolution.
        QFile out(qEnvironmentVariable("QUORVANE_E2E_PRINT"));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QTextStream s(&out);
        s << "dpi\t" << QPrinter(info, QPrinter::PrinterResolution).resolution() << "\n";
        for (int c = 0; c <= 3; ++c)
            for (int r = 0; r <= 20; ++r) s << r << '\t' << c << '\t' << w.grid()->cellText(r, c) << "\n";
    }

    void refusedAndBrokenPrintsSendNothing() {
        FrmConvert w(rates_.folder(), &ui_);
        chart(w, "Canada", "Mexico");
        const int before = jobsKept();
        QCOMPARE(QProcess::execute("cupsreject", {queue_}), 0);
        QCOMPARE(messagesOf([&] { action(w, "mnuPrint")->trigger(); }), notAvailable);
        QVERIFY(action(w, "mnuPrint")->isEnabled());  // the queue is still installed
        QCOMPARE(QProcess::execute("cupsaccept", {queue_}), 0);

        struct LinesFail : QtPrinterSurface {  // the text and the frame are drawn by then
            void line(double, double, double, double) override { throw std::runtime_error("paper jam"); }
        } failing;
        QCOMPARE(messagesOf([&] { grid_Print(*w.grid(), failing, ui_); }), notAvailable);
        QCOMPARE(jobsKept(), before);
        printOneJob(w, before);  // neither of the two comes after it
    }

    void stoppedSchedulerNeverHoldsTheWindow() {
        const pid_t cupsd = qEnvironmentVariableIntValue("CUPSD_PID");
        QVERIFY(cupsd > 0);
        FrmConvert counted(rates_.folder(), &ui_);
        chart(counted, "Canada", "Japan");
        const int before = jobsKept();
        auto resume = std::shared_ptr<void>(nullptr, [cupsd](void*) { kill(cupsd, SIGCONT); });
        struct StopsWhileDrawing : QtPrinterSurface {  // the job reaches a scheduler that has stopped
            pid_t cupsd;
            void line(double x, double y, double dx, double dy) override {
                kill(cupsd, SIGSTOP);
                QtPrinterSurface::line(x, y, dx, dy);
            }
        } stopping;
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

        resume.reset();
        QTRY_VERIFY(action(*fresh, "mnuPrint")->isEnabled());  // its count came in
        printOneJob(*fresh, before);  // and the job given up on while stopped was not printed
    }
};

QTEST_MAIN(PrintEndToEnd)
#include "qtest_print_e2e.moc"
