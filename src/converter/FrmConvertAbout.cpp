// The About command of the converter window.
#include "converter/FrmConvert.h"

namespace quorvane {

void FrmConvert::mnuAbout_Click() {}

}  // namespace quorvane
