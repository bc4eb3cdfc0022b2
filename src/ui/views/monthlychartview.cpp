#include "ui/views/monthlychartview.h"

#include "app/settings/appvalues.h"
#include "core/views/historyspan.h"
#include "core/views/monthlychart.h"
#include "core/views/viewlabels.h"
#include "ui/common/busycursor.h"
#include "ui/views/chartviewwindow.h"
#include "ui/views/historychart.h"
#include "ui/views/viewtexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScopedValueRollback>

#include <algorithm>

namespace tallywick {
namespace {

// A little wider than the designed 627 by 435, so that twelve month labels fit side by side.
constexpr QSize kOpeningSize{720, 480};
constexpr int kMargin = Twips(240);
constexpr int kItemBoxWidth = 260;
constexpr int kFirstRow = 16;
constexpr int kSecondRow = Twips(960);

} // namespace

MonthlyChartView::MonthlyChartView(const HistoryViewContext& context) :
    ChartViewWindow(context, "MonthlyChartView", QStringLiteral("Traffic by Month"), Frame::Resizable),
    graphStyle_(this), monthsBeforeLimit_(this, this->context())
{
    itemLabel_ = makeLabel("itemLabel", QStringLiteral("Select Item:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    itemLabel_->setBuddy(itemBox_);
    createChartParts(
        {QStringLiteral(" From:"), QStringLiteral("To:"), QStringLiteral("Hits"), QStringLiteral("Today:")},
        QStringLiteral("Traffic by Month.png"));

    // The band above the chart keeps its places; the chart, "Close" and the today label follow
    // the window's size.
    const QFontMetrics metrics = fontMetrics();
    const int rowHeight = std::max(itemBox_->sizeHint().height(), metrics.height());
    const int labelWidth = metrics.horizontalAdvance(itemLabel_->text()) + 4;
    itemLabel_->setGeometry(kMargin, kFirstRow, labelWidth, rowHeight);
    itemBox_->setGeometry(itemLabel_->geometry().right() + 8, kFirstRow, kItemBoxWidth, rowHeight);
    int x = itemBox_->geometry().right() + 24;
    for (QRadioButton* option : graphStyle_.buttons()) {
        option->setGeometry(x, kFirstRow, option->sizeHint().width(), rowHeight);
        x += option->sizeHint().width() + 16;
    }
    QCheckBox* allTime = monthsBeforeLimit_.checkBox();
    allTime->setGeometry(x + 8, kFirstRow, allTime->sizeHint().width(), rowHeight);
    x = allTime->geometry().right() + 1;
    reserveLabelWidths();
    fromLabel()->setGeometry(kMargin, kSecondRow, fromLabel()->minimumWidth(), metrics.height());
    toLabel()->setGeometry(fromLabel()->geometry().right() + 16, kSecondRow, toLabel()->minimumWidth(),
                           metrics.height());
    hitCountLabel()->setGeometry(toLabel()->geometry().right() + 16, kSecondRow, hitCountLabel()->minimumWidth(),
                                 metrics.height());
    todayLabel()->setFixedHeight(metrics.height());
    closeButton()->resize(std::max(closeButton()->sizeHint().width(), Twips(1080)), closeButton()->sizeHint().height());

    const int bandWidth = std::max(x, hitCountLabel()->geometry().right() + 16 + todayLabel()->minimumWidth());
    setMinimumSize(QSize(bandWidth + kMargin, Twips(5400)));
    resize(kOpeningSize.expandedTo(minimumSize()));

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
    hitCountLabel()->setText(ViewText(HitLabel(result.total)));
    todayLabel()->setText(ViewText(TodayLabel(today())));
    placeToday();
    QApplication::beep();
}

void MonthlyChartView::placeToday()
{
    // At its designed distance from the right edge, unless its text needs more room.
    const int width = std::max(todayLabel()->minimumWidth(), todayLabel()->sizeHint().width());
    todayLabel()->setGeometry(std::min(this->width() - Twips(3600), this->width() - kMargin - width), kSecondRow, width,
                              todayLabel()->height());
}

void MonthlyChartView::resizeEvent(QResizeEvent* event)
{
    ChartViewWindow::resizeEvent(event);
    const int w = event->size().width();
    const int h = event->size().height();
    chart()->setGeometry(kMargin, Twips(1320), std::max(0, w - Twips(480)), std::max(0, h - Twips(2400)));
    closeButton()->move(w - Twips(1600), h - Twips(800));
    placeToday();
}

void MonthlyChartView::closeEvent(QCloseEvent* event)
{
    graphStyle_.store(context().settings, keys::GraphStyle1);
    monthsBeforeLimit_.store(context().settings);
    ChartViewWindow::closeEvent(event);
}

} // namespace tallywick
