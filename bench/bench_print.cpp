// Time from a click on Print to the job handed to CUPS, on a calculated chart.
// With the private scheduler it also times clicks while the scheduler is stopped.
// Needs a scheduler with a default printer, e.g.:
//   bash tests/cups/private_cupsd.sh build/bench/bench_print build/Quorvane
#include "converter/FrmConvert.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
class CountingUi : public quorvane::UiServices {
public:
    void message(const std::string& text, const std::string&, quorvane::MsgIcon) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        ++messages;
    }
    void setBusy(bool) override {}
    int messages = 0;
};
}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString programDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("QUORVANE_PROGRAM_DIR");
    if (QPrinterInfo::defaultPrinter().isNull()) {
        std::printf("bench_print: no default printer (run it under tests/cups/private_cupsd.sh)\n");
        return 0;
    }
    QTemporaryDir dir;
    if (!QFile::copy(programDir + "/Zelvik.MDB", dir.filePath("Zelvik.MDB"))) {
        std::fprintf(stderr, "bench_print: no Zelvik.MDB in '%s'\n", qPrintable(programDir));
        return 1;
    }
    CountingUi ui;
    quorvane::FrmConvert window(dir.path(), &ui);
    window.show();
    app.processEvents();
    for (auto [list, country] : {std::pair{quorvane::ListId::Origin, "United States"},
                                 std::pair{quorvane::ListId::Destination, "Japan"}})
        if (!window.chooseCountry(list, country)) return 1;
    window.findChild<QAction*>("mnuCalculate")->trigger();
    QAction* print = window.findChild<QAction*>("mnuPrint");

    const int runs = 20;
    std::vector<double> ms;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer t;
        t.start();
        print->trigger();  // returns once the page is handed to the scheduler
        double elapsed = t.nsecsElapsed() / 1e6;
        if (i > 0) ms.push_back(elapsed);  // the first click loads the print plugin
        else std::printf("first click: %.1f ms\n", elapsed);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("click to job handed to CUPS, %d runs: min %.1f ms, median %.1f ms, max %.1f ms%s\n", runs,
                ms.front(), ms[ms.size() / 2], ms.back(), ui.messages ? " (with failures)" : "");
    const int failures = ui.messages;

    // With the scheduler stopped, a click must come back with "Printer is not available".
    const pid_t cupsd = qEnvironmentVariableIntValue("CUPSD_PID");
    if (cupsd > 0 && kill(cupsd, SIGSTOP) == 0) {
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer t;
            t.start();
            print->trigger();
            std::printf("scheduler stopped: click to message %.1f ms\n", t.nsecsElapsed() / 1e6);
        }
        kill(cupsd, SIGCONT);
    }
    return failures ? 1 : 0;
}
