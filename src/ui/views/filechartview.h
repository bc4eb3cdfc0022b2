#pragma once

#include "core/views/calendar.h"
#include "ui/views/graphstyle.h"
#include "ui/views/historyviewwindow.h"

#include <array>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallywick {

class HistoryChart;

// The Chart By File window: the records of every tracked item in the day, week, month or year
// that holds a picked date. The period kind is kept in "TimeSpan", the style in "GraphStyle2".
class FileChartView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit FileChartView(const HistoryViewContext& context);

    QComboBox* cboTimeSpan;
    QDateEdit* DTPicker1;
    std::array<QRadioButton*, 2> optGraphStyle;
    QLabel* lblFrom;
    QLabel* lblTo;
    QLabel* lblHitCount;
    QLabel* lblToday;
    HistoryChart* MSChart1;
    QPushButton* cmdClose;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void cboTimeSpan_Click();
    void DTPicker1_Change();
    void optGraphStyle_Click(int Index);
    void SetTimeSpanRange();
    void DrawFileChart();

    GraphStyleOption graphStyle_;
    ChartStyle chartStyle_ = ChartStyle::Bar;
};

} // namespace tallywick
