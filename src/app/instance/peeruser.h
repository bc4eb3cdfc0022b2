#pragma once

#include <QtGlobal>

namespace tallywick {

// Whether the process at the other end of a connected local socket runs as this user, as the
// kernel says; false when it cannot say.
bool PeerIsThisUser(qintptr socketDescriptor);

} // namespace tallywick
