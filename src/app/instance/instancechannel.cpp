#include "app/instance/instancechannel.h"

#include "app/instance/peeruser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace tallywick {
namespace {

constexpr QByteArrayView kAnswer = "ok\n";
// A request is one line, long only with many reports; a client that sends more is not one of
// ours.
constexpr qsizetype kMaxRequest = qsizetype{1024} * 1024;

} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::answer);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString& path)
{
    path_ = path;
    if (server_->listen(path))
        return true;
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

QString InstanceServer::errorString() const
{
    return QStringLiteral("Cannot listen at %1: %2.").arg(QDir::toNativeSeparators(path_), server_->errorString());
}

void InstanceServer::answer()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequest)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kMaxRequest + 1);
            const auto request = line.endsWith('\n') ? DecodeInstanceRequest(line) : std::nullopt;
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

QString InstanceChannelPath(const QString& channelFolder, const QString& dataFolder)
{
    return QDir(channelFolder).filePath(InstanceChannelName(dataFolder));
}

InstanceAnswer AskRunningInstance(const QString& path, const InstanceRequest& request,
                                  std::chrono::milliseconds timeout)
{
    using Status = InstanceAnswer::Status;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return std::max(0, static_cast<int>(timeout.count() - clock.elapsed())); };
    const QString shown = QDir::toNativeSeparators(path);
    const InstanceAnswer noAnswer{Status::NoAnswer,
                                  QStringLiteral("The program listening at %1 did not answer.").arg(shown)};
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(left())) {
        // Qt calls a missing socket an invalid name.
        const bool missing = socket.error() == QLocalSocket::ServerNotFoundError ||
                             socket.error() == QLocalSocket::ConnectionRefusedError;
        return {Status::NobodyListens,
                missing ? QStringLiteral("Nothing listens at %1.").arg(shown)
                        : QStringLiteral("Nothing listens at %1 (%2).").arg(shown, socket.errorString())};
    }
    if (!PeerIsThisUser(socket.socketDescriptor()))
        return {Status::AnotherUserListens,
                QStringLiteral("The program listening at %1 is not yours; nothing was sent to it.").arg(shown)};
    socket.write(EncodeInstanceRequest(request));
    if (!socket.waitForBytesWritten(left()))
        return noAnswer;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(left()))
            return noAnswer;
    }
    if (socket.readLine() != kAnswer.toByteArray())
        return noAnswer;
    return {Status::Answered, {}};
}

} // namespace tallywick
