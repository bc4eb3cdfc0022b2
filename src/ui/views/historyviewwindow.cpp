#include "ui/views/historyviewwindow.h"

#include "core/views/itemboxentries.h"
#include "ui/common/appicon.h"
#include "ui/views/viewtexts.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>

namespace tallywick {

HistoryViewWindow::HistoryViewWindow(const HistoryViewContext& context, const char* objectName,
                                     const QString& caption) :
    QWidget(nullptr, Qt::Window),
    context_(context)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    // Closed as a dialog is: the view's own closing steps run as for its close box.
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

void HistoryViewWindow::bringToFront()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void HistoryViewWindow::openAt(QSize designed)
{
    resize(designed.expandedTo(minimumSizeHint()));
}

void HistoryViewWindow::fillItemBox(QComboBox* box, const QString& first)
{
    const QScopedValueRollback loading(loading_, true);
    if (!first.isEmpty())
        box->addItem(first);
    else
        trackedItemBox_ = box;
    itemBoxItems_ = trackedItems();
    for (const auto& item : trackedItems())
        box->addItem(ViewText(item));
    if (box->count() > 0)
        box->setCurrentIndex(0);
}

bool HistoryViewWindow::event(QEvent* event)
{
    // The tracked list may have changed while another window was active.
    if (event->type() == QEvent::WindowActivate)
        refreshItemBox();
    return QWidget::event(event);
}

void HistoryViewWindow::refreshItemBox()
{
    if (!trackedItemBox_)
        return;
    const auto selected = selectedEntry(trackedItemBox_);
    const auto shown = selected < itemBoxItems_.size() ? std::optional(itemBoxItems_[selected]) : std::nullopt;
    const auto entries = MakeItemBoxEntries(trackedItems(), shown);
    if (entries.items == itemBoxItems_)
        return;
    const QScopedValueRollback loading(loading_, true);
    itemBoxItems_ = entries.items;
    trackedItemBox_->clear();
    for (const auto& caption : entries.captions)
        trackedItemBox_->addItem(ViewText(caption));
    trackedItemBox_->setCurrentIndex(entries.selected ? static_cast<int>(*entries.selected) : -1);
}

void HistoryViewWindow::limitItemBoxWidth(QComboBox* box)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(20);
    // Wider where the window has room, up to what a usual path needs.
    box->setSizePolicy(QSizePolicy::Expanding, box->sizePolicy().verticalPolicy());
    box->setMaximumWidth(box->fontMetrics().averageCharWidth() * 48);
}

std::size_t HistoryViewWindow::selectedEntry(const QComboBox* box)
{
    const int index = box->currentIndex();
    return index < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(index);
}

QLabel* HistoryViewWindow::makeLabel(const char* objectName, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

QPushButton* HistoryViewWindow::makeButton(const char* objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

} // namespace tallywick
