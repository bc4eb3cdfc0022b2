#include "app/store/archivefolder.h"

#include "core/history/historyarchive.h"
#include "core/history/historydate.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tallywick {

bool ArchiveAdd::isRefused(std::string_view record) const
{
    if (refused.empty())
        return false;
    const auto day = RecordDay(record);
    if (!day)
        return false;
    const std::chrono::year_month_day date{*day};
    return std::binary_search(refused.begin(), refused.end(), date.year() / date.month());
}

ArchiveFolder::ArchiveFolder(QString path) : path_(std::move(path)) {}

ArchiveFolder ArchiveFolder::besideHistory(const QString& historyPath)
{
    return ArchiveFolder(QFileInfo(historyPath).dir().filePath(QString::fromUtf8(kArchiveFolderName)));
}

ArchiveRead ArchiveFolder::readAll() const
{
    ArchiveRead read;
    const QDir folder(path_);
    if (!folder.exists())
        return read;
    // The names sort as their months do.
    const auto names = folder.entryList({QStringLiteral("*.dat")}, QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    for (const auto& name : names) {
        if (!ArchiveMonthOf(name.toStdString()))
            continue;
        auto month = ReadLinesFile(folder.filePath(name), EmptyLines::Drop);
        if (month.status == LinesRead::Status::Failed)
            read.errors << QStringLiteral("%1 (%2)").arg(folder.filePath(name), month.error);
        read.records.insert(read.records.end(), std::make_move_iterator(month.lines.begin()),
                            std::make_move_iterator(month.lines.end()));
    }
    return read;
}

ArchiveAdd ArchiveFolder::add(const std::vector<std::string>& records, const SaveFileOpener& open) const
{
    ArchiveAdd result;
    const auto byMonth = RecordsByMonth(records);
    if (byMonth.empty())
        return result;
    const auto refuse = [&](std::chrono::year_month month, const std::vector<std::string>& monthRecords,
                            const QString& why) {
        result.refused.push_back(month);
        result.notArchived.insert(result.notArchived.end(), monthRecords.begin(), monthRecords.end());
        if (result.error.isEmpty())
            result.error = why;
    };
    if (!QDir().mkpath(path_)) {
        for (const auto& [month, monthRecords] : byMonth)
            refuse(month, monthRecords, QStringLiteral("cannot create the folder %1").arg(path_));
        return result;
    }
    const QDir folder(path_);
    for (const auto& [month, monthRecords] : byMonth) {
        const QString file = folder.filePath(QString::fromStdString(ArchiveFileName(month)));
        auto held = ReadLinesFile(file, EmptyLines::Drop);
        if (held.status == LinesRead::Status::Failed) {
            refuse(month, monthRecords, QStringLiteral("%1 could not be read (%2)").arg(file, held.error));
            continue;
        }
        const auto heldBefore = held.lines.size();
        const auto added = MergeIntoArchiveMonth(held.lines, monthRecords);
        if (added == 0)
            continue;
        if (const auto failure = WriteLinesFile(file, held.lines, open)) {
            refuse(month, monthRecords, QStringLiteral("%1 could not be saved (%2)").arg(file, *failure));
            continue;
        }
        result.added += added;
        result.newlyArchived.insert(
            result.newlyArchived.end(),
            std::make_move_iterator(held.lines.begin() + static_cast<std::ptrdiff_t>(heldBefore)),
            std::make_move_iterator(held.lines.end()));
    }
    return result;
}

} // namespace tallywick
