// The About command of the converter window.
#include "about/AboutORVE.h"
#include "converter/FrmConvert.h"

namespace quorvane {

void FrmConvert::mnuAbout_Click() {
    // Created when shown, destroyed when closed. Real message boxes belong to the
    // about window; scripted ones (tests) are passed on.
    AboutORVE about(this, ownUi_ ? nullptr : ui_);
    about.exec();
}

}  // namespace quorvane
