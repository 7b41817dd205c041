#include "platform/QtServices.h"

#include "platform/PrinterSystem.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <mutex>

namespace quorvane {

void QtUiServices::message(const std::string& text, const std::string& title, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title.empty() ? QString::fromUtf8(kProgramTitle) : QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, owner_);
    // Messages quote country names from the table and what the user typed: plain text only.
    box.setTextFormat(Qt::PlainText);
    // The pointer must not stay an hourglass over a box that waits for the user.
    bool busy = owner_ && owner_->cursor().shape() == Qt::WaitCursor;
    if (busy) owner_->unsetCursor();
    box.exec();
    if (busy && owner_) owner_->setCursor(Qt::WaitCursor);
}

std::optional<std::string> QtUiServices::askValue(const std::string& title, const std::string& prompt,
                                                  const std::string& unit) {
    QDialog dialog(owner_);
    dialog.setObjectName("askValue");
    dialog.setWindowTitle(QString::fromStdString(title));
    auto* entry = new QLineEdit(&dialog);
    entry->setObjectName("askValueEntry");
    entry->setMaxLength(64);
    // Texts from the table (names, codes): plain text only.
    auto plainLabel = [&](const std::string& text) {
        auto* l = new QLabel(QString::fromStdString(text), &dialog);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    QLabel* before = plainLabel(prompt);
    before->setBuddy(entry);
    entry->setAccessibleName(QString::fromStdString(prompt + " " + unit));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(before);
    row->addWidget(entry, 1);
    row->addWidget(plainLabel(unit));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    bool busy = owner_ && owner_->cursor().shape() == Qt::WaitCursor;
    if (busy) owner_->unsetCursor();
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (busy && owner_) owner_->setCursor(Qt::WaitCursor);
    if (!ok) return std::nullopt;
    return entry->text().toStdString();
}

void QtUiServices::setBusy(bool busy) {
    if (!owner_) return;
    if (busy)
        owner_->setCursor(Qt::WaitCursor);
    else
        owner_->unsetCursor();
}

struct QtPrinters::Shared {
    std::atomic<int> count{-1};  // -1: not counted yet
    std::atomic<bool> queued{false};
    std::mutex ownerMutex;
    QtPrinters* owner = nullptr;  // nullptr once the owner is gone

    // On the worker: keeps the count and tells the owner, if still there.
    void counted(int n) {
        if (count.exchange(n) == n) return;
        std::lock_guard lock(ownerMutex);
        if (owner) QMetaObject::invokeMethod(owner, [o = owner, n] { emit o->countChanged(n); }, Qt::QueuedConnection);
    }
};

QtPrinters::QtPrinters(PrinterSystem& system, bool countNow) : system_(system), shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
    if (countNow) refresh();
}

QtPrinters::~QtPrinters() {
    std::lock_guard lock(shared_->ownerMutex);
    shared_->owner = nullptr;
}

int QtPrinters::count() const { return std::max(0, shared_->count.load()); }

void QtPrinters::refresh() {
    if (shared_->queued.exchange(true)) return;
    if (!system_.worker().post([s = shared_] {
            s->queued = false;
            s->counted(PrinterSystem::installedPrinters());
        }))
        shared_->queued = false;
}

bool QtPrinters::refreshAndWait(std::chrono::steady_clock::time_point deadline) {
    return runWithDeadline<int>(system_.worker(), deadline, [s = shared_](Handoff<int>& handoff) {
               const int n = PrinterSystem::installedPrinters();
               s->counted(n);
               handoff.deliver(n);
           }).has_value();
}

}  // namespace quorvane
