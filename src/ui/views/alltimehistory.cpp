#include "ui/views/alltimehistory.h"

#include <QCoreApplication>

#include "app/store/archivefolder.h"
#include "core/history/alltimerecords.h"
#include "ui/common/labeltexts.h"
#include "ui/views/viewtexts.h"

namespace tallywick {

AllTimeHistory::AllTimeHistory(const HistoryViewContext& context) :
    history_(context.history), removedForAge_(context.removedForAge)
{
    auto read = ArchiveFolder(context.dataFolder.file(kArchiveFolderName)).readAll();
    archived_ = std::move(read.records);
    if (!read.errors.isEmpty())
        error_ = QCoreApplication::translate("tallywick::HistoryViews", "The archive could not be read: %1")
                     .arg(read.errors.join(QStringLiteral(", ")));
}

bool AllTimeHistory::reachesBeforeHistory() const
{
    return !archived_.empty() || (removedForAge_ && !removedForAge_->empty());
}

std::vector<std::string_view> AllTimeHistory::records() const
{
    static const std::vector<std::string> kNone;
    return AllTimeRecords(archived_, history_, removedForAge_ ? *removedForAge_ : kNone);
}

std::int64_t AllTimeHistory::count(std::optional<std::string_view> item) const
{
    return AllTimeCount(records(), item);
}

QString HitsWithAllTime(std::int64_t hits, std::int64_t allTime)
{
    return HitsText(hits) + QCoreApplication::translate("tallywick::HistoryViews", " (all time: %1)").arg(allTime);
}

} // namespace tallywick
