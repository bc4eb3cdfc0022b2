#include "core/log/clientnetwork.h"

#include <arpa/inet.h>

#include <cstdio>
#include <cstring>

namespace tallywick {

std::string_view ClientNetwork::of(std::string_view client)
{
    if (client.find(':') == std::string_view::npos)
        return client;
    std::string_view address = client;
    if (address.size() > 2 && address.front() == '[' && address.back() == ']')
        address = address.substr(1, address.size() - 2);
    address = address.substr(0, address.find('%'));
    char text[INET6_ADDRSTRLEN];
    if (address.size() >= sizeof text)
        return client;
    std::memcpy(text, address.data(), address.size());
    text[address.size()] = '\0';
    unsigned char bytes[16];
    if (inet_pton(AF_INET6, text, bytes) != 1)
        return client;

    static constexpr unsigned char kMappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    const auto group = [&](std::size_t i) { return static_cast<unsigned>((bytes[2 * i] << 8) | bytes[2 * i + 1]); };
    int length = 0;
    if (std::memcmp(bytes, kMappedPrefix, sizeof kMappedPrefix) == 0) {
        length = std::snprintf(text_.data(), text_.size(), "%u.%u.%u.%u", unsigned{bytes[12]}, unsigned{bytes[13]},
                               unsigned{bytes[14]}, unsigned{bytes[15]});
    } else {
        length = std::snprintf(text_.data(), text_.size(), "%x:%x:%x:%x::/64", group(0), group(1), group(2), group(3));
    }
    return {text_.data(), static_cast<std::size_t>(length)};
}

} // namespace tallywick
