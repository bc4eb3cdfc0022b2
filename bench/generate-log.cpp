// generate-log: writes a synthetic web-server access log in the Apache combined format, the same
// bytes for the same options on every run. Standalone on purpose: tests and benchmarks run it to
// get reports of any size without shipping large files.
//
//   generate-log --lines N --seed S [--out FILE] [--start YYYY-MM-DD] [--days D]
//                [--malformed PER_MILLE] [--crlf]
//
// The site is a small shareware page whose two downloads ("/quarnel/shareware/pelmor.exe" and
// ".zip") are each requested in about 4 % of the lines. Visitors arrive in sessions: browsers view
// pages with their images and sometimes download, often resuming a broken transfer with 206
// requests; download managers fetch a file in several 206 requests within minutes; crawlers and
// feed readers come and go. Some visitors download the same file again hours or days later.
// Lines are in time order except for the occasional one logged late (a long transfer is logged
// when it ends, with the time it began), and a few (2 in 1000 unless --malformed says otherwise)
// are malformed: cut short, garbage, empty, or without the " - - [" separator.

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <queue>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::chrono;
using namespace std::string_view_literals;

// xoshiro256** seeded through splitmix64: the same sequence on every platform, unlike the
// standard distributions.
class Random {
public:
    explicit Random(std::uint64_t seed)
    {
        for (auto& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    // 0 .. n-1 (n > 0); the bias of a 64-bit modulo is far below anything a log could show.
    std::uint64_t below(std::uint64_t n) { return next() % n; }
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        return lo + static_cast<std::int64_t>(below(static_cast<std::uint64_t>(hi - lo + 1)));
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    // Exponentially distributed, for the gaps of a Poisson process.
    double exponential(double mean) { return -mean * std::log1p(-unit()); }

    template <class T, std::size_t N>
    const T& pick(const std::array<T, N>& items)
    {
        return items[below(N)];
    }

    // An index chosen by integer weights.
    template <std::size_t N>
    std::size_t weighted(const std::array<int, N>& weights)
    {
        int total = 0;
        for (const int w : weights)
            total += w;
        auto r = static_cast<int>(below(static_cast<std::uint64_t>(total)));
        for (std::size_t i = 0; i < N; ++i) {
            if (r < weights[i])
                return i;
            r -= weights[i];
        }
        return N - 1;
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::array<std::uint64_t, 4> state_{};
};

// ---------------------------------------------------------------------------------------------
// What the site serves and who asks for it.

constexpr std::string_view kSite = "http://quarnel.tripod.example";
constexpr std::string_view kExe = "/quarnel/shareware/pelmor.exe";
constexpr std::string_view kZip = "/quarnel/shareware/pelmor.zip";
constexpr std::string_view kDownloadPage = "/quarnel/shareware/pelmor.html";
constexpr std::int64_t kExeSize = 1843712;
constexpr std::int64_t kZipSize = 1622016;

constexpr std::array kPages = {"/"sv,
                               "/index.html"sv,
                               "/quarnel/"sv,
                               "/quarnel/index.html"sv,
                               "/quarnel/shareware/"sv,
                               "/quarnel/shareware/pelmor.html"sv,
                               "/quarnel/shareware/pelmor.html"sv,
                               "/quarnel/news.html"sv,
                               "/quarnel/about.html"sv,
                               "/quarnel/faq.html"sv,
                               "/quarnel/links.html"sv,
                               "/quarnel/shareware/tinkle.html"sv,
                               "/quarnel/shareware/history.html"sv,
                               "/cgi-bin/guestbook.pl"sv,
                               "/quarnel/shareware/register.html"sv};
constexpr std::array kAssets = {"/quarnel/style.css"sv,
                                "/quarnel/images/logo.gif"sv,
                                "/quarnel/images/bg.jpg"sv,
                                "/quarnel/images/new.gif"sv,
                                "/quarnel/shareware/shot1.png"sv,
                                "/quarnel/shareware/shot2.png"sv,
                                "/quarnel/images/download.gif"sv,
                                "/quarnel/menu.js"sv,
                                "/favicon.ico"sv,
                                "/quarnel/images/counter.gif"sv};
constexpr std::array kOtherDownloads = {
    "/quarnel/shareware/tinkle.zip"sv,        "/quarnel/shareware/pelmor-1.4-src.tar.gz"sv,
    "/quarnel/docs/pelmor-manual.pdf"sv,      "/quarnel/shareware/old/pelmor-1.2.exe"sv,
    "/quarnel/shareware/pelmor.exe.sha256"sv, "/quarnel/shareware/pelmor-setup.msi"sv,
    "/quarnel/shareware/tinkle-portable.7z"sv};
constexpr std::array kProbes = {
    "/wp-login.php"sv, "/.env"sv,       "/phpmyadmin/index.php"sv,         "/cgi-bin/test-cgi"sv,
    "/admin/"sv,       "/xmlrpc.php"sv, "/quarnel/shareware/pelmor.rar"sv, "/.git/config"sv};
constexpr std::array kFeeds = {"/quarnel/news.rss"sv, "/quarnel/shareware/updates.xml"sv};

constexpr std::array kBrowsers = {
    "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/129.0.0.0 Safari/537.36"sv,
    "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/130.0.0.0 Safari/537.36 Edg/130.0.0.0"sv,
    "Mozilla/5.0 (Windows NT 10.0; Win64; x64; rv:131.0) Gecko/20100101 Firefox/131.0"sv,
    "Mozilla/5.0 (X11; Linux x86_64; rv:128.0) Gecko/20100101 Firefox/128.0"sv,
    "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.6 Safari/605.1.15"sv,
    "Mozilla/5.0 (iPhone; CPU iPhone OS 17_6 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.6 Mobile/15E148 Safari/604.1"sv,
    "Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/129.0.0.0 Mobile Safari/537.36"sv,
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1)"sv,
    "Opera/9.80 (Windows NT 6.1) Presto/2.12.388 Version/12.18"sv};
constexpr std::array kBots = {
    "Mozilla/5.0 (compatible; Googlebot/2.1; +http://www.google.com/bot.html)"sv,
    "Mozilla/5.0 (compatible; bingbot/2.0; +http://www.bing.com/bingbot.htm)"sv,
    "Mozilla/5.0 (compatible; Baiduspider/2.0; +http://www.baidu.com/search/spider.html)"sv,
    "Mozilla/5.0 (compatible; YandexBot/3.0; +http://yandex.com/bots)"sv,
    "Mozilla/5.0 (compatible; AhrefsBot/7.0; +http://ahrefs.com/robot/)"sv,
    "Mozilla/5.0 (compatible; archive.org_bot +http://www.archive.org/details/archive.org_bot)"sv};
constexpr std::array kDownloadManagers = {"Wget/1.21.3"sv,
                                          "curl/7.88.1"sv,
                                          "aria2/1.36.0"sv,
                                          "Mozilla/4.0 (compatible; GetRight/6.3)"sv,
                                          "FDM 6.x"sv,
                                          "Download Master"sv,
                                          "Mozilla/3.0 (compatible; DownloadAccelerator)"sv,
                                          "Go!Zilla 5.0"sv};
constexpr std::array kFeedReaders = {"Tiny Tiny RSS/24.09 (https://tt-rss.org/)"sv,
                                     "Feedly/1.0 (+http://www.feedly.com/fetcher.html; 3 subscribers)"sv,
                                     "NetNewsWire (RSS Reader; https://netnewswire.com/)"sv};
constexpr std::array kOutsideReferrers = {"https://www.google.com/"sv,
                                          "https://www.google.com/search?q=pelmor+download"sv,
                                          "https://duckduckgo.com/"sv,
                                          "https://www.bing.com/search?q=pelmor+shareware&form=QBLH"sv,
                                          "http://www.softlist.example/utilities/pelmor.shtml"sv,
                                          "http://forum.example.org/viewtopic.php?t=4711"sv,
                                          "https://news.example.com/item?id=40404"sv};

enum class ClientKind { Browser, Bot, DownloadManager, FeedReader };

struct Visitor {
    std::string host;
    std::string_view client;
    ClientKind kind;
    std::string_view protocol = "HTTP/1.1"; // older tools still speak HTTP/1.0
};

// ---------------------------------------------------------------------------------------------
// Host names and addresses of every length, IPv6 and names included.

std::string Ipv4(Random& random)
{
    std::string host;
    const bool tiny = random.chance(0.04); // "1.2.3.4": shorter than nine characters
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            host += '.';
        host += std::to_string(tiny ? random.between(1, 9) : random.between(i == 0 ? 2 : 0, 254));
    }
    return host;
}

std::string Hex(std::uint64_t value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    return std::string(buffer, end);
}

std::string Ipv6(Random& random)
{
    static constexpr std::array kPrefixes = {"2001:db8"sv, "2001:db8:85a3"sv, "2a02:db8"sv, "2600:db8"sv};
    std::string host(random.pick(kPrefixes));
    switch (random.below(3)) {
    case 0: // short: "2001:db8::1"
        return host + "::" + Hex(random.between(1, 0xff));
    case 1: // compressed in the middle
        return host + ':' + Hex(random.below(0x10000)) + "::" + Hex(random.below(0x10000)) + ':' +
               Hex(random.below(0x10000));
    default: { // full
        const auto groups = 8 - static_cast<int>(std::count(host.begin(), host.end(), ':')) - 1;
        for (int i = 0; i < groups; ++i)
            host += ':' + Hex(random.below(0x10000));
        return host;
    }
    }
}

std::string HostName(Random& random)
{
    const auto n = [&](int lo, int hi) { return std::to_string(random.between(lo, hi)); };
    switch (random.below(6)) {
    case 0:
        return "c-" + n(24, 99) + '-' + n(0, 254) + '-' + n(0, 254) + '-' + n(1, 254) + ".hsd1.ca.example.net";
    case 1:
        return "dsl-" + n(100, 99999) + ".pool.example.org";
    case 2:
        return "proxy" + n(1, 9) + ".example.edu";
    case 3:
        return "ws" + n(1, 99) + ".test"; // short names too
    case 4:
        return "host" + n(1, 254) + '-' + n(1, 254) + ".dyn.example.com";
    default:
        return "p" + Hex(random.next() & 0xffffffffffULL) + ".dip0.t-ipconnect.example";
    }
}

std::string BotHost(Random& random, std::string_view client)
{
    const auto n = [&](int lo, int hi) { return std::to_string(random.between(lo, hi)); };
    if (client.find("Googlebot") != std::string_view::npos)
        return random.chance(0.7) ? "crawl-66-249-" + n(64, 79) + '-' + n(1, 254) + ".googlebot.com"
                                  : "2001:4860:4801:" + Hex(random.between(0x10, 0x9f)) + "::" + n(1, 99);
    if (client.find("bingbot") != std::string_view::npos)
        return "msnbot-157-55-" + n(0, 255) + '-' + n(1, 254) + ".search.msn.com";
    return random.chance(0.8) ? Ipv4(random) : Ipv6(random);
}

Visitor NewVisitor(Random& random, ClientKind kind)
{
    Visitor visitor{{}, {}, kind};
    if (kind != ClientKind::Browser && random.chance(0.3))
        visitor.protocol = "HTTP/1.0";
    switch (kind) {
    case ClientKind::Browser:
        visitor.client = random.pick(kBrowsers);
        break;
    case ClientKind::Bot:
        visitor.client = random.pick(kBots);
        visitor.host = BotHost(random, visitor.client);
        return visitor;
    case ClientKind::DownloadManager:
        visitor.client = random.pick(kDownloadManagers);
        break;
    case ClientKind::FeedReader:
        visitor.client = random.pick(kFeedReaders);
        break;
    }
    const auto shape = random.weighted(std::array{70, 12, 18});
    visitor.host = shape == 0 ? Ipv4(random) : shape == 1 ? Ipv6(random) : HostName(random);
    return visitor;
}

// ---------------------------------------------------------------------------------------------
// Requests waiting for their time, and the writing of lines.

struct Request {
    std::int64_t time = 0;      // seconds since the epoch when it is logged
    std::int64_t shownTime = 0; // the time the line shows (earlier for a transfer logged late)
    std::uint64_t order = 0;    // ties in time keep the order of scheduling
    std::size_t visitor = 0;
    std::string_view method = "GET";
    std::string path;
    std::string_view protocol = "HTTP/1.1";
    int status = 200;
    std::int64_t size = 0; // -1 writes "-"
    std::string referrer = "-";
};

struct Later {
    bool operator()(const Request& a, const Request& b) const
    {
        return a.time != b.time ? a.time > b.time : a.order > b.order;
    }
};

struct Options {
    std::uint64_t lines = 1000;
    std::uint64_t seed = 1;
    std::string out;
    bool crlf = false;
    sys_days start = sys_days{year{2026} / October / 1};
    int days = 28;
    int malformedPerMille = 2;
};

class LogWriter {
public:
    LogWriter(std::FILE* file, bool crlf) : file_(file), lineEnd_(crlf ? "\r\n" : "\n")
    {
        buffer_.reserve(kFlushAt + 4096);
    }
    ~LogWriter() { flush(); }
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    void line(const Request& request, const Visitor& visitor, bool withSeparator = true)
    {
        begin();
        buffer_ += visitor.host;
        buffer_ += withSeparator ? " - - [" : " - frank [";
        appendTime(request.shownTime);
        buffer_ += " -0800] \"";
        buffer_ += request.method;
        buffer_ += ' ';
        buffer_ += request.path;
        buffer_ += ' ';
        buffer_ += request.protocol;
        buffer_ += "\" ";
        appendNumber(request.status);
        buffer_ += ' ';
        if (request.size < 0)
            buffer_ += '-';
        else
            appendNumber(request.size);
        buffer_ += " \"";
        buffer_ += request.referrer;
        buffer_ += "\" \"";
        buffer_ += visitor.client;
        buffer_ += '"';
        end();
    }

