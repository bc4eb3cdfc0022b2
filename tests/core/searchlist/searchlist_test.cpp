#include "core/searchlist/searchlist.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using Texts = std::vector<std::string>;
using Writes = std::vector<SlotWrite>;

// The main window's load: the box shows its designed text, then the list is loaded and shown.
SearchPanelState Loaded(const StoredSearchSlots& stored)
{
    SearchPanelState panel;
    panel.boxText = "designed";
    LoadSearchList(panel, stored);
    RefillSearchList(panel, panel.SearchLists.front());
    return panel;
}

// Typing a text and pressing "Go": the search, the check, the refill.
void TypeAndGo(SearchPanelState& panel, const std::string& text)
{
    panel.boxText = text;
    CheckSearchString(panel);
    RefillSearchList(panel, panel.boxText);
}

TEST(SearchList, LoadsEachStoredTextOnce)
{
    EXPECT_EQ(Loaded({}).boxList, Texts{"designed"});
    const auto panel = Loaded({"A", "B", "A", "", "C", std::nullopt, "B"});
    EXPECT_EQ(panel.boxList, (Texts{"A", "B", "C"}));
    EXPECT_EQ(panel.boxText, "A");
    // A slot 0 written empty is a text of its own; only one never written gives the default.
    EXPECT_EQ(Loaded({"", "B"}).boxList, (Texts{"", "B"}));
}

TEST(SearchList, ANewTextIsListedAfterTheNextRefill)
{
    auto panel = Loaded({"A", "B"});
    panel.boxText = "D";
    CheckSearchString(panel);
    EXPECT_TRUE(panel.SearchListChanged);
    EXPECT_EQ(panel.boxList, (Texts{"A", "B"}));
    RefillSearchList(panel, "D");
    EXPECT_EQ(panel.boxList, (Texts{"A", "B", "D"}));
    EXPECT_FALSE(panel.SearchListChanged);

    // The current text again, an empty box, a listed text: nothing new.
    TypeAndGo(panel, "D");
    TypeAndGo(panel, "");
    TypeAndGo(panel, "A");
    EXPECT_EQ(panel.SearchLists, (Texts{"A", "B", "D"}));
}

TEST(SearchList, SavesTheCurrentTextFirstAndTheOneOfTheLoadAfterIt)
{
    auto panel = Loaded({"A", "B", "C"});
    EXPECT_EQ(SaveSearchList(panel), (Writes{{0, "A"}, {1, "B"}, {2, "C"}}));
    TypeAndGo(panel, "D");
    EXPECT_EQ(SaveSearchList(panel), (Writes{{0, "D"}, {1, "A"}, {2, "B"}, {3, "C"}}));
    panel.boxText = "";
    EXPECT_EQ(SaveSearchList(panel), (Writes{{0, ""}, {1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}}));
}

TEST(SearchList, SavesAtMostNineEarlierTexts)
{
    auto panel = Loaded({"S"});
    for (int i = 1; i <= 12; ++i)
        TypeAndGo(panel, "T" + std::to_string(i));
    Writes expected = {{0, "T12"}, {1, "S"}};
    for (int slot = 2; slot <= 9; ++slot)
        expected.emplace_back(slot, "T" + std::to_string(slot - 1));
    EXPECT_EQ(SaveSearchList(panel), expected);
}

} // namespace
} // namespace tallywick
