#include "app/settings/settingskeys.h"

namespace tallywick {

QString fnKey(int Index, int Key)
{
    return QStringLiteral("Combo1%1_%2").arg(Index).arg(Key);
}

} // namespace tallywick
