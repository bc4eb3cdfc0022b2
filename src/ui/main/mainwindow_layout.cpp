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

void MainWindow::PlacePasteBox(int left, bool full)
{
    const QRect place = full ? TwipsRect(240, 60, 8775, 5500) : TwipsRect(240, 5880, 5895, 375);
    rtbPasteBox->setGeometry(left, place.top(), place.width(), place.height());
    // In its one-line place the box leaves its left end to the button lying over it.
    rtbPasteBox->setMargins(full ? 0 : cmdMove->geometry().right() + 1 - left, !full);
    // One line of it shows in its small place; enlarged it reads like the result boxes.
    rtbPasteBox->setLineWrapMode(full ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    rtbPasteBox->setVerticalScrollBarPolicy(full ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    rtbPasteBox->setHorizontalScrollBarPolicy(full ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void MainWindow::chkFullwindow_Click()
{
    const bool full = chkFullwindow->isChecked();
    cmdMove->setText(full ? kShown : kHidden);
    PlacePasteBox(kLeft, full);
    cmdMove->raise();
}

void MainWindow::cmdMove_Click()
{
    const QString caption = cmdMove->text() == kShown ? kHidden : kShown;
    cmdMove->setText(caption);
    const bool full = chkFullwindow->isChecked();
    PlacePasteBox(caption == kShown || !full ? kLeft : kOutOfView, full);
}

void MainWindow::UncheckFullWindow()
{
    chkFullwindow->setChecked(false);
}

} // namespace tallywick
