// The Print command of the converter window.
#include "converter/FrmConvert.h"

namespace quorvane {

void FrmConvert::mnuPrint_Click() {}

}  // namespace quorvane
