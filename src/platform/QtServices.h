#pragma once
// Qt implementations of the message box, busy pointer and printer list.
#include "converter/Interfaces.h"

#include <QPointer>
#include <QWidget>

namespace quorvane {

inline constexpr const char* kProgramTitle = "Quorvane";

class QtUiServices : public UiServices {
public:
    explicit QtUiServices(QWidget* owner = nullptr) : owner_(owner) {}
    void message(const std::string& text, const std::string& title, MsgIcon icon) override;
    void setBusy(bool busy) override;

private:
    QPointer<QWidget> owner_;
};

class QtPrinters : public Printers {
public:
    int count() const override;
};

}  // namespace quorvane
