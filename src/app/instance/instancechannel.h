#pragma once

#include "app/instance/instancerequest.h"

#include <QObject>
#include <QString>

#include <chrono>

class QLocalServer;

namespace tallywick {

// The running program's end of the channel: it answers each request line with "ok" and hands
// the request on.
class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Listens on the name, taking it over from a program that ended without closing it (the
    // caller holds the data folder's lock, so no other live program owns it). False when it
    // cannot: a second start then finds nobody and says so.
    bool listen(const QString& name);

signals:
    void requested(const tallywick::InstanceRequest& request);

private:
    void answer();

    QLocalServer* server_;
};

// The second start's end: sends the request and waits for the answer. False when nobody
// listens or nobody answers in time.
bool AskRunningInstance(const QString& name, const InstanceRequest& request,
                        std::chrono::milliseconds timeout = std::chrono::seconds(3));

} // namespace tallywick
