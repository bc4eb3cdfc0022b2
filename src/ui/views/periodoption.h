#pragma once

#include "core/views/period.h"
#include "core/views/periodchoice.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

class QBoxLayout;
class QComboBox;
class QDateEdit;
class QLabel;
class QWidget;

namespace tallywick {

// "Period:" with its box (All, This month, Last month, Last 7 days, Last 30 days, This year,
// Custom) and, for Custom, the first and the last day. Says when the user picks another period.
class PeriodOption : public QObject {
    Q_OBJECT

public:
    PeriodOption(QWidget* parent, std::function<std::chrono::sys_days()> today);

    // Shows the choice without announcing it.
    void show(const PeriodChoice& choice);
    PeriodChoice choice() const;
    // The days of the choice today; no period for All.
    Period period() const;

    // Adds the label, the box and the two day pickers to a line of controls.
    void addTo(QBoxLayout* line) const;
    QComboBox* box() const { return box_; }

signals:
    void picked();

private:
    void kindPicked();
    void dayPicked();
    void showPickers();

    std::function<std::chrono::sys_days()> today_;
    QLabel* label_;
    QComboBox* box_;
    QDateEdit* firstDay_;
    QDateEdit* lastDay_;
    bool showing_ = false;
};

} // namespace tallywick
