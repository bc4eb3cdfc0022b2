#include "ui/views/monthlychartview.h"

#include "app/settings/appvalues.h"
#include "core/views/historyspan.h"
#include "core/views/monthlychart.h"
#include "core/views/viewlabels.h"
#include "ui/common/busycursor.h"
#include "ui/views/chartwindowlayout.h"
#include "ui/views/historychart.h"
#include "ui/views/viewtexts.h"

#include <QApplication>
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
    HistoryViewWindow(context, "MonthlyChartView", QStringLiteral("Traffic by Month"), Frame::Resizable),
    graphStyle_(this)
{
    Label1 = makeLabel("Label1", QStringLiteral("Select Item:"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label1->setBuddy(Combo1);
    optGraphStyle = graphStyle_.optGraphStyle;
    lblFrom = makeLabel("lblFrom", QStringLiteral(" From:"));
    lblTo = makeLabel("lblTo", QStringLiteral("To:"));
    lblHitCount = makeLabel("lblHitCount", QStringLiteral("Hits"));
    lblToday = makeLabel("lblToday", QStringLiteral("Today:"));
    MSChart1 = new HistoryChart(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setImageName(QStringLiteral("Traffic by Month.png"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Close"));

    // The band above the chart keeps its places; the chart, "Close" and the today label follow
    // the window's size.
    const QFontMetrics metrics = fontMetrics();
    const int rowHeight = std::max(Combo1->sizeHint().height(), metrics.height());
    const int labelWidth = metrics.horizontalAdvance(Label1->text()) + 4;
    Label1->setGeometry(kMargin, kFirstRow, labelWidth, rowHeight);
    Combo1->setGeometry(Label1->geometry().right() + 8, kFirstRow, kItemBoxWidth, rowHeight);
    int x = Combo1->geometry().right() + 24;
    for (QRadioButton* option : optGraphStyle) {
        option->setGeometry(x, kFirstRow, option->sizeHint().width(), rowHeight);
        x += option->sizeHint().width() + 16;
    }
    ReserveLabelWidths({lblFrom, lblTo, lblHitCount, lblToday});
    lblFrom->setGeometry(kMargin, kSecondRow, lblFrom->minimumWidth(), metrics.height());
    lblTo->setGeometry(lblFrom->geometry().right() + 16, kSecondRow, lblTo->minimumWidth(), metrics.height());
    lblHitCount->setGeometry(lblTo->geometry().right() + 16, kSecondRow, lblHitCount->minimumWidth(), metrics.height());
    lblToday->setFixedHeight(metrics.height());
    cmdClose->resize(std::max(cmdClose->sizeHint().width(), Twips(1080)), cmdClose->sizeHint().height());

    const int bandWidth = std::max(x, lblHitCount->geometry().right() + 16 + lblToday->minimumWidth());
    setMinimumSize(QSize(bandWidth + kMargin, Twips(5400)));
    resize(kOpeningSize.expandedTo(minimumSize()));

    setTabOrder(Combo1, optGraphStyle[0]);
    setTabOrder(optGraphStyle[0], optGraphStyle[1]);
    setTabOrder(optGraphStyle[1], cmdClose);

    connect(Combo1, &QComboBox::activated, this, &MonthlyChartView::Combo1_Click);
    for (int index = 0; index < 2; ++index)
        connect(optGraphStyle[index], &QRadioButton::clicked, this, [this, index] { optGraphStyle_Click(index); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
}

void MonthlyChartView::Form_Load()
{
    FillItemBox(Combo1);
    {
        const QScopedValueRollback loading(Loading, true);
        graphStyle_.restore(context().settings, keys::GraphStyle1);
    }
    chartStyle_ = graphStyle_.style();
    const auto span = HistorySpan(History());
    lblFrom->setText(FromText(span));
    lblTo->setText(ToText(span));
    DrawMonthlyChart();
    BringToFront();
}

void MonthlyChartView::Combo1_Click()
{
    if (!Loading)
        DrawMonthlyChart();
}

void MonthlyChartView::optGraphStyle_Click(int Index)
{
    chartStyle_ = Index == 1 ? ChartStyle::Line : ChartStyle::Bar;
    if (!Loading)
        DrawMonthlyChart();
}

void MonthlyChartView::DrawMonthlyChart()
{
    countComputation();
    const BusyCursor busy;
    const auto result =
        MonthlyChart(History(), TrackedItems(), SelectedEntry(Combo1), context().values.TimeLimit, today());
    MSChart1->DrawChart(result.categories, chartStyle_);
    lblHitCount->setText(ViewText(HitLabel(result.total)));
    lblToday->setText(ViewText(TodayLabel(today())));
    placeToday();
    QApplication::beep();
}

void MonthlyChartView::placeToday()
{
    // At its designed distance from the right edge, unless its text needs more room.
    const int width = std::max(lblToday->minimumWidth(), lblToday->sizeHint().width());
    lblToday->setGeometry(std::min(this->width() - Twips(3600), this->width() - kMargin - width), kSecondRow, width,
                          lblToday->height());
}

void MonthlyChartView::resizeEvent(QResizeEvent* event)
{
    HistoryViewWindow::resizeEvent(event);
    const int W = event->size().width();
    const int H = event->size().height();
    MSChart1->setGeometry(kMargin, Twips(1320), std::max(0, W - Twips(480)), std::max(0, H - Twips(2400)));
    cmdClose->move(W - Twips(1600), H - Twips(800));
    placeToday();
}

void MonthlyChartView::closeEvent(QCloseEvent* event)
{
    graphStyle_.store(context().settings, keys::GraphStyle1);
    HistoryViewWindow::closeEvent(event);
}

} // namespace tallywick
