#pragma once

#include "core/log/clientnetwork.h"
#include "core/log/logfields.h"
#include "core/search/flatmap.h"
#include "core/search/largevector.h"
#include "core/search/linelist.h"

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallywick {

inline constexpr int kPanelCount = 2;

// File sizes in bytes by path (the path of a request, without its query).
using FileSizes = std::map<std::string, std::int64_t, std::less<>>;

// "PATH=BYTES", split at the last "=": a path that is not empty (a "?" and what follows it are
// dropped) and a whole number of bytes, 0 or more, in decimal. Nothing for anything else.
std::optional<std::pair<std::string, std::int64_t>> ParseFileSizeEntry(std::string_view entry);

// The counts beside "Found" of one panel. A download is a hit that is not a repeat of a split
// download, together with its repeats (with "No duplicates" off every hit is a download of its
// own). Its bytes delivered are those of its lines with status 200 or 206 and the path of its
// first line; it is complete when they reach the size of that path. complete, incomplete and
// sizeUnknown add up to downloads, which is the panel's "Found".
struct PanelDownloads {
    std::int64_t downloads = 0;
    std::int64_t complete = 0;
    std::int64_t incomplete = 0;
    std::int64_t sizeUnknown = 0;
    // Distinct (client, user agent, UTC day, path) of the downloads' first lines: the podcast
    // measurement's one download per IP and user agent a day.
    std::int64_t uniquePerDay = 0;
    // Distinct (client, user agent, UTC date and hour, path): COUNTER's unique item requests.
    std::int64_t uniquePerHour = 0;
    bool operator==(const PanelDownloads&) const = default;
};

struct DownloadCounts {
    std::array<PanelDownloads, kPanelCount> panels;
    // The size of every path of a counted download whose size is known.
    FileSizes sizes;
    bool operator==(const DownloadCounts&) const = default;
};

// The bytes a line delivers towards a download whose first line asked for path: those of a line
// with status 200 or 206 that asks for the same path. Nothing counts towards a download without one.
std::int64_t DeliveredTowards(const LogFields& fields, std::optional<std::string_view> path);
// a + b, held at the largest number rather than overflowing.
std::int64_t AddBytes(std::int64_t a, std::int64_t b);

// Counts the downloads of a search as the search hands them over, and the file sizes from every
// line. A file's size is the size given for its path, or else the largest bytes of any line with
// status 200 and that path (whatever it holds, left out or not). The day and the hour are UTC, from
// the time and its offset (UTC without one); a line whose time cannot be read has an empty day and
// hour. A missing user agent, and a path that cannot be read, are the empty text. The client is
// taken as ClientNetwork gives it when the IPv6 option is on.
//
// Memory grows with the downloads and the distinct clients, agents and status-200 paths, never
// with the lines: a download holds its path and bytes, the unique sets one small key a download.
class DownloadCounter {
public:
    DownloadCounter(FileSizes givenSizes, bool ipv6Network64);

    // Every line that is searched, hit or not.
    void noteLine(std::string_view line);
    // A line read again after the search, when its sizes were not taken as it was searched: it
    // counts only towards the paths that downloads already have.
    void noteSizeLine(std::string_view line);
    // The same, for a line whose response is read already.
    void noteSizeOf(const LogResponse& response);
    // The paths of the downloads so far whose size was not given, in the order of their first
    // downloads: one joins the end now and then, none ever leaves.
    std::size_t unsizedPathCount() const { return unsizedPaths_.size(); }
    std::string_view unsizedPath(std::size_t i) const { return paths_.name(unsizedPaths_[i]); }
    // The number the next download will have.
    std::uint32_t nextDownload() const { return static_cast<std::uint32_t>(downloads_.size()); }
    // A hit that starts a download (fields are those of its line).
    void startDownload(int panel, const LogFields& fields);
    // A repeat of the given download.
    void addRepeat(std::uint32_t download, const LogFields& fields);

    DownloadCounts finish() const;

private:
    static constexpr std::uint32_t kNoPath = 0xFFFFFFFFu;
    static constexpr std::int32_t kNoTime = std::numeric_limits<std::int32_t>::min();

    struct Download {
        std::int64_t delivered = 0;
        std::uint32_t path = kNoPath;
        int panel = 0;
    };
    // A downloader of a day: the hours of the day it downloaded in are the bits of its value
    // (bit 24: no time), so that one look-up serves both unique counts.
    struct DayKey {
        std::uint32_t client = 0;
        std::uint32_t agent = 0;
        std::uint32_t path = 0;
        std::int32_t day = 0; // kNoTime when the time cannot be read
        bool operator==(const DayKey&) const = default;
    };

    // Texts numbered as they come, each kept once.
    class Names {
    public:
        std::uint32_t number(std::string_view name);
        const std::uint32_t* find(std::string_view name) const;
        std::string_view name(std::uint32_t number) const { return names_[number]; }
        std::size_t size() const { return names_.size(); }

    private:
        LineList names_; // never moved: the index views into it
        FlatMap<std::string_view, std::uint32_t> index_;
    };

    // A status-200 line's bytes towards its path's size; pathNumber gives kNoPath for a path it skips.
    template <class PathNumber>
    void noteSize(const LogResponse& response, PathNumber&& pathNumber);
    void addUnique(int panel, std::uint32_t client, std::uint32_t agent, std::uint32_t path,
                   const std::optional<LogTime>& time);

    FileSizes givenSizes_;
    bool ipv6Network64_;
    ClientNetwork network_;
    Names paths_; // every path of a status-200 line or of a download
    Names clients_;
    Names agents_;                      // few: a visitor is the pair of numbers, never a copy of the pair of texts
    std::vector<std::int64_t> largest_; // by path: the largest bytes of a status-200 line, -1 for none
    LargeVector<Download> downloads_;
    std::vector<std::uint32_t> unsizedPaths_;
    std::vector<bool> isDownloadPath_; // by path
    std::array<FlatMap<DayKey, std::uint32_t>, kPanelCount> days_;
    std::array<std::int64_t, kPanelCount> hours_{};
};

} // namespace tallywick
