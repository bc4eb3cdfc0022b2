#include "app/instance/peeruser.h"

#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace tallywick {

bool PeerIsThisUser(qintptr socketDescriptor)
{
    const int fd = static_cast<int>(socketDescriptor);
#if defined(__linux__)
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || size != sizeof peer)
        return false;
    return peer.uid == ::geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::geteuid();
#endif
}

} // namespace tallywick
