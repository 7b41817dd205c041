// Menu commands of the converter window.
#include "converter/FrmConvert.h"

#include <QApplication>

namespace quorvane {

void FrmConvert::mnuDatabank_Click() {}
void FrmConvert::mnuZelvikHelp_Click() {}

void FrmConvert::mnuExit_Click() {
    unsetCursor();
    close();
}

}  // namespace quorvane