    // Cuts the line just written after `keep` of its characters (at least one).
    void truncateLast(std::size_t keep)
    {
        const auto length = buffer_.size() - start_ - lineEnd_.size();
        buffer_.resize(start_ + std::max<std::size_t>(1, std::min(keep, length - 1)));
        end();
    }

    void raw(std::string_view text)
    {
        begin();
        buffer_ += text;
        end();
    }

    bool failed() const { return failed_; }

    void flush()
    {
        if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
            failed_ = true;
        buffer_.clear();
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 20;

    // Flushes only between lines, so the line just written stays in the buffer to be cut.
    void begin()
    {
        if (buffer_.size() >= kFlushAt)
            flush();
        start_ = buffer_.size();
    }

    void end() { buffer_ += lineEnd_; }

    void appendNumber(std::int64_t value)
    {
        char digits[24];
        const auto stop = std::to_chars(digits, digits + sizeof digits, value).ptr;
        buffer_.append(digits, stop);
    }

    void appendTime(std::int64_t seconds)
    {
        static constexpr std::array kMonths = {"Jan"sv, "Feb"sv, "Mar"sv, "Apr"sv, "May"sv, "Jun"sv,
                                               "Jul"sv, "Aug"sv, "Sep"sv, "Oct"sv, "Nov"sv, "Dec"sv};
        const auto day = floor<days>(sys_seconds{std::chrono::seconds{seconds}});
        if (day != cachedDay_) {
            const year_month_day date{day};
            char text[16];
            std::snprintf(text, sizeof text, "%02u/%s/%04d", static_cast<unsigned>(date.day()),
                          kMonths[static_cast<unsigned>(date.month()) - 1].data(), static_cast<int>(date.year()));
            cachedDate_ = text;
            cachedDay_ = day;
        }
        const hh_mm_ss clock{sys_seconds{std::chrono::seconds{seconds}} - day};
        char text[12];
        std::snprintf(text, sizeof text, ":%02d:%02d:%02d", static_cast<int>(clock.hours().count()),
                      static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count()));
        buffer_ += cachedDate_;
        buffer_ += text;
    }

