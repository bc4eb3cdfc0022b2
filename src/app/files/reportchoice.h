#pragma once

#include <QString>

#include <optional>

namespace tallywick {

// The report a new main window starts on.
struct StartingReport {
    QString path;
    // The user opened, pasted or saved a report once: in this run, or in an earlier one that
    // stored its "Path".
    bool chosen = false;
};

// A window reopened from the notification area goes on with the report its predecessor had, not
// with what was stored: that may be older, as a report that is gone when the window closes is
// not stored.
StartingReport ChooseStartingReport(const std::optional<QString>& keptPath, const std::optional<QString>& storedPath,
                                    const QString& defaultPath);

// Searching the default report that was never chosen, with nothing pasted: there is nothing to
// say about a missing file the user never named.
bool NothingOpenedYet(const StartingReport& start, const QString& searchedPath, bool pasteBoxHoldsText);

} // namespace tallywick
