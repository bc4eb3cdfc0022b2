#pragma once

// History records for tests, built from their parts.

#include <chrono>
#include <string>

namespace tallywick::testing {

struct RecordParts {
    std::string host = "203.0.113.45";
    std::string date = "05/Dec/2026";
    std::string time = "10:15:42";
    std::string path = "/quarnel/shareware/pelmor.zip";
    int status = 200;
    std::string agent = "Agent/1.0";
    bool clientPart = true;
};

inline std::string Record(const RecordParts& parts)
{
    std::string line = parts.host + " - - [" + parts.date + ":" + parts.time + " -0800] \"GET " + parts.path +
                       " HTTP/1.1\" " + std::to_string(parts.status) + " 48213";
    return parts.clientPart ? line + " \"-\" \"" + parts.agent + "\"" : line;
}

inline std::string RecordOn(const std::string& date, const std::string& time = "10:15:42")
{
    return Record({.date = date, .time = time});
}

inline const std::string kUndatable = RecordOn("99/Xyz/2026");

inline std::chrono::sys_days Day(int y, unsigned m, unsigned d)
{
    return std::chrono::sys_days{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
}

inline const std::chrono::sys_days kToday = Day(2026, 12, 5);

} // namespace tallywick::testing
