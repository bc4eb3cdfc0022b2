#include "app/report/readahead.h"

namespace tallywick {

ReadAhead::ReadAhead(BlockSource& source, std::size_t blockSize, std::size_t blocksAhead,
                     std::function<void(std::string_view)> beside) :
    source_(source),
    beside_(std::move(beside)),
    // One more than read ahead: the block handed out last stays as it is while it is used.
    blocks_(blocksAhead + 1, std::vector<char>(blockSize)), filled_(blocksAhead + 1, 0), fileRead_(blocksAhead + 1, 0),
    thread_([this] { read(); })
{
}

ReadAhead::~ReadAhead()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
}

ReadAhead::Block ReadAhead::next()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return read_ > taken_ || ended_; });
    if (read_ == taken_) {
        if (thrown_)
            std::rethrow_exception(thrown_);
        return {};
    }
    const std::size_t at = taken_++ % blocks_.size();
    lock.unlock();
    changed_.notify_all(); // the block taken before this one is free
    return {{blocks_[at].data(), filled_[at]}, fileRead_[at]};
}

std::optional<QString> ReadAhead::error() const
{
    const std::lock_guard lock(mutex_);
    return error_;
}

void ReadAhead::read()
{
    for (;;) {
        std::size_t at = 0;
        {
            std::unique_lock lock(mutex_);
            // The block handed out last (taken_ - 1) is still in use.
            changed_.wait(lock, [this] { return stop_ || read_ + 1 < taken_ + blocks_.size(); });
            if (stop_)
                return;
            at = read_ % blocks_.size();
        }
        std::vector<char>& block = blocks_[at];
        const qint64 got = source_.read(block.data(), static_cast<qint64>(block.size()));
        std::exception_ptr thrown;
        if (got > 0 && beside_) {
            try {
                beside_(std::string_view(block.data(), static_cast<std::size_t>(got)));
            } catch (...) {
                thrown = std::current_exception();
            }
        }
        {
            const std::lock_guard lock(mutex_);
            if (thrown) {
                thrown_ = thrown;
                ended_ = true;
            } else if (got <= 0) {
                if (got < 0)
                    error_ = source_.errorString();
                ended_ = true;
            } else {
                filled_[at] = static_cast<std::size_t>(got);
                fileRead_[at] = source_.fileRead();
                ++read_;
            }
        }
        changed_.notify_all();
        if (got <= 0 || thrown)
            return;
    }
}

} // namespace tallywick
