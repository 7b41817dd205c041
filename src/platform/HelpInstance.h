#pragma once
// One help viewer per help file and user: a viewer listens on a local socket
// named after the file, and a second Help Topics asks it to come to the front
// instead of starting another.
#include <QObject>
#include <QString>

class QLocalServer;

namespace quorvane {

// The socket's name: the user and the help file's absolute path, so that two
// users or two installations never meet.
QString helpViewerKey(const QString& helpFile);

// Asks the viewer of this file to come to the front. False when none answers
// within the time, so that the caller starts one.
bool askRunningViewerToShow(const QString& helpFile, int timeoutMs = 2000);

// A viewer's side: answers the requests, reporting each one.
class HelpViewerServer : public QObject {
    Q_OBJECT
public:
    explicit HelpViewerServer(const QString& helpFile, QObject* parent = nullptr);

signals:
    void showRequested();

private:
    QLocalServer* server_;
};

}  // namespace quorvane
