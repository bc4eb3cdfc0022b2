#include "ui/views/monthsbeforelimit.h"

#include <QCoreApplication>

#include "app/settings/preferences.h"
#include "app/settings/settingskeys.h"
#include "app/settings/settingsstore.h"
#include "core/views/alltimemonthlychart.h"

#include <QCheckBox>

namespace tallywick {

MonthsBeforeLimitOption::MonthsBeforeLimitOption(QWidget* parent, const HistoryViewContext& context) :
    checkBox_(new QCheckBox(
        QCoreApplication::translate("tallywick::MonthsBeforeLimit", "Include months before the time limit"), parent)),
    context_(context), allTime_(context)
{
    checkBox_->setObjectName(QStringLiteral("monthsBeforeLimitBox"));
    if (!allTime_.error().isEmpty())
        checkBox_->setToolTip(allTime_.error());
}

void MonthsBeforeLimitOption::restore(const SettingsStore& settings)
{
    checkBox_->setChecked(settings.read(keys::MonthlyAllTime));
}

void MonthsBeforeLimitOption::store(SettingsStore& settings) const
{
    settings.write(keys::MonthlyAllTime, checkBox_->isChecked());
}

bool MonthsBeforeLimitOption::includesAllTime() const
{
    return checkBox_->isChecked();
}

MonthlyChartResult MonthsBeforeLimitOption::chart(const std::vector<std::string>& items, std::size_t selected) const
{
    const int timeLimit = context_.preferences.timeLimit();
    if (checkBox_->isChecked())
        return AllTimeMonthlyChart(allTime_.records(), items, selected, timeLimit, context_.today());
    return MonthlyChart(context_.history, items, selected, timeLimit, context_.today());
}

} // namespace tallywick
