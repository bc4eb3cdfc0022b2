#pragma once

#include "ui/views/historyviewwindow.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallywick {

class HistoryChart;

// The Traffic by Weekday window: the records of one tracked item per weekday, as totals or as
// averages per occurrence of the weekday in the history period.
class WeekdayChartView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit WeekdayChartView(const HistoryViewContext& context);

    QLabel* lblFind;
    QComboBox* Combo1;
    std::array<QRadioButton*, 2> optAverage; // 0 "Average", 1 "Total"
    QLabel* lblFrom;
    QLabel* lblTo;
    QLabel* lblHitCount;
    QLabel* lblToday;
    HistoryChart* MSChart1;
    QPushButton* cmdClose;

private:
    void Form_Load();
    void Combo1_Click();
    void optAverage_Click();
    void DrawWeekdayChart();
};

} // namespace tallywick
