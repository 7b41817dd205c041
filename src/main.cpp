#include "converter/FrmConvert.h"
#include "platform/ProgramFolder.h"
#include "platform/QuitSignals.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
constexpr const char* kUsage = QT_TRANSLATE_NOOP("main",
    "Usage: quorvane\n"
    "Opens the Quorvane window: pick the country you travel from and the one you\n"
    "travel to, choose Calculate, and Print a conversion chart to carry.\n"
    "The window takes no arguments of its own.\n"
    "\n"
    "  -h, --help     show this help and end\n"
    "  --version      show the version and end\n"
    "\n"
    "Rates: quorvane-rates show | update (see quorvane-rates(1)); more in quorvane(1).\n");
constexpr const char* kNoDisplay =
    QT_TRANSLATE_NOOP("main", "quorvane: no X or Wayland display: run it inside a desktop session.\n");

// Told before any window system is reached, in the user's language.
int say(int argc, char** argv, const char* text, FILE* to, int exitCode) {
    QCoreApplication core(argc, argv);
    quorvane::installTranslations();
    std::fputs(QCoreApplication::translate("main", text).toLocal8Bit().constData(), to);
    return exitCode;
}

// Whether Qt will find a screen: otherwise it aborts with a message meant for
// developers. Only the X display is tried; a platform chosen by hand, or a
// Wayland session, is left to Qt. The connection is held until Qt has its own:
// an X server whose last client leaves resets, and refuses the next one meanwhile.
class DisplayProbe {
public:
    DisplayProbe() {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        other_ = (platform && *platform && std::strncmp(platform, "xcb", 3) != 0) || (wayland && *wayland);
        if (!other_) x_ = XOpenDisplay(nullptr);
    }
    ~DisplayProbe() {
        if (x_) XCloseDisplay(x_);
    }
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;
    bool found() const { return other_ || x_; }

private:
    bool other_ = false;
    Display* x_ = nullptr;
};
}  // namespace

int main(int argc, char** argv) {
    // Answered before any window system is reached, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) return say(argc, argv, kUsage, stdout, 0);
        if (!std::strcmp(argv[i], "--version")) return std::puts("quorvane " QUORVANE_VERSION), 0;
    }
    auto probe = std::make_unique<DisplayProbe>();
    if (!probe->found()) return say(argc, argv, kNoDisplay, stderr, 1);
    QApplication app(argc, argv);
    probe.reset();
    quorvane::installTranslations();
    // The lower-case name gives the user's data folder ~/.local/share/quorvane.
    // No display name: Qt would add it to every title bar ("Credits — Quorvane").
    QApplication::setApplicationName("quorvane");
    QApplication::setApplicationVersion(QUORVANE_VERSION);
    QGuiApplication::setDesktopFileName("org.quorvane.Quorvane");
    // The folder of the resolved executable: bin/quorvane is a link into it.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const quorvane::RateFolder rates = quorvane::chooseRateFolder(
        programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!rates.problem.isEmpty()) std::fprintf(stderr, "quorvane: %s\n", qPrintable(rates.problem));
    quorvane::FrmConvert window({programFolder, rates.folder, rates.problem});
    quorvane::quitOnTerminationSignals();
    window.show();
    return app.exec();
}
