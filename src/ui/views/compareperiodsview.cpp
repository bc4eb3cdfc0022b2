#include "ui/views/compareperiodsview.h"

#include "app/files/datafolder.h"
#include "core/views/dateformat.h"
#include "core/views/periodtexts.h"
#include "core/views/shortfilelabel.h"
#include "ui/common/busycursor.h"
#include "ui/views/exportandopen.h"
#include "ui/views/sortabletable.h"
#include "ui/views/viewtexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

namespace tallywick {
namespace {

using namespace std::chrono;

// Small enough to open whole on a 1080-line screen at twice the size.
constexpr QSize kOpeningSize{800, 500};

QString RangeText(const DayRange& range)
{
    return QString::fromStdString(FormatDate(range.first) + " - " + FormatDate(range.last));
}

QString Signed(std::int64_t value)
{
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

} // namespace

ComparePeriodsView::ComparePeriodsView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "ComparePeriodsView", tr("Compare Periods")), allTime_(this->context())
{
    spanLabel_ = makeLabel("spanLabel", tr("Period:"));
    spanBox_ = new QComboBox(this);
    spanBox_->setObjectName(QStringLiteral("spanBox"));
    spanBox_->addItems({tr("Week"), tr("Month"), tr("Year")});
    spanBox_->setCurrentIndex(static_cast<int>(ComparedSpan::Month));
    spanLabel_->setBuddy(spanBox_);
    dayLabel_ = makeLabel("dayLabel", tr("Up to:"));
    dayPicker_ = new QDateEdit(ToQDate(today()), this);
    dayPicker_->setObjectName(QStringLiteral("dayPicker"));
    dayPicker_->setCalendarPopup(true);
    dayPicker_->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dayLabel_->setBuddy(dayPicker_);
    currentLabel_ = makeLabel("currentLabel", tr("This period:"));
    previousLabel_ = makeLabel("previousLabel", tr("Period before:"));
    table_ = MakeSortableTable(
        this, "comparisonTable",
        {tr("Item"), tr("Now"), tr("Before"), tr("Change"), tr("Change %"), tr("Unique now"), tr("Unique before")});
    table_->setToolTip(tr("Unique a day: on each day, the different downloaders (address and browser or tool), "
                          "added up over the period's days"));
    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("comparisonChart"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumHeight(160);
    notepadButton_ = makeButton("notepadButton", tr("Notepad"));
    saveAsButton_ = makeButton("saveAsButton", tr("Save As..."));
    closeButton_ = makeButton("closeButton", tr("Close"));

    // The choices and the exports on top, the two periods below them, then the table and the
    // chart sharing the room, "Close" at the bottom right.
    auto* choices = new QHBoxLayout;
    choices->setSpacing(8);
    choices->addWidget(spanLabel_);
    choices->addWidget(spanBox_);
    choices->addSpacing(16);
    choices->addWidget(dayLabel_);
    choices->addWidget(dayPicker_);
    choices->addStretch();
    choices->addWidget(notepadButton_);
    choices->addWidget(saveAsButton_);
    auto* periods = new QHBoxLayout;
    periods->setSpacing(24);
    periods->addWidget(currentLabel_);
    periods->addWidget(previousLabel_);
    periods->addStretch();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addLayout(choices, 0, 0, 1, 2);
    grid->addLayout(periods, 1, 0, 1, 2);
    grid->addWidget(table_, 2, 0, 1, 2);
    grid->addWidget(chart_, 3, 0, 1, 2);
    grid->addWidget(closeButton_, 4, 1);
    grid->setRowStretch(2, 2);
    grid->setRowStretch(3, 3);
    grid->setColumnStretch(0, 1);
    openAt(kOpeningSize);

    connect(spanBox_, &QComboBox::activated, this, &ComparePeriodsView::compare);
    connect(dayPicker_, &QDateEdit::dateChanged, this, &ComparePeriodsView::compare);
    connect(notepadButton_, &QPushButton::clicked, this,
            [this] { ExportAndOpen(this, this->context().dataFolder, kCompareExportName, shownText_); });
    connect(saveAsButton_, &QPushButton::clicked, this,
            [this] { SaveViewText(this, this->context().dataFolder, kCompareExportName, shownText_); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    if (!allTime_.error().isEmpty())
        setToolTip(allTime_.error());
    compare();
    bringToFront();
}

void ComparePeriodsView::compare()
{
    countComputation();
    const BusyCursor busy;
    // The period before may lie past the time limit: all time counts it.
    const auto comparison =
        ComparePeriods(allTime_.records(), trackedItems(), static_cast<ComparedSpan>(spanBox_->currentIndex()),
                       ToSysDays(dayPicker_->date()));
    currentLabel_->setText(tr("This period: %1").arg(RangeText(comparison.periods.current)));
    previousLabel_->setText(tr("Period before: %1").arg(RangeText(comparison.periods.previous)));
    showTable(comparison);
    showChart(comparison);
    shownText_ = JoinLines(ComparisonLines(comparison), "\r\n");
}

void ComparePeriodsView::showTable(const PeriodComparison& comparison)
{
    BeginRows(table_, static_cast<int>(comparison.items.size()));
    for (int row = 0; row < static_cast<int>(comparison.items.size()); ++row) {
        const auto& item = comparison.items[static_cast<std::size_t>(row)];
        const auto number = [](std::int64_t value) {
            return new NumberCell(QString::number(value), static_cast<double>(value));
        };
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(item.item)));
        table_->setItem(row, 1, number(item.current));
        table_->setItem(row, 2, number(item.previous));
        table_->setItem(row, 3, new NumberCell(Signed(item.change), static_cast<double>(item.change)));
        table_->setItem(row, 4,
                        new NumberCell(QString::fromStdString(PercentText(item.changePercent)), item.changePercent));
        table_->setItem(row, 5, number(item.currentUnique));
        table_->setItem(row, 6, number(item.previousUnique));
    }
    EndRows(table_);
}

void ComparePeriodsView::showChart(const PeriodComparison& comparison)
{
    auto* chart = new QChart;
    auto* current = new QBarSet(tr("This period"));
    auto* previous = new QBarSet(tr("Period before"));
    QStringList labels;
    double largest = 0;
    for (const auto& item : comparison.items) {
        current->append(static_cast<double>(item.current));
        previous->append(static_cast<double>(item.previous));
        labels.append(QString::fromStdString(std::string(ShortFileLabel(item.item))));
        largest = std::max({largest, static_cast<double>(item.current), static_cast<double>(item.previous)});
    }
    auto* series = new QBarSeries;
    series->append(current);
    series->append(previous);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(0, std::max(largest, 1.0));
    values->setLabelFormat(QStringLiteral("%d"));
    values->applyNiceNumbers();
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

} // namespace tallywick
