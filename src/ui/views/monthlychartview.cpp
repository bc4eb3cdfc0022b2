#include "ui/views/monthlychartview.h"

#include "app/settings/preferences.h"
#include "app/settings/settingskeys.h"
#include "core/views/monthlychart.h"
#include "core/views/periodcomparison.h"
#include "core/views/periodtexts.h"
#include "core/views/periodviews.h"
#include "core/views/recordrules.h"
#include "core/views/uniquedownloaders.h"
#include "ui/common/busycursor.h"
#include "ui/common/labeltexts.h"
#include "ui/views/chartviewwindow.h"
#include "ui/views/historychart.h"
#include "ui/views/viewtexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace tallywick {
namespace {

// A little wider than the designed 627 by 435, so that twelve month labels fit side by side.
constexpr QSize kOpeningSize{720, 480};

enum class MonthlySeries { Downloads = 0, UniquePerDay = 1 };

// Each category's value: the month's unique downloaders a day.
template <class Records>
void ShowUniquePerDay(MonthlyChartResult& chart, const Records& records, std::string_view item, const Period& period)
{
    const auto counts =
        UniquePerDayByMonth(records, item, chart.firstMonth, static_cast<int>(chart.categories.size()), period);
    for (std::size_t i = 0; i < counts.size(); ++i)
        chart.categories[i].value = static_cast<double>(counts[i]);
}

} // namespace

