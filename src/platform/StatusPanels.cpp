#include "platform/StatusPanels.h"

#include "platform/Twips.h"
#include "resources/AppIcon.h"

#include <QDate>
#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <X11/XKBlib.h>
#undef Bool
#undef None
#undef Status

namespace quorvane {

std::optional<bool> numLockState() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return std::nullopt;
    Display* dpy = x11->display();
    // Each call waits for the X server, which a busy machine makes slow: the
    // name is looked up once, and the indicator's state comes with its index.
    static Display* named = nullptr;
    static Atom numLock = 0;
    if (named != dpy) numLock = XInternAtom(dpy, "Num Lock", False), named = dpy;
    int index = -1;
    int on = 0;
    if (!XkbGetNamedIndicator(dpy, numLock, &index, &on, nullptr, nullptr) || index < 0) return std::nullopt;
    return on != 0;
}

namespace {
QLabel* panel(QWidget* parent, int widthTwips) {
    auto* l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setFixedWidth(twipsToPixels(widthTwips));
    l->setContentsMargins(2, 0, 2, 0);
    return l;
}
}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar1");
    QFont f("Arial");
    f.setPointSizeF(8.25);
    setFont(f);
    setSizeGripEnabled(false);
    num_ = panel(this, 1440);
    num_->setObjectName("panelNum");
    num_->setText(tr("NUM"));
    num_->setAlignment(Qt::AlignCenter);
    num_->setToolTip(tr("Indicates if Num Lock key is on or off"));
    num_->setAccessibleDescription(num_->toolTip());
    date_ = panel(this, 1440);
    date_->setObjectName("panelDate");
    date_->setAlignment(Qt::AlignCenter);
    // The hint panel: the application icon, then the hint text. 111.48 mm.
    auto* hintBox = new QFrame(this);
    hintBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hintBox->setFixedWidth(twipsToPixels(6320));
    hintBox->setObjectName("hintPanel");
    hintBox->setAccessibleName(tr("Hint"));
    auto* hl = new QHBoxLayout(hintBox);
    hl->setContentsMargins(2, 0, 2, 0);
    hl->setSpacing(3);
    hintIcon_ = new QLabel(hintBox);
    hintIcon_->setPixmap(appIcon().pixmap(16, 16));
    hintIcon_->setAccessibleName(tr("Quorvane icon"));
    hint_ = new QLabel(hintBox);
    hint_->setObjectName("panelHint");
    hl->addWidget(hintIcon_);
    hl->addWidget(hint_, 1);
    addWidget(num_);
    addWidget(date_);
    addWidget(hintBox);

    midnight_ = new QTimer(this);
    midnight_->setSingleShot(true);
    connect(midnight_, &QTimer::timeout, this, &StatusPanels::updateDate);
    updateDate();  // Num Lock is read when the bar is shown
}

void StatusPanels::setHint(const QString& text) { hint_->setText(text); }
QString StatusPanels::hint() const { return hint_->text(); }

void StatusPanels::updateDate() {
    QDateTime now = QDateTime::currentDateTime();
    date_->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
    // Wakes just after the next midnight, so the date is never a day behind.
    QDateTime next(now.date().addDays(1), QTime(0, 0, 1));
    midnight_->start(static_cast<int>(std::min<qint64>(now.msecsTo(next), 3600 * 1000)));
}

void StatusPanels::updateNumLock() {
    auto on = numLockState();
    // Off shows the label greyed; where the state is unknown it stays readable, as if on.
    QPalette pal = num_->palette();
    pal.setColor(QPalette::WindowText, on.value_or(true) ? QColor(Qt::black) : QColor(Qt::gray));
    num_->setPalette(pal);
}

bool StatusPanels::event(QEvent* e) {
    if (e->type() == QEvent::Show) {
        updateNumLock();
        updateDate();
    }
    return QStatusBar::event(e);
}

}  // namespace quorvane
