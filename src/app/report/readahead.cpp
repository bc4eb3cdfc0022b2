#include "app/report/readahead.h"

namespace tallywick {

ReadAhead::ReadAhead(BlockSource& source, std::size_t blockSize, std::size_t blocksAhead,
                     std::function<void(std::string_view)> beside, std::optional<ReportSearch::FindingAhead> finding) :
    source_(source),
    beside_(std::move(beside)), finding_(std::move(finding)), blockSize_(blockSize),
    // One more than read ahead: the block handed out last stays as it is while it is used.
    ring_((blocksAhead + 1) * blockSize), slots_(blocksAhead + 1), thread_([this] { read(); })
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
    const std::size_t at = taken_++ % slots_.size();
    const Slot& slot = slots_[at];
    lock.unlock();
    changed_.notify_all(); // the block taken before this one is free
    return {{bytesOf(at), slot.filled}, slot.fileRead, finding_ ? &slot.found : nullptr};
}

std::optional<QString> ReadAhead::error() const
{
    const std::lock_guard lock(mutex_);
    return error_;
}

void ReadAhead::read()
{
    for (;;) {
        Slot* slot = nullptr;
        char* bytes = nullptr;
        {
            std::unique_lock lock(mutex_);
            // The block handed out last (taken_ - 1) is still in use.
            changed_.wait(lock, [this] { return stop_ || read_ + 1 < taken_ + slots_.size(); });
            if (stop_)
                return;
            const std::size_t at = read_ % slots_.size();
            slot = &slots_[at];
            bytes = bytesOf(at);
        }
        const qint64 got = source_.read(bytes, static_cast<qint64>(blockSize_));
        std::exception_ptr thrown;
        if (got > 0) {
            const std::string_view block(bytes, static_cast<std::size_t>(got));
            try {
                if (beside_)
                    beside_(block);
                if (finding_) {
                    const auto run = LineAssembler::RunInPlace(block, lastByte_, finding_->finder.level());
                    FindRun(finding_->finder, finding_->wanted, run, kLongestLine, slot->found);
                    lastByte_ = block.back();
                }
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
                slot->filled = static_cast<std::size_t>(got);
                slot->fileRead = source_.fileRead();
                ++read_;
            }
        }
        changed_.notify_all();
        if (got <= 0 || thrown)
            return;
    }
}

} // namespace tallywick
