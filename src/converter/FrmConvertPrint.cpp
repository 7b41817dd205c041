// The Print command of the converter window.
#include "converter/FrmConvert.h"
#include "converter/GridPrint.h"
#include "platform/QtPrinterSurface.h"

namespace quorvane {

void FrmConvert::mnuPrint_Click() {
    QtPrinterSurface printer;
    printCommand(*grid_, printer, *ui_, *printers_, static_cast<ConverterView&>(*this), converter_->originChosenYet());
}

}  // namespace quorvane
