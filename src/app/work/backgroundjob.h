#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <vector>

namespace tallywick {

// One piece of long work at a time on a thread of its own, so that the window keeps painting.
// The work never touches widgets: it gets copies, or reads data that its owner leaves alone
// until the work has ended, and hands back steps that run on this object's thread, in the order
// posted, unless the run was cancelled before they came due.
class BackgroundJob : public QObject {
    Q_OBJECT

public:
    using Step = std::function<void()>;
    // What the work sees of its run: whether it is to stop, and a way to post a step (progress).
    struct Channel {
        std::stop_token stop;
        std::function<void(Step)> post;
        bool stopped() const { return stop.stop_requested(); }
    };
    // The work returns the step that hands its result over.
    using Work = std::function<Step(const Channel&)>;

    explicit BackgroundJob(QObject* parent = nullptr);
    // Cancels the run and waits for its thread: nothing the work reads may go before it.
    ~BackgroundJob() override;

    // Cancels a running work first.
    void start(Work work);
    // The run's steps, its last one included, are dropped; the work is asked to stop. Its thread
    // may still be running: what it reads must stay as it is until waitForCancelled().
    void cancel();
    // Waits for the threads of cancelled runs to end.
    void waitForCancelled();
    // Waits for the work to end and runs its steps now: when the event loop cannot be waited for.
    void finish();
    // From start until the last step has run or the run was cancelled.
    bool isRunning() const { return running_ != nullptr; }

private:
    struct Run;
    struct QueuedStep {
        std::weak_ptr<Run> run;
        Step step;
    };
    void queue(std::weak_ptr<Run> run, Step step);
    Q_INVOKABLE void deliverStep();

    std::shared_ptr<Run> running_;
    std::mutex queueMutex_;
    std::deque<QueuedStep> queued_; // posted by the runs' threads, delivered here in order
    // Cancelled runs whose threads may still be ending.
    std::vector<std::shared_ptr<Run>> ending_;
};

} // namespace tallywick
