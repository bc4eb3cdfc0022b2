#include "ui/tray/trayicon.h"

#include "ui/common/appicon.h"

#include <QCursor>

#include <algorithm>

namespace tallywick {
namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kTipLength = 63;

std::optional<bool>& AvailableForTests()
{
    static std::optional<bool> available;
    return available;
}

} // namespace

TrayIcon::TrayIcon(bool appRunning, QObject* parent) : QObject(parent)
{
    QAction* first = newItem();
    first->setVisible(false); // taken into use by the first addMenuItem
    // The desktop shows this menu itself on a right click where it can; showMenu serves the rest.
    tray_.setContextMenu(&menu_);
    tray_.setIcon(AppIcon()); // until its owner gives it another

    connect(&tray_, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
    if (appRunning && isAvailable())
        tray_.show();
}

TrayIcon::~TrayIcon()
{
    tray_.hide();
}

bool TrayIcon::isAvailable()
{
    return AvailableForTests().value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void TrayIcon::setAvailableForTests(std::optional<bool> available)
{
    AvailableForTests() = available;
}

void TrayIcon::setToolTip(const QString& tip)
{
    toolTip_ = tip.left(kTipLength);
    tray_.setToolTip(toolTip_);
}

void TrayIcon::setIcon(const QIcon& icon)
{
    if (icon.cacheKey() != tray_.icon().cacheKey())
        tray_.setIcon(icon);
}

QAction* TrayIcon::newItem()
{
    auto* action = menu_.addAction(QString());
    items_.push_back(action);
    connect(action, &QAction::triggered, this, [this, action] {
        const auto at = std::find(items_.begin(), items_.end(), action);
        if (at != items_.end()) {
            const int index = static_cast<int>(at - items_.begin());
            emit menuItemClicked(index, menuKey(index));
        }
    });
    return action;
}

int TrayIcon::addMenuItem(const QString& caption, const QString& key, bool isDefault)
{
    int index = 0;
    if (itemsAdded_) {
        newItem();
        index = menuItemCount() - 1;
    } else {
        itemsAdded_ = true;
    }
    QAction* item = items_[static_cast<std::size_t>(index)];
    item->setVisible(true);
    item->setData(key);
    item->setText(caption);
    if (isDefault)
        defaultIndex_ = index;
    markDefault();
    return index;
}

void TrayIcon::markDefault()
{
    menu_.setDefaultAction(isValidIndex(defaultIndex_) ? items_[static_cast<std::size_t>(defaultIndex_)] : nullptr);
}

void TrayIcon::showMenu()
{
    markDefault();
    if (!menu_.isVisible())
        menu_.popup(QCursor::pos());
}

QString TrayIcon::menuCaption(int index) const
{
    return isValidIndex(index) ? items_[static_cast<std::size_t>(index)]->text() : QString();
}

QString TrayIcon::menuKey(int index) const
{
    return isValidIndex(index) ? items_[static_cast<std::size_t>(index)]->data().toString() : QString();
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        emit pressed(kLeftButton);
        break;
    case QSystemTrayIcon::Context:
        emit pressed(kRightButton);
        break;
    case QSystemTrayIcon::DoubleClick:
        emit doubleClicked(kLeftButton);
        break;
    default:
        break;
    }
}

} // namespace tallywick
