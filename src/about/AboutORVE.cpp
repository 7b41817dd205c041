#include "about/AboutORVE.h"

#include "about/FrmMarquee.h"
#include "about/LinuxRegistry.h"
#include "about/QtProcessStarter.h"
#include "platform/Centring.h"
#include "platform/FocusMark.h"
#include "platform/Twips.h"
#include "resources/AppIcon.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace quorvane {

namespace {

QFont makeFont(const char* family, double points, bool bold = false, bool italic = false) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QLabel* label(QWidget* parent, const char* name, QRect geo, const QString& text, const QFont& f,
              const QColor* colour) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geo);
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (colour) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, *colour);
        l->setPalette(p);
    }
    return l;
}

QWidget* line(QWidget* parent, int index, QRect geo, QColor colour) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString("Line1_%1").arg(index));
    w->setGeometry(geo);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    return w;
}

const char* kNotice = QT_TRANSLATE_NOOP("quorvane::AboutORVE", "Copyright \u00A9 2025-2026 The Quorvane developers");
const char* kDescription = QT_TRANSLATE_NOOP(
    "quorvane::AboutORVE", "Convert the currencies of over 260 countries. Print a wallet size currency chart to carry with you on your "
    "travels.");
const char* kDisclaimer = QT_TRANSLATE_NOOP(
    "quorvane::AboutORVE", "Warning: this computer program is free software, released under the GNU General Public License, version 3 "
    "or (at your option) any later version. Copying or distributing this program, or any part of it, in a way "
    "that breaks that licence is not authorised.");

}  // namespace


AboutORVE::AboutORVE(QWidget* parent, UiServices* ui, Registry* registry, ProcessStarter* starter)
    : QDialog(parent) {
    setObjectName("AboutORVE");
    if (!ui) {
        ownUi_ = std::make_unique<QtUiServices>(this);
        ui = ownUi_.get();
    }
    if (!registry) {
        ownRegistry_ = std::make_unique<LinuxRegistry>();
        registry = ownRegistry_.get();
    }
    if (!starter) {
        ownStarter_ = std::make_unique<QtProcessStarter>();
        starter = ownStarter_.get();
    }
    ui_ = ui;
    registry_ = registry;
    starter_ = starter;

    setWindowTitle(tr("About Quorvane"));
    setWindowIcon(appIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixels(5655), twipsToPixels(3630));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
    buildControls();
    centreWhenShown(this);

    // Key preview: every key pressed anywhere in the window passes the key-down
    // handler first.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    cmdOK->setFocus();
}

AboutORVE::~AboutORVE() = default;

void AboutORVE::buildControls() {
    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setGeometry(twipsRect(240, 240, 480, 480));
    picIcon->setPixmap(appIconPixmap());
    picIcon->setAutoFillBackground(true);
    QPalette grey = picIcon->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    picIcon->setPalette(grey);
    picIcon->setMouseTracking(true);
    // Only the pointer does anything here, so the keyboard passes it by.
    picIcon->setFocusPolicy(Qt::NoFocus);
    picIcon->setAccessibleName(tr("Quorvane icon"));

    const QColor darkRed(128, 0, 0), black(0, 0, 0);
    lblTitle = label(this, "lblTitle", twipsRect(900, 225, 3885, 450), "Quorvane",
                     makeFont("Arial", 14.25, true, true), &darkRed);
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The window takes the desktop's button face: on a dark one the dark red turns lighter to stay readable.
    QPalette titlePalette = lblTitle->palette();
    titlePalette.setColor(QPalette::WindowText, toQColor(readableTint(toRgb(darkRed), toRgb(palette().color(QPalette::Window)))));
    lblTitle->setPalette(titlePalette);
    lblVersion = label(this, "lblVersion", twipsRect(900, 735, 3885, 225), "", makeFont("Comic Sans MS", 9), nullptr);
    lblCopyright = label(this, "lblCopyright", twipsRect(900, 990, 3900, 270), "", makeFont("Arial", 8.25), nullptr);
    lblDescription = label(this, "lblDescription", twipsRect(900, 1365, 3885, 780), tr(kDescription),
                           makeFont("Comic Sans MS", 9), &black);
    lblDescription->setWordWrap(true);

    // The etched rule: a grey line with a white one a pixel below and to the right.
    Line1[1] = line(this, 1, twipsRect(225, 2205, 5450 - 225, 15), QColor(128, 128, 128));
    Line1[0] = line(this, 0, twipsRect(240, 2220, 5450 - 240, 30), QColor(255, 255, 255));

    lblDisclaimer = label(this, "lblDisclaimer", twipsRect(225, 2325, 3900, 1230), tr(kDisclaimer),
                          makeFont("Arial", 8.25), &black);
    lblDisclaimer->setWordWrap(true);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(twipsRect(4245, 2640, 1260, 345));
    cmdOK->setFont(makeFont("MS Sans Serif", 8.25));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutORVE::cmdOK_Click);

    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setGeometry(twipsRect(4260, 3075, 1245, 345));
    cmdSysInfo->setFont(makeFont("MS Sans Serif", 8.25));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutORVE::cmdSysInfo_Click);

    QWidget* order[] = {cmdOK, cmdSysInfo, picIcon, lblDisclaimer, lblVersion, lblTitle, lblDescription, lblCopyright};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    // Load.
    lblVersion->setText(QString::fromStdString(programVersionLabel()));
    lblCopyright->setText(tr(kNotice));
}

bool AboutORVE::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // A key the focused control ignores travels on to its parents: count it
        // only where it arrives first.
        QWidget* first = focusWidget() ? focusWidget() : this;
        if (watched == first) Form_KeyDown(static_cast<QKeyEvent*>(event)->key());
    } else if (watched == picIcon && event->type() == QEvent::MouseMove) {
        const QPointF p = static_cast<QMouseEvent*>(event)->position();
        iconMouseMove(p.x(), p.y(), armingFlags());
    }
    return false;  // never swallowed
}

void AboutORVE::Form_KeyDown(int keyCode) {
    if (keys_.keyDown(keyCode, armingFlags())) credits();
}

void AboutORVE::keyPressEvent(QKeyEvent* e) {
    // OK is also the cancel button.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void AboutORVE::cmdOK_Click() { accept(); }

void AboutORVE::cmdSysInfo_Click() { StartSysInfo(*registry_, *starter_, *ui_); }

void AboutORVE::credits() {
    FrmMarquee marquee(this);
    marquee.exec();
}

}  // namespace quorvane
