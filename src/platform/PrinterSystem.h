#pragma once
// The printer system (CUPS), reached only from one worker thread of its own.
// Its calls block for as long as the scheduler takes to answer, minutes when it
// hangs, so the window asks through here and never waits past a deadline.
#include "platform/SerialWorker.h"

#include <QByteArray>
#include <QPageLayout>

#include <cups/ipp.h>

#include <optional>
#include <string>

namespace quorvane {

// How long Print may wait on the printer system in all: the window must answer
// within a second even when the scheduler does not.
inline constexpr std::chrono::milliseconds kPrinterPatience{900};

// What drawing a page for the default printer needs to know of it.
struct DefaultPrinter {
    std::string name;
    int resolution = 0;  // dots per inch
    QPageLayout layout;  // paper and printable area
};

// Why a job was not printed, or nothing when it was handed over whole.
using SubmitError = std::optional<std::string>;

// Whether an IPP status is one of the successful ones (0x0000 to 0x00ff).
bool ippSucceeded(ipp_status_t status);

// The printer system's worker thread and the calls made on it. The converter
// window owns it and stops it before the application object goes, since ending
// the application unloads the print support those calls run in.
class PrinterSystem {
public:
    PrinterSystem();
    ~PrinterSystem();  // stop()
    PrinterSystem(const PrinterSystem&) = delete;
    PrinterSystem& operator=(const PrinterSystem&) = delete;

    SerialWorker& worker() { return worker_; }
    // Ends the worker for good: queued calls are dropped, one still waiting on
    // the scheduler is broken off, and the thread is joined. Later calls do nothing.
    void stop();

    // The number of installed printers. Call it on the worker only.
    static int installedPrinters();

    // The default printer, or nothing when there is none or no answer in time.
    std::optional<DefaultPrinter> defaultPrinter(SteadyClock::time_point deadline);

    // Hands a PDF page to the printer as one job. The job is created held and only
    // released once it is complete and the caller still waits, so that a job the
    // caller gave up on is cancelled rather than printed later.
    SubmitError submitPdf(const std::string& printer, const QByteArray& pdf, SteadyClock::time_point deadline);

private:
    SerialWorker worker_{"quorvane-print"};
};

}  // namespace quorvane
