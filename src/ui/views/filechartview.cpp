#include "ui/views/filechartview.h"

#include "app/settings/settingsstore.h"
#include "core/views/filechart.h"
#include "ui/common/busycursor.h"
#include "ui/common/labeltexts.h"
#include "ui/views/chartviewwindow.h"
#include "ui/views/historychart.h"
#include "ui/views/viewtexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>

namespace tallywick {
namespace {

constexpr QSize kDesignedSize{693, 431};

TimeSpan SpanOf(const QComboBox* box)
{
    return static_cast<TimeSpan>(std::clamp(box->currentIndex(), 0, 3));
}

} // namespace

FileChartView::FileChartView(const HistoryViewContext& context) :
    ChartViewWindow(context, "FileChartView", tr("Chart By File")), graphStyle_(this)
{
    periodBox_ = new QComboBox(this);
    periodBox_->setObjectName(QStringLiteral("periodBox"));
    periodBox_->addItems({tr("Day"), tr("Week"), tr("Month"), tr("Year")});
    datePicker_ = new QDateEdit(this);
    datePicker_->setObjectName(QStringLiteral("datePicker"));
    datePicker_->setCalendarPopup(true);
    datePicker_->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    createChartParts({tr("From:"), tr("To:"), tr("Hits"), tr("Today:")}, QStringLiteral("Chart By File.png"));

    // Period and date, then the style, on the first line.
    auto* choiceLine = new QHBoxLayout;
    choiceLine->addWidget(periodBox_);
    choiceLine->addWidget(datePicker_);
    choiceLine->addSpacing(24);
    choiceLine->addWidget(graphStyle_.button(0));
    choiceLine->addWidget(graphStyle_.button(1));
    layOutChartParts(choiceLine);
    openAt(kDesignedSize);

    setTabOrder(periodBox_, datePicker_);
    setTabOrder(datePicker_, graphStyle_.button(0));
    setTabOrder(graphStyle_.button(0), graphStyle_.button(1));
    setTabOrder(graphStyle_.button(1), closeButton());

    connect(periodBox_, &QComboBox::currentIndexChanged, this, &FileChartView::periodPicked);
    connect(datePicker_, &QDateEdit::dateChanged, this, &FileChartView::datePicked);
    for (int index = 0; index < 2; ++index)
        connect(graphStyle_.button(index), &QRadioButton::clicked, this, [this, index] { stylePicked(index); });

    load();
}

void FileChartView::load()
{
    const int storedSpan = context().settings.read(keys::TimeSpan);
    {
        const QScopedValueRollback loading(loading_, true);
        datePicker_->setDate(ToQDate(today()));
        graphStyle_.restore(context().settings, keys::GraphStyle2);
        chartStyle_ = graphStyle_.style();
        periodBox_->setCurrentIndex(0);
        periodBox_->setCurrentIndex(storedSpan);
        periodPicked(); // stores the period kind even when the selection did not change
    }
    limitDateToPeriod();
    drawChart();
}

void FileChartView::periodPicked()
{
    if (!loading_) {
        limitDateToPeriod();
        drawChart();
    }
    context().settings.write(keys::TimeSpan, periodBox_->currentIndex());
}

void FileChartView::datePicked()
{
    if (!loading_) {
        limitDateToPeriod();
        drawChart();
    }
}

void FileChartView::stylePicked(int index)
{
    chartStyle_ = index == 1 ? ChartStyle::Line : ChartStyle::Bar;
    if (!loading_)
        drawChart();
}

void FileChartView::limitDateToPeriod()
{
    const DayRange range = tallywick::SetTimeSpanRange(SpanOf(periodBox_), ToSysDays(datePicker_->date()));
    fromLabel()->setText(FromText(range));
    toLabel()->setText(ToText(range));
}

void FileChartView::drawChart()
{
    countComputation();
    const BusyCursor busy;
    const auto result =
        FileChart(history(), trackedItems(), SpanOf(periodBox_), ToSysDays(datePicker_->date()), today());
    chart()->draw(result.categories, chartStyle_);
    // Without tracked items there is no category to draw: say why the chart is empty.
    chart()->chart()->setTitle(result.categories.empty() ? tr("No items are tracked.") : QString());
    hitCountLabel()->setText(HitsText(result.total));
    todayLabel()->setText(TodayText(today()));
    QApplication::beep();
}

void FileChartView::closeEvent(QCloseEvent* event)
{
    graphStyle_.store(context().settings, keys::GraphStyle2);
    ChartViewWindow::closeEvent(event);
}

} // namespace tallywick
