#pragma once

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace tallywick {

class HistoryChart;

// The labels above a chart: the period, the hit count and today.
struct ChartLabels {
    QLabel* lblFrom;
    QLabel* lblTo;
    QLabel* lblHitCount;
    QLabel* lblToday;
};

// Gives the labels room for the longest texts they get, so that nothing is cut or moves when
// they change.
void ReserveLabelWidths(const ChartLabels& labels);

// A chart window of fixed layout: the line of choices, then the labels (today at the right), the
// chart below them and "Close" under its right end.
void LayOutChartWindow(QWidget* window, QBoxLayout* choices, const ChartLabels& labels, HistoryChart* chart,
                       QPushButton* cmdClose);

} // namespace tallywick
