#include "ui/views/weekdaychartview.h"

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
    ChartViewWindow(context, "WeekdayChartView", tr("Traffic by Weekday"))
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
    layOutChartParts(itemLine);
    openAt(kDesignedSize);

    connect(itemBox_, &QComboBox::activated, this, &WeekdayChartView::itemPicked);
    for (QRadioButton* option : measureButtons_)
        connect(option, &QRadioButton::clicked, this, &WeekdayChartView::measurePicked);

    load();
}

void WeekdayChartView::load()
{
    fillItemBox(itemBox_);
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

void WeekdayChartView::drawChart()
{
    countComputation();
    const BusyCursor busy;
    const auto measure = measureButtons_[0]->isChecked() ? WeekdayMeasure::Average : WeekdayMeasure::Total;
    std::vector<ChartCategory> categories(7);
    if (const auto result = WeekdayChart(history(), itemBoxItems(), selectedEntry(itemBox_), measure, today())) {
        categories = result->categories;
        const auto& range = result->weekdays.range;
        fromLabel()->setText(FromText(range));
        toLabel()->setText(ToText(range));
        hitCountLabel()->setText(HitsText(result->weekdays.hits));
    } else {
        // Nothing to count: the period of whatever history there is, no hits, zero everywhere.
        const auto span = HistorySpan(history());
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