    std::FILE* file_;
    std::string_view lineEnd_;
    std::string buffer_;
    std::size_t start_ = 0;
    sys_days cachedDay_{};
    std::string cachedDate_;
    bool failed_ = false;
};

// ---------------------------------------------------------------------------------------------
// Sessions: each schedules the requests of one visit.

class Site {
public:
    Site(const Options& options, LogWriter& writer) : options_(options), random_(options.seed), writer_(writer) {}

    void run()
    {
        // About 4.7 lines a session; the gap spreads the lines over the days asked for.
        const double meanGap = static_cast<double>(options_.days) * 86400.0 * 4.7 / static_cast<double>(options_.lines);
        double nextSession =
            static_cast<double>(sys_seconds{options_.start}.time_since_epoch().count()) + random_.exponential(meanGap);
        while (written_ < options_.lines) {
            const auto sessionAt = static_cast<std::int64_t>(nextSession);
            if (!pending_.empty() && pending_.top().time <= sessionAt) {
                emit(pending_.top());
                pending_.pop();
                continue;
            }
            startSession(sessionAt);
            nextSession += random_.exponential(meanGap / dailyRhythm(sessionAt));
        }
    }

private:
    // More visits in the afternoon and evening than at night (server time).
    static double dailyRhythm(std::int64_t seconds)
    {
        static constexpr std::array<double, 24> kByHour = {0.5, 0.4, 0.35, 0.3, 0.3, 0.35, 0.5, 0.7,
                                                           0.9, 1.1, 1.2,  1.3, 1.3, 1.3,  1.4, 1.4,
                                                           1.4, 1.4, 1.5,  1.6, 1.6, 1.4,  1.1, 0.8};
        const auto secondOfDay = (seconds % 86400 + 86400) % 86400; // days before 1970 too
        return kByHour[static_cast<std::size_t>(secondOfDay / 3600)];
    }

