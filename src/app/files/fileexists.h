#pragma once

#include <QString>

namespace tallywick {

// True when path names a file that can be opened for reading. A folder, a missing or unreadable
// file and an empty path are all false; one trailing separator after a file name is tolerated.
bool FileExists(const QString& path);

// The same, for a regular file only. A pipe, a device or a socket is not one: opening it may
// wait for a writer that never comes. Never blocks.
bool RegularFileExists(const QString& path);

} // namespace tallywick
