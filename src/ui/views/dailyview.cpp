#include "ui/views/dailyview.h"

#include "app/files/datafolder.h"
#include "app/settings/appvalues.h"
#include "core/views/dailytext.h"
#include "core/views/viewlabels.h"
#include "ui/common/busycursor.h"
#include "ui/views/exportandopen.h"
#include "ui/views/textarea.h"
#include "ui/views/viewtexts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace tallywick {
namespace {

constexpr QSize kDesignedSize{Twips(8625), Twips(6000)};

} // namespace

DailyView::DailyView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "DailyView", QStringLiteral("Daily Traffic"), Frame::Fixed)
{
    lblDate = makeLabel("lblDate", QStringLiteral("Date:"));
    DTPicker1 = new QDateEdit(this);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    lblDate->setBuddy(DTPicker1);
    lblFind = makeLabel("lblFind", QStringLiteral("Search String:"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumWidth(260);
    lblFind->setBuddy(Combo1);
    lblHitCount = makeLabel("lblHitCount", QStringLiteral("Hits"));
    lblHitCount->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000 Hits")) + 8);
    RichTextBox1 = MakeTextArea(this);
    cmdNotePad = makeButton("cmdNotePad", QStringLiteral("Notepad"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Close"));

    // Date and item on the left, their labels before them; the hit count beside the item box;
    // the text below; the buttons on the right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->addWidget(lblDate, 0, 0);
    grid->addWidget(DTPicker1, 0, 1, Qt::AlignLeft);
    grid->addWidget(cmdNotePad, 0, 4);
    grid->addWidget(lblFind, 1, 0);
    grid->addWidget(Combo1, 1, 1);
    grid->addWidget(lblHitCount, 1, 2);
    grid->addWidget(RichTextBox1, 2, 0, 1, 5);
    grid->addWidget(cmdClose, 3, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
    fixSize(kDesignedSize);

    connect(Combo1, &QComboBox::activated, this, &DailyView::Combo1_Click);
    connect(DTPicker1, &QDateEdit::dateChanged, this, &DailyView::DTPicker1_Change);
    connect(cmdNotePad, &QPushButton::clicked, this, &DailyView::cmdNotePad_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
}

void DailyView::Form_Load()
{
    {
        const QScopedValueRollback loading(Loading, true);
        FillItemBox(Combo1);
        const DailyDatePicker picker = DailyDateRange(today(), context().values.TimeLimit);
        DTPicker1->setDateRange(ToQDate(picker.earliest), ToQDate(picker.latest));
        DTPicker1->setDate(ToQDate(picker.value));
    }
    if (!FillDailyText())
        lblHitCount->setText(ViewText(HitLabel(0)));
    BringToFront();
}

void DailyView::Combo1_Click()
{
    if (!Loading)
        FillDailyText();
}

void DailyView::DTPicker1_Change()
{
    if (!Loading)
        FillDailyText();
}

bool DailyView::FillDailyText()
{
    countComputation();
    const auto selected = SelectedEntry(Combo1);
    if (History().empty() || selected >= TrackedItems().size())
        return false;
    const BusyCursor busy;
    ShowPleaseWait(RichTextBox1);
    auto result = DailyText(History(), TrackedItems(), selected, ToSysDays(DTPicker1->date()));
    if (!result)
        return false;
    shownText_ = std::move(result->text);
    ShowText(RichTextBox1, shownText_);
    lblHitCount->setText(ViewText(HitLabel(result->hits)));
    BringToFront();
    return true;
}

void DailyView::cmdNotePad_Click()
{
    ExportAndOpen(context().dataFolder, kDailyExportName, shownText_);
}

} // namespace tallywick
