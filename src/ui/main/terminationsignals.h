#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace tallywick {

// Turns SIGTERM and SIGINT into a signal of the event loop, so that the program can save before
// it ends. While one instance lives it owns those signals; the previous handlers come back when
// it goes. A second instance at the same time stays inert.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Catches the signals from now on, before any instance exists (the first line of main()): a
    // signal that comes early waits for the first instance, which reports it once an event loop
    // runs.
    static void catchEarly();

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isWatching() const { return watching_; }

signals:
    void received(int signalNumber);

private:
    void readSignal();

    bool watching_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tallywick
