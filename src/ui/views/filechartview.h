#pragma once

#include "core/views/calendar.h"
#include "ui/views/chartviewwindow.h"
#include "ui/views/graphstyle.h"

#include <array>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallywick {

// The Chart By File window: the records of every tracked item in the day, week, month or year
// that holds a picked date. The period kind is kept in "TimeSpan", the style in "GraphStyle2".
class FileChartView : public ChartViewWindow {
    Q_OBJECT

public:
    explicit FileChartView(const HistoryViewContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void periodPicked();
    void datePicked();
    void stylePicked(int index);
    void limitDateToPeriod();
    void drawChart();

    GraphStyleOption graphStyle_;
    ChartStyle chartStyle_ = ChartStyle::Bar;

    QComboBox* periodBox_ = nullptr;
    QDateEdit* datePicker_ = nullptr;
};

} // namespace tallywick
