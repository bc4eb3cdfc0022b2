#pragma once

#include "ui/views/historyviewwindow.h"

class QBoxLayout;
class QLabel;
class QPushButton;

namespace tallywick {

class HistoryChart;

// The first texts of the labels above a chart, until the view computes their own.
struct ChartLabelTexts {
    QString from;
    QString to;
    QString hits;
    QString today;
};

// What the month, weekday and file charts share: the labels above the chart (the period, the
// hit count and today), the chart and "Close", which closes the window.
class ChartViewWindow : public HistoryViewWindow {
    Q_OBJECT

protected:
    using HistoryViewWindow::HistoryViewWindow;

    // Makes the labels, the chart (its image offered as `imageName`) and "Close", after the
    // view's own choices so that they follow them in the tab order.
    void createChartParts(const ChartLabelTexts& texts, const QString& imageName);
    // The usual arrangement: the line of choices, then the labels (today at the right), the
    // chart below them and "Close" under its right end.
    void layOutChartParts(QBoxLayout* choices);
    // Gives the labels room for the longest texts they get, so that nothing is cut or moves
    // when they change.
    void reserveLabelWidths();

    QLabel* fromLabel() const { return fromLabel_; }
    QLabel* toLabel() const { return toLabel_; }
    QLabel* hitCountLabel() const { return hitCountLabel_; }
    QLabel* todayLabel() const { return todayLabel_; }
    HistoryChart* chart() const { return chart_; }
    QPushButton* closeButton() const { return closeButton_; }

private:
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* hitCountLabel_ = nullptr;
    QLabel* todayLabel_ = nullptr;
    HistoryChart* chart_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tallywick
