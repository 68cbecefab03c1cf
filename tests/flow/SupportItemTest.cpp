// The Options menu's support switch in both editions: the item is there, and its check mark
// follows the support as the command turns it over.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/TableState.h"

#include "platform/core/Menu.h"
#include "resources/CommandIds.h"

namespace {

using testsupport::FlowFixture;

class SupportItemTest : public FlowFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(SupportItemTest, CheckMarkFollowsTheSupport) {
    if (GetParam()) UseEdition(GermanResources());
    StartProgram();
    const platform::MenuItem* item = Frame().Table().MainMenu->FindCommand(ID_SUPPORT);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text, GetParam() ? "&Unterstützung Sehbehinderter" : "Su&pport Visually Impaired");
    EXPECT_FALSE(item->IsChecked());
    Frame().SendMessage(WM_COMMAND, ID_SUPPORT);
    EXPECT_TRUE(item->IsChecked());
    EXPECT_EQ(g_Settings.Options.Support, 1);
    Frame().SendMessage(WM_COMMAND, ID_SUPPORT);
    EXPECT_FALSE(item->IsChecked());
    EXPECT_EQ(g_Settings.Options.Support, 0);
}

INSTANTIATE_TEST_SUITE_P(Editions, SupportItemTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "German" : "English"; });

}  // namespace
