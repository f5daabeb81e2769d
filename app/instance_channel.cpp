#include "app/instance_channel.h"

#include "app/single_instance.h"

#include <QDir>
#include <QLocalSocket>

namespace orvane {

namespace {

const QByteArray kShow = QByteArrayLiteral("show\n");
const QByteArray kShown = QByteArrayLiteral("shown\n");
// A busy machine, or a calendar that is still loading, answers late; a peer that never answers
// (a hung instance) is given up on, and the start says it cannot run.
constexpr int kAnswerMs = 10000;
// Longer requests than this are not requests.
constexpr qint64 kLongestRequest = 64;

QString SocketPath()
{
    return QDir(SingleInstance::Folder()).filePath(QStringLiteral("orvane.socket"));
}

} // namespace

void InstanceChannel::Listen()
{
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceChannel::OnConnection);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock's holder gets here: a socket file that is there is a dead holder's.
    QLocalServer::removeServer(SocketPath());
    // Without a socket the calendar runs as before: a later start then says that it cannot.
    m_server.listen(SocketPath());
}

void InstanceChannel::OnConnection()
{
    while (QLocalSocket *peer = m_server.nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->canReadLine()) {
                if (peer->bytesAvailable() > kLongestRequest)
                    peer->abort();
                return;
            }
            if (peer->readLine(kLongestRequest) == kShow) {
                Q_EMIT showRequested();
                peer->write(kShown);
                peer->flush();
            }
            peer->disconnectFromServer();
        });
    }
}

bool InstanceChannel::AskToShow()
{
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kShow);
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    while (!socket.canReadLine() && socket.waitForReadyRead(kAnswerMs)) {
    }
    return socket.readLine(kLongestRequest) == kShown;
}

} // namespace orvane
