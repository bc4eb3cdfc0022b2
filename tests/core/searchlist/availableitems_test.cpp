#include "core/searchlist/availableitems.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using Texts = std::vector<std::string>;

TEST(FillAvailableList, OffersEachSearchStringFromItsFirstSlashOnce)
{
    EXPECT_EQ(FillAvailableList({"GET /quarnel/shareware/pelmor.zip", "", ".exe"}, {}),
              (Texts{"/quarnel/shareware/pelmor.zip", ".exe"}));
    EXPECT_EQ(FillAvailableList({"/from/slash", "pelmor", "GET /a.zip", "HEAD /a.zip", "GET /A.zip"}, {}),
              (Texts{"/from/slash", "pelmor", "/a.zip", "/A.zip"}));
    EXPECT_EQ(FillAvailableList({"GET /a.zip", "GET /b.zip", ""}, {"/b.zip", ""}), Texts{"/a.zip"});
}

} // namespace
} // namespace tallywick
