#pragma once
// The credits window: a thank-you line scrolling across a green strip above a row
// of eight icons.
#include "about/AboutLogic.h"

#include <QDialog>

#include <memory>

class QLabel;
class QTimer;

namespace quorvane {

class FrmMarquee : public QDialog {
    Q_OBJECT
public:
    static const char* thankYouText();

    explicit FrmMarquee(QWidget* owner = nullptr);
    ~FrmMarquee() override;

    const Marquee& marquee() const { return *marquee_; }
    QTimer* timer() const { return Timer1; }

public slots:
    void Timer1_Timer();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void placeLabel();

    std::unique_ptr<Marquee> marquee_;
    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* Image[8] = {};
};

}  // namespace quorvane
