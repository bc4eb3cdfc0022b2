#pragma once

#include <QString>

namespace tallywick {

inline constexpr const char* kDefaultReportName = "Hits.txt";

// The part of path up to and including its last folder separator; empty when it has none.
QString FolderOf(const QString& path);

// The user's desktop folder with a separator at its end, or empty when there is none.
QString DesktopFolder();

// The report searched when none was stored: desktopFolder + "Hits.txt", or just "Hits.txt"
// (in the current folder) when there is no desktop folder.
QString DefaultReportPath(const QString& desktopFolder = DesktopFolder());

} // namespace tallywick
