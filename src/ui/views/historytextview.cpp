#include "ui/views/historytextview.h"

#include "app/files/datafolder.h"
#include "app/settings/preferences.h"
#include "app/settings/settingskeys.h"
#include "core/views/historyspan.h"
#include "core/views/historytext.h"
#include "core/views/periodviews.h"
#include "ui/common/labeltexts.h"
#include "ui/views/exportandopen.h"
#include "ui/views/textarea.h"
#include "ui/views/viewtexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tallywick {
namespace {

// Wider than designed, so that a record shows on one line.
constexpr QSize kOpeningSize{780, 500};

} // namespace

HistoryTextView::HistoryTextView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "HistoryTextView", tr("History")), allTime_(this->context()),
    period_(this, this->context().today)
{
    fromLabel_ = makeLabel("fromLabel", tr("From:"));
    toLabel_ = makeLabel("toLabel", tr("To:"));
    itemLabel_ = makeLabel("itemLabel", tr("Search String:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    itemBox_->setEditable(true);
    itemBox_->setInsertPolicy(QComboBox::NoInsert);
    itemLabel_->setBuddy(itemBox_);
    hitCountLabel_ = makeLabel("hitCountLabel", tr("Hits:"));
    textArea_ = MakeTextArea(this);
    notepadButton_ = makeButton("notepadButton", tr("Notepad"));
    closeButton_ = makeButton("closeButton", tr("Close"));

    // The dates and the period and "Notepad" on top, the item and its count below them, the text area growing
    // with the window and "Close" under its right end.
    const QFontMetrics metrics = fontMetrics();
    const int dateWidth = metrics.horizontalAdvance(tr("From: 00/00/0000")) + 8;
    fromLabel_->setMinimumWidth(dateWidth);
    toLabel_->setMinimumWidth(dateWidth);
    limitItemBoxWidth(itemBox_);
    hitCountLabel_->setMinimumWidth(metrics.horizontalAdvance(HitsWithAllTime(88888, 888888)) + 8);
    auto* period = new QHBoxLayout;
    period->setSpacing(16);
    period->addWidget(fromLabel_);
    period->addWidget(toLabel_);
    period_.addTo(period);
    period->addStretch(1);
    auto* item = new QHBoxLayout;
    item->setSpacing(8);
    item->addWidget(itemLabel_);
    item->addWidget(itemBox_);
    item->addSpacing(8);
    item->addWidget(hitCountLabel_);
    item->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addLayout(period, 0, 0);
    grid->addWidget(notepadButton_, 0, 1);
    grid->addLayout(item, 1, 0, 1, 2);
    grid->addWidget(textArea_, 2, 0, 1, 2);
    grid->addWidget(closeButton_, 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    openAt(kOpeningSize);

    connect(itemBox_, &QComboBox::activated, this, &HistoryTextView::itemPicked);
    connect(&period_, &PeriodOption::picked, this, &HistoryTextView::periodPicked);
    connect(notepadButton_, &QPushButton::clicked, this, &HistoryTextView::exportText);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    load();
}

void HistoryTextView::load()
{
    fillItemBox(itemBox_, ViewText(kAllHistoryEntry));
    period_.show(context().preferences.viewPeriod(keys::HistoryPeriod));
    fillText();
    bringToFront();
}

void HistoryTextView::itemPicked()
{
    if (!loading_)
        fillText();
}

void HistoryTextView::periodPicked()
{
    context().preferences.setViewPeriod(keys::HistoryPeriod, period_.choice());
    if (!loading_)
        fillText();
}

void HistoryTextView::fillText()
{
    countComputation();
    ShowPleaseWait(textArea_);
    std::optional<std::string> item;
    if (itemBox_->currentIndex() != 0)
        item = itemBox_->currentText().toStdString();
    const auto period = period_.period();
    auto result = HistoryTextInPeriod(PeriodRecords(context(), allTime_, period).records(), item, period);
    shownText_ = std::move(result.text);
    ShowText(textArea_, shownText_);
    // From/To: the whole history's first and last record, or the period.
    fromLabel_->setText(FromText(result.span));
    toLabel_->setText(ToText(result.span));
    hitCountLabel_->setText(
        allTime_.reachesBeforeHistory() && period.isAll()
            ? HitsWithAllTime(result.hits, allTime_.count(item ? std::optional<std::string_view>(*item) : std::nullopt))
            : HitsText(result.hits));
}

void HistoryTextView::exportText()
{
    ExportAndOpen(this, context().dataFolder, kHistoryExportName, shownText_);
}

} // namespace tallywick
