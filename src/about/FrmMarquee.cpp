#include "about/FrmMarquee.h"

#include "about/AboutORVE.h"
#include "platform/Centring.h"
#include "platform/Twips.h"
#include "resources/AppIcon.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace quorvane {

const char* FrmMarquee::thankYouText() {
    return QT_TR_NOOP("Thank you to everyone who made Quorvane: its developers, their families and friends who carried "
           "its charts on their travels and told us what was wrong with them, the testers, the keepers of the "
           "rate tables, and the many more whom there are far too many to thank here!");
}

FrmMarquee::FrmMarquee(QWidget* owner) : QDialog(owner) {
    setObjectName("frmMarquee");
    setWindowTitle(tr("Credits"));
    setWindowIcon(appIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixels(4275), twipsToPixels(975));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(pal);

    // The strip clips the label: children are drawn only inside their parent.
    Picture1 = new QWidget(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(twipsRect(0, 45, Marquee::kStripWidth, 300));
    Picture1->setAutoFillBackground(true);
    QPalette green = Picture1->palette();
    green.setColor(QPalette::Window, QColor(0, 192, 0));
    Picture1->setPalette(green);

    Label1 = new QLabel(tr(thankYouText()), Picture1);
    Label1->setObjectName("Label1");
    QFont comic("Comic Sans MS");
    comic.setPointSizeF(9.75);
    Label1->setFont(comic);
    Label1->setAutoFillBackground(true);
    Label1->setPalette(green);
    Label1->setWordWrap(false);
    // As wide as its text, kept in twips like every position of the marquee.
    const int widthTwips = pixelsToTwips(QFontMetrics(comic).horizontalAdvance(Label1->text()));
    marquee_ = std::make_unique<Marquee>(widthTwips);

    static const int lefts[8] = {180, 675, 1155, 1650, 2145, 2625, 3120, 3615};
    for (int i = 0; i < 8; ++i) {
        Image[i] = new QLabel(this);
        Image[i]->setObjectName(QString("Image%1").arg(i + 1));
        Image[i]->setGeometry(twipsRect(lefts[i], 495, 480, 480));
        Image[i]->setPixmap(appIconPixmap());
        Image[i]->setScaledContents(true);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(25);
    connect(Timer1, &QTimer::timeout, this, &FrmMarquee::Timer1_Timer);

    centreWhenShown(this);

    // Load: the flags are spent, so the pointer must arm the about window again.
    armingFlags() = ArmingFlags{};
    placeLabel();
    Timer1->start();
}

FrmMarquee::~FrmMarquee() = default;

void FrmMarquee::Timer1_Timer() {
    marquee_->tick();
    placeLabel();
}

void FrmMarquee::placeLabel() {
    Label1->setGeometry(twipsRect(marquee_->left(), -15, marquee_->width(), 270));
}

void FrmMarquee::keyPressEvent(QKeyEvent* e) {
    // Only the close box closes the credits; Esc has no button to press here.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace quorvane
