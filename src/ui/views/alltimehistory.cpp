#include "ui/views/alltimehistory.h"

#include "app/settings/preferences.h"
#include "core/history/historydate.h"
#include "ui/common/labeltexts.h"

#include <QCoreApplication>

namespace tallywick {
namespace {

const std::vector<std::string> kNoRecords;

} // namespace

AllTimeHistory::AllTimeHistory(const HistoryViewContext& context) :
    AllTimeDownloads(context.dataFolder, context.history, context.removedForAge ? *context.removedForAge : kNoRecords)
{
}

QString AllTimeHistory::error() const
{
    if (errors().isEmpty())
        return {};
    return QCoreApplication::translate("tallywick::HistoryViews", "The archive could not be read: %1")
        .arg(errors().join(QStringLiteral(", ")));
}

PeriodRecords::PeriodRecords(const HistoryViewContext& context, const AllTimeHistory& allTime, const Period& period) :
    history_(context.history)
{
    if (period.from && !WithinTimeLimit(*period.from, context.today(), context.preferences.timeLimit())) {
        const auto records = allTime.records();
        widened_.emplace(records.begin(), records.end());
    }
}

QString HitsWithAllTime(std::int64_t hits, std::int64_t allTime)
{
    return HitsText(hits) + QCoreApplication::translate("tallywick::HistoryViews", " (all time: %1)").arg(allTime);
}

} // namespace tallywick
