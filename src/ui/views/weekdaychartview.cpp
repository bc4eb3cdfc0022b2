#include "ui/views/weekdaychartview.h"

#include "app/settings/preferences.h"
#include "app/settings/settingskeys.h"
#include "core/views/historyspan.h"
#include "core/views/weekdaychart.h"
#include "ui/common/busycursor.h"
#include "ui/common/labeltexts.h"
#include "ui/views/chartviewwindow.h"
#include "ui/views/historychart.h"
#include "ui/views/viewtexts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallywick {
namespace {

constexpr QSize kDesignedSize{593, 417};

// index 0 is Sunday, in the user's language.
std::string WeekdayName(std::size_t index)
{
    const int qtDay = index == 0 ? 7 : static_cast<int>(index); // Qt counts Monday 1 to Sunday 7
    return QLocale::system().dayName(qtDay, QLocale::ShortFormat).toStdString();
}

} // namespace

WeekdayChartView::WeekdayChartView(const HistoryViewContext& context) :
    ChartViewWindow(context, "WeekdayChartView", tr("Traffic by Weekday")), allTime_(this->context()),
    period_(this, this->context().today)
{
    itemLabel_ = makeLabel("itemLabel", tr("Select Item:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    itemBox_->setEditable(true);
    itemBox_->setInsertPolicy(QComboBox::NoInsert);
    limitItemBoxWidth(itemBox_);
    itemLabel_->setBuddy(itemBox_);
    auto* measure = new QButtonGroup(this);
    const std::array<const char*, 2> measureCaptions = {"Average", "Total"};
    const std::array<const char*, 2> measureNames = {"averageButton", "totalButton"};
    for (int index = 0; index < 2; ++index) {
        measureButtons_[index] = new QRadioButton(QLatin1String(measureCaptions[index]), this);
        measureButtons_[index]->setObjectName(QLatin1String(measureNames[index]));
        measure->addButton(measureButtons_[index], index);
    }
    measureButtons_[0]->setChecked(true);
    createChartParts({tr("From: "), tr("To: "), QString(), tr("Today")}, QStringLiteral("Traffic by Weekday.png"));

    // Item and measure on the first line.
    auto* itemLine = new QHBoxLayout;
    itemLine->addWidget(itemLabel_);
    itemLine->addWidget(itemBox_);
    itemLine->addSpacing(24);
    itemLine->addWidget(measureButtons_[0]);
    itemLine->addWidget(measureButtons_[1]);
    itemLine->addStretch();
    // The period below them.
    auto* periodLine = new QHBoxLayout;
    period_.addTo(periodLine);
    periodLine->addStretch();
    auto* choices = new QVBoxLayout;
    choices->addLayout(itemLine);
    choices->addLayout(periodLine);
    layOutChartParts(choices);
    openAt(kDesignedSize);

    connect(itemBox_, &QComboBox::activated, this, &WeekdayChartView::itemPicked);
    for (QRadioButton* option : measureButtons_)
        connect(option, &QRadioButton::clicked, this, &WeekdayChartView::measurePicked);
    connect(&period_, &PeriodOption::picked, this, &WeekdayChartView::periodPicked);

    load();
}

void WeekdayChartView::load()
{
    fillItemBox(itemBox_);
    period_.show(context().preferences.viewPeriod(keys::WeekdayPeriod));
    drawChart();
    bringToFront();
}

void WeekdayChartView::itemPicked()
{
    if (!loading_)
        drawChart();
}

void WeekdayChartView::measurePicked()
{
    if (!loading_)
        drawChart();
}

void WeekdayChartView::periodPicked()
{
    context().preferences.setViewPeriod(keys::WeekdayPeriod, period_.choice());
    if (!loading_)
        drawChart();
}

void WeekdayChartView::drawChart()
{
    countComputation();
    const BusyCursor busy;
    const auto measure = measureButtons_[0]->isChecked() ? WeekdayMeasure::Average : WeekdayMeasure::Total;
    std::vector<ChartCategory> categories(7);
    const auto period = period_.period();
    const PeriodRecords records(context(), allTime_, period);
    if (const auto result =
            WeekdayChart(records.records(), itemBoxItems(), selectedEntry(itemBox_), measure, today(), period)) {
        categories = result->categories;
        const auto& range = result->weekdays.range;
        fromLabel()->setText(FromText(range));
        toLabel()->setText(ToText(range));
        hitCountLabel()->setText(HitsText(result->weekdays.hits));
    } else {
        // Nothing to count: the period of whatever history there is, no hits, zero everywhere.
        const auto span = ClosedPeriod(period, HistorySpan(history()));
        fromLabel()->setText(FromText(span));
        toLabel()->setText(ToText(span));
        hitCountLabel()->setText(HitsText(0));
    }
    for (std::size_t index = 0; index < categories.size(); ++index)
        categories[index].label = WeekdayName(index);
    chart()->draw(categories, ChartStyle::Bar, measure == WeekdayMeasure::Total);
    todayLabel()->setText(TodayText(today()));
    QApplication::beep();
    bringToFront();
}

} // namespace tallywick