    void startSession(std::int64_t at)
    {
        switch (random_.weighted(std::array{40, 25, 4, 31})) {
        case 0:
            browse(visitor(ClientKind::Browser), at);
            break;
        case 1:
            crawl(visitor(ClientKind::Bot), at);
            break;
        case 2:
            managedDownload(visitor(ClientKind::DownloadManager), at, downloadPath(), randomReferrer());
            break;
        default:
            readFeed(visitor(ClientKind::FeedReader), at);
            break;
        }
    }

    // A returning visitor of that kind, or a new one.
    std::size_t visitor(ClientKind kind)
    {
        auto& known = byKind_[static_cast<std::size_t>(kind)];
        if (!known.empty() && random_.chance(0.35))
            return known[random_.below(known.size())];
        visitors_.push_back(NewVisitor(random_, kind));
        if (known.size() < kMaxKnown)
            known.push_back(visitors_.size() - 1);
        else
            known[random_.below(known.size())] = visitors_.size() - 1;
        return visitors_.size() - 1;
    }

    std::string downloadPath()
    {
        std::string path(random_.chance(0.5) ? kExe : kZip);
        if (random_.chance(0.01))
            path += "?mirror=" + std::to_string(random_.between(1, 3));
        return path;
    }

    std::string randomReferrer()
    {
        if (random_.chance(0.45))
            return "-";
        if (random_.chance(0.5))
            return std::string(kSite) + std::string(kDownloadPage);
        return std::string(random_.pick(kOutsideReferrers));
    }

