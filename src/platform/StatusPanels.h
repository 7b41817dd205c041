#pragma once
// The converter window's status bar: Num Lock, today's date and the hint panel.
#include <QStatusBar>

#include <optional>

class QLabel;
class QTimer;

namespace quorvane {

// A status bar proper, so that a screen reader finds it by its role.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void setHint(const QString& text);
    QString hint() const;

    // Reads the Num Lock state again (the window calls it on key events and activation).
    void updateNumLock();
    void updateDate();

protected:
    bool event(QEvent* e) override;

private:
    QLabel* num_;
    QLabel* date_;
    QLabel* hintIcon_;
    QLabel* hint_;
    QTimer* midnight_;
};

// Num Lock: true/false where the platform tells it, nothing where it cannot.
std::optional<bool> numLockState();

}  // namespace quorvane
