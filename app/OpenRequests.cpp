#include "app/OpenRequests.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QCryptographicHash>

namespace mirota {

OpenRequestServer::OpenRequestServer(const QString& serverName, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    // Only the copy holding the single-instance lock gets here, so a socket left by a crashed copy is stale.
    QLocalServer::removeServer(serverName);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(serverName);
    connect(server_, &QLocalServer::newConnection, this, &OpenRequestServer::acceptConnection);
}

bool OpenRequestServer::isListening() const { return server_->isListening(); }

void OpenRequestServer::acceptConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const QString path = QString::fromUtf8(socket->readLine()).trimmed();
            socket->write("ok\n");
            socket->flush();
            if (!path.isEmpty()) emit openRequested(path);
        });
    }
}

bool sendOpenRequest(const QString& serverName, const QString& path, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    // The answer says the running copy has the path; without it the path may be lost.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    }
    return socket.readLine().trimmed() == "ok";
}

QString defaultOpenRequestServerName() {
    // One name per user and settings folder, short enough for a socket path.
    const QByteArray home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toUtf8();
    return QStringLiteral("VORN001-") +
           QString::fromLatin1(QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(12));
}

}  // namespace mirota
