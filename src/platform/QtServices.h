#pragma once
// Qt implementations of the message box, busy pointer and printer list.
#include "converter/Interfaces.h"

#include <QPointer>
#include <QWidget>

#include <chrono>
#include <memory>

namespace quorvane {

class PrinterSystem;

inline constexpr const char* kProgramTitle = "Quorvane";

class QtUiServices : public UiServices {
public:
    explicit QtUiServices(QWidget* owner = nullptr) : owner_(owner) {}
    void message(const std::string& text, const std::string& title, MsgIcon icon) override;
    void setBusy(bool busy) override;
    std::optional<std::string> askValue(const std::string& title, const std::string& prompt,
                                        const std::string& unit) override;

private:
    QPointer<QWidget> owner_;
};

// The number of installed printers as last counted. Counting asks the printer
// system, which can hang, so it happens on the printer system's worker: count()
// never waits and says 0 until the first count has come back.
class QtPrinters : public QObject, public Printers {
    Q_OBJECT
public:
    // Starts the first count on the printer system's worker, unless countNow is
    // false: then the first refresh() does.
    explicit QtPrinters(PrinterSystem& system, bool countNow = true);
    ~QtPrinters() override;
    int count() const override;
    // Counts again in the background; a count already waiting to start serves.
    void refresh();
    // Counts again and waits for the count until the deadline; false if it did not come.
    bool refreshAndWait(std::chrono::steady_clock::time_point deadline);

signals:
    // A count that differs from the last one, on the interface thread.
    void countChanged(int count);

private:
    struct Shared;
    PrinterSystem& system_;
    std::shared_ptr<Shared> shared_;
};

}  // namespace quorvane
