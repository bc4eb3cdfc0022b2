#pragma once

#include "core/search/largeblocks.h"
#include "core/search/largevector.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallywick {

// Lines kept one after another in large blocks: adding a line allocates nothing but now and then
// a new block, nothing is ever moved, and views of the lines stay valid while the list lives.
class LineList {
public:
    using const_iterator = LargeVector<std::string_view>::const_iterator;
    using iterator = const_iterator;
    using value_type = std::string_view;

    LineList() = default;
    LineList(const LineList& other) { *this = other; }
    LineList& operator=(const LineList& other)
    {
        if (this != &other) {
            clear();
            for (const auto line : other)
                push_back(line);
        }
        return *this;
    }
    // The list moved from is left empty: its free room lies in a block that is no longer its own.
    LineList(LineList&& other) noexcept { *this = std::move(other); }
    LineList& operator=(LineList&& other) noexcept
    {
        if (this != &other) {
            blocks_ = std::move(other.blocks_);
            lines_ = std::move(other.lines_);
            next_ = other.next_;
            room_ = other.room_;
            blockSize_ = other.blockSize_;
            other.clear();
        }
        return *this;
    }

    // The kept copy of line.
    std::string_view push_back(std::string_view line)
    {
        if (line.size() > room_) {
            // Small lists stay small; large ones take large blocks, and a block big enough to
            // take large pages takes a whole page.
            blockSize_ = blockSize_ * 2 >= kSmallestLargeBlock ? kLargestBlock : blockSize_ * 2;
            const std::size_t size = std::max(blockSize_, line.size());
            blocks_.emplace_back(static_cast<char*>(AllocateLargeBlock(size)), BlockDeleter{size});
            next_ = blocks_.back().get();
            room_ = size;
        }
        if (!line.empty())
            std::memcpy(next_, line.data(), line.size());
        const std::string_view kept = lines_.emplace_back(next_, line.size());
        next_ += line.size();
        room_ -= line.size();
        return kept;
    }
    void clear()
    {
        blocks_.clear();
        lines_.clear();
        next_ = nullptr;
        room_ = 0;
        blockSize_ = kFirstBlock / 2;
    }

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](std::size_t i) const { return lines_[i]; }
    const_iterator begin() const { return lines_.begin(); }
    const_iterator end() const { return lines_.end(); }

    friend bool operator==(const LineList& a, const LineList& b) { return a.lines_ == b.lines_; }
    friend bool operator==(const LineList& list, const std::vector<std::string>& lines)
    {
        return list.size() == lines.size() && std::equal(list.begin(), list.end(), lines.begin());
    }

private:
    static constexpr std::size_t kFirstBlock = 4096;
    // A large page: a list of a million hits faults a few dozen times, not tens of thousands.
    static constexpr std::size_t kLargestBlock = kLargePage;

    struct BlockDeleter {
        std::size_t bytes = 0;
        void operator()(char* block) const noexcept { FreeLargeBlock(block, bytes); }
    };
    std::vector<std::unique_ptr<char[], BlockDeleter>> blocks_;
    LargeVector<std::string_view> lines_;
    char* next_ = nullptr;
    std::size_t room_ = 0;
    std::size_t blockSize_ = kFirstBlock / 2;
};

} // namespace tallywick
