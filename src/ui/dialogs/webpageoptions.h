#pragma once

#include "app/settings/preferences.h"

#include <QString>

namespace tallywick {

class SettingsStore;

WebPage DefaultTrafficPage();
WebPage DefaultDetailsPage();

// What one frame of the Options window holds: which button is selected, the user-defined
// address box and the caption box.
struct WebPageChoice {
    bool useDefault = true;
    QString url;
    QString menu;
};

// The address and caption in effect for a choice.
WebPage EffectiveWebPage(const WebPageChoice& choice, const WebPage& defaults);

// The Options window's closing writes, in their order: when a box changed, the user's own
// addresses and the captions of the user-defined frames; then the two effective pages.
void SaveWebPageOptions(const WebPageChoice& traffic, const WebPageChoice& details, bool changed,
                        SettingsStore& settings, Preferences& preferences);

} // namespace tallywick
