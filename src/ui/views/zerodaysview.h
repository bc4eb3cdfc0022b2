#pragma once

#include "ui/views/historyviewwindow.h"

#include <chrono>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tallywick {

// The Zero Count Days window: the days of the past month without any tracked download.
class ZeroDaysView : public HistoryViewWindow {
    Q_OBJECT

public:
    explicit ZeroDaysView(const HistoryViewContext& context);

    QLabel* Label1;
    QListWidget* List1;
    QPushButton* cmdNotePad;
    QPushButton* cmdReport;
    QPushButton* cmdClose;

private:
    void FindZeroCountDays();
    void cmdNotePad_Click();
    void cmdReport_Click();

    std::vector<std::chrono::sys_days> days_; // as listed
};

} // namespace tallywick