MonthlyChartView::MonthlyChartView(const HistoryViewContext& context) :
    ChartViewWindow(context, "MonthlyChartView", tr("Traffic by Month")), graphStyle_(this),
    monthsBeforeLimit_(this, this->context()), period_(this, this->context().today)
{
    itemLabel_ = makeLabel("itemLabel", tr("Select Item:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    itemLabel_->setBuddy(itemBox_);
    seriesLabel_ = makeLabel("seriesLabel", tr("Series:"));
    seriesBox_ = new QComboBox(this);
    seriesBox_->setObjectName(QStringLiteral("seriesBox"));
    seriesBox_->addItems({tr("Downloads"), tr("Unique a day")});
    seriesBox_->setToolTip(tr("Unique a day: on each day, the different downloaders (address and browser or "
                              "tool), added up over the month's days. \"Hits\" stays the number of downloads."));
    seriesLabel_->setBuddy(seriesBox_);
    monthComparisonLabel_ = makeLabel("monthComparisonLabel", QString());
    monthComparisonLabel_->setToolTip(tr("This month so far against the same days of last month"));
    createChartParts({tr(" From:"), tr("To:"), tr("Hits"), tr("Today:")}, QStringLiteral("Traffic by Month.png"));

    // Item, style and all time on the first line; the period, the series and this month
    // against the last below them.
    limitItemBoxWidth(itemBox_);
    QCheckBox* allTime = monthsBeforeLimit_.checkBox();
    auto* itemLine = new QHBoxLayout;
    itemLine->addWidget(itemLabel_);
    itemLine->addWidget(itemBox_);
    itemLine->addSpacing(16);
    itemLine->addWidget(graphStyle_.button(0));
    itemLine->addWidget(graphStyle_.button(1));
    itemLine->addSpacing(8);
    itemLine->addWidget(allTime);
    itemLine->addStretch();
    auto* periodLine = new QHBoxLayout;
    period_.addTo(periodLine);
    periodLine->addSpacing(16);
    periodLine->addWidget(seriesLabel_);
    periodLine->addWidget(seriesBox_);
    periodLine->addStretch();
    periodLine->addWidget(monthComparisonLabel_);
    auto* choices = new QVBoxLayout;
    choices->addLayout(itemLine);
    choices->addLayout(periodLine);
    layOutChartParts(choices);
    openAt(kOpeningSize);

    setTabOrder(itemBox_, graphStyle_.button(0));
    setTabOrder(graphStyle_.button(0), graphStyle_.button(1));
    setTabOrder(graphStyle_.button(1), allTime);
    setTabOrder(allTime, period_.box());
    setTabOrder(period_.box(), seriesBox_);
    setTabOrder(seriesBox_, closeButton());

    connect(itemBox_, &QComboBox::activated, this, &MonthlyChartView::itemPicked);
    for (int index = 0; index < 2; ++index)
        connect(graphStyle_.button(index), &QRadioButton::clicked, this, [this, index] { stylePicked(index); });
    connect(allTime, &QCheckBox::toggled, this, [this] {
        if (!loading_)
            drawChart();
    });
    connect(&period_, &PeriodOption::picked, this, &MonthlyChartView::periodPicked);
    connect(seriesBox_, &QComboBox::activated, this, [this] {
        if (!loading_)
            drawChart();
    });

    load();
}

void MonthlyChartView::load()
{
    fillItemBox(itemBox_);
    {
        const QScopedValueRollback loading(loading_, true);
        graphStyle_.restore(context().settings, keys::GraphStyle1);
        monthsBeforeLimit_.restore(context().settings);
        period_.show(context().preferences.viewPeriod(keys::MonthlyPeriod));
    }
    chartStyle_ = graphStyle_.style();
    drawChart();
    bringToFront();
}

void MonthlyChartView::itemPicked()
{
    if (!loading_)
        drawChart();
}

void MonthlyChartView::stylePicked(int index)
{
    chartStyle_ = index == 1 ? ChartStyle::Line : ChartStyle::Bar;
    if (!loading_)
        drawChart();
}

void MonthlyChartView::periodPicked()
{
    context().preferences.setViewPeriod(keys::MonthlyPeriod, period_.choice());
    if (!loading_)
        drawChart();
}

void MonthlyChartView::drawChart()
{
    countComputation();
    const BusyCursor busy;
    const auto& items = itemBoxItems();
    const auto selected = selectedEntry(itemBox_);
    const auto item = SelectedItem(items, selected).value_or("");
    const bool unique = seriesBox_->currentIndex() == static_cast<int>(MonthlySeries::UniquePerDay);
    const auto period = period_.period();
    // A period decides the months itself.
    monthsBeforeLimit_.checkBox()->setEnabled(period.isAll());

    MonthlyChartResult result;
    if (!period.isAll()) {
        const PeriodRecords records(context(), monthsBeforeLimit_.allTime(), period);
        result = MonthlyChartInPeriod(records.records(), items, selected, period, context().preferences.timeLimit(),
                                      today());
        if (unique)
            ShowUniquePerDay(result, records.records(), item, period);
    } else {
        result = monthsBeforeLimit_.chart(items, selected);
        if (unique && monthsBeforeLimit_.includesAllTime())
            ShowUniquePerDay(result, monthsBeforeLimit_.allTime().records(), item, period);
        else if (unique)
            ShowUniquePerDay(result, history(), item, period);
    }
    chart()->draw(result.categories, chartStyle_);
    fromLabel()->setText(FromText(result.span));
    toLabel()->setText(ToText(result.span));
    hitCountLabel()->setText(HitsText(result.total));
    todayLabel()->setText(TodayText(today()));
    showMonthComparison();
    QApplication::beep();
}

void MonthlyChartView::showMonthComparison()
{
    const auto item = SelectedItem(itemBoxItems(), selectedEntry(itemBox_)).value_or("");
    // Last month lies before a time limit of one month: all time counts it.
    const auto compared =
        ComparePeriods(monthsBeforeLimit_.allTime().records(), {std::string(item)}, ComparedSpan::Month, today());
    const auto& counts = compared.items.front();
    monthComparisonLabel_->setText(QString::fromStdString(MonthComparisonLine(counts.current, counts.previous)));
}

void MonthlyChartView::closeEvent(QCloseEvent* event)
{
    graphStyle_.store(context().settings, keys::GraphStyle1);
    monthsBeforeLimit_.store(context().settings);
    ChartViewWindow::closeEvent(event);
}

} // namespace tallywick
