#pragma once

// Small random reports for tests that compare the engine with a plain reading of the rules.

#include <array>
#include <cstdio>
#include <cstdlib>
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

// Reports of downloads: clients fetching a few files whole, in split 206 parts, again after a
// 304, or failing; bytes sent or "-"; combined lines, common ones and ones with fields after the
// agent; IPv6 clients of two /64 networks written in several forms, IPv4-mapped ones; times
// around midnight with offsets east and west of UTC, some without an offset or unreadable.
inline constexpr std::array kDownloadClients = {"192.168.1.1",
                                                "192.168.1.10",
                                                "203.0.113.45",
                                                "::ffff:203.0.113.45",
                                                "2001:db8:0:1::7",
                                                "2001:0db8:0000:0001:0000:0000:0000:0008",
                                                "2001:db8:0:1:a:b:c:d%eth0",
                                                "2001:db8:0:2::7",
                                                "2001:db8:0:1::1.2.3.4",
                                                "::1",
                                                "crawl-66-249-73-185.googlebot.com",
                                                "a.b.cd"};
inline constexpr std::array kDownloadPaths = {"/quarnel/shareware/pelmor.zip", "/quarnel/shareware/pelmor.zip.md5",
                                              "/quarnel/shareware/pelmor.exe", "/index.html"};
inline constexpr std::array kDownloadSizes = {48213, 64, 120000, 900};
inline constexpr std::array kDownloadAgents = {"Agent/1.0", "Getter/2", "-", "curl/8.1", "Googlebot/2.1", ""};

inline std::string DownloadLine(std::mt19937& random, int& minute)
{
    const auto number = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    const auto pick = [&](const auto& list) { return std::string(list[random() % list.size()]); };
    if (number(40) == 0)
        return pick(
            std::array{"", "garbage", "x - - [06/Dec/2004:00:01:00 +0000] \"GET /quarnel/shareware/pelmor.zip"});
    // Mostly forwards by a few minutes, sometimes back a little (a slow download logged late).
    minute += number(6) == 0 ? -number(20) : number(4);
    const int offset = std::array{-480, 0, 120, 330, 0}[random() % 5];
    const int local = 2820 + minute + offset; // minutes from 4 December; 23:00 UTC on the 5th is minute 0
    char time[64];
    std::snprintf(time, sizeof time, "%02d/Dec/2004:%02d:%02d:%02d", 4 + local / (24 * 60), local / 60 % 24, local % 60,
                  number(60));
    std::string zone = offset < 0 ? "-" : "+";
    const int hours = std::abs(offset) / 60;
    const int minutes = std::abs(offset) % 60;
    zone += std::to_string(hours / 10) + std::to_string(hours % 10) + std::to_string(minutes / 10) +
            std::to_string(minutes % 10);
    std::string timeField = std::string(time) + " " + zone;
    if (number(15) == 0)
        timeField = number(2) == 0 ? std::string(time) : "99/Dec/2004:xx:yy:zz -0800";

    const std::size_t file = random() % kDownloadPaths.size();
    const std::string status = pick(std::array{"200", "200", "206", "206", "206", "304", "404"});
    const int size = kDownloadSizes[file];
    std::string bytes = std::to_string(status == "200"   ? (number(4) == 0 ? number(size + 1) : size)
                                       : status == "206" ? number(size / 2 + 1)
                                                         : 0);
    if (number(8) == 0)
        bytes = "-";
    std::string line = pick(kDownloadClients) + " - - [" + timeField + "] \"" + pick(std::array{"GET", "GET", "HEAD"}) +
                       " " + kDownloadPaths[file] + (number(5) == 0 ? "?via=mirror" : "") + " HTTP/1.1\" " + status +
                       " " + bytes;
    if (number(5) != 0)
        line += " \"-\" \"" + pick(kDownloadAgents) + "\"";
    if (number(10) == 0)
        line += " \"10.0.0.1\"";
    return line;
}

inline std::string DownloadReport(std::mt19937& random, int lines)
{
    std::string report;
    int minute = 0;
    for (int i = 0; i < lines; ++i)
        report += DownloadLine(random, minute) + "\n";
    return report;
}

} // namespace tallywick::randomlog
