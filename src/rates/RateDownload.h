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

// The daily file is about 40 kB; a rate file, downloaded or local, far larger
// than that is not one.
inline constexpr qint64 kMaxRateFileBytes = 16 * 1024 * 1024;

struct Download {
    QByteArray body;
    QString error;  // empty when body holds the file
};

// Called while the file arrives: bytes received, and the total or -1 when unknown.
using DownloadProgress = std::function<void(qint64 received, qint64 total)>;

// Runs a local event loop until the file is in, the server fails, or timeout passes.
Download downloadFile(const QUrl& url, std::chrono::milliseconds timeout, const DownloadProgress& progress = {});

// Reads a rate file on this machine: a regular file of at most kMaxRateFileBytes.
// A folder, a device or a named pipe is refused at once, never waited on.
Download readLocalFile(const QString& path);

}  // namespace quorvane
