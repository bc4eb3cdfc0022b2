#pragma once

#include "ui/views/chartviewwindow.h"
#include "ui/views/graphstyle.h"
#include "ui/views/monthsbeforelimit.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallywick {

// The Traffic by Month window: the records of one tracked item in each month of the history
// period (or of all time), as bars or as a line. The style is kept in "GraphStyle1".
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
    void drawChart();

    GraphStyleOption graphStyle_;
    MonthsBeforeLimitOption monthsBeforeLimit_;
    ChartStyle chartStyle_ = ChartStyle::Bar;

    QLabel* itemLabel_ = nullptr;
    QComboBox* itemBox_ = nullptr;
};

} // namespace tallywick
