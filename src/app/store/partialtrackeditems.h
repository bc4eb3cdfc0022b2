#pragma once

#include "app/store/linesfile.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace tallywick {

struct TrackedItemsLoad {
    std::vector<std::string> items;
    std::optional<QString> problem; // what the user is told when the file failed part-way
};

// The tracked items for collecting downloads. A "tracking.dat" that fails part-way keeps the
// items read before the failure: collecting those is better than silently collecting nothing.
TrackedItemsLoad LoadTrackedItemsKeepingPart(const QString& path, const ReadFileOpener& open = OpenFileForReading);

} // namespace tallywick
