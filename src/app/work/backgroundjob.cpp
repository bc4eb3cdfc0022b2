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
    const std::weak_ptr<Run> weak = run;
    // A step is delivered as a queued call: it comes after everything posted before it.
    const auto post = [this, weak](Step step) {
        QMetaObject::invokeMethod(
            this,
            [this, weak, step = std::move(step)] {
                const auto current = weak.lock();
                if (current && !current->stop.stop_requested() && running_ == current)
                    step();
            },
            Qt::QueuedConnection);
    };
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
