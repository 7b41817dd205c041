#pragma once
// Fetching a rate file over HTTP(S) with Qt Network: redirects followed, the
// whole transfer bounded in time. Only quorvane-rates links this; the converter
// window has no network traffic of its own.
#include <QByteArray>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

namespace quorvane {

struct Download {
    QByteArray body;
    QString error;  // empty when body holds the file
};

// Called while the file arrives: bytes received, and the total or -1 when unknown.
using DownloadProgress = std::function<void(qint64 received, qint64 total)>;

// Runs a local event loop until the file is in, the server fails, or timeout passes.
Download downloadFile(const QUrl& url, std::chrono::milliseconds timeout, const DownloadProgress& progress = {});

}  // namespace quorvane
