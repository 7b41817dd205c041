#include "platform/PrinterSystem.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace quorvane {

bool ippSucceeded(ipp_status_t status) { return status < IPP_STATUS_REDIRECTION_OTHER_SITE; }

namespace printer_system {

namespace {

bool succeeded() { return ippSucceeded(cupsLastError()); }
std::string lastError() {
    const char* text = cupsLastErrorString();
    return text && *text ? text : "the printer system gave no reason";
}

bool release(const std::string& queue, int job) {
    ipp_t* request = ippNewRequest(IPP_OP_RELEASE_JOB);
    if (!request) return false;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/"));  // frees the request too
    return succeeded();
}

// Runs on the worker: the whole job, or an error and no job left to print.
SubmitError sendHeldJob(const std::string& printer, const QByteArray& pdf, Handoff<SubmitError>& handoff) {
    // A queue instance ("queue/instance") prints on its queue.
    const std::string queue = printer.substr(0, printer.find('/'));
    cups_option_t* options = nullptr;
    const int numOptions = cupsAddOption("job-hold-until", "indefinite", 0, &options);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), "Quorvane", numOptions, options);
    cupsFreeOptions(numOptions, options);
    if (job <= 0) return lastError();
    SubmitError error;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, "Quorvane", CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE) {
        error = lastError();
    } else if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), static_cast<size_t>(pdf.size())) !=
               HTTP_STATUS_CONTINUE) {
        error = lastError();
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str());
    } else if (!ippSucceeded(cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()))) {
        error = lastError();
    } else if (!handoff.wanted()) {
        error = "given up";
    } else if (!release(queue, job)) {
        error = lastError();
    } else if (handoff.deliver(std::nullopt)) {
        return std::nullopt;
    } else {
        error = "given up";  // released too late: take it back if it has not printed yet
    }
    cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
    return error;
}

}  // namespace

SerialWorker& worker() {
    // Never destroyed: a task blocked on a hung scheduler may still be running
    // while the program ends.
    static SerialWorker* w = new SerialWorker;
    return *w;
}

int installedPrinters() { return static_cast<int>(QPrinterInfo::availablePrinterNames().size()); }

std::optional<DefaultPrinter> defaultPrinter(SteadyClock::time_point deadline) {
    auto found = runWithDeadline<std::optional<DefaultPrinter>>(worker(), deadline, [](auto& handoff) {
        std::optional<DefaultPrinter> result;
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            QPrinter p(info, QPrinter::PrinterResolution);
            if (p.isValid() && p.resolution() > 0)
                result = DefaultPrinter{info.printerName().toStdString(), p.resolution(), p.pageLayout()};
        }
        handoff.deliver(std::move(result));
    });
    return found ? *found : std::nullopt;
}

SubmitError submitPdf(const std::string& printer, const QByteArray& pdf, SteadyClock::time_point deadline) {
    auto outcome = runWithDeadline<SubmitError>(worker(), deadline, [printer, pdf](auto& handoff) {
        if (SubmitError error = sendHeldJob(printer, pdf, handoff)) handoff.deliver(error);
    });
    if (!outcome) return "the printer system did not answer in time";
    return *outcome;
}

}  // namespace printer_system
}  // namespace quorvane
