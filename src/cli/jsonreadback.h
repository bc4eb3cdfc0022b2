#pragma once

#include "app/report/mappedreports.h"
#include "cli/jsonstream.h"
#include "core/search/reportsearch.h"

#include <QString>

#include <array>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tallywick::cli {

// The growing parts of `search --json` (each panel's result text, then the report hits) for hits
// of reports that can be read again: only where each hit's line is is kept, 16 bytes a hit, and
// the parts are made from the reports, mapped, once the search is done. Nothing goes to a
// temporary file, and the lines come from the page cache the search has just filled. A thread of
// their own makes the parts a few batches ahead of the writing.
class JsonReadBack {
public:
    // How the hits' items are laid out in the report hits.
    JsonReadBack(std::array<bool, kPanelCount> moreFlags, std::string hitStart);
    ~JsonReadBack();
    JsonReadBack(const JsonReadBack&) = delete;
    JsonReadBack& operator=(const JsonReadBack&) = delete;
    void take(const SearchHit& hit);

    // After the search: maps the reports it read, and starts making the parts. Why a report could
    // not be mapped, when that happened.
    std::optional<QString> mapReports(const ReportPaths& reports, const std::vector<ReportStart>& starts);
    // Hands write the next part's bytes as they are made, escaped for a JSON string's body (a
    // result text) or laid out as array items (the report hits); the parts come in order: the
    // results of panel 0 and 1, then the report hits. False when a line is no longer where the
    // search found it (a report rewritten or cut short since); every part after it is false too.
    bool writePart(const std::function<void(std::string_view)>& write);

private:
    // A hit: where its line begins, and its size, request end, panel, whether it repeats a split
    // download, and a hash of the line's start, to tell it from another line there.
    struct Place {
        std::uint64_t offset = 0;
        std::uint64_t packed = 0;
    };
    static Place PlaceOf(const SearchHit& hit);
    // The bits of a line's hash that a place keeps.
    static std::uint64_t HashOf(std::string_view start, std::size_t size);
    static SearchHit HitOf(const Place& place);

    enum class Made { Bytes, PartEnd, LineMoved };
    // One batch of a part, as it is written: an escaped string's body or laid-out array items.
    // Batches are numbered through the parts: each part's batches, then its end.
    struct Batch {
        static constexpr std::size_t kNone = std::size_t(-1);
        LargeText bytes;
        Made made = Made::Bytes;
        std::size_t number = kNone;
    };
    // Makes batches, each from its run of places; its working buffers are kept from one to the
    // next. One for each thread that makes them.
    class Maker;
    std::size_t batchCount() const { return kPartCount * (runStarts_.size() + 1); }
    // The batch next to be written, made here when no thread could be had.
    Batch& nextBatch();
    void batchWritten();
    void makeBatch(Maker& maker, std::size_t number, Batch& batch);
    // Makes the batches from first on, every step-th.
    void makeAhead(Maker& maker, std::size_t first, std::size_t step);

    static constexpr std::size_t kPartCount = kPanelCount + 1;
    std::array<bool, kPanelCount> moreFlags_;
    std::string hitStart_;
    LargeVector<Place> places_;
    // Where each run of places begins that one batch of each part is made from.
    std::vector<std::size_t> runStarts_;
    std::unique_ptr<MappedReports> reports_;
    std::vector<std::unique_ptr<Maker>> makers_;

    // Batches made ahead, in a ring: batch n goes in n % kBatchesAhead once n - written_ is less.
    static constexpr std::size_t kBatchesAhead = 4;
    std::array<Batch, kBatchesAhead> batches_;
    std::size_t written_ = 0;
    bool stopping_ = false;
    bool failed_ = false; // a line was not where it was: no part is written after it
    std::exception_ptr thrown_;
    std::mutex mutex_;
    std::condition_variable batchMade_;
    std::condition_variable batchWrittenOut_;
    std::vector<std::thread> making_; // none when the batches are made where they are written
};

} // namespace tallywick::cli
