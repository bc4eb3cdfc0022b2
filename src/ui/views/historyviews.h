#pragma once

#include "ui/views/historyviewcontext.h"

#include <QPointer>
#include <QWidget>

#include <array>

namespace tallywick {

// The history views that the History menu opens.
enum class HistoryView { Daily, FullText, FileChart, Monthly, Weekday, ZeroDays, ComparePeriods, Sources };
inline constexpr int kHistoryViewCount = 8;

// One window of each view: opening a view that is open only shows it again, without a new load
// step; a closed view keeps nothing and is built anew on its next opening.
class HistoryViews {
public:
    explicit HistoryViews(HistoryViewContext context);
    ~HistoryViews();
    HistoryViews(const HistoryViews&) = delete;
    HistoryViews& operator=(const HistoryViews&) = delete;

    // Shows the view, not modal, creating (and so loading) it when it is not open.
    void open(HistoryView view);
    // The open window of a view, or null.
    QWidget* window(HistoryView view) const;
    // Closes every open view (their closing steps run).
    void closeAll();

private:
    HistoryViewContext context_;
    std::array<QPointer<QWidget>, kHistoryViewCount> windows_;
};

} // namespace tallywick
