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

ReportLines::Reader::Reader(const ReportLines& lines, Check check) :
    lines_(lines), check_(check), files_(lines.reports_.size()), tried_(lines.reports_.size(), false)
{
}

ReportLines::Reader::~Reader() = default;

std::optional<std::string> ReportLines::Reader::line(std::uint64_t offset, std::size_t maxBytes)
{
    const auto text = view(offset, maxBytes);
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

std::optional<std::string_view> ReportLines::Reader::view(std::uint64_t offset, std::size_t maxBytes)
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
        const bool unchanged =
            check_ == Check::Unchecked || (info.size() == report.size && info.lastModified() == report.modified);
        if (unchanged && file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            files_[index] = std::move(file);
    }
    QFile* file = files_[index].get();
    if (!file)
        return std::nullopt;
    const std::uint64_t at = offset - report.start;
    // The line, as far as its break, the end of the report, or maxBytes of it; nothing while the
    // window holds none of these.
    const auto inWindow = [&]() -> std::optional<std::string_view> {
        if (!windowValid_ || windowReport_ != index || at < windowAt_ || at > windowAt_ + window_.size())
            return std::nullopt;
        const auto rest = std::string_view(window_).substr(at - windowAt_, maxBytes);
        const auto end = FindLineBreak(rest, 0);
        const bool ends = end < rest.size() || rest.size() == maxBytes || (windowAtEnd_ && !rest.empty());
        return ends ? std::optional(rest.substr(0, end)) : std::nullopt;
    };
    constexpr std::size_t kWindow = std::size_t{64} * 1024;
    if (const auto line = inWindow())
        return line;
    if (!readWindow(*file, index, at, kWindow))
        return std::nullopt;
    // A line longer than the window is read again, as far as it may be shown.
    if (const auto line = inWindow(); line || windowAtEnd_)
        return line.value_or(std::string_view());
    if (!readWindow(*file, index, at, maxBytes))
        return std::nullopt;
    return inWindow().value_or(std::string_view());
}

bool ReportLines::Reader::readWindow(QFile& file, std::size_t report, std::uint64_t at, std::size_t size)
{
    windowValid_ = false;
    if (!file.seek(static_cast<qint64>(at)))
        return false;
    window_.resize(size);
    const qint64 read = file.read(window_.data(), static_cast<qint64>(size));
    if (read < 0)
        return false;
    window_.resize(static_cast<std::size_t>(read));
    windowReport_ = report;
    windowAt_ = at;
    windowAtEnd_ = static_cast<std::size_t>(read) < size;
    windowValid_ = true;
    return true;
}

} // namespace tallywick
