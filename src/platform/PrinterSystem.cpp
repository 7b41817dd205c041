#include "platform/PrinterSystem.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cstdlib>

namespace quorvane {

bool ippSucceeded(ipp_status_t status) { return status < IPP_STATUS_REDIRECTION_OTHER_SITE; }

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

// Shuts down (without closing) every socket of this program that is connected
// to the scheduler, so that a call blocked on it returns with an error. Only the
// worker talks to the scheduler, and only while the worker is being stopped.
void breakOffSchedulerConnections() {
    const std::string server = cupsServer();
    const int port = ippPort();
    DIR* fds = opendir("/proc/self/fd");
    if (!fds) return;
    while (const dirent* entry = readdir(fds)) {
        const int fd = std::atoi(entry->d_name);
        if (fd <= 2 || fd == dirfd(fds)) continue;
        sockaddr_storage peer{};
        socklen_t size = sizeof peer;
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &size) != 0) continue;
        bool scheduler = false;
        if (peer.ss_family == AF_UNIX)
            scheduler = server == reinterpret_cast<const sockaddr_un&>(peer).sun_path;
        else if (peer.ss_family == AF_INET)
            scheduler = ntohs(reinterpret_cast<const sockaddr_in&>(peer).sin_port) == port;
        else if (peer.ss_family == AF_INET6)
            scheduler = ntohs(reinterpret_cast<const sockaddr_in6&>(peer).sin6_port) == port;
        if (scheduler) shutdown(fd, SHUT_RDWR);
    }
    closedir(fds);
}

}  // namespace

PrinterSystem::PrinterSystem() = default;
PrinterSystem::~PrinterSystem() { stop(); }

void PrinterSystem::stop() { worker_.stop(breakOffSchedulerConnections); }

int PrinterSystem::installedPrinters() { return static_cast<int>(QPrinterInfo::availablePrinterNames().size()); }

std::optional<DefaultPrinter> PrinterSystem::defaultPrinter(SteadyClock::time_point deadline) {
    auto found = runWithDeadline<std::optional<DefaultPrinter>>(worker_, deadline, [](auto& handoff) {
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

SubmitError PrinterSystem::submitPdf(const std::string& printer, const QByteArray& pdf,
                                     SteadyClock::time_point deadline) {
    auto outcome = runWithDeadline<SubmitError>(worker_, deadline, [printer, pdf](auto& handoff) {
        if (SubmitError error = sendHeldJob(printer, pdf, handoff)) handoff.deliver(error);
    });
    if (!outcome) return "the printer system did not answer in time";
    return *outcome;
}

}  // namespace quorvane
