// Status-bar hints of the converter window.
#include "converter/FrmConvert.h"

namespace quorvane {

void FrmConvert::installHints() {}
bool FrmConvert::hintEventFilter(QObject*, QEvent*) { return false; }

}  // namespace quorvane
