// Menu commands of the converter window.
#include "converter/FrmConvert.h"

#include "platform/Launchers.h"

namespace quorvane {

void FrmConvert::mnuDatabank_Click() {
    if (!urlOpener_) {
        ownUrlOpener_ = std::make_unique<DesktopUrlOpener>();
        urlOpener_ = ownUrlOpener_.get();
    }
    openDatabank(*urlOpener_);
}

void FrmConvert::mnuZelvikHelp_Click() {
    if (!helpLauncher_) {
        ownHelpLauncher_ = std::make_unique<ProcessHelpLauncher>(programFolder_);
        helpLauncher_ = ownHelpLauncher_.get();
    }
    // The folder that holds the program, whatever the current folder is now.
    showHelpTopics(*helpLauncher_, programFolder_);
}

// The converter is the program's last window: closing it ends the program, the
// same way as its close box. The help viewer and the browser are left running.
void FrmConvert::mnuExit_Click() {
    unsetCursor();
    close();
}

}  // namespace quorvane
