#include "app/work/backgroundjob.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <atomic>
#include <thread>

namespace tallywick {

struct BackgroundJob::Run {
    std::stop_source stop;
    std::atomic<bool> ended = false;
    std::jthread thread;
};

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob()
{
    cancel();
    // The runs' threads are joined as they go.
    ending_.clear();
}

void BackgroundJob::start(Work work)
{
    cancel();
    std::erase_if(ending_, [](const auto& run) { return run->ended.load(); });

    auto run = std::make_shared<Run>();
    running_ = run;
    // A step is delivered as a queued call: it comes after everything posted before it.
    const auto post = [this, weak = std::weak_ptr<Run>(run)](Step step) { queue(weak, std::move(step)); };
    run->thread = std::jthread([this, run = run.get(), work = std::move(work), post] {
        const Channel channel{run->stop.get_token(), post};
        Step last = work(channel);
        post([this, last = std::move(last)] {
            running_.reset();
            if (last)
                last();
        });
        run->ended = true;
    });
}

void BackgroundJob::queue(std::weak_ptr<Run> run, Step step)
{
    {
        const std::lock_guard lock(queueMutex_);
        queued_.push_back({std::move(run), std::move(step)});
    }
    // The step itself goes through the queue above, whose lock orders the hand-over between the
    // threads where tools (ThreadSanitizer) can see it; Qt's event queue only says when.
    QMetaObject::invokeMethod(this, "deliverStep", Qt::QueuedConnection);
}

void BackgroundJob::deliverStep()
{
    QueuedStep next;
    {
        const std::lock_guard lock(queueMutex_);
        if (queued_.empty())
            return;
        next = std::move(queued_.front());
        queued_.pop_front();
    }
    const auto current = next.run.lock();
    if (current && !current->stop.stop_requested() && running_ == current)
        next.step();
}

void BackgroundJob::cancel()
{
    if (!running_)
        return;
    running_->stop.request_stop();
    ending_.push_back(std::move(running_));
    running_.reset();
}

void BackgroundJob::waitForCancelled()
{
    // Joined as they go.
    ending_.clear();
}

void BackgroundJob::finish()
{
    if (!running_)
        return;
    running_->thread.join();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

} // namespace tallywick
