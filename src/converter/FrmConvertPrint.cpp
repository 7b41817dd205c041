// The Print command of the converter window, and the printer count it keeps.
#include "converter/FrmConvert.h"
#include "converter/GridPrint.h"
#include "platform/QtPrinterSurface.h"

#include <QEvent>

#include <functional>

namespace quorvane {

namespace {
class OnActivation : public QObject {
public:
    OnActivation(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::WindowActivate) f_();
        return false;
    }

private:
    std::function<void()> f_;
};
}  // namespace

void FrmConvert::watchPrinters() {
    if (!ownPrinters_) return;  // a printer list passed in is its owner's to keep
    connect(ownPrinters_.get(), &QtPrinters::countChanged, this, [this](int count) {
        // A choice made before the count came in took it as 0; the count now
        // decides for it. Before any choice Print stays as start-up left it.
        if (rateBoxVisible(RateBox::Origin) || rateBoxVisible(RateBox::Destination))
            setMenuEnabled(Menu::Print, count > 0);
    });
    // Coming back to the window is when printers may have come or gone.
    installEventFilter(new OnActivation(this, [this] { ownPrinters_->refresh(); }));
}

void FrmConvert::mnuPrint_Click() {
    const auto deadline = SteadyClock::now() + kPrinterPatience;
    ui_->setBusy(true);
    // Every click applies the printer count rule again: on a fresh count when
    // one comes in time, else on the last one.
    if (ownPrinters_) ownPrinters_->refreshAndWait(deadline);
    QtPrinterSurface printer(*printerSystem_, deadline);
    printCommand(*grid_, printer, *ui_, *printers_, static_cast<ConverterView&>(*this), converter_->originChosenYet());
}

}  // namespace quorvane
