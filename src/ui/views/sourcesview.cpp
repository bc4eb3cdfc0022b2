#include "ui/views/sourcesview.h"

#include "app/files/datafolder.h"
#include "core/views/historyspan.h"
#include "core/views/historytext.h"
#include "core/views/periodtexts.h"
#include "ui/common/busycursor.h"
#include "ui/common/labeltexts.h"
#include "ui/views/exportandopen.h"
#include "ui/views/sortabletable.h"
#include "ui/views/viewtexts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

namespace tallywick {
namespace {

// Room for the top ten and their table; small enough to open whole on a 1080-line screen at
// twice the size.
constexpr QSize kOpeningSize{860, 500};

} // namespace

SourcesView::SourcesView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "SourcesView", tr("Sources")), allTime_(this->context()),
    period_(this, this->context().today)
{
    itemLabel_ = makeLabel("itemLabel", tr("Search String:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    limitItemBoxWidth(itemBox_);
    itemLabel_->setBuddy(itemBox_);
    fromLabel_ = makeLabel("fromLabel", tr("From:"));
    toLabel_ = makeLabel("toLabel", tr("To:"));
    hitCountLabel_ = makeLabel("hitCountLabel", tr("Hits:"));
    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("sourcesChart"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumHeight(240);
    table_ = MakeSortableTable(this, "sourcesTable", {tr("Source"), tr("Downloads"), tr("Share")});
    table_->setToolTip(tr("The site of the page that linked to the download. (direct): no referrer; "
                          "(unreadable): a referrer that is no web address; (other): the sites after the top ten"));
    notepadButton_ = makeButton("notepadButton", tr("Notepad"));
    saveAsButton_ = makeButton("saveAsButton", tr("Save As..."));
    closeButton_ = makeButton("closeButton", tr("Close"));

    // Item, period and the exports on top, the dates and the count below them, then the chart
    // with the table beside it (one above the other would leave the chart's rows too low for
    // their names), "Close" at the bottom right.
    auto* choices = new QHBoxLayout;
    choices->setSpacing(8);
    choices->addWidget(itemLabel_);
    choices->addWidget(itemBox_);
    choices->addSpacing(16);
    period_.addTo(choices);
    choices->addStretch();
    choices->addWidget(notepadButton_);
    choices->addWidget(saveAsButton_);
    auto* labels = new QHBoxLayout;
    labels->setSpacing(16);
    const int dateWidth = fontMetrics().horizontalAdvance(QStringLiteral("From: 00/00/0000")) + 8;
    fromLabel_->setMinimumWidth(dateWidth);
    toLabel_->setMinimumWidth(dateWidth);
    labels->addWidget(fromLabel_);
    labels->addWidget(toLabel_);
    labels->addWidget(hitCountLabel_);
    labels->addStretch();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addLayout(choices, 0, 0, 1, 2);
    grid->addLayout(labels, 1, 0, 1, 2);
    auto* results = new QHBoxLayout;
    results->addWidget(chart_, 3);
    results->addWidget(table_, 2);
    grid->addLayout(results, 2, 0, 1, 2);
    grid->addWidget(closeButton_, 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    openAt(kOpeningSize);

    connect(itemBox_, &QComboBox::activated, this, [this] {
        if (!loading_)
            countSources();
    });
    connect(&period_, &PeriodOption::picked, this, &SourcesView::countSources);
    connect(notepadButton_, &QPushButton::clicked, this,
            [this] { ExportAndOpen(this, this->context().dataFolder, kSourcesExportName, shownText_); });
    connect(saveAsButton_, &QPushButton::clicked, this,
            [this] { SaveViewText(this, this->context().dataFolder, kSourcesExportName, shownText_); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    fillItemBox(itemBox_, ViewText(kAllHistoryEntry));
    countSources();
    bringToFront();
}

void SourcesView::countSources()
{
    countComputation();
    const BusyCursor busy;
    std::optional<std::string> item;
    if (itemBox_->currentIndex() > 0)
        item = itemBox_->currentText().toStdString();
    const auto period = period_.period();
    const PeriodRecords records(context(), allTime_, period);
    const std::vector<std::string_view> views(records.records().begin(), records.records().end());
    const auto sources = DownloadSources(views, item, period);

    const auto span = ClosedPeriod(period, HistorySpan(history()));
    fromLabel_->setText(FromText(span));
    toLabel_->setText(ToText(span));
    hitCountLabel_->setText(HitsText(sources.total));
    showChart(sources);
    showTable(sources);
    shownText_ = JoinLines({"Search String: " + item.value_or(std::string(kAllHistoryEntry)),
                            FromText(span).toStdString(), ToText(span).toStdString(), ""},
                           "\r\n") +
                 JoinLines(SourcesLines(sources), "\r\n");
}

void SourcesView::showTable(const DownloadSourcesResult& sources)
{
    BeginRows(table_, static_cast<int>(sources.sources.size()));
    for (int row = 0; row < static_cast<int>(sources.sources.size()); ++row) {
        const auto& source = sources.sources[static_cast<std::size_t>(row)];
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(source.host)));
        table_->setItem(row, 1,
                        new NumberCell(QString::number(source.downloads), static_cast<double>(source.downloads)));
        table_->setItem(row, 2, new NumberCell(QStringLiteral("%1 %").arg(source.percent, 0, 'f', 1), source.percent));
    }
    EndRows(table_);
}

void SourcesView::showChart(const DownloadSourcesResult& sources)
{
    auto* chart = new QChart;
    auto* downloads = new QBarSet(tr("Downloads"));
    downloads->setLabelColor(palette().color(QPalette::WindowText));
    QStringList hosts;
    double largest = 0;
    // The axis lists its categories from the bottom up: the top source goes last.
    for (auto at = sources.sources.size(); at-- > 0;) {
        const SourceShare& source = sources.sources[at];
        downloads->append(static_cast<double>(source.downloads));
        hosts.append(QString::fromStdString(source.host));
        largest = std::max(largest, static_cast<double>(source.downloads));
    }
    auto* series = new QHorizontalBarSeries;
    series->append(downloads);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(hosts);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(0, std::max(largest, 1.0));
    values->setLabelFormat(QStringLiteral("%d"));
    values->applyNiceNumbers();
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
    chart->legend()->hide();
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

} // namespace tallywick
