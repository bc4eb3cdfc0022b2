#pragma once

#include "app/instance/instancerequest.h"

#include <QObject>
#include <QString>

#include <chrono>

class QLocalServer;

namespace tallywick {

// The running program's end of the channel: it answers each request line of a process of this
// user's with "ok" and hands the request on; other users' connections are dropped unheard.
class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Listens at path (InstanceChannelPath), taking it over from a program that ended without
    // closing it (the caller holds the data folder's lock, so no other live program owns it).
    // False when it cannot; errorString() says why.
    bool listen(const QString& path);
    QString errorString() const;

signals:
    void requested(const tallywick::InstanceRequest& request);

private:
    void answer();

    QLocalServer* server_;
    QString path_;
};

// Where the channel of a data folder listens: its name in a ChannelFolder's path.
QString InstanceChannelPath(const QString& channelFolder, const QString& dataFolder);

// What became of a second start's request.
struct InstanceAnswer {
    enum class Status { Answered, NobodyListens, AnotherUserListens, NoAnswer };
    Status status = Status::NoAnswer;
    QString problem; // why it was not answered, for the user

    bool answered() const { return status == Status::Answered; }
};

// The second start's end: sends the request to a program of this user's and waits for its
// answer. Nothing is sent to a listener of another user's.
InstanceAnswer AskRunningInstance(const QString& path, const InstanceRequest& request,
                                  std::chrono::milliseconds timeout = std::chrono::seconds(3));

} // namespace tallywick
