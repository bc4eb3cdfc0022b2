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
    HistoryViewWindow(context, "HistoryTextView", QStringLiteral("History"), Frame::Resizable)
{
    lblFrom = makeLabel("lblFrom", QStringLiteral("From:"));
    lblTo = makeLabel("lblTo", QStringLiteral("To:"));
    lblFind = makeLabel("lblFind", QStringLiteral("Search String:"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    lblFind->setBuddy(Combo1);
    lblHits = makeLabel("lblHits", QStringLiteral("Hits:"));
    RichTextBox1 = MakeTextArea(this);
    cmdNotePad = makeButton("cmdNotePad", QStringLiteral("Notepad"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Close"));

    // The band above the text area keeps its places; only the text area and the buttons follow
    // the window's size.
    const QFontMetrics metrics = fontMetrics();
    const int dateWidth = metrics.horizontalAdvance(QStringLiteral("From: 00/00/0000")) + 8;
    const int rowHeight = std::max(Combo1->sizeHint().height(), metrics.height());
    lblFrom->setGeometry(kMargin, 16, dateWidth, metrics.height());
    lblTo->setGeometry(kMargin + dateWidth + 16, 16, dateWidth, metrics.height());
    const int findWidth = metrics.horizontalAdvance(lblFind->text()) + 4;
    lblFind->setGeometry(kMargin, 48, findWidth, rowHeight);
    Combo1->setGeometry(lblFind->geometry().right() + 8, 48, kItemBoxWidth, rowHeight);
    lblHits->setGeometry(Combo1->geometry().right() + 16, 48,
                         metrics.horizontalAdvance(QStringLiteral("00000 Hits")) + 8, rowHeight);
    for (QPushButton* button : {cmdNotePad, cmdClose})
        button->resize(std::max(button->sizeHint().width(), Twips(1080)), button->sizeHint().height());

    setMinimumSize(kDesignedSize.expandedTo(QSize(lblHits->geometry().right() + kMargin, 0)));
    resize(kOpeningSize);

    connect(Combo1, &QComboBox::activated, this, &HistoryTextView::Combo1_Click);
    connect(cmdNotePad, &QPushButton::clicked, this, &HistoryTextView::cmdNotePad_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
}

void HistoryTextView::Form_Load()
{
    FillItemBox(Combo1, ViewText(kAllHistoryEntry));
    const auto span = HistorySpan(History());
    lblFrom->setText(FromText(span));
    lblTo->setText(ToText(span));
    FillHistoryText();
    BringToFront();
}

void HistoryTextView::Combo1_Click()
{
    if (!Loading)
        FillHistoryText();
}

void HistoryTextView::FillHistoryText()
{
    countComputation();
    ShowPleaseWait(RichTextBox1);
    std::optional<std::string> item;
    if (Combo1->currentIndex() != 0)
        item = Combo1->currentText().toStdString();
    auto result = HistoryText(History(), item);
    shownText_ = std::move(result.text);
    ShowText(RichTextBox1, shownText_);
    lblHits->setText(ViewText(HitLabel(result.hits)));
}

void HistoryTextView::cmdNotePad_Click()
{
    ExportAndOpen(context().dataFolder, kHistoryExportName, shownText_);
}

void HistoryTextView::resizeEvent(QResizeEvent* event)
{
    HistoryViewWindow::resizeEvent(event);
    const int W = event->size().width();
    const int H = event->size().height();
    RichTextBox1->setGeometry(kMargin, Twips(1320), std::max(0, W - Twips(480)), std::max(0, H - Twips(2255)));
    cmdNotePad->move(W - Twips(1320), Twips(180));
    cmdClose->move(W - Twips(1320), H - Twips(640));
}

} // namespace tallywick