    Request request(std::size_t visitor, std::int64_t at, std::string path, std::string referrer = "-")
    {
        Request r;
        r.time = r.shownTime = at;
        r.order = order_++;
        r.visitor = visitor;
        r.path = std::move(path);
        r.referrer = std::move(referrer);
        r.protocol = visitors_[visitor].protocol;
        return r;
    }

    int pageStatus()
    {
        static constexpr std::array kStatuses = {200, 304, 404, 500, 206};
        return kStatuses[random_.weighted(std::array{840, 100, 50, 5, 5})];
    }

    std::int64_t bodySize(int status, std::int64_t full)
    {
        switch (status) {
        case 304:
            return -1;
        case 404:
            return random_.between(196, 320);
        case 500:
            return 538;
        case 206:
            return random_.between(1, full);
        default:
            return full;
        }
    }

    void schedule(Request r) { pending_.push(std::move(r)); }

    void browse(std::size_t visitor, std::int64_t at)
    {
        std::string referrer = random_.chance(0.4) ? "-" : std::string(random_.pick(kOutsideReferrers));
        const auto pages = random_.between(1, 4);
        std::string page;
        for (std::int64_t p = 0; p < pages; ++p) {
            page = std::string(p == pages - 1 && random_.chance(0.6) ? kDownloadPage : random_.pick(kPages));
            if (random_.chance(0.02))
                page = std::string(random_.pick(kProbes));
            auto r = request(visitor, at, page, referrer);
            const bool probe = std::find(kProbes.begin(), kProbes.end(), page) != kProbes.end();
            r.status = probe ? 404 : pageStatus();
            r.size = bodySize(r.status, random_.between(1200, 32000));
            schedule(r);
            referrer = std::string(kSite) + page;
            for (auto a = random_.between(0, 3); a > 0; --a) {
                auto asset = request(visitor, at + random_.between(0, 3), std::string(random_.pick(kAssets)), referrer);
                asset.status = pageStatus();
                asset.size = bodySize(asset.status, random_.between(300, 180000));
                schedule(asset);
            }
            at += random_.between(5, 150);
        }
        if (page == kDownloadPage && random_.chance(0.25))
            download(visitor, at, downloadPath(), referrer);
        else if (random_.chance(0.03))
            otherDownload(visitor, at, referrer);
    }

