#include "platform/HelpInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quorvane {

namespace {
constexpr char kRequest[] = "show\n";
constexpr char kAnswer[] = "shown\n";
constexpr char kPrefix[] = "quorvane-help-";
// A caller that has not asked within this time is let go, so that nobody keeps
// a viewer's connections open.
constexpr int kRequestDeadlineMs = 10 * kHelpAnswerDeadlineMs;

std::optional<uid_t> peerUid(qintptr fd) {
    ucred cred{};
    socklen_t len = sizeof cred;
    if (fd < 0 || getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0) return std::nullopt;
    return cred.uid;
}

bool isThisUser(qintptr fd) { return peerUid(fd) == geteuid(); }

// Why a folder cannot hold the sockets; empty when it can.
QString unfitFolder(const QString& folder) {
    struct stat st{};
    if (lstat(QFile::encodeName(folder).constData(), &st) != 0)
        return QStringLiteral("%1 cannot be used: %2").arg(folder, QString::fromLocal8Bit(strerror(errno)));
    if (S_ISLNK(st.st_mode)) return QStringLiteral("%1 is a symbolic link; remove it").arg(folder);
    if (!S_ISDIR(st.st_mode)) return QStringLiteral("%1 is not a folder; remove it").arg(folder);
    if (st.st_uid != geteuid()) return QStringLiteral("%1 belongs to another user; remove it").arg(folder);
    if (st.st_mode & 077) return QStringLiteral("%1 is open to other users; run chmod 700 on it").arg(folder);
    return {};
}

enum class Listener { None, Dead, Ours, Foreign };

Listener probe(const QString& path) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof addr.sun_path)) return Listener::None;
    memcpy(addr.sun_path, name.constData(), name.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Listener::None;
    Listener found = Listener::Ours;  // a viewer too busy to accept is still alive
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
        found = isThisUser(fd) ? Listener::Ours : Listener::Foreign;
    else if (errno == ECONNREFUSED)
        found = Listener::Dead;
    else if (errno == ENOENT)
        found = Listener::None;
    close(fd);
    return found;
}

// Sockets of viewers that crashed, in this user's folder, and sockets of another
// user's programs, which have no business there.
void removeUnusableSockets(const QString& folder) {
    for (const QString& name : QDir(folder).entryList({QString::fromLatin1(kPrefix) + '*'}, QDir::System)) {
        const QString path = folder + '/' + name;
        const Listener l = probe(path);
        if (l == Listener::Dead || l == Listener::Foreign) QFile::remove(path);
    }
}

// Earlier versions kept their sockets in the shared temporary folder under
// quorvane-help-<uid>-<hash>; this user's dead ones go.
void removeOldTemporarySockets() {
    const QString tmp = QDir::tempPath();
    const QString pattern = QStringLiteral("%1%2-*").arg(QLatin1String(kPrefix)).arg(geteuid());
    for (const QString& name : QDir(tmp).entryList({pattern}, QDir::System)) {
        const QString path = tmp + '/' + name;
        struct stat st{};
        if (lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == geteuid() &&
            probe(path) == Listener::Dead)
            QFile::remove(path);
    }
}
}  // namespace

QString helpSocketFolder(QString* error) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && unfitFolder(runtime).isEmpty()) return runtime;
    const QString own = QDir::tempPath() + '/' + QLatin1String(kPrefix) + QString::number(geteuid());
    const QByteArray name = QFile::encodeName(own);
    if (mkdir(name.constData(), 0700) == 0) chmod(name.constData(), 0700);  // whatever the umask
    QString why = unfitFolder(own);
    if (why.isEmpty()) return own;
    if (error) *error = why;
    return {};
}

QString helpSocketPath(const QString& helpFile) {
    const QString folder = helpSocketFolder();
    if (folder.isEmpty()) return {};
    const QByteArray path = QFileInfo(helpFile).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
    const QString socket = folder + '/' + QLatin1String(kPrefix) + QString::fromLatin1(hash);
    return QFile::encodeName(socket).size() < qsizetype(sizeof(sockaddr_un::sun_path)) ? socket : QString();
}

HelpViewerRequest::HelpViewerRequest(const QString& helpFile, QObject* parent)
    : QObject(parent), socket_(new QLocalSocket(this)) {
    // An answer longer than "shown" without a line break is no answer; nothing more is read.
    socket_->setReadBufferSize(qint64(sizeof kAnswer) - 1);
    connect(socket_, &QLocalSocket::connected, this, [this] {
        // Only a viewer of this user is trusted to have come to the front.
        if (!isThisUser(socket_->socketDescriptor())) return finish(false);
        socket_->write(kRequest);
    });
    connect(socket_, &QLocalSocket::readyRead, this, [this] {
        if (socket_->canReadLine() || socket_->bytesAvailable() >= socket_->readBufferSize())
            finish(socket_->read(socket_->readBufferSize()) == kAnswer);
    });
    connect(socket_, &QLocalSocket::errorOccurred, this, [this] { finish(false); });
    connect(socket_, &QLocalSocket::disconnected, this, [this] { finish(false); });
    QTimer::singleShot(kHelpAnswerDeadlineMs, this, [this] { finish(false); });
    const QString path = helpSocketPath(helpFile);
    if (path.isEmpty())
        finish(false);
    else
        socket_->connectToServer(path);
}

void HelpViewerRequest::finish(bool shown) {
    if (done_) return;
    done_ = true;
    socket_->abort();
    QMetaObject::invokeMethod(
        this,
        [this, shown] {
            emit finished(shown);
            deleteLater();
        },
        Qt::QueuedConnection);
}

HelpViewerServer::HelpViewerServer(const QString& helpFile, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    removeOldTemporarySockets();
    const QString path = helpSocketPath(helpFile);
    if (path.isEmpty()) return;
    // The folder is this user's alone, so the socket needs no access options of its own.
    removeUnusableSockets(QFileInfo(path).path());
    server_->listen(path);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            // Another user's program gets no answer and learns nothing.
            if (!isThisUser(s->socketDescriptor())) {
                s->abort();
                s->deleteLater();
                continue;
            }
            s->setReadBufferSize(qint64(sizeof kRequest) - 1);
            QTimer::singleShot(kRequestDeadlineMs, s, [s] { s->abort(); });
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (!s->canReadLine() && s->bytesAvailable() < s->readBufferSize()) return;
                if (s->read(s->readBufferSize()) == kRequest) {
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
