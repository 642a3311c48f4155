#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace mirota {

// A file handed to the running copy by a later start with a file name ("open with"): the later copy
// sends the path over a local socket and ends; the running copy opens it.
class OpenRequestServer : public QObject {
    Q_OBJECT

public:
    explicit OpenRequestServer(const QString& serverName, QObject* parent = nullptr);

    // True when later copies can reach this one.
    bool isListening() const;

signals:
    void openRequested(const QString& path);

private:
    void acceptConnection();

    QLocalServer* server_;
};

// Sends path to the copy listening under serverName; false when no copy took it within the time-out.
bool sendOpenRequest(const QString& serverName, const QString& path, int timeoutMs = 3000);

// The name the running copy of this user listens under.
QString defaultOpenRequestServerName();

}  // namespace mirota
