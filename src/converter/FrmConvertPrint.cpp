// The Print command of the converter window, and the printer count it keeps.
#include "converter/FrmConvert.h"
#include "converter/CardFooter.h"
#include "converter/GridPrint.h"
#include "converter/RateText.h"
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

std::string FrmConvert::cardFooterText() const {
    CardFacts f;
    f.originCode = lblCodeFrom->text().toStdString();
    f.destCode = lblCodeTo->text().toStdString();
    f.originRoe = numericValue(rateText(RateBox::Origin), format_).value_or(0);
    f.destRoe = numericValue(rateText(RateBox::Destination), format_).value_or(0);
    f.ratesDate = ratesDate();
    // Typed as the table records it, or typed and not stored yet (the box still
    // has the focus): the card shows the box's rate, not the table's.
    auto isTyped = [&](ListId side, double shown) {
        SqliteCursor& c = cursor(side);
        const auto rec = c.current();
        const auto row = c.currentRow();
        if (!rec || !row) return false;
        if (shown > 0 && shown != rec->roe) return true;
        try {
            return c.typedInfo(*row).typed;
        } catch (const std::exception&) {
            return false;  // a table that cannot be read only leaves the mark out
        }
    };
    f.originTyped = isTyped(ListId::Origin, f.originRoe);
    f.destTyped = isTyped(ListId::Destination, f.destRoe);
    return cardFooter(f, format_);
}

void FrmConvert::mnuPrint_Click() {
    const auto deadline = SteadyClock::now() + kPrinterPatience;
    ui_->setBusy(true);
    // Every click applies the printer count rule again: on a fresh count when
    // one comes in time, else on the last one.
    if (ownPrinters_) ownPrinters_->refreshAndWait(deadline);
    QtPrinterSurface printer(*printerSystem_, deadline);
    printCommand(*grid_, printer, *ui_, *printers_, static_cast<ConverterView&>(*this), converter_->originChosenYet(),
                 cardFooterText());
}

}  // namespace quorvane
