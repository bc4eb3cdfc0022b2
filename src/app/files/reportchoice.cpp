#include "app/files/reportchoice.h"

namespace tallywick {

StartingReport ChooseStartingReport(const std::optional<QString>& keptPath, const std::optional<QString>& storedPath,
                                    const QString& defaultPath)
{
    if (keptPath && !keptPath->isEmpty())
        return {*keptPath, true};
    if (storedPath && !storedPath->isEmpty())
        return {*storedPath, true};
    return {defaultPath, false};
}

bool NothingOpenedYet(const StartingReport& start, const QString& searchedPath, bool pasteBoxHoldsText)
{
    return !start.chosen && !pasteBoxHoldsText && searchedPath == start.path;
}

} // namespace tallywick
