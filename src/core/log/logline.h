#pragma once

#include "core/log/datevalue.h"
#include "core/log/findtext.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tallywick {

// An access-log line is never parsed into a record: each consumer cuts what it needs out of the
// raw line with position searches from fixed starting characters (1-based). The starting
// characters are behaviour: other values would count differently.
inline constexpr std::size_t kMatchStart = 38;
inline constexpr std::size_t kProtocolSearchStart = 54;
inline constexpr std::size_t kStatusOffset = 8;
inline constexpr std::size_t kColonSearchStart = 20;
inline constexpr std::size_t kSeparatorSearchStart = 10;
inline constexpr std::size_t kTimeLength = 8;

inline constexpr std::string_view kSeparator = " - - [";
// A double quote closing the request, a blank and the status code.
inline constexpr std::string_view kStatus200 = "\" 200";
inline constexpr std::string_view kStatus206 = "\" 206";
inline constexpr std::string_view kStatus304 = "\" 304";
inline constexpr std::array<std::string_view, 3> kAcceptedStatuses = {kStatus200, kStatus206, kStatus304};

// Where searchText occurs at or after character 38; 0 when the line does not contain it.
constexpr std::size_t MatchPosition(std::string_view line, std::string_view searchText)
{
    return FindText(kMatchStart, line, searchText);
}

// The first blank at or after the end of the match (normally before the protocol).
constexpr std::size_t RequestEnd(std::string_view line, std::size_t matchPos, std::string_view searchText)
{
    return FindText(matchPos + searchText.size(), line, " ");
}

// Where the status search begins: 8 characters after "HTTP/" (found from character 54).
constexpr std::size_t StatusFrom(std::string_view line)
{
    return FindText(kProtocolSearchStart, line, "HTTP/") + kStatusOffset;
}

// True when the line holds the given status text from StatusFrom on.
constexpr bool HoldsStatus(std::string_view line, std::string_view statusText)
{
    return FindText(StatusFrom(line), line, statusText) > 0;
}

// Status 200, 206 or 304: only such hits take part in the split-download test.
constexpr bool StatusAccepted(std::string_view line)
{
    const auto from = StatusFrom(line);
    for (const auto status : kAcceptedStatuses) {
        if (FindText(from, line, status) > 0)
            return true;
    }
    return false;
}

// The colon that ends the request date: the first ":" after the first " - - [" of the line, so
// that hosts holding colons (IPv6) cut right; without that separator, the first ":" from
// character 20.
constexpr std::size_t DateColon(std::string_view line)
{
    const auto separator = FindText(1, line, kSeparator);
    if (separator > 0)
        return FindText(separator + kSeparator.size(), line, ":");
    return FindText(kColonSearchStart, line, ":");
}

// Host, separator, date, colon and time: "203.0.113.45 - - [05/Dec/2004:10:15:42".
constexpr std::string_view TimeKey(std::string_view line)
{
    return Left(line, DateColon(line) + kTimeLength);
}

// The host of a time key; empty when the separator is not found from character 10, which is
// the case for every host shorter than nine characters.
constexpr std::string_view HostOfKey(std::string_view key)
{
    const auto separator = FindText(kSeparatorSearchStart, key, kSeparator);
    return separator == 0 ? std::string_view{} : Left(key, separator - 1);
}

// Date and time of a time key.
DateValue KeyDateTime(std::string_view key);

// The day of a history record (no time of day): the text between the first "[" from character
// 10 and the next ":" after it.
DateValue RecordDate(std::string_view record);

// The line from its status code on (the first of the accepted statuses found after the
// request, tried in the order 200, 206, 304); the line from its second character when none is.
std::string_view StatusPart(std::string_view line, std::size_t requestEnd);

// True for a partial download: status 206 from StatusFrom on.
constexpr bool IsPartialDownload(std::string_view record)
{
    return HoldsStatus(record, kStatus206);
}

// The duplicate key of a partial download: host, separator, date and colon, followed by the
// client part (blank, quoted referrer, blank, quoted client software). Time, request, status and
// size play no part. A record without a client part has an empty one.
std::string PartialKey(std::string_view record);

} // namespace tallywick
