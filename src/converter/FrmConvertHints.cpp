// Status-bar hints of the converter window.
#include "converter/FrmConvert.h"

#include "converter/Hints.h"
#include "data/UserRateTable.h"
#include "platform/ProgramFolder.h"
#include "platform/StatusPanels.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMouseEvent>

namespace quorvane {

namespace {
// The hint a watched widget writes, kept on the widget itself.
constexpr const char* kHintProperty = "quorvaneHint";
}  // namespace

void FrmConvert::installHints() {
    auto watch = [this](QWidget* w, std::string_view text) {
        w->setProperty(kHintProperty, text.empty() ? QString() : QCoreApplication::translate("Hints", text.data()));
        // Moves arrive without a button held only where tracking is on.
        w->setMouseTracking(true);
        w->installEventFilter(this);
    };
    for (const HintRow& row : hintTable()) {
        if (row.control == "frmconvert") {
            // The window's background is its client area; the menu bar has no hint.
            // Its notice is made at the first move over it (noticeHint).
            watch(client_, {});
            continue;
        }
        auto* w = client_->findChild<QWidget*>(QString::fromUtf8(row.control.data(), row.control.size()));
        if (!w) continue;
        watch(w, row.text);
        // The lists and the grid are scroll areas: the mouse is over their
        // viewports, scroll bars and headers, which are parts of the same control.
        if (qobject_cast<QAbstractScrollArea*>(w))
            for (QWidget* part : w->findChildren<QWidget*>()) watch(part, row.text);
    }
    // Controls without a hint keep their moves to themselves, so the background
    // never takes a move over them for its own.
    // (The rate boxes, made later, do the same.)
    for (QWidget* w : {static_cast<QWidget*>(StatusBar1), static_cast<QWidget*>(Frame1)})
        w->setAttribute(Qt::WA_NoMousePropagation);
}

// The notice says how old the opened table's rates are, or why typed rates are
// not kept. It is read the first time it is shown, so that start-up does not
// open the table once more.
QString FrmConvert::noticeHint() {
    const QString notice = !ratesProblem_.isEmpty() ? ratesProblem_ : QString::fromStdString(noticeLine(ratesDate()));
    client_->setProperty(kHintProperty, notice);
    return notice;
}

std::string FrmConvert::ratesDate() const {
    try {
        return readRatesInfo((rateFolder_ + '/' + kRateTableName).toStdString()).date;
    } catch (const StoreError&) {
        return {};  // no table, or one that cannot be read: start-up has its own way with that
    }
}

bool FrmConvert::hintEventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return false;
    QVariant hint = watched->property(kHintProperty);
    if (!hint.isValid()) return false;
    // A move that a control below does not take is handed on to the background.
    // It is only the background's when no control lies under the pointer there:
    // over the frame, a rate box or the status bar the panel stays as it is.
    if (watched == client_) {
        auto* e = static_cast<QMouseEvent*>(event);
        QPoint at = e->position().toPoint();
        if (!client_->rect().contains(at) || client_->childAt(at)) return false;
        if (hint.toString().isEmpty()) hint = noticeHint();
    }
    // Written every time, also when the panel already shows it.
    setHint(hint.toString());
    return false;
}

}  // namespace quorvane
