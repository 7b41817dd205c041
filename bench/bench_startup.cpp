// Start-up time from process start to the converter window shown with its lists
// filled, beside bare Qt windows of the same size, and the peak memory of each.
// Every measurement is a fresh process: the bench runs itself in a child mode,
// and the cases take turns in every round so that a busy machine slows all alike.
//
//   bench_startup [rates.csv] [runs]      (QT_QPA_PLATFORM=xcb under Xvfb; offscreen by default)
// rates.csv defaults to $QUORVANE_SOURCE_DIR/data/rates.csv, else data/rates.csv.
#include "converter/FrmConvert.h"
#include "data/SqliteRateTable.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QStringListModel>
#include <QWindow>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;
namespace fs = std::filesystem;

namespace {

double monotonicMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

long peakKiB() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void waitExposed(QWidget& w) {
    w.show();
    while (!w.windowHandle() || !w.windowHandle()->isExposed()) QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

// Child: shows one window, prints "<shown at, monotonic ms> <peak KiB> <list entries>".
int child(const std::string& mode, const std::string& folder) {
    int argc = 1;
    char name[] = "bench_startup";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    int entries = 0;
    if (mode == "bare" || mode == "bare-text") {
        // The floor for any window: nothing drawn, or a menu item and three names.
        QMainWindow w;
        if (mode == "bare-text") {
            w.menuBar()->addAction("&Calculate");
            auto* list = new QListView(&w);
            list->setModel(new QStringListModel({"Afghanistan", "Albania", "Algeria"}, list));
            w.setCentralWidget(list);
        }
        w.resize(quorvane::twipsToPixels(9510), quorvane::twipsToPixels(6225) + 20);
        waitExposed(w);
        std::printf("%.3f %ld 0\n", monotonicMs(), peakKiB());
    } else {
        quorvane::FrmConvert w(QString::fromStdString(folder));
        waitExposed(w);
        double shown = monotonicMs();
        entries = w.findChild<QListView*>("List1")->model()->rowCount() +
                  w.findChild<QListView*>("List2")->model()->rowCount();
        std::printf("%.3f %ld %d\n", shown, peakKiB(), entries);
    }
    std::fflush(stdout);
    return 0;
}

struct Sample { double ms; long kib; int entries; };

Sample runChild(const char* self, const std::string& mode, const std::string& folder) {
    int fds[2];
    if (pipe(fds) != 0) std::exit(1);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
    posix_spawn_file_actions_addclose(&fa, fds[0]);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);  // Qt's start-up chatter
    std::string m = mode, f = folder;
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--child"), m.data(), f.data(), nullptr};
    double start = monotonicMs();
    pid_t pid;
    if (posix_spawn(&pid, self, &fa, nullptr, args, environ) != 0) { std::perror("posix_spawn"); std::exit(1); }
    close(fds[1]);
    std::string out;
    char buf[256];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) out.append(buf, n);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&fa);
    Sample s{};
    double shown = 0;
    std::istringstream in(out);
    if (!(in >> shown >> s.kib >> s.entries)) { std::cerr << "child " << mode << " failed: " << out << "\n"; std::exit(1); }
    s.ms = shown - start;
    return s;
}

Sample median(std::vector<Sample> v) {
    std::sort(v.begin(), v.end(), [](auto& a, auto& b) { return a.ms < b.ms; });
    Sample m = v[v.size() / 2];
    for (auto& s : v) m.kib = std::max(m.kib, s.kib);
    return m;
}

std::string readFile(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Generated rows; shuffled ones make the list's sort do its work, ordered ones
// stand for a table kept in display order as the shipped one is.
std::string generatedCsv(int rows, bool shuffled) {
    std::mt19937 rng(42);
    std::ostringstream s;
    s << "Country,Currency,Description,CODE,ROE\n";
    for (int i = 0; i < rows; ++i) {
        unsigned k = rng();
        unsigned key = shuffled ? k % 100000 : static_cast<unsigned>(i);
        char name[32];
        std::snprintf(name, sizeof name, "Land %06u-%06d", key, i);
        s << name << " (" << char('A' + k % 26) << "),1 Unit = 100 Cent,Unit,U"
          << (i % 1000) << "," << 0.5 + (k % 100000) / 7.0 << "\n";
    }
    return s.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) return child(argv[2], argv[3]);

    std::string csv = argc > 1 ? argv[1] : "";
    if (csv.empty()) {
        const char* src = std::getenv("QUORVANE_SOURCE_DIR");
        csv = src ? std::string(src) + "/data/rates.csv" : "data/rates.csv";
    }
    int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string shippedCsv = readFile(csv);
    if (shippedCsv.empty()) { std::cerr << "cannot read " << csv << "\n"; return 1; }

    char tmpl[] = "/tmp/quorvane-bench-XXXXXX";
    fs::path root = mkdtemp(tmpl);
    struct Case { const char* label; std::string mode; fs::path folder; std::vector<Sample> samples = {}; };
    std::vector<Case> cases = {{"bare window, no text", "bare", root}, {"bare window with text", "bare-text", root}};
    auto table = [&](const char* label, const std::string& name, const std::string& content) {
        fs::create_directories(root / name);
        quorvane::RateDatabase::createFromCsv((root / name / "Zelvik.MDB").string(), content);
        cases.push_back({label, "window", root / name, {}});
    };
    table("empty table", "empty", "Country,Currency,Description,CODE,ROE\n");
    table("shipped table", "shipped", shippedCsv);
    table("10,000 rows, shuffled", "10k", generatedCsv(10000, true));
    table("100,000 rows, in order", "100k-ordered", generatedCsv(100000, false));
    table("100,000 rows, shuffled", "100k", generatedCsv(100000, true));

    const char* self = "/proc/self/exe";
    std::string exe = fs::read_symlink(self).string();
    for (auto& c : cases) runChild(exe.c_str(), c.mode, c.folder.string());  // warms the file cache
    for (int i = 0; i < runs; ++i)
        for (auto& c : cases) c.samples.push_back(runChild(exe.c_str(), c.mode, c.folder.string()));
    std::vector<Sample> med;
    for (auto& c : cases) med.push_back(median(c.samples));

    std::printf("Start-up to the window shown, median of %d rounds of fresh processes (QT_QPA_PLATFORM=%s)\n", runs,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-26s %9s %12s %14s %12s %8s\n", "case", "ms", "x text-bare", "x empty table", "peak MiB", "entries");
    for (size_t i = 0; i < cases.size(); ++i)
        std::printf("%-26s %9.1f %11.2fx %13.2fx %12.1f %8d\n", cases[i].label, med[i].ms, med[i].ms / med[1].ms,
                    med[i].ms / med[2].ms, med[i].kib / 1024.0, med[i].entries);
    std::printf("Targets: shipped <= 1.15x the bare window with text; 100,000 rows <= 2x the empty table and "
                "<= 60 MiB peak.\n");
    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}
