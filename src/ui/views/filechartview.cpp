#include "ui/views/filechartview.h"

#include "app/settings/settingsstore.h"
#include "core/views/filechart.h"
#include "core/views/viewlabels.h"
#include "ui/common/busycursor.h"
#include "ui/views/chartwindowlayout.h"
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

constexpr QSize kDesignedSize{Twips(10395), Twips(6465)};

TimeSpan SpanOf(const QComboBox* box)
{
    return static_cast<TimeSpan>(std::clamp(box->currentIndex(), 0, 3));
}

} // namespace

FileChartView::FileChartView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "FileChartView", QStringLiteral("Chart By File"), Frame::Fixed), graphStyle_(this)
{
    cboTimeSpan = new QComboBox(this);
    cboTimeSpan->setObjectName(QStringLiteral("cboTimeSpan"));
    cboTimeSpan->addItems(
        {QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"), QStringLiteral("Year")});
    DTPicker1 = new QDateEdit(this);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    optGraphStyle = graphStyle_.optGraphStyle;
    lblFrom = makeLabel("lblFrom", QStringLiteral("From:"));
    lblTo = makeLabel("lblTo", QStringLiteral("To:"));
    lblHitCount = makeLabel("lblHitCount", QStringLiteral("Hits"));
    lblToday = makeLabel("lblToday", QStringLiteral("Today:"));
    MSChart1 = new HistoryChart(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setImageName(QStringLiteral("Chart By File.png"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Close"));

    // Period and date, then the style, on the first line.
    auto* choiceLine = new QHBoxLayout;
    choiceLine->addWidget(cboTimeSpan);
    choiceLine->addWidget(DTPicker1);
    choiceLine->addSpacing(24);
    choiceLine->addWidget(optGraphStyle[0]);
    choiceLine->addWidget(optGraphStyle[1]);
    LayOutChartWindow(this, choiceLine, {lblFrom, lblTo, lblHitCount, lblToday}, MSChart1, cmdClose);
    fixSize(kDesignedSize);

    setTabOrder(cboTimeSpan, DTPicker1);
    setTabOrder(DTPicker1, optGraphStyle[0]);
    setTabOrder(optGraphStyle[0], optGraphStyle[1]);
    setTabOrder(optGraphStyle[1], cmdClose);

    connect(cboTimeSpan, &QComboBox::currentIndexChanged, this, &FileChartView::cboTimeSpan_Click);
    connect(DTPicker1, &QDateEdit::dateChanged, this, &FileChartView::DTPicker1_Change);
    for (int index = 0; index < 2; ++index)
        connect(optGraphStyle[index], &QRadioButton::clicked, this, [this, index] { optGraphStyle_Click(index); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
}

void FileChartView::Form_Load()
{
    const int storedSpan = context().settings.read(keys::TimeSpan);
    {
        const QScopedValueRollback loading(Loading, true);
        DTPicker1->setDate(ToQDate(today()));
        graphStyle_.restore(context().settings, keys::GraphStyle2);
        chartStyle_ = graphStyle_.style();
        cboTimeSpan->setCurrentIndex(0);
        cboTimeSpan->setCurrentIndex(storedSpan);
        cboTimeSpan_Click(); // stores the period kind even when the selection did not change
    }
    SetTimeSpanRange();
    DrawFileChart();
}

void FileChartView::cboTimeSpan_Click()
{
    if (!Loading) {
        SetTimeSpanRange();
        DrawFileChart();
    }
    context().settings.write(keys::TimeSpan, cboTimeSpan->currentIndex());
}

void FileChartView::DTPicker1_Change()
{
    if (!Loading) {
        SetTimeSpanRange();
        DrawFileChart();
    }
}

void FileChartView::optGraphStyle_Click(int Index)
{
    chartStyle_ = Index == 1 ? ChartStyle::Line : ChartStyle::Bar;
    if (!Loading)
        DrawFileChart();
}

void FileChartView::SetTimeSpanRange()
{
    const DayRange range = tallywick::SetTimeSpanRange(SpanOf(cboTimeSpan), ToSysDays(DTPicker1->date()));
    lblFrom->setText(FromText(range));
    lblTo->setText(ToText(range));
}

void FileChartView::DrawFileChart()
{
    countComputation();
    const BusyCursor busy;
    const auto result =
        FileChart(History(), TrackedItems(), SpanOf(cboTimeSpan), ToSysDays(DTPicker1->date()), today());
    MSChart1->DrawChart(result.categories, chartStyle_);
    // Without tracked items there is no category to draw: say why the chart is empty.
    MSChart1->chart()->setTitle(result.categories.empty() ? QStringLiteral("No items are tracked.") : QString());
    lblHitCount->setText(ViewText(HitLabel(result.total)));
    lblToday->setText(ViewText(TodayLabel(today())));
    QApplication::beep();
}

void FileChartView::closeEvent(QCloseEvent* event)
{
    graphStyle_.store(context().settings, keys::GraphStyle2);
    HistoryViewWindow::closeEvent(event);
}

} // namespace tallywick
