#pragma once

#include "app/store/linesfile.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// The tracked items of a "tracking.dat": one per line, empty lines kept as empty items. A file
// that does not exist is an empty list; so is one that cannot be read (use ReadTrackingFile to
// tell).
std::vector<std::string> LoadTrackedItems(const QString& path);

// The same, with whether the file was missing or could not be read to its end.
LinesRead ReadTrackingFile(const QString& path);

// Replaces "tracking.dat" with the items, each followed by CR LF, as the tracking dialog's OK
// does; an empty list gives an empty file. The previous file stays whole when the save fails.
std::optional<QString> SaveTrackedItems(const QString& path, const std::vector<std::string>& items,
                                        const SaveFileOpener& open = OpenSaveFile);

} // namespace tallywick
