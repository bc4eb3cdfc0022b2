#include "ui/views/graphstyle.h"

#include "app/settings/settingsstore.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace tallywick {

GraphStyleOption::GraphStyleOption(QWidget* parent)
{
    optGraphStyle[0] = new QRadioButton(QStringLiteral("Bar"), parent);
    optGraphStyle[1] = new QRadioButton(QStringLiteral("Line"), parent);
    auto* group = new QButtonGroup(parent);
    for (int index = 0; index < 2; ++index) {
        optGraphStyle[index]->setObjectName(QStringLiteral("optGraphStyle_%1").arg(index));
        group->addButton(optGraphStyle[index], index);
    }
    optGraphStyle[0]->setChecked(true);
}

void GraphStyleOption::restore(const SettingsStore& settings, const TruthKey& key)
{
    const TruthKey withButtonDefault{key.name, optGraphStyle[1]->isChecked()};
    optGraphStyle[settings.read(withButtonDefault) ? 1 : 0]->setChecked(true);
}

void GraphStyleOption::store(SettingsStore& settings, const TruthKey& key) const
{
    settings.write(key, optGraphStyle[1]->isChecked());
}

ChartStyle GraphStyleOption::style() const
{
    return optGraphStyle[1]->isChecked() ? ChartStyle::Line : ChartStyle::Bar;
}

} // namespace tallywick
