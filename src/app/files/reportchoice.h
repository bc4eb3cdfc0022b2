#pragma once

#include <QString>
#include <QStringList>

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

// The reports the starting one stands for: the stored list ("Paths", in search order) when it ends
// with that report and every file in it is still there; otherwise the one report. A list that no
// longer ends with it belongs to an earlier choice.
QStringList StartingReportFiles(const QString& path, const std::optional<QStringList>& storedPaths);

// The chosen reports in the order to search them as one (oldest first); a file named twice
// (under any name) is searched once, as its downloads would otherwise count twice.
QStringList ReportsToSearch(QStringList chosen);

// Searching the default report that was never chosen, with nothing pasted: there is nothing to
// say about a missing file the user never named.
bool NothingOpenedYet(const StartingReport& start, const QString& searchedPath, bool pasteBoxHoldsText);

} // namespace tallywick
