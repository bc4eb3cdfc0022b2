#pragma once

#include <array>
#include <string_view>

namespace tallywick {

// The client as the option "Treat an IPv6 /64 network as one client" compares it. An IPv6
// address, in any form inet_pton takes (compressed, with an IPv4 tail) and with or without a
// zone ("%eth0") or brackets, stands for its /64 network, written as its first four groups in
// lower-case hex without leading zeros and "::/64" ("2001:db8:0:1::/64"); an IPv4-mapped one
// ("::ffff:203.0.113.45") stands for its IPv4 address ("203.0.113.45"); any other client (IPv4,
// a host name, garbage) for itself.
class ClientNetwork {
public:
    // A view into client or into this object, valid until the next call.
    std::string_view of(std::string_view client);

private:
    std::array<char, 32> text_{};
};

} // namespace tallywick
