#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tallywick::viewrecords {

inline constexpr std::string_view kZip = "/quarnel/shareware/pelmor.zip";
inline constexpr std::string_view kExe = "/quarnel/shareware/pelmor.exe";

// A history record of the common layout: the request path follows the "]" of the time stamp.
inline std::string Record(std::string_view date, std::string_view path = kZip, std::string_view time = "10:15:42",
                          std::string_view host = "203.0.113.45")
{
    return std::string(host) + " - - [" + std::string(date) + ":" + std::string(time) + " -0800] \"GET " +
           std::string(path) + " HTTP/1.1\" 200 48213 \"-\" \"Agent/1.0\"";
}

inline std::chrono::sys_days Day(int y, unsigned m, unsigned d)
{
    return std::chrono::sys_days{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
}

} // namespace tallywick::viewrecords
