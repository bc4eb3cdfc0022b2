#pragma once

#include <QString>

namespace tallywick {

// The About box's description: what the program is for and the two steps of its use, one
// sentence a line, with an empty line between them.
QString AboutDescription();
// The warning under the separator: the program comes as it is, without warranty.
QString AboutDisclaimer();

} // namespace tallywick
