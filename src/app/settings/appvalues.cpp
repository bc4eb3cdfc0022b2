#include "app/settings/appvalues.h"

#include "app/settings/settingsstore.h"

namespace tallywick {

AppValues ReadAppValues(const SettingsStore& settings)
{
    AppValues values;
    values.TimeLimit = settings.read(keys::TimeLimit);
    values.Traffic_URL = settings.read(keys::TrafficUrl);
    values.Traffic_menu = settings.read(keys::TrafficMenu);
    values.Details_URL = settings.read(keys::DetailsUrl);
    values.Details_menu = settings.read(keys::DetailsMenu);
    values.Split_Time = settings.read(keys::SplitTime);
    values.LeaveOutRobots = settings.read(keys::LeaveOutRobots);
    values.LeaveOutFailed = settings.read(keys::LeaveOutFailed);
    return values;
}

} // namespace tallywick
