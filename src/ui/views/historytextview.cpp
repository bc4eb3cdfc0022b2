#include "ui/views/historytextview.h"

#include "app/files/datafolder.h"
#include "core/views/historyspan.h"
#include "core/views/historytext.h"
#include "core/views/viewlabels.h"
#include "ui/views/exportandopen.h"
#include "ui/views/textarea.h"
#include "ui/views/viewtexts.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>

namespace tallywick {
namespace {

constexpr QSize kDesignedSize{Twips(7425), Twips(4110)};
constexpr QSize kOpeningSize{780, 500};
constexpr int kMargin = Twips(240);
constexpr int kItemBoxWidth = 260;

} // namespace

HistoryTextView::HistoryTextView(const HistoryViewContext& context) :
    HistoryViewWindow(context, "HistoryTextView", QStringLiteral("History"), Frame::Resizable),
    allTime_(this->context())
{
    fromLabel_ = makeLabel("fromLabel", QStringLiteral("From:"));
    toLabel_ = makeLabel("toLabel", QStringLiteral("To:"));
    itemLabel_ = makeLabel("itemLabel", QStringLiteral("Search String:"));
    itemBox_ = new QComboBox(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    itemBox_->setEditable(true);
    itemBox_->setInsertPolicy(QComboBox::NoInsert);
    itemLabel_->setBuddy(itemBox_);
    hitCountLabel_ = makeLabel("hitCountLabel", QStringLiteral("Hits:"));
    textArea_ = MakeTextArea(this);
    notepadButton_ = makeButton("notepadButton", QStringLiteral("Notepad"));
    closeButton_ = makeButton("closeButton", QStringLiteral("Close"));

    // The band above the text area keeps its places; only the text area and the buttons follow
    // the window's size.
    const QFontMetrics metrics = fontMetrics();
    const int dateWidth = metrics.horizontalAdvance(QStringLiteral("From: 00/00/0000")) + 8;
    const int rowHeight = std::max(itemBox_->sizeHint().height(), metrics.height());
    fromLabel_->setGeometry(kMargin, 16, dateWidth, metrics.height());
    toLabel_->setGeometry(kMargin + dateWidth + 16, 16, dateWidth, metrics.height());
    const int findWidth = metrics.horizontalAdvance(itemLabel_->text()) + 4;
    itemLabel_->setGeometry(kMargin, 48, findWidth, rowHeight);
    itemBox_->setGeometry(itemLabel_->geometry().right() + 8, 48, kItemBoxWidth, rowHeight);
    hitCountLabel_->setGeometry(itemBox_->geometry().right() + 16, 48,
                                metrics.horizontalAdvance(HitsWithAllTime(88888, 888888)) + 8, rowHeight);
    for (QPushButton* button : {notepadButton_, closeButton_})
        button->resize(std::max(button->sizeHint().width(), Twips(1080)), button->sizeHint().height());

    setMinimumSize(kDesignedSize.expandedTo(QSize(hitCountLabel_->geometry().right() + kMargin, 0)));
    resize(kOpeningSize);

    connect(itemBox_, &QComboBox::activated, this, &HistoryTextView::itemPicked);
    connect(notepadButton_, &QPushButton::clicked, this, &HistoryTextView::exportText);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    load();
}

void HistoryTextView::load()
{
    fillItemBox(itemBox_, ViewText(kAllHistoryEntry));
    const auto span = HistorySpan(history());
    fromLabel_->setText(FromText(span));
    toLabel_->setText(ToText(span));
    fillText();
    bringToFront();
}

void HistoryTextView::itemPicked()
{
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
    auto result = HistoryText(history(), item);
    shownText_ = std::move(result.text);
    ShowText(textArea_, shownText_);
    hitCountLabel_->setText(
        allTime_.reachesBeforeHistory()
            ? HitsWithAllTime(result.hits, allTime_.count(item ? std::optional<std::string_view>(*item) : std::nullopt))
            : ViewText(HitLabel(result.hits)));
}

void HistoryTextView::exportText()
{
    ExportAndOpen(this, context().dataFolder, kHistoryExportName, shownText_);
}

void HistoryTextView::resizeEvent(QResizeEvent* event)
{
    HistoryViewWindow::resizeEvent(event);
    const int w = event->size().width();
    const int h = event->size().height();
    textArea_->setGeometry(kMargin, Twips(1320), std::max(0, w - Twips(480)), std::max(0, h - Twips(2255)));
    notepadButton_->move(w - Twips(1320), Twips(180));
    closeButton_->move(w - Twips(1320), h - Twips(640));
}

} // namespace tallywick
