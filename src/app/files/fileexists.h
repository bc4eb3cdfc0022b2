#pragma once

#include <QByteArray>
#include <QString>

namespace tallywick {

// True when path names something that is there and is not a folder; one trailing separator after
// a file name is tolerated. It is looked up, never opened: opening a pipe would take what its
// writer writes once, and a file that cannot be read is there all the same (reading it says why).
// A missing file, a folder and an empty path are false.
bool FileExists(const QString& path);
// The same for a name given as the system's bytes.
bool NativeFileExists(const QByteArray& name);

// The same, for a regular file only. A pipe, a device or a socket is not one: reading it may
// wait for a writer that never comes. Never blocks.
bool RegularFileExists(const QString& path);

} // namespace tallywick
