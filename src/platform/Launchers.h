#pragma once
// The real browser and help viewer behind the menu commands' interfaces.
#include "converter/MenuCommands.h"

namespace quorvane {

inline constexpr const char* kHelpViewerName = "quorvane-help";

class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QString& url) override;
};

// Starts the help viewer that lies beside the program, without a shell and
// without waiting for it.
class ProcessHelpLauncher : public HelpLauncher {
public:
    explicit ProcessHelpLauncher(QString programFolder) : programFolder_(std::move(programFolder)) {}
    void showHelpTopics(const QString& helpFile) override;

private:
    QString programFolder_;
};

}  // namespace quorvane
