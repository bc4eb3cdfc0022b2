#include "app/searchlist/searchlistsettings.h"

#include "app/settings/settingsstore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using Texts = std::vector<std::string>;

class SearchListSettingsTest : public ::testing::Test {
protected:
    void store(int panel, int slot, const char* value)
    {
        settings_.write(SearchSlotKey(panel, slot), QString::fromUtf8(value));
    }
    std::string stored(int panel, int slot) const
    {
        return settings_.read(SearchSlotKey(panel, slot), "<absent>").toStdString();
    }

    QTemporaryDir dir_;
    SettingsStore settings_{dir_.filePath("Tallywick.ini")};
};

TEST_F(SearchListSettingsTest, FirstRunShowsEachPanelsDesignedText)
{
    EXPECT_EQ(LoadSearchPanel(settings_, 0).boxList, Texts{"GET /quarnel/shareware/pelmor.exe"});
    EXPECT_EQ(LoadSearchPanel(settings_, 1).boxText, "GET /quarnel/shareware/pelmor.zip");
    EXPECT_TRUE(FillAvailableList(settings_, {}).empty()) << "designed texts are not stored search strings";
}

TEST_F(SearchListSettingsTest, ExitStoresTheNewTextFirstAndLeavesHigherSlotsAlone)
{
    store(0, 0, "A");
    store(0, 1, "B");
    store(0, 2, "A");
    store(0, 3, "");
    store(0, 4, "C");
    auto panel = LoadSearchPanel(settings_, 0);
    EXPECT_EQ(panel.boxList, (Texts{"A", "B", "C"}));
    panel.boxText = "D"; // typed, then Enter
    CheckSearchString(panel);
    RefillSearchList(panel, "D");
    SaveSearchList(panel, settings_, 0);
    EXPECT_EQ((Texts{stored(0, 0), stored(0, 1), stored(0, 2), stored(0, 3), stored(0, 4), stored(0, 5)}),
              (Texts{"D", "A", "B", "C", "C", "<absent>"}));
    EXPECT_EQ(stored(1, 0), "<absent>");
}

TEST_F(SearchListSettingsTest, TheTrackingDialogOffersBothPanelsStoredStrings)
{
    store(0, 0, "GET /quarnel/shareware/pelmor.zip");
    store(1, 0, ".exe");
    store(1, 9, "GET /quarnel/shareware/pelmor.zip");
    EXPECT_EQ(FillAvailableList(settings_, {}), (Texts{"/quarnel/shareware/pelmor.zip", ".exe"}));
    EXPECT_EQ(FillAvailableList(settings_, {".exe"}), Texts{"/quarnel/shareware/pelmor.zip"});
}

} // namespace
} // namespace tallywick
