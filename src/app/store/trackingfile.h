#pragma once

#include <QString>

#include <string>
#include <vector>

namespace tallywick {

// The tracked items of a "tracking.dat": one per line, empty lines kept as empty items. A file
// that does not exist is an empty list.
std::vector<std::string> LoadTrackedItems(const QString& path);

} // namespace tallywick
