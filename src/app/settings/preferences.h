#pragma once

#include "core/search/downloadcounts.h"

#include <QObject>
#include <QString>

namespace tallywick {

class SettingsStore;

// What the search counts by: the split-download time frame, what it leaves out, and how the
// counts beside "Found" take clients and file sizes.
struct CountingOptions {
    int splitTime = 30;
    bool leaveOutRobots = false;
    bool leaveOutFailed = false;
    bool leaveOutDownloadTools = false;
    bool ipv6Network64 = false;
    FileSizes fileSizes; // given by the user; they win over the sizes read from the report
    bool operator==(const CountingOptions&) const = default;
};

// A web page of the Web Page menu: its address and its menu caption.
struct WebPage {
    QString url;
    QString menu;
    bool operator==(const WebPage&) const = default;
};

// The program-wide options, read from the settings at start-up and changed by the option
// dialogs while the program runs. Each change is written to the settings at once and then
// announced, so that whoever counts, keeps the history or shows a caption follows it.
class Preferences : public QObject {
    Q_OBJECT

public:
    // Reads them in the start-up order: TimeLimit, the two web pages, Split_Time, then the
    // counting options.
    explicit Preferences(SettingsStore& settings, QObject* parent = nullptr);

    int timeLimit() const { return timeLimit_; }
    const CountingOptions& counting() const { return counting_; }
    int splitTime() const { return counting_.splitTime; }
    bool leaveOutRobots() const { return counting_.leaveOutRobots; }
    bool leaveOutFailed() const { return counting_.leaveOutFailed; }
    const WebPage& trafficPage() const { return trafficPage_; }
    const WebPage& detailsPage() const { return detailsPage_; }

    // Each writes its setting, and announces the change when the value is new.
    void setTimeLimit(int months);
    void setCounting(const CountingOptions& counting);
    void setWebPages(const WebPage& traffic, const WebPage& details);

signals:
    void timeLimitChanged();
    // A count of the same report may come out otherwise now.
    void countingChanged();
    void webPagesChanged();

private:
    SettingsStore& settings_;
    int timeLimit_;
    WebPage trafficPage_;
    WebPage detailsPage_;
    CountingOptions counting_;
};

} // namespace tallywick
