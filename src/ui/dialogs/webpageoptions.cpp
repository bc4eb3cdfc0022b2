#include "ui/dialogs/webpageoptions.h"

#include "app/settings/settingsstore.h"

namespace tallywick {

WebPage DefaultTrafficPage()
{
    return {QString::fromUtf8(kDefaultTrafficUrl), QString::fromUtf8(kDefaultTrafficMenu)};
}

WebPage DefaultDetailsPage()
{
    return {QString::fromUtf8(kDefaultDetailsUrl), QString::fromUtf8(kDefaultDetailsMenu)};
}

WebPage EffectiveWebPage(const WebPageChoice& choice, const WebPage& defaults)
{
    if (choice.useDefault)
        return defaults;
    return {choice.url, choice.menu};
}

void SaveWebPageOptions(const WebPageChoice& traffic, const WebPageChoice& details, bool changed,
                        SettingsStore& settings, Preferences& preferences)
{
    if (changed) {
        settings.write(keys::UserTrafficUrl, traffic.url);
        settings.write(keys::UserDetailsUrl, details.url);
        if (!traffic.useDefault)
            settings.write(keys::UserTrafficMenu, traffic.menu);
        if (!details.useDefault)
            settings.write(keys::UserDetailsMenu, details.menu);
    }
    preferences.setWebPages(EffectiveWebPage(traffic, DefaultTrafficPage()),
                            EffectiveWebPage(details, DefaultDetailsPage()));
}

} // namespace tallywick
