#include "core/log/clientnetwork.h"

#include <gtest/gtest.h>

#include <string>

namespace tallywick {
namespace {

TEST(ClientNetwork, AnIPv6AddressInAnyFormIsItsSlash64)
{
    ClientNetwork network;
    for (const auto* client :
         {"2001:db8:0:1::7", "2001:0DB8:0000:0001:0000:0000:0000:0007", "2001:db8:0:1:ffff:ffff:ffff:ffff",
          "2001:db8:0:1::1.2.3.4", "2001:db8:0:1::7%eth0", "[2001:db8:0:1::7]"}) {
        EXPECT_EQ(network.of(client), "2001:db8:0:1::/64") << client;
    }
    EXPECT_EQ(network.of("::1"), "0:0:0:0::/64");
    EXPECT_EQ(network.of("fe80::1%25wlan0"), "fe80:0:0:0::/64");
    EXPECT_EQ(network.of("2001:db8:0:2::7"), "2001:db8:0:2::/64");
}

TEST(ClientNetwork, AnIPv4MappedAddressIsItsIPv4Client)
{
    ClientNetwork network;
    EXPECT_EQ(network.of("::ffff:203.0.113.45"), "203.0.113.45");
    EXPECT_EQ(network.of("::FFFF:cb00:712d"), "203.0.113.45");
}

TEST(ClientNetwork, AnythingElseIsItself)
{
    ClientNetwork network;
    for (const auto* client : {"203.0.113.45", "crawl-66-249-73-185.googlebot.com", "", "a:b", "2001:db8::1::2",
                               "2001:db8:0:1:0:0:0:0:7", "12345::1", "::ffff:1.2.3", "[::1", "host:8080"})
        EXPECT_EQ(network.of(client), client) << client;
}

} // namespace
} // namespace tallywick
