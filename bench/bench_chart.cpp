// Time of a country choice and of Calculate in the real window with its real
// printer list, with the shipped rate table and with a generated table of
// 100,000 rows. Prints figures only. Run it under tests/cups/private_cupsd.sh
// for a printer to count; there it also measures with the scheduler stopped:
//   bash tests/cups/private_cupsd.sh build/bench/bench_chart
#include "converter/FrmConvert.h"
#include "data/SqliteRateTable.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <sstream>
#include <vector>

using namespace quorvane;
using Clock = std::chrono::steady_clock;

namespace {

class SilentUi : public UiServices {
public:
    void message(const std::string&, const std::string&, MsgIcon) override { ++messages; }
    void setBusy(bool) override {}
    int messages = 0;
};

std::string shippedCsv() {
    std::ifstream in(std::string(QUORVANE_SOURCE_DIR) + "/data/rates.csv", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string generatedCsv(int rows) {
    std::ostringstream s;
    s << "Country,Currency,Description,CODE,ROE\n";
    for (int i = 0; i < rows; ++i)
        s << "Country " << i << ",1 Unit = 100 Cent,Unit " << i << ",C" << (i % 1000) << "," << (0.5 + i % 5000) << "\n";
    return s.str();
}

struct Times {
    std::vector<double> ms;
    double mean() const { return std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size(); }
    double median() {
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
    double max() const { return *std::max_element(ms.begin(), ms.end()); }
};

template <typename F>
double timed(F&& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void measure(const char* label, FrmConvert& w, int n) {
    auto* l1 = w.findChild<QListView*>("List1");
    auto* l2 = w.findChild<QListView*>("List2");
    auto pick = [](QListView* l, int r) { l->setCurrentIndex(l->model()->index(r, 0)); };
    Times origin, dest, calc;
    double paint = 0;
    for (int i = 0; i < n; ++i) {
        const int a = (i * 7919) % l1->model()->rowCount(), b = (i * 104729 + 1) % l2->model()->rowCount();
        origin.ms.push_back(timed([&] { pick(l1, a); }));
        dest.ms.push_back(timed([&] { pick(l2, b); }));
        calc.ms.push_back(timed([&] { w.converter().calculate(); }));
        // The repaint that shows the chart, reported on its own.
        paint += timed([] { QCoreApplication::processEvents(); });
    }
    std::printf("%-34s rows %6d  mean/median ms: origin %.3f/%.3f  destination %.3f/%.3f  calculate %.3f/%.3f"
                "  worst %.3f; repaint %.3f; Print %s\n",
                label, l1->model()->rowCount(), origin.mean(), origin.median(), dest.mean(), dest.median(), calc.mean(),
                calc.median(), std::max({origin.max(), dest.max(), calc.max()}), paint / n,
                w.findChild<QAction*>("mnuPrint")->isEnabled() ? "enabled" : "disabled");
}

void measureTable(const char* label, const std::string& csv) {
    QTemporaryDir dir;
    RateDatabase::createFromCsv((dir.path() + "/Zelvik.MDB").toStdString(), csv);
    SilentUi ui;
    FrmConvert w(dir.path(), &ui);
    w.show();
    settle(300);  // the first printer count comes in
    measure(label, w, 200);

    // The scheduler stopped: choices and Calculate still go by the last count.
    const pid_t cupsd = qEnvironmentVariableIntValue("CUPSD_PID");
    if (cupsd <= 0 || kill(cupsd, SIGSTOP) != 0) return;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &activate);  // asks for a count that does not come
    measure((std::string(label) + ", scheduler stopped").c_str(), w, 50);
    kill(cupsd, SIGCONT);
    settle(300);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("printer list from %s\n", qEnvironmentVariableIsSet("CUPS_SERVER")
                                                ? qPrintable(qEnvironmentVariable("CUPS_SERVER"))
                                                : "the system's scheduler");
    measureTable("shipped table", shippedCsv());
    measureTable("100,000 rows", generatedCsv(100000));
    return 0;
}