    void otherDownload(std::size_t visitor, std::int64_t at, std::string referrer)
    {
        auto r = request(visitor, at, std::string(random_.pick(kOtherDownloads)), std::move(referrer));
        r.status = pageStatus();
        r.size = bodySize(r.status, random_.between(20000, 9000000));
        schedule(r);
    }

    // A browser download: mostly whole, sometimes broken and resumed, rarely failing.
    void download(std::size_t visitor, std::int64_t at, const std::string& path, const std::string& referrer)
    {
        const std::int64_t full = path.find(".exe") != std::string::npos ? kExeSize : kZipSize;
        auto r = request(visitor, at, path, referrer);
        r.status = std::array{200, 304, 404, 500}[random_.weighted(std::array{930, 30, 30, 10})];
        r.size = bodySize(r.status, full);
        if (r.status == 200 && random_.chance(0.15)) {
            // A slow transfer, logged when it ends with the time it began.
            const auto took = random_.between(10, 900);
            r.time = at + took;
            r.order = order_++;
        }
        if (r.status == 200 && random_.chance(0.2)) {
            // Broken off; the browser resumes it once or twice within minutes.
            r.size = random_.between(1, full - 1);
            std::int64_t t = at;
            for (auto resumes = random_.between(1, 2); resumes > 0; --resumes) {
                t += random_.between(20, 600);
                auto resume = request(visitor, t, path, referrer);
                resume.status = 206;
                resume.size = random_.between(1, full);
                schedule(resume);
            }
        }
        schedule(r);
        maybeComeBack(visitor, at, path);
    }

    // A download manager fetches the file in several ranges within minutes.
    void managedDownload(std::size_t visitor, std::int64_t at, const std::string& path, const std::string& referrer)
    {
        const std::int64_t full = path.find(".exe") != std::string::npos ? kExeSize : kZipSize;
        if (random_.chance(0.3)) {
            auto head = request(visitor, at, path, referrer);
            head.method = "HEAD";
            head.size = -1;
            schedule(head);
        }
        const auto parts = random_.between(2, 8);
        std::int64_t t = at;
        for (std::int64_t i = 0; i < parts; ++i) {
            t += random_.between(1, 180);
            auto part = request(visitor, t, path, referrer);
            part.status = random_.chance(0.97) ? 206 : 200;
            part.size = part.status == 206 ? full / parts + random_.between(-4096, 4096) : full;
            schedule(part);
        }
        maybeComeBack(visitor, t, path);
    }

    // Some come back for the same file hours or days later: a new download.
    void maybeComeBack(std::size_t visitor, std::int64_t at, const std::string& path)
    {
        if (!random_.chance(0.12))
            return;
        const auto later = at + random_.between(45 * 60, 5 * 86400);
        if (visitors_[visitor].kind == ClientKind::DownloadManager)
            managedDownload(visitor, later, path, "-");
        else
            download(visitor, later, path, std::string(kSite) + std::string(kDownloadPage));
    }

    void crawl(std::size_t visitor, std::int64_t at)
    {
        for (auto n = random_.between(1, 10); n > 0; --n) {
            std::string path;
            switch (random_.weighted(std::array{15, 69, 10, 6})) {
            case 0:
                path = "/robots.txt";
                break;
            case 1:
                path = std::string(random_.pick(kPages));
                break;
            case 2:
                path = std::string(random_.pick(kOtherDownloads));
                break;
            default:
                path = downloadPath();
                break;
            }
            auto r = request(visitor, at, path);
            if (random_.chance(0.1))
                r.method = "HEAD";
            r.status = random_.chance(0.8) ? 200 : (random_.chance(0.7) ? 304 : 404);
            const auto file = std::string_view(path).substr(0, path.find('?'));
            const std::int64_t full = file == kExe ? kExeSize : file == kZip ? kZipSize : random_.between(800, 30000);
            r.size = r.method == "HEAD"sv ? -1 : bodySize(r.status, full);
            schedule(r);
            at += random_.between(1, 90);
        }
    }

