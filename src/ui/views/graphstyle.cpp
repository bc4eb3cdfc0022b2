#include "ui/views/graphstyle.h"

#include <QCoreApplication>

#include "app/settings/settingsstore.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace tallywick {

GraphStyleOption::GraphStyleOption(QWidget* parent)
{
    buttons_[0] = new QRadioButton(QCoreApplication::translate("tallywick::GraphStyle", "Bar"), parent);
    buttons_[1] = new QRadioButton(QCoreApplication::translate("tallywick::GraphStyle", "Line"), parent);
    auto* group = new QButtonGroup(parent);
    for (int index = 0; index < 2; ++index) {
        buttons_[index]->setObjectName(QLatin1String(index == 0 ? "barStyleButton" : "lineStyleButton"));
        group->addButton(buttons_[index], index);
    }
    buttons_[0]->setChecked(true);
}

void GraphStyleOption::restore(const SettingsStore& settings, const TruthKey& key)
{
    const TruthKey withButtonDefault{key.name, buttons_[1]->isChecked()};
    buttons_[settings.read(withButtonDefault) ? 1 : 0]->setChecked(true);
}

void GraphStyleOption::store(SettingsStore& settings, const TruthKey& key) const
{
    settings.write(key, buttons_[1]->isChecked());
}

ChartStyle GraphStyleOption::style() const
{
    return buttons_[1]->isChecked() ? ChartStyle::Line : ChartStyle::Bar;
}

} // namespace tallywick
