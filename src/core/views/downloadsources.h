#pragma once

#include "core/views/period.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

inline constexpr std::string_view kDirectSource = "(direct)";
inline constexpr std::string_view kUnreadableSource = "(unreadable)";
inline constexpr std::string_view kOtherSources = "(other)";
inline constexpr std::size_t kDefaultSourceCount = 10;

// Where a download came from, by its referrer: the host of an absolute http or https address,
// lower-case, without user info and port, one leading "www." removed, an IPv6 address without
// its brackets; "(direct)" for "-", an empty referrer or none; "(unreadable)" for anything else.
std::string SourceHost(std::optional<std::string_view> referrer);

struct SourceShare {
    std::string host;
    std::int64_t downloads = 0;
    double percent = 0; // of all downloads counted
    friend bool operator==(const SourceShare&, const SourceShare&) = default;
};

struct DownloadSourcesResult {
    std::vector<SourceShare> sources; // the top ones, most downloads first (ties by name), then "(other)"
    std::int64_t total = 0;
};

// The records dated in the period (all non-empty ones with no period) that hold the item in
// their request part (every one with no item), per source host; the top hosts by downloads
// ("(direct)" and "(unreadable)" like any other) and "(other)" for the rest, when any.
DownloadSourcesResult DownloadSources(const std::vector<std::string_view>& records,
                                      std::optional<std::string_view> item, const Period& period,
                                      std::size_t top = kDefaultSourceCount);

} // namespace tallywick
