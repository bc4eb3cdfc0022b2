#include "ui/views/dailyview.h"

#include "app/files/datafolder.h"
#include "app/settings/preferences.h"
#include "core/views/dailytext.h"
#include "ui/common/busycursor.h"
#include "ui/common/labeltexts.h"
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

constexpr QSize kDesignedSize{575, 400};

} // namespace

DailyView::DailyView(const HistoryViewContext& context) : HistoryViewWindow(context, "DailyView", tr("Daily Traffic"))
{
    dateLabel_ = makeLabel("dateLabel", tr("Date:"));
    datePicker_ = new QDateEdit(this);
    datePicker_->setObjectName(QStringLiteral("datePicker"));
    datePicker_->setCalendarPopup(true);
    datePicker_->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dateLabel_->setBuddy(datePicker_);
    itemLabel_ = makeLabel("itemLabel", tr("Search String:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    limitItemBoxWidth(itemBox_);
    itemLabel_->setBuddy(itemBox_);
    hitCountLabel_ = makeLabel("hitCountLabel", tr("Hits"));
    hitCountLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000 Hits")) + 8);
    textArea_ = MakeTextArea(this);
    notepadButton_ = makeButton("notepadButton", tr("Notepad"));
    closeButton_ = makeButton("closeButton", tr("Close"));

    // Date and item on the left, their labels before them; the hit count beside the item box;
    // the text below; the buttons on the right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->addWidget(dateLabel_, 0, 0);
    grid->addWidget(datePicker_, 0, 1, Qt::AlignLeft);
    grid->addWidget(notepadButton_, 0, 4);
    grid->addWidget(itemLabel_, 1, 0);
    grid->addWidget(itemBox_, 1, 1);
    grid->addWidget(hitCountLabel_, 1, 2);
    grid->addWidget(textArea_, 2, 0, 1, 5);
    grid->addWidget(closeButton_, 3, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
    openAt(kDesignedSize);

    connect(itemBox_, &QComboBox::activated, this, &DailyView::itemPicked);
    connect(datePicker_, &QDateEdit::dateChanged, this, &DailyView::datePicked);
    connect(notepadButton_, &QPushButton::clicked, this, &DailyView::exportText);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    load();
}

void DailyView::load()
{
    {
        const QScopedValueRollback loading(loading_, true);
        fillItemBox(itemBox_);
        const DailyDatePicker picker = DailyDateRange(today(), context().preferences.timeLimit());
        datePicker_->setDateRange(ToQDate(picker.earliest), ToQDate(picker.latest));
        datePicker_->setDate(ToQDate(picker.value));
    }
    if (!fillText())
        hitCountLabel_->setText(HitsText(0));
    bringToFront();
}

void DailyView::itemPicked()
{
    if (!loading_)
        fillText();
}

void DailyView::datePicked()
{
    if (!loading_)
        fillText();
}

bool DailyView::fillText()
{
    countComputation();
    const auto selected = selectedEntry(itemBox_);
    if (history().empty() || selected >= itemBoxItems().size())
        return false;
    const BusyCursor busy;
    ShowPleaseWait(textArea_);
    auto result = DailyText(history(), itemBoxItems(), selected, ToSysDays(datePicker_->date()));
    if (!result)
        return false;
    shownText_ = std::move(result->text);
    ShowText(textArea_, shownText_);
    hitCountLabel_->setText(HitsText(result->hits));
    bringToFront();
    return true;
}

void DailyView::exportText()
{
    ExportAndOpen(this, context().dataFolder, kDailyExportName, shownText_);
}

} // namespace tallywick
