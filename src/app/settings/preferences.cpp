#include "app/settings/preferences.h"

#include "app/settings/filesizesetting.h"
#include "app/settings/settingsstore.h"

namespace tallywick {

Preferences::Preferences(SettingsStore& settings, QObject* parent) :
    QObject(parent), settings_(settings),
    timeLimit_(settings.read(keys::TimeLimit)), trafficPage_{settings.read(keys::TrafficUrl),
                                                             settings.read(keys::TrafficMenu)},
    detailsPage_{settings.read(keys::DetailsUrl), settings.read(keys::DetailsMenu)},
    counting_{settings.read(keys::SplitTime),      settings.read(keys::LeaveOutRobots),
              settings.read(keys::LeaveOutFailed), settings.read(keys::LeaveOutDownloadTools),
              settings.read(keys::IPv6Network64),  ReadFileSizes(settings)}
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

void Preferences::setCounting(const CountingOptions& counting)
{
    settings_.write(keys::SplitTime, counting.splitTime);
    settings_.write(keys::LeaveOutRobots, counting.leaveOutRobots);
    settings_.write(keys::LeaveOutFailed, counting.leaveOutFailed);
    settings_.write(keys::LeaveOutDownloadTools, counting.leaveOutDownloadTools);
    settings_.write(keys::IPv6Network64, counting.ipv6Network64);
    settings_.write(keys::FileSizes, FileSizesText(counting.fileSizes));
    if (counting != counting_) {
        counting_ = counting;
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

} // namespace tallywick
