#pragma once

#include "ui/views/graphstyle.h"
#include "ui/views/historyviewwindow.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallywick {

class HistoryChart;

// The Traffic by Month window: the records of one tracked item in each month of the history
// period, as bars or as a line. The style is kept in "GraphStyle1".
class MonthlyChartView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit MonthlyChartView(const HistoryViewContext& context);

    QLabel* Label1;
    QComboBox* Combo1;
    std::array<QRadioButton*, 2> optGraphStyle;
    QLabel* lblFrom;
    QLabel* lblTo;
    QLabel* lblHitCount;
    QLabel* lblToday;
    HistoryChart* MSChart1;
    QPushButton* cmdClose;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Combo1_Click();
    void optGraphStyle_Click(int Index);
    void DrawMonthlyChart();
    void placeToday();

    GraphStyleOption graphStyle_;
    ChartStyle chartStyle_ = ChartStyle::Bar;
};

} // namespace tallywick
