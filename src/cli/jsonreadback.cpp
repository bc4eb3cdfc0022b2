#include "cli/jsonreadback.h"

#include "cli/json.h"

#include <algorithm>
#include <functional>
#include <system_error>
#include <utility>

namespace tallywick::cli {
namespace {

// The packed fields of a place, low bits first.
constexpr int kSizeBits = 21;
static_assert(kLongestLine < (std::uint64_t{1} << kSizeBits));
constexpr std::uint64_t kSizeMask = (std::uint64_t{1} << kSizeBits) - 1;
constexpr int kRequestEndShift = kSizeBits;
constexpr int kPanelShift = 2 * kSizeBits;
constexpr int kRepeatedShift = kPanelShift + 1;
constexpr int kHashShift = kRepeatedShift + 1;
static_assert(kPanelCount == 2);

// Each batch is made from a run of at most this many places, or of lines of this many bytes.
constexpr std::size_t kRunBytes = std::size_t{1} << 20;
constexpr std::size_t kRunPlaces = 8192;

// The threads that make batches: the writing thread and a pipe's reader take little.
constexpr unsigned kMostMakers = 2;

constexpr int kHitsPart = kPanelCount; // after the panels' results

} // namespace

class JsonReadBack::Maker {
public:
    Maker(const LargeVector<Place>& places, const MappedReports& reports, std::array<bool, kPanelCount> moreFlags,
          const std::string& hitStart) :
        places_(places),
        reports_(reports), moreFlags_(moreFlags), hitStart_(hitStart)
    {
    }

    // Makes the part's batch from the places from first to end.
    void make(int part, std::size_t first, std::size_t end, Batch& batch)
    {
        batch.bytes.clear();
        batch.made = Made::Bytes;
        if (!copyLines(part, first, end)) {
            batch.made = Made::LineMoved;
            return;
        }
        if (part == kHitsPart) {
            for (const SearchHit& hit : hits_) {
                batch.bytes += hitStart_;
                AppendJsonStringBody(batch.bytes, hit.line);
                batch.bytes += '"';
            }
        } else {
            text_.clear();
            for (const SearchHit& hit : hits_)
                AppendResultText(text_, hit, moreFlags_[part]);
            AppendJsonStringBody(batch.bytes, text_);
        }
    }

private:
    // The lines of the part's places, as much of each as the part needs, each checked to be the
    // line the search found there. False when one is not.
    bool copyLines(int part, std::size_t first, std::size_t end)
    {
        lines_.clear();
        hits_.clear();
        checks_.clear();
        std::size_t bytes = 0;
        for (std::size_t next = first; next < end; ++next) {
            const Place& place = places_[next];
            const SearchHit hit = HitOf(place);
            const bool wanted = part == kHitsPart ? !hit.repeated : hit.panel == part;
            if (!wanted)
                continue;
            const std::size_t size = place.packed & kSizeMask;
            // A result shows the request, and with More the status after it.
            const std::size_t needed = part == kHitsPart || moreFlags_[part]
                                           ? size
                                           : std::min(size, std::max(hit.requestEnd, kLineStartHashed));
            lines_.push_back({place.offset, needed});
            hits_.push_back(hit);
            checks_.push_back({place.packed >> kHashShift, size});
            bytes += needed;
        }
        if (copied_.size() < bytes)
            copied_.resize(bytes);
        if (!reports_.copyLines(lines_, copied_.data()))
            return false;
        const char* at = copied_.data();
        for (std::size_t i = 0; i < hits_.size(); ++i) {
            hits_[i].line = std::string_view(at, lines_[i].size);
            at += lines_[i].size;
        }
        return std::equal(hits_.begin(), hits_.end(), checks_.begin(), [](const SearchHit& hit, const Check& check) {
            return HashOf(hit.line, check.size) == check.hash;
        });
    }

    const LargeVector<Place>& places_;
    const MappedReports& reports_;
    std::array<bool, kPanelCount> moreFlags_;
    const std::string& hitStart_;
    std::vector<StreamLine> lines_;
    std::vector<SearchHit> hits_;
    // What each line's start hashes to, with its whole size.
    struct Check {
        std::uint64_t hash;
        std::size_t size;
    };
    std::vector<Check> checks_;
    std::vector<char> copied_;
    LargeText text_;
};

JsonReadBack::JsonReadBack(std::array<bool, kPanelCount> moreFlags, std::string hitStart) :
    moreFlags_(moreFlags), hitStart_(std::move(hitStart))
{
}

JsonReadBack::~JsonReadBack()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    batchWrittenOut_.notify_all();
    for (std::thread& thread : making_)
        thread.join();
}

std::uint64_t JsonReadBack::HashOf(std::string_view start, std::size_t size)
{
    return LineStartHash(start, size) >> kHashShift;
}

