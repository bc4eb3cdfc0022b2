#include "ui/views/weekdaychartview.h"

#include "core/views/historyspan.h"
#include "core/views/viewlabels.h"
#include "core/views/weekdaychart.h"
#include "ui/common/busycursor.h"
#include "ui/views/chartwindowlayout.h"
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

constexpr QSize kDesignedSize{Twips(8895), Twips(6255)};

// Index 0 is Sunday, in the user's language.
std::string WeekdayName(std::size_t index)
{
    const int qtDay = index == 0 ? 7 : static_cast<int>(index); // Qt counts Monday 1 to Sunday 7
    return QLocale::system().dayName(qtDay, QLocale::ShortFormat).toStdString();
}

} // namespace

WeekdayChartView::WeekdayChartView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "WeekdayChartView", QStringLiteral("Traffic by Weekday"), Frame::Fixed)
{
    lblFind = makeLabel("lblFind", QStringLiteral("Select Item:"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMinimumWidth(260);
    lblFind->setBuddy(Combo1);
    auto* measure = new QButtonGroup(this);
    const std::array<const char*, 2> measureCaptions = {"Average", "Total"};
    for (int index = 0; index < 2; ++index) {
        optAverage[index] = new QRadioButton(QLatin1String(measureCaptions[index]), this);
        optAverage[index]->setObjectName(QStringLiteral("optAverage_%1").arg(index));
        measure->addButton(optAverage[index], index);
    }
    optAverage[0]->setChecked(true);
    lblFrom = makeLabel("lblFrom", QStringLiteral("From: "));
    lblTo = makeLabel("lblTo", QStringLiteral("To: "));
    lblHitCount = makeLabel("lblHitCount", QString());
    lblToday = makeLabel("lblToday", QStringLiteral("Today"));
    MSChart1 = new HistoryChart(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setImageName(QStringLiteral("Traffic by Weekday.png"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Close"));

    // Item and measure on the first line.
    auto* itemLine = new QHBoxLayout;
    itemLine->addWidget(lblFind);
    itemLine->addWidget(Combo1);
    itemLine->addSpacing(24);
    itemLine->addWidget(optAverage[0]);
    itemLine->addWidget(optAverage[1]);
    LayOutChartWindow(this, itemLine, {lblFrom, lblTo, lblHitCount, lblToday}, MSChart1, cmdClose);
    fixSize(kDesignedSize);

    connect(Combo1, &QComboBox::activated, this, &WeekdayChartView::Combo1_Click);
    for (QRadioButton* option : optAverage)
        connect(option, &QRadioButton::clicked, this, &WeekdayChartView::optAverage_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
}

void WeekdayChartView::Form_Load()
{
    FillItemBox(Combo1);
    DrawWeekdayChart();
    BringToFront();
}

void WeekdayChartView::Combo1_Click()
{
    if (!Loading)
        DrawWeekdayChart();
}

void WeekdayChartView::optAverage_Click()
{
    if (!Loading)
        DrawWeekdayChart();
}

void WeekdayChartView::DrawWeekdayChart()
{
    countComputation();
    const BusyCursor busy;
    const auto measure = optAverage[0]->isChecked() ? WeekdayMeasure::Average : WeekdayMeasure::Total;
    std::vector<ChartCategory> categories(7);
    if (const auto result = WeekdayChart(History(), TrackedItems(), SelectedEntry(Combo1), measure, today())) {
        categories = result->categories;
        const auto& range = result->weekdays.range;
        lblFrom->setText(FromText(range));
        lblTo->setText(ToText(range));
        lblHitCount->setText(ViewText(HitLabel(result->weekdays.hits)));
    } else {
        // Nothing to count: the period of whatever history there is, no hits, zero everywhere.
        const auto span = HistorySpan(History());
        lblFrom->setText(FromText(span));
        lblTo->setText(ToText(span));
        lblHitCount->setText(ViewText(HitLabel(0)));
    }
    for (std::size_t index = 0; index < categories.size(); ++index)
        categories[index].label = WeekdayName(index);
    MSChart1->DrawChart(categories, ChartStyle::Bar, measure == WeekdayMeasure::Total);
    lblToday->setText(ViewText(TodayLabel(today())));
    QApplication::beep();
    BringToFront();
}

} // namespace tallywick
