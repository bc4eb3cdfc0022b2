#include "app/instance/instancechannel.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace tallywick {
namespace {

constexpr QByteArrayView kAnswer = "ok\n";
// A request is one short line; a client that sends more is not one of ours.
constexpr qsizetype kMaxRequest = qsizetype{64} * 1024;

} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::answer);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString& name)
{
    if (server_->listen(name))
        return true;
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

void InstanceServer::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequest)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kMaxRequest);
            const auto request = DecodeInstanceRequest(line);
            if (!request) {
                socket->abort();
                return;
            }
            socket->write(kAnswer.data(), kAnswer.size());
            socket->flush();
            socket->disconnectFromServer();
            emit requested(*request);
        });
    }
}

bool AskRunningInstance(const QString& name, const InstanceRequest& request, std::chrono::milliseconds timeout)
{
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return std::max(0, static_cast<int>(timeout.count() - clock.elapsed())); };
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(left()))
        return false;
    socket.write(EncodeInstanceRequest(request));
    if (!socket.waitForBytesWritten(left()))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(left()))
            return false;
    }
    return socket.readLine() == kAnswer.toByteArray();
}

} // namespace tallywick
