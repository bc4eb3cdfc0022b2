#pragma once

#include <QString>

namespace tallywick {

// The path of `relativePath` (a file or folder the build installs, such as
// "share/tallywick/help/index.html") under the program's folder or one of the few folders above
// it, or empty when there is none. An installed program (bin/tallywick) finds it beside its bin
// folder, and one run from the build tree finds the copy the build puts at the top of that tree.
QString FindBesideProgram(const QString& programFolder, const QString& relativePath);

} // namespace tallywick
