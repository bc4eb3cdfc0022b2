#include "ui/views/monthlychartview.h"

#include "app/settings/preferences.h"
#include "core/views/historyspan.h"
#include "core/views/monthlychart.h"
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

namespace tallywick {
namespace {

// A little wider than the designed 627 by 435, so that twelve month labels fit side by side.
constexpr QSize kOpeningSize{720, 480};

} // namespace

MonthlyChartView::MonthlyChartView(const HistoryViewContext& context) :
    ChartViewWindow(context, "MonthlyChartView", tr("Traffic by Month")), graphStyle_(this),
    monthsBeforeLimit_(this, this->context())
{
    itemLabel_ = makeLabel("itemLabel", tr("Select Item:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    itemLabel_->setBuddy(itemBox_);
    createChartParts({tr(" From:"), tr("To:"), tr("Hits"), tr("Today:")}, QStringLiteral("Traffic by Month.png"));

    // Item, style and all time on the first line.
    limitItemBoxWidth(itemBox_);
    QCheckBox* allTime = monthsBeforeLimit_.checkBox();
    auto* choiceLine = new QHBoxLayout;
    choiceLine->addWidget(itemLabel_);
    choiceLine->addWidget(itemBox_);
    choiceLine->addSpacing(16);
    choiceLine->addWidget(graphStyle_.button(0));
    choiceLine->addWidget(graphStyle_.button(1));
    choiceLine->addSpacing(8);
    choiceLine->addWidget(allTime);
    layOutChartParts(choiceLine);
    openAt(kOpeningSize);

    setTabOrder(itemBox_, graphStyle_.button(0));
    setTabOrder(graphStyle_.button(0), graphStyle_.button(1));
    setTabOrder(graphStyle_.button(1), allTime);
    setTabOrder(allTime, closeButton());

    connect(itemBox_, &QComboBox::activated, this, &MonthlyChartView::itemPicked);
    for (int index = 0; index < 2; ++index)
        connect(graphStyle_.button(index), &QRadioButton::clicked, this, [this, index] { stylePicked(index); });
    connect(allTime, &QCheckBox::toggled, this, [this] {
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
    }
    chartStyle_ = graphStyle_.style();
    const auto span = HistorySpan(history());
    fromLabel()->setText(FromText(span));
    toLabel()->setText(ToText(span));
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

void MonthlyChartView::drawChart()
{
    countComputation();
    const BusyCursor busy;
    const auto result = monthsBeforeLimit_.chart(itemBoxItems(), selectedEntry(itemBox_));
    chart()->draw(result.categories, chartStyle_);
    fromLabel()->setText(FromText(result.span));
    toLabel()->setText(ToText(result.span));
    hitCountLabel()->setText(HitsText(result.total));
    todayLabel()->setText(TodayText(today()));
    QApplication::beep();
}

void MonthlyChartView::closeEvent(QCloseEvent* event)
{
    graphStyle_.store(context().settings, keys::GraphStyle1);
    monthsBeforeLimit_.store(context().settings);
    ChartViewWindow::closeEvent(event);
}

} // namespace tallywick
