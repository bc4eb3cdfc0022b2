#include "app/report/reportlines.h"

#include "core/log/lines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tallywick {

ReportLines::ReportLines(const ReportPaths& reports, std::vector<ReportStart> starts)
{
    for (qsizetype i = 0; i < reports.size() && static_cast<std::size_t>(i) < starts.size(); ++i) {
        const QFileInfo info(reports[i].text());
        reports_.push_back(
            {reports[i].text(), starts[static_cast<std::size_t>(i)].offset, info.size(), info.lastModified()});
    }
}

bool ReportLines::CanReadBack(const ReportPaths& reports)
{
    return std::all_of(reports.begin(), reports.end(), CanReadAgain);
}

std::optional<std::string> ReportLines::line(std::uint64_t offset, std::size_t maxBytes) const
{
    return Reader(*this).line(offset, maxBytes);
}

ReportLines::Reader::Reader(const ReportLines& lines) :
    lines_(lines), files_(lines.reports_.size()), tried_(lines.reports_.size(), false)
{
}

ReportLines::Reader::~Reader() = default;

std::optional<std::string> ReportLines::Reader::line(std::uint64_t offset, std::size_t maxBytes)
{
    const auto& reports = lines_.reports_;
    const auto after = std::upper_bound(reports.begin(), reports.end(), offset,
                                        [](std::uint64_t at, const Report& report) { return at < report.start; });
    if (after == reports.begin())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(after - reports.begin() - 1);
    const Report& report = reports[index];
    if (!tried_[index]) {
        tried_[index] = true;
        const QFileInfo info(report.path);
        auto file = std::make_unique<QFile>(report.path);
        if (info.size() == report.size && info.lastModified() == report.modified && file->open(QIODevice::ReadOnly))
            files_[index] = std::move(file);
    }
    QFile* file = files_[index].get();
    if (!file || !file->seek(static_cast<qint64>(offset - report.start)))
        return std::nullopt;
    // Most lines are short: read a little, and more only while no break has come.
    constexpr std::size_t kStep = 4096;
    std::string text;
    while (text.size() < maxBytes) {
        const auto want = std::min(kStep, maxBytes - text.size());
        const QByteArray bytes = file->read(static_cast<qint64>(want));
        if (bytes.isEmpty())
            break;
        const std::string_view read(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const auto end = FindLineBreak(read, 0);
        text.append(read.substr(0, end));
        if (end < read.size() || read.size() < want)
            break;
    }
    return text;
}

} // namespace tallywick
