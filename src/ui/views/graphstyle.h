#pragma once

#include "app/settings/settingskeys.h"
#include "ui/views/historychart.h"

#include <array>

class QRadioButton;
class QWidget;

namespace tallywick {

class SettingsStore;

// The Bar/Line option pair of the month and file charts (index 0 "Bar", index 1 "Line"), whose
// choice is kept in a truth setting: "True" when "Line" is selected.
class GraphStyleOption {
public:
    explicit GraphStyleOption(QWidget* parent);

    // Selects "Line" when the setting reads True; the button's own state is the default, and a
    // text that is no truth value leaves it as it is.
    void restore(const SettingsStore& settings, const TruthKey& key);
    void store(SettingsStore& settings, const TruthKey& key) const;
    ChartStyle style() const;
    QRadioButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
    const std::array<QRadioButton*, 2>& buttons() const { return buttons_; }

private:
    std::array<QRadioButton*, 2> buttons_{};
};

} // namespace tallywick
