#include "platform/QuitSignals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace quorvane {
namespace {
int pipeFds[2] = {-1, -1};
std::function<void()> endAction;

void onSignal(int) {
    // Only async-signal-safe work here: the event loop does the rest.
    char c = 1;
    [[maybe_unused]] auto n = ::write(pipeFds[0], &c, 1);
}
}  // namespace

void quitOnTerminationSignals(std::function<void()> quit) {
    endAction = quit ? std::move(quit) : [] {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    };
    if (pipeFds[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeFds) != 0) return;
    auto* notifier = new QSocketNotifier(pipeFds[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char c;
        while (::read(pipeFds[1], &c, 1) > 0) {}
        if (endAction) endAction();
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

}  // namespace quorvane
