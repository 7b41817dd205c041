// Start-up time from spawn to the converter window on screen with its lists
// filled, beside a bare Qt window that draws text, and the peak memory of each.
// Every measurement is a fresh process; the cases take turns in every round so
// that a busy machine slows all alike.
//
//   bench_startup [rates.csv] [runs] [small]   ("small": only the cases without 100,000 names)
// Under X (DISPLAY set, QT_QPA_PLATFORM unset or xcb) one X connection of the bench
// watches the root window and stops the clock when the child's top-level window is
// mapped; without X, offscreen, the child reports when its window is exposed.
// Peak memory is the child's maximum resident set (VmHWM) once its window is shown.
// BENCH_EXTRA=/path/to/program adds a case for another program's window (X only).
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

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#undef Bool
#undef None
#undef Status

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
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

// Child: shows one window, prints "<exposed at, monotonic ms> <peak KiB> <list entries>", then
// stays until the bench closes its standard input.
int child(const std::string& mode, const std::string& folder) {
    int argc = 1;
    char name[] = "bench_startup";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    int entries = 0;
    std::unique_ptr<QMainWindow> w;
    if (mode == "bare-text") {
        // The floor for any window that draws text: a menu item and three names.
        w = std::make_unique<QMainWindow>();
        w->menuBar()->addAction("&Calculate");
        auto* list = new QListView(w.get());
        list->setModel(new QStringListModel({"Afghanistan", "Albania", "Algeria"}, list));
        w->setCentralWidget(list);
        w->resize(quorvane::twipsToPixels(9510), quorvane::twipsToPixels(6225) + 20);
    } else {
        w = std::make_unique<quorvane::FrmConvert>(QString::fromStdString(folder));
    }
    waitExposed(*w);
    double shown = monotonicMs();
    if (auto* l1 = w->findChild<QListView*>("List1"))
        entries = l1->model()->rowCount() + w->findChild<QListView*>("List2")->model()->rowCount();
    // Read back by the parent in the C locale, whatever the window was started in.
    std::setlocale(LC_NUMERIC, "C");
    std::printf("%.3f %ld %d\n", shown, peakKiB(), entries);
    std::fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {}
    std::_Exit(0);  // the teardown is not start-up
}

// Watches the root window for top-level windows being mapped.
class MapWatch {
public:
    MapWatch() {
        const char* qpa = std::getenv("QT_QPA_PLATFORM");
        if (qpa && std::strcmp(qpa, "xcb") != 0) return;
        dpy_ = XOpenDisplay(nullptr);
        if (!dpy_) return;
        pidAtom_ = XInternAtom(dpy_, "_NET_WM_PID", False);
        XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
        XSync(dpy_, False);
    }
    ~MapWatch() { if (dpy_) XCloseDisplay(dpy_); }
    bool active() const { return dpy_ != nullptr; }

    // The time a top-level window of pid is mapped, or -1 when its output ends first.
    double waitForMap(pid_t pid, int childOut, std::string& out) {
        int fd = ConnectionNumber(dpy_);
        bool outOpen = true;
        for (;;) {
            while (XPending(dpy_)) {
                XEvent ev;
                XNextEvent(dpy_, &ev);
                if (ev.type == MapNotify && ownedBy(ev.xmap.window, pid)) return monotonicMs();
            }
            pollfd fds[2] = {{fd, POLLIN, 0}, {outOpen ? childOut : -1, POLLIN, 0}};
            poll(fds, 2, 1000);
            if (fds[1].revents) outOpen = drain(childOut, out);
            if (!outOpen && waitpid(pid, nullptr, WNOHANG) == pid) return -1;
        }
    }

    static bool drain(int fd, std::string& out) {
        char buf[256];
        ssize_t n = read(fd, buf, sizeof buf);
        if (n > 0) out.append(buf, n);
        return n > 0;
    }

private:
    bool ownedBy(Window w, pid_t pid) {
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char* data = nullptr;
        bool mine = XGetWindowProperty(dpy_, w, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after, &data) == Success &&
                    data && n == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
        if (data) XFree(data);
        // A program that names no pid (the extra case) counts by its first mapped window.
        return mine || (anyPid_ && type == 0);
    }

