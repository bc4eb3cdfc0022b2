#include "ui/views/zerodaysview.h"

#include "app/files/datafolder.h"
#include "app/settings/preferences.h"
#include "app/store/coveragefile.h"
#include "core/views/dateformat.h"
#include "core/views/zerocountdays.h"
#include "core/views/zerodaymarks.h"
#include "ui/common/busycursor.h"
#include "ui/common/desktop.h"
#include "ui/views/exportandopen.h"
#include "ui/views/viewtexts.h"
#include "ui/views/zerodaycoverage.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace tallywick {
namespace {

constexpr QSize kDesignedSize{312, 270};

} // namespace

ZeroDaysView::ZeroDaysView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "ZeroDaysView", tr("Zero Count Days"))
{
    explanationLabel_ = makeLabel("explanationLabel", tr("Days with zero count occurring in the past month."));
    explanationLabel_->setWordWrap(true);
    dayList_ = new QListWidget(this);
    dayList_->setObjectName(QStringLiteral("dayList"));
    notepadButton_ = makeButton("notepadButton", tr("Notepad"));
    reportButton_ = makeButton("reportButton", tr("Report"));
    closeButton_ = makeButton("closeButton", tr("Close"));

    // The explanation on top, the list below it, the buttons in a column on its right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->addWidget(explanationLabel_, 0, 0, 1, 2);
    grid->addWidget(dayList_, 1, 0, 4, 1);
    grid->addWidget(notepadButton_, 1, 1);
    grid->addWidget(reportButton_, 2, 1);
    grid->addWidget(closeButton_, 4, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    openAt(kDesignedSize);

    connect(notepadButton_, &QPushButton::clicked, this, &ZeroDaysView::exportText);
    connect(reportButton_, &QPushButton::clicked, this, &ZeroDaysView::openTrafficReport);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    findDays();
}

void ZeroDaysView::findDays()
{
    countComputation();
    const BusyCursor busy;
    const auto result = tallywick::FindZeroCountDays(history(), trackedItems(), today());
    if (result) {
        days_ = result->days;
        if (const auto coverage = ReadCoverageFile(context().dataFolder).coverage) {
            covered_ = ZeroDayMarks(days_, *coverage);
            // The marks widen the list beyond its designed width.
            dayList_->setMinimumWidth(dayList_->fontMetrics().horizontalAdvance(ZeroDayEntry(today(), true)) +
                                      dayList_->verticalScrollBar()->sizeHint().width() + 2 * dayList_->frameWidth() +
                                      8);
            openAt(kDesignedSize);
        }
        for (std::size_t i = 0; i < days_.size(); ++i)
            dayList_->addItem(ZeroDayEntry(days_[i], i < covered_.size() ? covered_[i] : std::nullopt));
    }
    bringToFront();
}

void ZeroDaysView::exportText()
{
    ExportAndOpen(this, context().dataFolder, kNoCountExportName, MarkedZeroCountText(days_, covered_));
}

void ZeroDaysView::openTrafficReport()
{
    Desktop::OpenDocument(context().preferences.trafficPage().url);
}

} // namespace tallywick
