#include "platform/QtServices.h"

#include <QMessageBox>
#include <QPrinterInfo>

namespace quorvane {

void QtUiServices::message(const std::string& text, const std::string& title, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title.empty() ? QString::fromUtf8(kProgramTitle) : QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, owner_);
    // The pointer must not stay an hourglass over a box that waits for the user.
    bool busy = owner_ && owner_->cursor().shape() == Qt::WaitCursor;
    if (busy) owner_->unsetCursor();
    box.exec();
    if (busy && owner_) owner_->setCursor(Qt::WaitCursor);
}

void QtUiServices::setBusy(bool busy) {
    if (!owner_) return;
    if (busy)
        owner_->setCursor(Qt::WaitCursor);
    else
        owner_->unsetCursor();
}

int QtPrinters::count() const { return QPrinterInfo::availablePrinterNames().size(); }

}  // namespace quorvane
