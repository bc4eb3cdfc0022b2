#pragma once

#include <QString>

namespace tallywick {

// The folder of the help pages, or empty when there is none. The pages lie in
// share/tallywick/help (as the build names it) under the program's folder or one of the few
// folders above it: an installed program (bin/tallywick) finds them beside its bin folder, and
// one run from the build tree finds the copy that the build puts at the top of that tree.
QString HelpFolder(const QString& programFolder);
// The same for the running program's own folder.
QString HelpFolder();

// The help's first page, "index.html", in `folder`.
QString HelpIndexPath(const QString& folder);

} // namespace tallywick
