#include "ui/views/zerodaysview.h"

#include "app/files/datafolder.h"
#include "app/settings/appvalues.h"
#include "core/views/dateformat.h"
#include "core/views/zerocountdays.h"
#include "ui/common/busycursor.h"
#include "ui/common/desktop.h"
#include "ui/views/exportandopen.h"
#include "ui/views/viewtexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tallywick {
namespace {

constexpr QSize kDesignedSize{Twips(4680), Twips(4050)};

} // namespace

ZeroDaysView::ZeroDaysView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "ZeroDaysView", QStringLiteral("Zero Count Days"), Frame::Fixed)
{
    Label1 = makeLabel("Label1", QStringLiteral("Days with zero count occurring in the past month."));
    Label1->setWordWrap(true);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    cmdNotePad = makeButton("cmdNotePad", QStringLiteral("Notepad"));
    cmdReport = makeButton("cmdReport", QStringLiteral("Report"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Close"));

    // The explanation on top, the list below it, the buttons in a column on its right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(List1, 1, 0, 4, 1);
    grid->addWidget(cmdNotePad, 1, 1);
    grid->addWidget(cmdReport, 2, 1);
    grid->addWidget(cmdClose, 4, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    fixSize(kDesignedSize);

    connect(cmdNotePad, &QPushButton::clicked, this, &ZeroDaysView::cmdNotePad_Click);
    connect(cmdReport, &QPushButton::clicked, this, &ZeroDaysView::cmdReport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    FindZeroCountDays();
}

void ZeroDaysView::FindZeroCountDays()
{
    countComputation();
    const BusyCursor busy;
    const auto result = tallywick::FindZeroCountDays(History(), TrackedItems(), today());
    if (result) {
        days_ = result->days;
        for (const auto day : days_)
            List1->addItem(ViewText(FormatDate(day)));
    }
    BringToFront();
}

void ZeroDaysView::cmdNotePad_Click()
{
    ExportAndOpen(context().dataFolder, kNoCountExportName, ZeroCountText(days_));
}

void ZeroDaysView::cmdReport_Click()
{
    Desktop::OpenDocument(context().values.Traffic_URL);
}

} // namespace tallywick
