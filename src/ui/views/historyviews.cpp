#include "ui/views/historyviews.h"

#include "ui/common/windowregistry.h"

#include "ui/views/compareperiodsview.h"
#include "ui/views/dailyview.h"
#include "ui/views/filechartview.h"
#include "ui/views/historytextview.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/sourcesview.h"
#include "ui/views/weekdaychartview.h"
#include "ui/views/zerodaysview.h"

namespace tallywick {
namespace {

// Making a view runs its load step.
QWidget* MakeView(HistoryView view, const HistoryViewContext& context)
{
    switch (view) {
    case HistoryView::Daily:
        return new DailyView(context);
    case HistoryView::FullText:
        return new HistoryTextView(context);
    case HistoryView::FileChart:
        return new FileChartView(context);
    case HistoryView::Monthly:
        return new MonthlyChartView(context);
    case HistoryView::Weekday:
        return new WeekdayChartView(context);
    case HistoryView::ComparePeriods:
        return new ComparePeriodsView(context);
    case HistoryView::Sources:
        return new SourcesView(context);
    case HistoryView::ZeroDays:
        break;
    }
    return new ZeroDaysView(context);
}

} // namespace

HistoryViews::HistoryViews(HistoryViewContext context) : context_(std::move(context)) {}

HistoryViews::~HistoryViews()
{
    closeAll();
    // Closed windows are deleted once control returns to the event loop, which may not happen
    // again; they must not outlive the lists they read.
    for (auto& window : windows_)
        delete window.data();
}

void HistoryViews::open(HistoryView view)
{
    auto& window = windows_[static_cast<std::size_t>(view)];
    if (!window)
        window = MakeView(view, context_);
    BringForward(window);
}

QWidget* HistoryViews::window(HistoryView view) const
{
    return windows_[static_cast<std::size_t>(view)];
}

void HistoryViews::closeAll()
{
    for (auto& window : windows_) {
        if (window)
            window->close();
    }
}

} // namespace tallywick
