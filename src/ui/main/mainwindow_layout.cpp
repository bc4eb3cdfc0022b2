// The arrangement of the main window, Full Window: the paste box over both search panels, and
// the button that hides and shows it.

#include "ui/main/mainwindow.h"

#include "ui/common/labeltexts.h"
#include "ui/main/pastebox.h"
#include "ui/main/searchpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallywick {
namespace {

const QString kShown = QStringLiteral("<<");
const QString kHidden = QStringLiteral(">>");

// The size the window was designed at; a larger font makes it larger.
constexpr QSize kDesignedClientSize{621, 421};

void ReserveWidth(QLabel* label, const QString& widestText)
{
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widestText) + 2);
}

} // namespace

void MainWindow::arrangeControls(QWidget* client)
{
    // The two search panels one above the other, growing with the window.
    panelsArea_ = new QWidget(client);
    panelsArea_->setObjectName(QStringLiteral("panelsArea"));
    auto* panels = new QVBoxLayout(panelsArea_);
    panels->setContentsMargins(0, 0, 0, 0);
    panels->setSpacing(6);
    for (SearchPanel* panel : panels_)
        panels->addWidget(panel, 1);

    // The paste box's own place, kept while the box lies over the panels so that the row does
    // not move.
    pasteBoxPlace_ = new QWidget(client);
    pasteBoxPlace_->setObjectName(QStringLiteral("pasteBoxPlace"));
    auto* place = new QHBoxLayout(pasteBoxPlace_);
    place->setContentsMargins(0, 0, 0, 0);
    pasteBox_->setOneLine(true);
    place->addWidget(pasteBox_);
    pasteBoxPlace_->setMinimumHeight(pasteBox_->minimumHeight());
    pasteBoxPlace_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    // The options above the paste box; "Full Window" above the overall count, "Close" at the right.
    auto* options = new QHBoxLayout;
    options->setSpacing(12);
    options->addWidget(trafficReportLabel_);
    options->addWidget(searchOnStartBox_);
    options->addWidget(noDuplicatesBox_);
    options->addStretch(1);
    auto* pasteRow = new QHBoxLayout;
    pasteRow->setSpacing(2);
    pasteRow->addWidget(pasteBoxToggle_);
    pasteRow->addWidget(pasteBoxPlace_, 1);
    // The overall count, and below it what it left out: beside it, the note would widen the
    // window past a screen at large scales.
    auto* totalRow = new QVBoxLayout;
    totalRow->setObjectName(QStringLiteral("totalRow"));
    totalRow->setSpacing(0);
    ReserveWidth(totalLabel_, AllFoundText(kWidestCount, kWidestCount));
    totalRow->addWidget(totalLabel_);
    totalRow->addWidget(leftOutLabel_);

    auto* bottom = new QGridLayout;
    bottom->setHorizontalSpacing(8);
    bottom->setVerticalSpacing(2);
    bottom->addLayout(options, 0, 0);
    bottom->addWidget(fullWindowBox_, 0, 1, 1, 2);
    bottom->addLayout(pasteRow, 1, 0);
    bottom->addLayout(totalRow, 1, 1);
    bottom->addWidget(closeButton_, 1, 2);
    bottom->setColumnStretch(0, 1);

    clientLayout_ = new QGridLayout(client);
    clientLayout_->setContentsMargins(16, 4, 16, 4);
    clientLayout_->setVerticalSpacing(6);
    clientLayout_->addWidget(panelsArea_, 0, 0);
    clientLayout_->addLayout(bottom, 1, 0);
    clientLayout_->setRowStretch(0, 1);

    // It opens at its designed size, or larger where the fonts need more room.
    const QSize frame = sizeHint() - client->sizeHint();
    resize((kDesignedClientSize + QSize(0, frame.height())).expandedTo(minimumSizeHint()));
}

void MainWindow::placePasteBox(bool full, bool shown)
{
    if (full) {
        // Over both search panels, which it hides.
        pasteBoxPlace_->layout()->removeWidget(pasteBox_);
        pasteBox_->setOneLine(false);
        clientLayout_->addWidget(pasteBox_, 0, 0);
    } else {
        clientLayout_->removeWidget(pasteBox_);
        pasteBox_->setOneLine(true);
        pasteBoxPlace_->layout()->addWidget(pasteBox_);
    }
    pasteBox_->setVisible(shown || !full);
    panelsArea_->setVisible(!full || !shown);
}

void MainWindow::fullWindowToggled()
{
    const bool full = fullWindowBox_->isChecked();
    pasteBoxToggle_->setText(full ? kShown : kHidden);
    placePasteBox(full, true);
}

void MainWindow::togglePasteBox()
{
    const QString caption = pasteBoxToggle_->text() == kShown ? kHidden : kShown;
    pasteBoxToggle_->setText(caption);
    const bool full = fullWindowBox_->isChecked();
    if (full)
        placePasteBox(true, caption == kShown);
}

void MainWindow::leaveFullWindow()
{
    fullWindowBox_->setChecked(false);
}

} // namespace tallywick
