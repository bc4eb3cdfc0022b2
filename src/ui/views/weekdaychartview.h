#pragma once

#include "ui/views/alltimehistory.h"
#include "ui/views/chartviewwindow.h"
#include "ui/views/periodoption.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallywick {

// The Traffic by Weekday window: the records of one tracked item per weekday, as totals or as
// averages per occurrence of the weekday in the history period or in the period chosen; the
// period is kept in "WeekdayPeriod".
class WeekdayChartView : public ChartViewWindow {
    Q_OBJECT

public:
    explicit WeekdayChartView(const HistoryViewContext& context);

private:
    void load();
    void itemPicked();
    void measurePicked();
    void periodPicked();
    void drawChart();

    AllTimeHistory allTime_;
    PeriodOption period_;

    QLabel* itemLabel_ = nullptr;
    QComboBox* itemBox_ = nullptr;
    std::array<QRadioButton*, 2> measureButtons_{}; // 0 "Average", 1 "Total"
};

} // namespace tallywick
