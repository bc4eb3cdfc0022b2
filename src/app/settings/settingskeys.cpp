#include "app/settings/settingskeys.h"

namespace tallywick {

QString SearchSlotKey(int panel, int slot)
{
    // The stored spelling, kept so that existing settings files are read as before.
    return QStringLiteral("Combo1%1_%2").arg(panel).arg(slot);
}

} // namespace tallywick
