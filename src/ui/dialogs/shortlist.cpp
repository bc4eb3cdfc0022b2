#include "ui/dialogs/shortlist.h"

#include <QComboBox>

namespace tallywick {

void ShowTwelveAtMost(QComboBox* box)
{
    box->setMaxVisibleItems(12);
    // The styles that drop the list over the chosen entry ignore the number of entries to show.
    box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

} // namespace tallywick
