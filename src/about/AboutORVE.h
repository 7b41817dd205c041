#pragma once
// The about window: title, version, notices, OK and System Info, and the hidden
// way to the credits.
#include "about/AboutLogic.h"
#include "about/SysInfo.h"
#include "platform/QtServices.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace quorvane {

class AboutORVE : public QDialog {
    Q_OBJECT
public:
    // ui, registry and starter default to the real message box, the desktop's
    // tool lookup and Qt's process start; tests pass their own.
    explicit AboutORVE(QWidget* parent = nullptr, UiServices* ui = nullptr, Registry* registry = nullptr,
                       ProcessStarter* starter = nullptr);
    ~AboutORVE() override;

    const KeySequence& keySequence() const { return keys_; }

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Shows the credits window modally over this window; returns when it is closed.
    void credits();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildControls();
    void Form_KeyDown(int keyCode);

    std::unique_ptr<QtUiServices> ownUi_;
    std::unique_ptr<Registry> ownRegistry_;
    std::unique_ptr<ProcessStarter> ownStarter_;
    UiServices* ui_;
    Registry* registry_;
    ProcessStarter* starter_;
    KeySequence keys_;

    QLabel *picIcon = nullptr, *lblTitle = nullptr, *lblVersion = nullptr, *lblCopyright = nullptr,
           *lblDescription = nullptr, *lblDisclaimer = nullptr;
    QWidget* Line1[2] = {nullptr, nullptr};
    QPushButton *cmdOK = nullptr, *cmdSysInfo = nullptr;
};

}  // namespace quorvane