    void readFeed(std::size_t visitor, std::int64_t at)
    {
        for (const auto feed : kFeeds) {
            if (feed != kFeeds.front() && random_.chance(0.5))
                continue;
            auto r = request(visitor, at, std::string(feed));
            r.status = random_.chance(0.7) ? 304 : 200;
            r.size = bodySize(r.status, random_.between(4000, 9000));
            schedule(r);
            at += random_.between(0, 2);
        }
    }

    void emit(const Request& r)
    {
        const Visitor& v = visitors_[r.visitor];
        Request shown = r;
        if (random_.chance(0.001))
            shown.shownTime -= random_.between(1, 40); // logged a little late
        const int odd = options_.malformedPerMille;
        switch (random_.weighted(std::array{100000 - 100 * odd, 30 * odd, 20 * odd, 20 * odd, 30 * odd})) {
        case 0:
            writer_.line(shown, v);
            break;
        case 1: // cut short, as by a full disk or a broken copy
            writer_.line(shown, v);
            writer_.truncateLast(random_.below(240));
            break;
        case 2:
            writer_.raw(garbage());
            break;
        case 3:
            writer_.raw("");
            break;
        default: // an authenticated user: no " - - [" separator
            writer_.line(shown, v, false);
            break;
        }
        ++written_;
    }

    std::string garbage()
    {
        std::string text;
        for (auto n = random_.between(1, 120); n > 0; --n)
            text += random_.chance(0.05) ? '\t' : static_cast<char>(random_.between(0x20, 0x7e));
        return text;
    }

    static constexpr std::size_t kMaxKnown = 50000;

    const Options& options_;
    Random random_;
    LogWriter& writer_;
    std::vector<Visitor> visitors_;
    std::array<std::vector<std::size_t>, 4> byKind_;
    std::priority_queue<Request, std::vector<Request>, Later> pending_;
    std::uint64_t order_ = 0;
    std::uint64_t written_ = 0;
};

// ---------------------------------------------------------------------------------------------

constexpr std::string_view kUsage =
    "usage: generate-log --lines N --seed S [--out FILE] [--start YYYY-MM-DD] [--days D]\n"
    "                    [--malformed PER_MILLE] [--crlf]\n"
    "Writes N lines of a synthetic Apache combined-format access log (to standard output by\n"
    "default). The same options give the same bytes. --start is the first day (default\n"
    "2026-10-01), --days the span the lines cover (default 28), --malformed the share of\n"
    "malformed lines in thousandths (default 2), --crlf ends lines with CR LF.\n";

std::optional<std::uint64_t> ParseNumber(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<sys_days> ParseDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = ParseNumber(text.substr(0, 4));
    const auto m = ParseNumber(text.substr(5, 2));
    const auto d = ParseNumber(text.substr(8, 2));
    if (!y || !m || !d)
        return std::nullopt;
    const year_month_day date{year{static_cast<int>(*y)}, month{static_cast<unsigned>(*m)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok())
        return std::nullopt;
    return sys_days{date};
}

std::optional<Options> ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--crlf") {
            options.crlf = true;
            continue;
        }
        if (i + 1 >= argc)
            return std::nullopt;
        const std::string_view value = argv[++i];
        if (arg == "--out") {
            options.out = value;
        } else if (arg == "--start") {
            const auto day = ParseDay(value);
            if (!day)
                return std::nullopt;
            options.start = *day;
        } else {
            const auto number = ParseNumber(value);
            if (!number)
                return std::nullopt;
            if (arg == "--lines")
                options.lines = *number;
            else if (arg == "--seed")
                options.seed = *number;
            else if (arg == "--days" && *number >= 1 && *number <= 3650)
                options.days = static_cast<int>(*number);
            else if (arg == "--malformed" && *number <= 1000)
                options.malformedPerMille = static_cast<int>(*number);
            else
                return std::nullopt;
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(nullptr, std::fclose);
    std::FILE* out = stdout;
    if (!options->out.empty()) {
        file.reset(std::fopen(options->out.c_str(), "wb"));
        if (!file) {
            std::cerr << "generate-log: cannot write " << options->out << ": " << std::strerror(errno) << '\n';
            return 1;
        }
        out = file.get();
    }
    bool failed = false;
    {
        LogWriter writer(out, options->crlf);
        Site site(*options, writer);
        site.run();
        writer.flush();
        failed = writer.failed();
    }
    if (failed || std::fflush(out) != 0 || std::ferror(out)) {
        std::cerr << "generate-log: write failed\n";
        return 1;
    }
    return 0;
}
