#include "app/history/alltimedownloads.h"

#include "app/store/archivefolder.h"
#include "core/history/alltimerecords.h"

namespace tallywick {

AllTimeDownloads::AllTimeDownloads(const DataFolder& folder, const std::vector<std::string>& history,
                                   const std::vector<std::string>& removedForAge) :
    history_(history),
    removedForAge_(removedForAge)
{
    auto read = ArchiveFolder::besideHistory(folder.historyPath()).readAll();
    archived_ = std::move(read.records);
    errors_ = std::move(read.errors);
}

bool AllTimeDownloads::reachesBeforeHistory() const
{
    return !archived_.empty() || !removedForAge_.empty();
}

std::vector<std::string_view> AllTimeDownloads::records() const
{
    return AllTimeRecords(archived_, history_, removedForAge_);
}

std::int64_t AllTimeDownloads::count(std::optional<std::string_view> item) const
{
    return AllTimeCount(records(), item);
}

} // namespace tallywick
