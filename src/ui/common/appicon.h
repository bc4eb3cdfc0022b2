#pragma once

#include <QIcon>

namespace tallywick {

// The program's icon in all its rendered sizes.
QIcon AppIcon();

} // namespace tallywick
