#include "ui/views/chartviewwindow.h"

#include "ui/views/historychart.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tallywick {

void ChartViewWindow::createChartParts(const ChartLabelTexts& texts, const QString& imageName)
{
    fromLabel_ = makeLabel("fromLabel", texts.from);
    toLabel_ = makeLabel("toLabel", texts.to);
    hitCountLabel_ = makeLabel("hitCountLabel", texts.hits);
    todayLabel_ = makeLabel("todayLabel", texts.today);
    chart_ = new HistoryChart(this);
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setImageName(imageName);
    closeButton_ = makeButton("closeButton", tr("Close"));
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void ChartViewWindow::reserveLabelWidths()
{
    const QFontMetrics metrics = fromLabel_->fontMetrics();
    const int dateWidth = metrics.horizontalAdvance(QStringLiteral("From: 00/00/0000")) + 8;
    fromLabel_->setMinimumWidth(dateWidth);
    toLabel_->setMinimumWidth(dateWidth);
    hitCountLabel_->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000 Hits")) + 8);
    todayLabel_->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Today is Wednesday, September 00, 0000")));
}

void ChartViewWindow::layOutChartParts(QBoxLayout* choices)
{
    reserveLabelWidths();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    choices->setSpacing(8);
    choices->addStretch();
    auto* labelLine = new QHBoxLayout;
    labelLine->setSpacing(16);
    labelLine->addWidget(fromLabel_);
    labelLine->addWidget(toLabel_);
    labelLine->addWidget(hitCountLabel_);
    labelLine->addStretch();
    labelLine->addWidget(todayLabel_);
    grid->addLayout(choices, 0, 0, 1, 2);
    grid->addLayout(labelLine, 1, 0, 1, 2);
    grid->addWidget(chart_, 2, 0, 1, 2);
    grid->addWidget(closeButton_, 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
}

} // namespace tallywick