    Display* dpy_ = nullptr;
    Atom pidAtom_ = 0;

public:
    bool anyPid_ = false;
};

struct Sample { double ms; long kib; int entries; };

Sample runChild(MapWatch& x, const std::string& exe, const std::vector<std::string>& args) {
    int out[2], in[2];
    if (pipe(out) != 0 || pipe(in) != 0) std::exit(1);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    posix_spawn_file_actions_adddup2(&fa, in[0], 0);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    posix_spawn_file_actions_addclose(&fa, in[1]);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);  // Qt's start-up chatter
    std::vector<std::string> a = args;
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (auto& s : a) argv.push_back(s.data());
    argv.push_back(nullptr);
    double start = monotonicMs();
    pid_t pid;
    if (posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv.data(), environ) != 0) { std::perror("posix_spawn"); std::exit(1); }
    posix_spawn_file_actions_destroy(&fa);
    close(out[1]);
    close(in[0]);
    std::string text;
    double mapped = x.active() ? x.waitForMap(pid, out[0], text) : 0;
    Sample s{};
    bool extra = args.empty() || args[0] != "--child";
    if (extra) {
        kill(pid, SIGTERM);
    } else {
        // The child's line: it has finished its own start-up, the lists included.
        while (text.find('\n') == std::string::npos && MapWatch::drain(out[0], text)) {}
    }
    close(in[1]);
    while (MapWatch::drain(out[0], text)) {}
    close(out[0]);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    // A spawned child's ru_maxrss starts from the bench's own, which the
    // generated tables make large: the child's own high-water mark counts.
    s.kib = ru.ru_maxrss;
    double exposed = 0;
    std::istringstream line(text);
    if (!extra && !(line >> exposed >> s.kib >> s.entries)) { std::cerr << "child " << args[1] << " failed: " << text << "\n"; std::exit(1); }
    if (x.active() && mapped < 0) { std::cerr << exe << " ended without a window\n"; std::exit(1); }
    s.ms = (x.active() ? mapped : exposed) - start;
    return s;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::string readFile(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

enum class Order { Display, Appended, Shuffled };

// Generated rows. Display: the table kept in display order, as the shipped one
// is. Appended: 90,000 names in display order followed by 10,000 new ones in no
// order, as merges leave a table. Shuffled: no order at all.
std::string generatedCsv(int rows, Order order) {
    std::mt19937 rng(42);
    std::vector<std::string> names;
    for (int i = 0; i < rows; ++i) {
        char name[48];
        unsigned k = rng();
        std::snprintf(name, sizeof name, "Land %06u-%06d (%c)", k % 1000000, i, char('A' + k % 26));
        names.push_back(name);
    }
    std::shuffle(names.begin(), names.end(), rng);
    if (order != Order::Shuffled) {
        size_t sorted = order == Order::Display ? names.size() : names.size() * 9 / 10;
        std::sort(names.begin(), names.begin() + static_cast<long>(sorted));
    }
    std::ostringstream s;
    s << "Country,Currency,Description,CODE,ROE\n";
    for (size_t i = 0; i < names.size(); ++i)
        s << names[i] << ",1 Unit = 100 Cent,Unit,U" << (i % 1000) << "," << 0.5 + (i % 100000) / 7.0 << "\n";
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
    int runs = argc > 2 ? std::atoi(argv[2]) : 11;
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string shippedCsv = readFile(csv);
    if (shippedCsv.empty()) { std::cerr << "cannot read " << csv << "\n"; return 1; }
    MapWatch x;

    char tmpl[] = "/tmp/quorvane-bench-XXXXXX";
    fs::path root = mkdtemp(tmpl);
    std::string self = fs::read_symlink("/proc/self/exe").string();
    struct Case { std::string label, exe; std::vector<std::string> args; std::vector<Sample> samples = {}; };
    std::vector<Case> cases = {{"bare window with text", self, {"--child", "bare-text", root.string()}}};
    auto table = [&](const char* label, const std::string& name, const std::string& content) {
        fs::create_directories(root / name);
        quorvane::RateDatabase::createFromCsv((root / name / "Zelvik.MDB").string(), content);
        cases.push_back({label, self, {"--child", "window", (root / name).string()}});
    };
    table("empty table", "empty", "Country,Currency,Description,CODE,ROE\n");
    table("shipped table", "shipped", shippedCsv);
    const bool large = argc <= 3 || std::strcmp(argv[3], "small") != 0;
    if (large) {
        table("100,000, display order", "100k-ordered", generatedCsv(100000, Order::Display));
        table("100,000, 10% appended", "100k-appended", generatedCsv(100000, Order::Appended));
        table("100,000, shuffled", "100k-shuffled", generatedCsv(100000, Order::Shuffled));
    }
    if (const char* extra = std::getenv("BENCH_EXTRA"); extra && x.active()) {
        x.anyPid_ = true;
        cases.push_back({fs::path(extra).filename().string(), extra, {}});
    }
    enum { Bare, Empty, Shipped, Ordered, Appended };  // the first cases, in order

    for (auto& c : cases) runChild(x, c.exe, c.args);  // warms the file cache
    for (int i = 0; i < runs; ++i)
        for (auto& c : cases) c.samples.push_back(runChild(x, c.exe, c.args));
    std::error_code ec;
    fs::remove_all(root, ec);

    auto ms = [&](size_t c) {
        std::vector<double> v;
        for (auto& s : cases[c].samples) v.push_back(s.ms);
        return median(v);
    };
    // The ratio within each round, where both took their turn under the same load.
    auto roundRatio = [&](size_t a, size_t b, int from = 0, int to = -1) {
        std::vector<double> v;
        for (int i = from; i < (to < 0 ? runs : to); ++i) v.push_back(cases[a].samples[i].ms / cases[b].samples[i].ms);
        return median(v);
    };
    // The two halves of the rounds measured alike, or the machine's load changed
    // while they ran: then the figures are to be taken again.
    auto halves = [&](size_t a, size_t b) {
        double first = roundRatio(a, b, 0, runs / 2), second = roundRatio(a, b, runs / 2);
        static char text[96];
        std::snprintf(text, sizeof text, "halves %.2fx / %.2fx%s", first, second,
                      std::abs(first - second) > 0.02 * std::max(first, second) ? ", disagree: measure again" : "");
        return text;
    };
    std::printf("Spawn to the window %s, medians of %d interleaved rounds of fresh processes\n",
                x.active() ? "mapped (X, watched from the root window)" : "exposed (offscreen, reported by the child)", runs);
    // The fastest start shows what a quiet machine would give.
    std::printf("%-24s %8s %8s %11s %13s %10s %8s\n", "case", "ms", "min ms", "x bare+text", "x empty table", "peak MiB",
                "entries");
    for (size_t i = 0; i < cases.size(); ++i) {
        long peak = 0;
        double fastest = 1e9;
        for (auto& s : cases[i].samples) peak = std::max(peak, s.kib), fastest = std::min(fastest, s.ms);
        std::printf("%-24s %8.1f %8.1f %10.2fx %12.2fx %10.1f %8d\n", cases[i].label.c_str(), ms(i), fastest,
                    roundRatio(i, Bare), roundRatio(i, Empty), peak / 1024.0, cases[i].samples[0].entries);
    }
    double shipped = roundRatio(Shipped, Bare);
    std::printf("shipped table / bare window with text: %.2fx (target <= 1.15x) %s (%s)\n", shipped,
                shipped <= 1.15 ? "met" : "MISSED", halves(Shipped, Bare));
    if (!large) return 0;
    long appendedPeak = 0;
    for (auto& s : cases[Appended].samples) appendedPeak = std::max(appendedPeak, s.kib);
    double appended = roundRatio(Appended, Empty);
    std::printf("100,000 appended / empty table: %.2fx (target <= 2x) %s (%s); peak %.1f MiB (target <= 60) %s\n",
                appended, appended <= 2 ? "met" : "MISSED", halves(Appended, Empty), appendedPeak / 1024.0,
                appendedPeak <= 60 * 1024 ? "met" : "MISSED");
    return 0;
}
