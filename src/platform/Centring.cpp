#include "platform/Centring.h"

#include "about/AboutLogic.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace quorvane {

void centreOnScreen(QWidget* window) {
    QScreen* s = window->screen();
    if (!s) return;
    const QRect screen = s->geometry();
    const QSize outer = window->frameGeometry().size();
    const int top = centredPosition(pixelsToTwips(screen.height()), pixelsToTwips(outer.height()));
    const int left = centredPosition(pixelsToTwips(screen.width()), pixelsToTwips(outer.width()));
    window->move(screen.x() + twipsToPixels(left), screen.y() + twipsToPixels(top));
}

namespace {
class Centring : public QObject {
public:
    explicit Centring(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        // A window restored from the task bar is shown again by the system: it stays where the user put it.
        if (e->type() == QEvent::Show && !e->spontaneous()) {
            centre();
        } else if (!framed_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                                e->type() == QEvent::WindowActivate)) {
            // The frame arrives once; after that a move is the user's own.
            if (frame() != margins_) centre();
        }
        return false;
    }

private:
    QMargins frame() const {
        QWindow* w = window_->windowHandle();
        return w ? w->frameMargins() : QMargins();
    }
    void centre() {
        margins_ = frame();
        framed_ = !margins_.isNull();
        centreOnScreen(window_);
    }
    QWidget* window_;
    QMargins margins_;
    bool framed_ = false;
};
}  // namespace

void centreWhenShown(QWidget* window) { new Centring(window); }

}  // namespace quorvane
