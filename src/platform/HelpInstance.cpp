#include "platform/HelpInstance.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace quorvane {

namespace {
constexpr char kRequest[] = "show\n";
constexpr char kAnswer[] = "shown\n";
}  // namespace

QString helpViewerKey(const QString& helpFile) {
    const QByteArray path = QFileInfo(helpFile).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("quorvane-help-%1-%2").arg(QString::number(getuid()), QString::fromLatin1(hash));
}

bool askRunningViewerToShow(const QString& helpFile, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(helpViewerKey(helpFile));
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    // A viewer that hangs does not count: the answer says it came to the front.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.readLine() == kAnswer;
}

HelpViewerServer::HelpViewerServer(const QString& helpFile, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    const QString key = helpViewerKey(helpFile);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a viewer that crashed answers nobody: take its place.
    if (!server_->listen(key) && server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(key);
        server_->listen(key);
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (!s->canReadLine()) return;
                if (s->readLine() == kRequest) {
                    emit showRequested();
                    s->write(kAnswer);
                    s->flush();
                }
                s->disconnectFromServer();
            });
        }
    });
}


}  // namespace quorvane
