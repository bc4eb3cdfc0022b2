#pragma once

#include "core/search/largeblocks.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tallywick {

// A hash map over one flat array of slots (open addressing, linear probing) that never removes.
// The caller hashes: the split-download index hashes host names once and reuses the hashes of
// their prefixes. Pointers to values hold until the next insertion.
template <class Key, class Value>
class FlatMap {
public:
    template <class Equal>
    const Value* findIf(std::uint64_t hash, Equal&& equal) const
    {
        if (slots_.empty())
            return nullptr;
        hash = Occupied(hash);
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (slot.hash == 0)
                return nullptr;
            if (slot.hash == hash && equal(slot.key))
                return &slot.value;
        }
    }

    const Value* find(std::uint64_t hash, const Key& key) const
    {
        return findIf(hash, [&](const Key& other) { return other == key; });
    }

    // The value held for key, made from init when there is none; true when it was made.
    template <class Equal>
    std::pair<Value*, bool> findOrInsertIf(std::uint64_t hash, const Key& key, Equal&& equal, const Value& init)
    {
        if ((size_ + 1) * 4 > slots_.size() * 3)
            grow();
        hash = Occupied(hash);
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            Slot& slot = slots_[i];
            if (slot.hash == 0) {
                slot = {hash, key, init};
                ++size_;
                return {&slot.value, true};
            }
            if (slot.hash == hash && equal(slot.key))
                return {&slot.value, false};
        }
    }

    std::pair<Value*, bool> findOrInsert(std::uint64_t hash, const Key& key, const Value& init)
    {
        return findOrInsertIf(
            hash, key, [&](const Key& other) { return other == key; }, init);
    }

    std::size_t size() const { return size_; }

private:
    struct Slot {
        std::uint64_t hash = 0; // 0: empty
        Key key{};
        Value value{};
    };

    static std::uint64_t Occupied(std::uint64_t hash) { return hash == 0 ? 1 : hash; }

    void grow()
    {
        std::vector<Slot, LargeBlockAllocator<Slot>> old(slots_.empty() ? 64 : slots_.size() * 2);
        old.swap(slots_);
        mask_ = slots_.size() - 1;
        for (Slot& slot : old) {
            if (slot.hash == 0)
                continue;
            std::size_t i = slot.hash & mask_;
            while (slots_[i].hash != 0)
                i = (i + 1) & mask_;
            slots_[i] = std::move(slot);
        }
    }

    std::vector<Slot, LargeBlockAllocator<Slot>> slots_;
    std::size_t mask_ = 0;
    std::size_t size_ = 0;
};

} // namespace tallywick
