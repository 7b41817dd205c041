#pragma once
#include <functional>

namespace quorvane {
// Turns SIGTERM, SIGINT and SIGHUP into an orderly end run by the event loop:
// the windows are closed, so what closing writes (a rate still being typed) is
// written, then the program quits. quit replaces that end, for tests.
void quitOnTerminationSignals(std::function<void()> quit = {});
}  // namespace quorvane
