#include "app/settings/preferences.h"

#include "app/settings/settingsstore.h"

namespace tallywick {

Preferences::Preferences(SettingsStore& settings, QObject* parent) :
    QObject(parent), settings_(settings),
    timeLimit_(settings.read(keys::TimeLimit)), trafficPage_{settings.read(keys::TrafficUrl),
                                                             settings.read(keys::TrafficMenu)},
    detailsPage_{settings.read(keys::DetailsUrl), settings.read(keys::DetailsMenu)},
    splitTime_(settings.read(keys::SplitTime)), leaveOutRobots_(settings.read(keys::LeaveOutRobots)),
    leaveOutFailed_(settings.read(keys::LeaveOutFailed))
{
}

void Preferences::setTimeLimit(int months)
{
    settings_.write(keys::TimeLimit, months);
    if (months != timeLimit_) {
        timeLimit_ = months;
        emit timeLimitChanged();
    }
}

void Preferences::setCounting(int splitTime, bool leaveOutRobots, bool leaveOutFailed)
{
    settings_.write(keys::SplitTime, splitTime);
    settings_.write(keys::LeaveOutRobots, leaveOutRobots);
    settings_.write(keys::LeaveOutFailed, leaveOutFailed);
    if (splitTime != splitTime_ || leaveOutRobots != leaveOutRobots_ || leaveOutFailed != leaveOutFailed_) {
        splitTime_ = splitTime;
        leaveOutRobots_ = leaveOutRobots;
        leaveOutFailed_ = leaveOutFailed;
        emit countingChanged();
    }
}

void Preferences::setWebPages(const WebPage& traffic, const WebPage& details)
{
    settings_.write(keys::TrafficUrl, traffic.url);
    settings_.write(keys::TrafficMenu, traffic.menu);
    settings_.write(keys::DetailsUrl, details.url);
    settings_.write(keys::DetailsMenu, details.menu);
    if (traffic != trafficPage_ || details != detailsPage_) {
        trafficPage_ = traffic;
        detailsPage_ = details;
        emit webPagesChanged();
    }
}

PeriodChoice Preferences::viewPeriod(const TextKey& key) const
{
    return ReadPeriodChoice(settings_.read(key).toStdString());
}

void Preferences::setViewPeriod(const TextKey& key, const PeriodChoice& choice)
{
    settings_.write(key, QString::fromStdString(PeriodChoiceText(choice)));
}

} // namespace tallywick
