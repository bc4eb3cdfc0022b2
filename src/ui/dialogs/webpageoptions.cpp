#include "ui/dialogs/webpageoptions.h"

#include "app/settings/appvalues.h"
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
                        SettingsStore& settings, AppValues& values)
{
    if (changed) {
        settings.write(keys::UserTrafficUrl, traffic.url);
        settings.write(keys::UserDetailsUrl, details.url);
        if (!traffic.useDefault)
            settings.write(keys::UserTrafficMenu, traffic.menu);
        if (!details.useDefault)
            settings.write(keys::UserDetailsMenu, details.menu);
    }
    const WebPage trafficPage = EffectiveWebPage(traffic, DefaultTrafficPage());
    const WebPage detailsPage = EffectiveWebPage(details, DefaultDetailsPage());
    values.Traffic_URL = trafficPage.url;
    values.Traffic_menu = trafficPage.menu;
    values.Details_URL = detailsPage.url;
    values.Details_menu = detailsPage.menu;
    settings.write(keys::TrafficUrl, values.Traffic_URL);
    settings.write(keys::TrafficMenu, values.Traffic_menu);
    settings.write(keys::DetailsUrl, values.Details_URL);
    settings.write(keys::DetailsMenu, values.Details_menu);
}

} // namespace tallywick
