#pragma once

// Small random reports for tests that compare the engine with a plain reading of the rules.

#include <array>
#include <random>
#include <string>

namespace tallywick::randomlog {

inline constexpr std::array kHosts = {"192.168.1.1",   "192.168.1.10",
                                      "192.168.1.100", "10.0.0.1",
                                      "1.2.3.4",       "203.0.113.45",
                                      "2001:db8::1",   "2001:0db8:85a3:0000:0000:8a2e:0370:7334",
                                      "::1",           "crawl-66-249-73-185.googlebot.com",
                                      "host - -",      "a",
                                      "203.0.113.4",   "odd host"};
inline constexpr std::array kRequests = {"GET /quarnel/shareware/pelmor.exe HTTP/1.1",
                                         "GET /quarnel/shareware/pelmor.zip HTTP/1.0",
                                         "GET /quarnel/shareware/pelmor.zip HTTP/1.1",
                                         "GET /index.html HTTP/1.1",
                                         "HEAD /quarnel/shareware/pelmor.exe HTTP/1.1",
                                         "GET /pelmor.zip",
                                         ""};
inline constexpr std::array kStatuses = {"200", "206", "304", "404", "500"};
inline constexpr std::array kBreaks = {"\n", "\r\n", "\r"};

// One line, mostly well formed, sometimes cut short or garbage; times within two days.
inline std::string Line(std::mt19937& random)
{
    const auto pick = [&](const auto& list) { return std::string(list[random() % list.size()]); };
    const auto number = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    if (number(30) == 0)
        return pick(std::array{"", "garbage", "\x01\x02 - - [ \" 200",
                               "x - - [05/Dec/2004:10:00:00 \"GET /quarnel/shareware/pelmor.zip"});
    char time[64];
    std::snprintf(time, sizeof time, "%02d/Dec/2004:%02d:%02d:%02d", 5 + number(2), number(24), number(60), number(60));
    std::string line = pick(kHosts) + " - - [" + (number(40) == 0 ? "99/Dec/2004:xx:yy:zz" : time) + " -0800] \"" +
                       pick(kRequests) + "\" " + pick(kStatuses) + " " + std::to_string(number(100000));
    if (number(3) != 0)
        line += " \"" + pick(std::array{"-", "http://example.com/"}) + "\" \"" +
                pick(std::array{"Agent/1.0", "Getter/2"}) + "\"";
    if (number(10) == 0)
        line.resize(static_cast<std::size_t>(number(static_cast<int>(line.size()) + 1)));
    return line;
}

inline std::string Report(std::mt19937& random, int lines)
{
    std::string report;
    const bool mixedBreaks = random() % 2 == 0;
    for (int i = 0; i < lines; ++i)
        report += Line(random) + (mixedBreaks ? kBreaks[random() % kBreaks.size()] : "\n");
    if (random() % 3 == 0 && !report.empty())
        report.pop_back(); // a last line without its break
    return report;
}

} // namespace tallywick::randomlog
