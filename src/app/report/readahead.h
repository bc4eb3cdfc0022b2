#pragma once

#include "app/report/blocksource.h"
#include "core/search/largeblocks.h"
#include "core/search/reportsearch.h"

#include <QString>

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

namespace tallywick {

// Reads a source on a thread of its own, a few blocks ahead of the one who takes them, so that
// the copy out of the page cache (a sixth of a hit-heavy search) or the inflating of a
// compressed report runs beside the search rather than before each block of it. Only for a file,
// never a pipe, whose read() may wait for ever: the reading thread is joined before this goes,
// and the source is its alone until then.
class ReadAhead {
public:
    // Each block is shown to beside, on the reading thread, before it is handed out (beside is
    // the reading thread's until this goes). With finding, the pieces of the run of whole lines a
    // search takes in place from each block are found there too, ahead of the search, as if the
    // source's first byte began a line. Throws std::system_error when no thread can be started.
    ReadAhead(BlockSource& source, std::size_t blockSize, std::size_t blocksAhead = 3,
              std::function<void(std::string_view)> beside = {},
              std::optional<ReportSearch::FindingAhead> finding = std::nullopt);
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;
    ~ReadAhead();

    struct Block {
        std::string_view bytes;
        qint64 fileRead = 0;             // the source's fileRead() once they were read
        const FoundRun* found = nullptr; // with finding: as valid as the bytes
    };
    // The next bytes, in the source's order, valid until the next call; empty at the end, or
    // when the source failed (then error() says why). What beside threw is thrown here.
    Block next();
    std::optional<QString> error() const;

private:
    void read();

    BlockSource& source_;
    std::function<void(std::string_view)> beside_;
    std::optional<ReportSearch::FindingAhead> finding_;
    char lastByte_ = '\n'; // of the block read before
    struct Slot {
        std::size_t filled = 0;
        qint64 fileRead = 0;
        FoundRun found;
    };
    char* bytesOf(std::size_t slot) { return ring_.data() + slot * blockSize_; }

    std::size_t blockSize_;
    // The slots' bytes, one after another, in one allocation in large pages: the ring's memory
    // faults in a page or two, not a thousand.
    std::vector<char, LargeBlockAllocator<char>> ring_;
    std::vector<Slot> slots_; // a ring: block n of the source fills slots_[n % size]
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t read_ = 0;  // blocks filled by the reading thread
    std::size_t taken_ = 0; // blocks handed out; all but the last are free again
    bool ended_ = false;
    bool stop_ = false;
    std::optional<QString> error_;
    std::exception_ptr thrown_; // by beside
    std::jthread thread_;       // last: it starts once everything it uses is there
};

} // namespace tallywick
