#include "ui/common/windowregistry.h"

namespace tallywick {

WindowRegistry::~WindowRegistry()
{
    // A window still open reads what the registry's owner holds: it must not outlive it.
    for (auto& [kind, window] : windows_)
        delete window.data();
}

void BringForward(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tallywick
