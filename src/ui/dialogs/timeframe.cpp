#include "ui/dialogs/timeframe.h"

#include <QCoreApplication>

namespace tallywick {

QStringList TimeFrameEntries()
{
    QStringList entries;
    for (int minutes = kShortestTimeFrame; minutes <= kLongestTimeFrame; ++minutes)
        entries.append(QCoreApplication::translate("tallywick::AdvancedOptionsDialog", "%1 Minutes").arg(minutes));
    return entries;
}

int TimeFrameIndex(int splitTime)
{
    if (splitTime < kShortestTimeFrame || splitTime > kLongestTimeFrame)
        splitTime = kDefaultTimeFrame;
    return splitTime - kShortestTimeFrame;
}

int TimeFrameMinutes(int index)
{
    return index + kShortestTimeFrame;
}

} // namespace tallywick
