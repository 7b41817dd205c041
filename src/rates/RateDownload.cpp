#include "rates/RateDownload.h"
#include "platform/Translations.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvane {
namespace {
constexpr qint64 kMaxBytes = kMaxRateFileBytes;

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return trq("RateDownload", "a folder");
    if (S_ISFIFO(mode)) return trq("RateDownload", "a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return trq("RateDownload", "a device");
    if (S_ISSOCK(mode)) return trq("RateDownload", "a socket");
    return trq("RateDownload", "no regular file");
}
}  // namespace

Download readLocalFile(const QString& path) {
    Download d;
    // Non-blocking, so that opening a named pipe never waits for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        d.error = trq("RateDownload", "Could not read %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return d;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        d.error = trq("RateDownload", "%1 is %2, not a rate file").arg(path, kindOf(st.st_mode));
    } else if (st.st_size > kMaxBytes) {
        d.error = trq("RateDownload", "%1 is larger than %2 MB, which no rate file is").arg(path, QString::number(kMaxBytes >> 20));
    } else {
        // At most one byte past the limit: a file that grows meanwhile is caught too.
        d.body.resize(st.st_size + 1);
        qint64 got = 0;
        for (ssize_t n; got < d.body.size() && (n = ::read(fd, d.body.data() + got, d.body.size() - got)) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                d.error = trq("RateDownload", "Could not read %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
                break;
            }
            got += n;
            if (got == d.body.size() && got <= kMaxBytes) d.body.resize(std::min(got * 2, kMaxBytes + 1));
        }
        d.body.resize(got);
        if (got > kMaxBytes)
            d.error = trq("RateDownload", "%1 is larger than %2 MB, which no rate file is").arg(path, QString::number(kMaxBytes >> 20));
    }
    ::close(fd);
    if (!d.error.isEmpty()) d.body.clear();
    return d;
}

Download downloadFile(const QUrl& url, std::chrono::milliseconds timeout, const DownloadProgress& progress) {
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("quorvane-rates/" QUORVANE_VERSION));
    QNetworkReply* reply = manager.get(request);

    enum class Stop { None, TimedOut, TooLarge } stop = Stop::None;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] { stop = Stop::TimedOut; reply->abort(); });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
        if (received > kMaxBytes && stop == Stop::None) {
            stop = Stop::TooLarge;
            reply->abort();
        } else if (progress) {
            progress(received, total);
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeout);
    if (!reply->isFinished()) loop.exec();
    deadline.stop();

    Download d;
    const QString where = url.toDisplayString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (stop == Stop::TimedOut)
        d.error = trq("RateDownload", "No answer from %1 within %2 s").arg(where, QString::number(timeout.count() / 1000.0));
    else if (stop == Stop::TooLarge)
        d.error = trq("RateDownload", "The file at %1 is larger than %2 MB, which no rate file is").arg(where, QString::number(kMaxBytes >> 20));
    else if (reply->error() != QNetworkReply::NoError)
        d.error = trq("RateDownload", "Could not download %1: %2").arg(where, reply->errorString());
    else if (status != 200 && url.scheme().startsWith("http"))
        d.error = trq("RateDownload", "Could not download %1: the server answered %2").arg(where, QString::number(status));
    else
        d.body = reply->readAll();
    delete reply;
    return d;
}

}  // namespace quorvane
