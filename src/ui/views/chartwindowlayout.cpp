#include "ui/views/chartwindowlayout.h"

#include "ui/views/historychart.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tallywick {

void ReserveLabelWidths(const ChartLabels& labels)
{
    const QFontMetrics metrics = labels.lblFrom->fontMetrics();
    const int dateWidth = metrics.horizontalAdvance(QStringLiteral("From: 00/00/0000")) + 8;
    labels.lblFrom->setMinimumWidth(dateWidth);
    labels.lblTo->setMinimumWidth(dateWidth);
    labels.lblHitCount->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000 Hits")) + 8);
    labels.lblToday->setMinimumWidth(
        metrics.horizontalAdvance(QStringLiteral("Today is Wednesday, September 00, 0000")));
}

void LayOutChartWindow(QWidget* window, QBoxLayout* choices, const ChartLabels& labels, HistoryChart* chart,
                       QPushButton* cmdClose)
{
    ReserveLabelWidths(labels);
    auto* grid = new QGridLayout(window);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    choices->setSpacing(8);
    choices->addStretch();
    auto* labelLine = new QHBoxLayout;
    labelLine->setSpacing(16);
    labelLine->addWidget(labels.lblFrom);
    labelLine->addWidget(labels.lblTo);
    labelLine->addWidget(labels.lblHitCount);
    labelLine->addStretch();
    labelLine->addWidget(labels.lblToday);
    grid->addLayout(choices, 0, 0, 1, 2);
    grid->addLayout(labelLine, 1, 0, 1, 2);
    grid->addWidget(chart, 2, 0, 1, 2);
    grid->addWidget(cmdClose, 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
}

} // namespace tallywick
