#pragma once
// The real browser and help viewer behind the menu commands' interfaces.
#include "converter/MenuCommands.h"

#include <QStringList>

#include <functional>

namespace quorvane {

inline constexpr const char* kHelpViewerName = "quorvane-help";

class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QString& url) override;
};

// Brings this user's viewer of the file to the front, or else starts the help
// viewer that lies beside the program, without a shell and without waiting for
// it. Returns at once: the answer is awaited in the event loop.
class ProcessHelpLauncher : public HelpLauncher {
public:
    // Starts a program in a folder without waiting for it.
    using Start = std::function<void(const QString& program, const QStringList& args, const QString& folder)>;
    explicit ProcessHelpLauncher(QString programFolder, Start start = {});
    void showHelpTopics(const QString& helpFile) override;

private:
    QString programFolder_;
    Start start_;
};

}  // namespace quorvane
