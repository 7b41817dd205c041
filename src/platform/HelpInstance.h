#pragma once
// One help viewer per help file and user: a viewer listens on a local socket
// named after the file, and a second Help Topics asks it to come to the front
// instead of starting another. The socket lies in a folder only this user can
// enter, and each side checks that the other runs as this user.
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace quorvane {

// How long an asking side waits for a viewer's answer before it starts its own
// viewer; it waits without holding up the window.
inline constexpr int kHelpAnswerDeadlineMs = 300;

// The folder the sockets live in: $XDG_RUNTIME_DIR when it is this user's and
// private, else quorvane-help-<uid> in the temporary folder, made if missing.
// Empty, with the reason in *error, when neither is a folder that this user
// owns, that only this user can enter and that is not a symbolic link.
QString helpSocketFolder(QString* error = nullptr);

// The socket's path for a help file (by its absolute path, so that two
// installations never meet); empty when there is no private folder.
QString helpSocketPath(const QString& helpFile);

// Asks the viewer of this file to come to the front. finished() comes once, from
// the event loop and never from the constructor; the request then deletes
// itself. It is false when no viewer of this user answered within the deadline.
class HelpViewerRequest : public QObject {
    Q_OBJECT
public:
    explicit HelpViewerRequest(const QString& helpFile, QObject* parent = nullptr);

signals:
    void finished(bool shown);

private:
    void finish(bool shown);
    QLocalSocket* socket_;
    bool done_ = false;
};

// A viewer's side: answers the requests of this user's programs, reporting each
// one. A socket left by a viewer that crashed is replaced.
class HelpViewerServer : public QObject {
    Q_OBJECT
public:
    explicit HelpViewerServer(const QString& helpFile, QObject* parent = nullptr);
    bool isListening() const;

signals:
    void showRequested();

private:
    QLocalServer* server_;
};

}  // namespace quorvane
