#pragma once

#include "ui/views/historyviewwindow.h"

#include <chrono>
#include <optional>
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

private:
    void findDays();
    void exportText();
    void openTrafficReport();

    std::vector<std::chrono::sys_days> days_;  // as listed
    std::vector<std::optional<bool>> covered_; // per listed day, when "coverage.dat" tells

    QLabel* explanationLabel_ = nullptr;
    QListWidget* dayList_ = nullptr;
    QPushButton* notepadButton_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tallywick
