#pragma once

#include "core/views/periodcomparison.h"
#include "ui/views/alltimehistory.h"
#include "ui/views/historyviewwindow.h"

#include <string>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tallywick {

// The Compare Periods window: per tracked item, its downloads and unique downloaders a day in
// this week, month or year up to a day, against the same span of the one before; as a sortable
// table and a pair of bars per item.
class ComparePeriodsView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit ComparePeriodsView(const HistoryViewContext& context);

private:
    void compare();
    void showTable(const PeriodComparison& comparison);
    void showChart(const PeriodComparison& comparison);

    AllTimeHistory allTime_;
    std::string shownText_; // the exports' content

    QLabel* spanLabel_ = nullptr;
    QComboBox* spanBox_ = nullptr; // in the order of ComparedSpan
    QLabel* dayLabel_ = nullptr;
    QDateEdit* dayPicker_ = nullptr;
    QLabel* currentLabel_ = nullptr;
    QLabel* previousLabel_ = nullptr;
    QTableWidget* table_ = nullptr;
    QChartView* chart_ = nullptr;
    QPushButton* notepadButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tallywick
