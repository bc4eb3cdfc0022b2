#pragma once

#include "core/views/periodchoice.h"

#include <QObject>
#include <QString>

namespace tallywick {

class SettingsStore;
struct TextKey;

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
    int splitTime() const { return splitTime_; }
    bool leaveOutRobots() const { return leaveOutRobots_; }
    bool leaveOutFailed() const { return leaveOutFailed_; }
    const WebPage& trafficPage() const { return trafficPage_; }
    const WebPage& detailsPage() const { return detailsPage_; }

    // Each writes its setting, and announces the change when the value is new.
    void setTimeLimit(int months);
    void setCounting(int splitTime, bool leaveOutRobots, bool leaveOutFailed);
    void setWebPages(const WebPage& traffic, const WebPage& details);

    // The period a view shows, kept under its key ("HistoryPeriod", "MonthlyPeriod",
    // "WeekdayPeriod"): read when the view opens, a stored text that means nothing reading as
    // All; written whenever the user picks another.
    PeriodChoice viewPeriod(const TextKey& key) const;
    void setViewPeriod(const TextKey& key, const PeriodChoice& choice);

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
    int splitTime_;
    bool leaveOutRobots_;
    bool leaveOutFailed_;
};

} // namespace tallywick
