#include "ui/views/alltimehistory.h"

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

QString HitsWithAllTime(std::int64_t hits, std::int64_t allTime)
{
    return HitsText(hits) + QCoreApplication::translate("tallywick::HistoryViews", " (all time: %1)").arg(allTime);
}

} // namespace tallywick
