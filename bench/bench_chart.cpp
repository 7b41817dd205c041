// Time of a country choice and of Calculate in the real window, with the shipped
// rate table and with a generated table of 100,000 rows. Prints figures only.
#include "converter/FrmConvert.h"
#include "data/SqliteRateTable.h"

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

using namespace quorvane;
using Clock = std::chrono::steady_clock;

namespace {

class SilentUi : public UiServices {
public:
    void message(const std::string&, const std::string&, MsgIcon) override { ++messages; }
    void setBusy(bool) override {}
    int messages = 0;
};
class OnePrinter : public Printers {
public:
    int count() const override { return 1; }
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

void measure(const char* label, const std::string& csv) {
    QTemporaryDir dir;
    RateDatabase::createFromCsv((dir.path() + "/Zelvik.MDB").toStdString(), csv);
    SilentUi ui;
    OnePrinter printers;
    FrmConvert w(dir.path(), &ui, &printers);
    w.show();
    QCoreApplication::processEvents();
    auto* l1 = w.findChild<QListView*>("List1");
    auto* l2 = w.findChild<QListView*>("List2");
    auto row = [](QListView* l, int r) { l->setCurrentIndex(l->model()->index(r, 0)); };
    const int n = 200;
    double origin = 0, dest = 0, calc = 0, paint = 0, worst = 0;
    for (int i = 0; i < n; ++i) {
        int a = (i * 7919) % l1->model()->rowCount(), b = (i * 104729 + 1) % l2->model()->rowCount();
        auto t0 = Clock::now();
        row(l1, a);
        auto t1 = Clock::now();
        row(l2, b);
        auto t2 = Clock::now();
        w.converter().calculate();
        auto t3 = Clock::now();
        // The repaint that shows the chart, reported on its own.
        QCoreApplication::processEvents();
        paint += std::chrono::duration<double, std::milli>(Clock::now() - t3).count();
        auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
        origin += ms(t1 - t0);
        dest += ms(t2 - t1);
        calc += ms(t3 - t2);
        worst = std::max({worst, ms(t1 - t0), ms(t2 - t1), ms(t3 - t2)});
    }
    std::printf("%-22s rows %6d  origin %.3f ms  destination %.3f ms  calculate %.3f ms  worst %.3f ms"
                "  (%.1f%% of a 16 ms frame); repaint %.3f ms\n",
                label, l1->model()->rowCount(), origin / n, dest / n, calc / n, worst, worst / 16.0 * 100, paint / n);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measure("shipped table", shippedCsv());
    measure("100,000 rows", generatedCsv(100000));
    return 0;
}
