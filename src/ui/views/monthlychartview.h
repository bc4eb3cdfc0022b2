#pragma once

#include "ui/views/chartviewwindow.h"
#include "ui/views/graphstyle.h"
#include "ui/views/monthsbeforelimit.h"
#include "ui/views/periodoption.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallywick {

// The Traffic by Month window: the records of one tracked item in each month of the history
// period (or of all time, or of the period chosen), as bars or as a line, as downloads or as
// unique downloaders a day; and this month against the same days of last month. The style is
// kept in "GraphStyle1", the period in "MonthlyPeriod".
class MonthlyChartView : public ChartViewWindow {
    Q_OBJECT

public:
    explicit MonthlyChartView(const HistoryViewContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void itemPicked();
    void stylePicked(int index);
    void periodPicked();
    void drawChart();
    void showMonthComparison();

    GraphStyleOption graphStyle_;
    MonthsBeforeLimitOption monthsBeforeLimit_;
    PeriodOption period_;
    ChartStyle chartStyle_ = ChartStyle::Bar;

    QLabel* itemLabel_ = nullptr;
    QComboBox* itemBox_ = nullptr;
    QLabel* seriesLabel_ = nullptr;
    QComboBox* seriesBox_ = nullptr; // 0 "Downloads", 1 "Unique a day"
    QLabel* monthComparisonLabel_ = nullptr;
};

} // namespace tallywick
