#pragma once

#include <QString>

namespace tallywick {

// "Version 1.0.0": the major, minor and patch numbers this program was built as.
QString VersionText();

} // namespace tallywick
