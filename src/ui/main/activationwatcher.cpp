#include "ui/main/activationwatcher.h"

#include <QApplication>
#include <QColorDialog>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QWidget>
#include <QWindow>

namespace tallywick {
namespace {

QWidget* WidgetOf(const QWindow* window)
{
    if (!window)
        return nullptr;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* widget : windows) {
        if (widget->windowHandle() == window)
            return widget;
    }
    return nullptr;
}

} // namespace

bool IsProgramWindow(const QWidget* window)
{
    if (!window || !window->isWindow() || window->windowFlags().testFlag(Qt::BypassWindowManagerHint))
        return false;
    switch (window->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Tool:
        break;
    default:
        return false; // menus, drop-down lists, tips
    }
    return !qobject_cast<const QMessageBox*>(window) && !qobject_cast<const QFileDialog*>(window) &&
           !qobject_cast<const QInputDialog*>(window) && !qobject_cast<const QProgressDialog*>(window) &&
           !qobject_cast<const QErrorMessage*>(window) && !qobject_cast<const QColorDialog*>(window) &&
           !qobject_cast<const QFontDialog*>(window);
}

ActivationWatcher::ActivationWatcher(QWidget* window) : QObject(window), window_(window)
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatcher::focusWindowChanged);
}

void ActivationWatcher::markActive()
{
    activeWindow_ = window_;
}

bool ActivationWatcher::isActive() const
{
    return activeWindow_ == window_;
}

void ActivationWatcher::focusWindowChanged(QWindow* focus)
{
    QWidget* widget = WidgetOf(focus);
    if (!IsProgramWindow(widget) || widget == activeWindow_)
        return;
    const bool wasActive = isActive();
    activeWindow_ = widget;
    if (widget == window_)
        emit activated();
    else if (wasActive)
        emit deactivated();
}

} // namespace tallywick