JsonReadBack::Place JsonReadBack::PlaceOf(const SearchHit& hit)
{
    return {hit.offset, hit.line.size() | (std::uint64_t{hit.requestEnd} << kRequestEndShift) |
                            (std::uint64_t(hit.panel) << kPanelShift) |
                            (std::uint64_t{hit.repeated} << kRepeatedShift) |
                            (HashOf(hit.line, hit.line.size()) << kHashShift)};
}

SearchHit JsonReadBack::HitOf(const Place& place)
{
    return {.panel = static_cast<int>((place.packed >> kPanelShift) & 1),
            .line = {},
            .requestEnd = static_cast<std::size_t>((place.packed >> kRequestEndShift) & kSizeMask),
            .repeated = ((place.packed >> kRepeatedShift) & 1) != 0,
            .offset = place.offset};
}

void JsonReadBack::take(const SearchHit& hit)
{
    places_.push_back(PlaceOf(hit));
}

std::optional<QString> JsonReadBack::mapReports(const ReportPaths& reports, const std::vector<ReportStart>& starts)
{
    if (places_.empty())
        return std::nullopt;
    reports_ = std::make_unique<MappedReports>(reports, starts);
    if (!reports_->error().isEmpty())
        return reports_->error();
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        if (runStarts_.empty() || bytes >= kRunBytes || i - runStarts_.back() >= kRunPlaces) {
            runStarts_.push_back(i);
            bytes = 0;
        }
        bytes += places_[i].packed & kSizeMask;
    }
    const unsigned makers = std::clamp(std::thread::hardware_concurrency(), 1U, kMostMakers);
    for (unsigned i = 0; i < makers; ++i)
        makers_.push_back(std::make_unique<Maker>(places_, *reports_, moreFlags_, hitStart_));
    try {
        for (unsigned i = 0; i < makers; ++i)
            making_.emplace_back([this, i, makers] { makeAhead(*makers_[i], i, makers); });
    } catch (const std::system_error&) {
        // Too few threads to be had: each batch is made where it is written.
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        batchWrittenOut_.notify_all();
        for (std::thread& thread : making_)
            thread.join();
        making_.clear();
    }
    return std::nullopt;
}

void JsonReadBack::makeBatch(Maker& maker, std::size_t number, Batch& batch)
{
    const std::size_t runs = runStarts_.size();
    const auto part = static_cast<int>(number / (runs + 1));
    const std::size_t run = number % (runs + 1);
    if (run == runs) {
        batch.bytes.clear();
        batch.made = Made::PartEnd;
        return;
    }
    maker.make(part, runStarts_[run], run + 1 < runs ? runStarts_[run + 1] : places_.size(), batch);
}

void JsonReadBack::makeAhead(Maker& maker, std::size_t first, std::size_t step)
{
    try {
        for (std::size_t number = first; number < batchCount(); number += step) {
            Batch* batch = nullptr;
            {
                std::unique_lock lock(mutex_);
                batchWrittenOut_.wait(lock, [&] { return stopping_ || number - written_ < kBatchesAhead; });
                if (stopping_)
                    return;
                batch = &batches_[number % kBatchesAhead];
            }
            makeBatch(maker, number, *batch);
            {
                const std::lock_guard lock(mutex_);
                batch->number = number;
            }
            batchMade_.notify_all();
            if (batch->made == Made::LineMoved)
                return;
        }
    } catch (...) {
        {
            const std::lock_guard lock(mutex_);
            thrown_ = std::current_exception();
        }
        batchMade_.notify_all();
    }
}

JsonReadBack::Batch& JsonReadBack::nextBatch()
{
    Batch& batch = batches_[written_ % kBatchesAhead];
    if (making_.empty()) {
        makeBatch(*makers_.front(), written_, batch);
        return batch;
    }
    std::unique_lock lock(mutex_);
    batchMade_.wait(lock, [&] { return batch.number == written_ || thrown_; });
    if (batch.number != written_)
        std::rethrow_exception(thrown_); // such as std::bad_alloc, thrown here
    return batch;
}

void JsonReadBack::batchWritten()
{
    {
        const std::lock_guard lock(mutex_);
        ++written_;
    }
    batchWrittenOut_.notify_all();
}

bool JsonReadBack::writePart(const std::function<void(std::string_view)>& write)
{
    if (makers_.empty())
        return places_.empty();
    if (failed_)
        return false;
    for (;;) {
        Batch& batch = nextBatch();
        if (batch.made == Made::LineMoved) {
            failed_ = true;
            return false;
        }
        const bool ends = batch.made == Made::PartEnd;
        write(batch.bytes);
        batchWritten();
        if (ends)
            return true;
    }
}

} // namespace tallywick::cli
