#pragma once

#include "core/views/monthlychart.h"
#include "ui/views/alltimehistory.h"

#include <cstddef>
#include <string>
#include <vector>

class QCheckBox;
class QWidget;

namespace tallywick {

class SettingsStore;

// The month chart's "Include months before the time limit" check box, kept in "MonthlyAllTime":
// off, the chart is the time limit's months of the history; on, it reaches back to the first
// month of all time, archive included.
class MonthsBeforeLimitOption {
public:
    MonthsBeforeLimitOption(QWidget* parent, const HistoryViewContext& context);

    void restore(const SettingsStore& settings);
    void store(SettingsStore& settings) const;

    // The chart of the selected item as the check box asks for it.
    MonthlyChartResult chart(const std::vector<std::string>& items, std::size_t selected) const;

    // The records of all time, archive included, and why they could not all be read.
    const AllTimeHistory& allTime() const { return allTime_; }
    bool includesAllTime() const;

    // For the view's layout.
    QCheckBox* checkBox() const { return checkBox_; }

private:
    QCheckBox* checkBox_;
    const HistoryViewContext& context_;
    AllTimeHistory allTime_;
};

} // namespace tallywick
