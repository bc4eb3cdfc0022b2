// Full Window: the paste box over both search panels, and the button that hides and shows it.

#include "ui/main/mainwindow.h"

#include "ui/main/pastebox.h"
#include "ui/main/twips.h"

#include <QCheckBox>
#include <QPushButton>

namespace tallywick {
namespace {

constexpr int kLeft = Twips(240);
constexpr int kOutOfView = Twips(-20000);
const QString kShown = QStringLiteral("<<");
const QString kHidden = QStringLiteral(">>");

} // namespace

void MainWindow::placePasteBox(int left, bool full)
{
    const QRect place = full ? TwipsRect(240, 60, 8775, 5500) : TwipsRect(240, 5880, 5895, 375);
    pasteBox_->setGeometry(left, place.top(), place.width(), place.height());
    // In its one-line place the box leaves its left end to the button lying over it.
    pasteBox_->setMargins(full ? 0 : pasteBoxToggle_->geometry().right() + 1 - left, !full);
    // One line of it shows in its small place; enlarged it reads like the result boxes.
    pasteBox_->setLineWrapMode(full ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    pasteBox_->setVerticalScrollBarPolicy(full ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    pasteBox_->setHorizontalScrollBarPolicy(full ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void MainWindow::fullWindowToggled()
{
    const bool full = fullWindowBox_->isChecked();
    pasteBoxToggle_->setText(full ? kShown : kHidden);
    placePasteBox(kLeft, full);
    pasteBoxToggle_->raise();
}

void MainWindow::togglePasteBox()
{
    const QString caption = pasteBoxToggle_->text() == kShown ? kHidden : kShown;
    pasteBoxToggle_->setText(caption);
    const bool full = fullWindowBox_->isChecked();
    placePasteBox(caption == kShown || !full ? kLeft : kOutOfView, full);
}

void MainWindow::leaveFullWindow()
{
    fullWindowBox_->setChecked(false);
}

} // namespace tallywick
