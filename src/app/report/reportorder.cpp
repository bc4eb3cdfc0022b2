#include "app/report/reportorder.h"

#include "core/search/reportorder.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <zlib.h>

#include <memory>
#include <string>

namespace tallywick {
namespace {

// Far more than a log needs before its first dated line; the rest is never read here.
constexpr std::size_t kLookAhead = 4 << 20;
constexpr unsigned kBlockSize = 256 << 10;

} // namespace

std::optional<DateValue> ReportFirstDate(const QString& path)
{
    // zlib reads plain files as they are, so one loop serves both kinds.
    const std::unique_ptr<gzFile_s, decltype(&gzclose)> file(gzopen(QFile::encodeName(path).constData(), "rb"),
                                                             &gzclose);
    if (!file)
        return std::nullopt;
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

QStringList OldestReportsFirst(const QStringList& paths)
{
    std::vector<std::optional<DateValue>> firstDates;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile())
            return paths;
        firstDates.push_back(ReportFirstDate(path));
    }
    QStringList ordered;
    for (const auto index : OldestFirst(firstDates))
        ordered.append(paths[static_cast<qsizetype>(index)]);
    return ordered;
}

QString RepeatedReport(const QStringList& paths)
{
    QSet<QString> seen;
    for (const QString& path : paths) {
        const QString file = QFileInfo(path).canonicalFilePath();
        if (file.isEmpty())
            continue;
        if (seen.contains(file))
            return path;
        seen.insert(file);
    }
    return {};
}

} // namespace tallywick
