#include "platform/PrinterSystem.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <dlfcn.h>

namespace quorvane::printer_system {

namespace {

// The few libcups calls a job needs. libcups is already loaded with Qt's print
// support; its functions are looked up at run time so that building needs no
// CUPS headers.
struct CupsOption {
    char* name;
    char* value;
};
struct Cups {
    int (*createJob)(void* http, const char* name, const char* title, int numOptions, CupsOption* options);
    int (*startDocument)(void* http, const char* name, int job, const char* docname, const char* format, int last);
    int (*writeRequestData)(void* http, const char* buffer, size_t length);
    int (*finishDocument)(void* http, const char* name);
    int (*cancelJob2)(void* http, const char* name, int job, int purge);
    int (*lastError)();
    const char* (*lastErrorString)();
    const char* (*user)();
    void* (*ippNewRequest)(int op);
    void* (*ippAddString)(void* ipp, int group, int tag, const char* name, const char* lang, const char* value);
    void* (*ippAddInteger)(void* ipp, int group, int tag, const char* name, int value);
    void* (*doRequest)(void* http, void* request, const char* resource);
    void (*ippDelete)(void* ipp);
    bool loaded = false;
};

constexpr int kHttpContinue = 100;
constexpr int kIppOkConflicting = 0x0002;  // the last of the statuses that mean success
constexpr int kIppOpReleaseJob = 0x000D;
constexpr int kIppTagOperation = 0x01, kIppTagInteger = 0x21, kIppTagName = 0x42, kIppTagUri = 0x45;

const Cups& cups() {
    static const Cups api = [] {
        Cups c{};
        void* lib = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!lib) return c;
        auto get = [&](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(lib, name));
            return fn != nullptr;
        };
        c.loaded = get(c.createJob, "cupsCreateJob") && get(c.startDocument, "cupsStartDocument") &&
                   get(c.writeRequestData, "cupsWriteRequestData") && get(c.finishDocument, "cupsFinishDocument") &&
                   get(c.cancelJob2, "cupsCancelJob2") && get(c.lastError, "cupsLastError") &&
                   get(c.lastErrorString, "cupsLastErrorString") && get(c.user, "cupsUser") &&
                   get(c.ippNewRequest, "ippNewRequest") && get(c.ippAddString, "ippAddString") &&
                   get(c.ippAddInteger, "ippAddInteger") && get(c.doRequest, "cupsDoRequest") &&
                   get(c.ippDelete, "ippDelete");
        return c;
    }();
    return api;
}

bool succeeded(const Cups& c) { return c.lastError() <= kIppOkConflicting; }
std::string lastError(const Cups& c) { return c.lastErrorString() ? c.lastErrorString() : "unknown CUPS error"; }

bool release(const Cups& c, const std::string& queue, int job) {
    void* request = c.ippNewRequest(kIppOpReleaseJob);
    if (!request) return false;
    const std::string uri = "ipp://localhost/printers/" + queue;
    c.ippAddString(request, kIppTagOperation, kIppTagUri, "printer-uri", nullptr, uri.c_str());
    c.ippAddInteger(request, kIppTagOperation, kIppTagInteger, "job-id", job);
    c.ippAddString(request, kIppTagOperation, kIppTagName, "requesting-user-name", nullptr, c.user());
    c.ippDelete(c.doRequest(nullptr, request, "/jobs/"));  // frees the request too
    return succeeded(c);
}

// Runs on the worker: the whole job, or an error and no job left to print.
SubmitError sendHeldJob(const std::string& printer, const QByteArray& pdf, Handoff<SubmitError>& handoff) {
    const Cups& c = cups();
    if (!c.loaded) return "libcups.so.2 is not available";
    // A queue instance ("queue/instance") prints on its queue.
    const std::string queue = printer.substr(0, printer.find('/'));
    char holdName[] = "job-hold-until", holdValue[] = "indefinite";
    CupsOption hold{holdName, holdValue};
    const int job = c.createJob(nullptr, queue.c_str(), "Quorvane", 1, &hold);
    if (job <= 0) return lastError(c);
    SubmitError error;
    if (c.startDocument(nullptr, queue.c_str(), job, "Quorvane", "application/pdf", 1) != kHttpContinue) {
        error = lastError(c);
    } else if (c.writeRequestData(nullptr, pdf.constData(), static_cast<size_t>(pdf.size())) != kHttpContinue) {
        error = lastError(c);
        c.finishDocument(nullptr, queue.c_str());
    } else if (c.finishDocument(nullptr, queue.c_str()) > kIppOkConflicting) {
        error = lastError(c);
    } else if (!handoff.wanted()) {
        error = "given up";
    } else if (!release(c, queue, job)) {
        error = lastError(c);
    } else if (handoff.deliver(std::nullopt)) {
        return std::nullopt;
    } else {
        error = "given up";  // released too late: take it back if it has not printed yet
    }
    c.cancelJob2(nullptr, queue.c_str(), job, 0);
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

}  // namespace quorvane::printer_system
