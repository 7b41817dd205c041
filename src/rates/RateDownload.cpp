#include "rates/RateDownload.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace quorvane {
namespace {
// The daily file is about 40 kB; anything far larger is not it.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
}  // namespace

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
        d.error = QString("No answer from %1 within %2 s").arg(where).arg(timeout.count() / 1000.0);
    else if (stop == Stop::TooLarge)
        d.error = QString("The file at %1 is larger than %2 MB, which no rate file is").arg(where).arg(kMaxBytes >> 20);
    else if (reply->error() != QNetworkReply::NoError)
        d.error = QString("Could not download %1: %2").arg(where, reply->errorString());
    else if (status != 200 && url.scheme().startsWith("http"))
        d.error = QString("Could not download %1: the server answered %2").arg(where).arg(status);
    else
        d.body = reply->readAll();
    delete reply;
    return d;
}

}  // namespace quorvane
