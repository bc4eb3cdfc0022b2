#include "app/report/reportorder.h"

#include "core/search/reportorder.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallywick {
namespace {

// Far more than a log needs before its first dated line; the rest is never read here.
constexpr std::size_t kLookAhead = 4 << 20;
constexpr unsigned kBlockSize = 256 << 10;

bool IsRegularFile(const ReportPath& path)
{
    struct stat info {};
    return ::stat(path.bytes().constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

std::optional<DateValue> ReportFirstDate(const ReportPath& path)
{
    // Without waiting, and checked on what was opened: the name may have changed hands.
    const int descriptor = ::open(path.bytes().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return std::nullopt;
    }
    // zlib reads plain files as they are, so one loop serves both kinds.
    const std::unique_ptr<gzFile_s, decltype(&gzclose)> file(gzdopen(descriptor, "rb"), &gzclose);
    if (!file) {
        ::close(descriptor);
        return std::nullopt;
    }
    std::string text;
    while (text.size() < kLookAhead) {
        const auto before = text.size();
        text.resize(before + kBlockSize);
        const int got = gzread(file.get(), text.data() + before, kBlockSize);
        text.resize(before + static_cast<std::size_t>(std::max(got, 0)));
        if (got <= 0)
            break;
        // Only whole lines: the cut end of the block may lack its time.
        const auto wholeLines = text.find_last_of("\r\n");
        if (wholeLines == std::string::npos)
            continue;
        if (const auto date = FirstLineDate(std::string_view(text).substr(0, wholeLines)))
            return date;
    }
    return FirstLineDate(text);
}

ReportPaths OldestReportsFirst(const ReportPaths& paths)
{
    std::vector<qsizetype> places; // where the regular files stand
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (IsRegularFile(paths[i]))
            places.push_back(i);
    }
    // A lone file has no order to find: it is not read twice.
    if (places.size() < 2)
        return paths;
    std::vector<std::optional<DateValue>> firstDates;
    for (const qsizetype place : places)
        firstDates.push_back(ReportFirstDate(paths[place]));
    ReportPaths ordered = paths;
    const auto order = OldestFirst(firstDates);
    for (std::size_t k = 0; k < order.size(); ++k)
        ordered[places[k]] = paths[places[order[k]]];
    return ordered;
}

std::optional<ReportPath> RepeatedReport(const ReportPaths& paths)
{
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const ReportPath& path : paths) {
        struct stat info {};
        if (::stat(path.bytes().constData(), &info) != 0)
            continue;
        if (!seen.emplace(info.st_dev, info.st_ino).second)
            return path;
    }
    return std::nullopt;
}

} // namespace tallywick
