// The Kontra advice before the person's first card as a defender: when his hand would give Kontra
// by the computer's own rule, the Kontra button of his card prompt has the focus, and with
// suggestions on the rule button names the rule, which the H key then opens; never without a
// reason, never where the rules allow no Kontra, and not before his later cards.
#include "flow/TrickPlay.h"
#include "flow/StoredDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

#include "dialogs/DialogIds.h"
#include "dialogs/PlayBars.h"
#include "flow/FrameGlobals.h"
#include "model/FlowGlobals.h"
#include "model/PlayerData.h"
#include "resources/FlowIds.h"
#include "flow/PromptBars.h"
#include "platform/headless/DesktopRecorder.h"

namespace {

using testsupport::C;
using testsupport::SpadesDeal;
using testsupport::StoredDealFixture;

struct AdviceCase {
    const char* name;
    int variant;  // Variants/Variant: 0 the official rules (no Kontra), 1 the variant rules
    int suggest;
    bool weakHand;
    bool advised;  // the Kontra button has the focus
};

// A failing case names itself, not its bytes.
void PrintTo(const AdviceCase& c, std::ostream* out) { *out << c.name; }

const AdviceCase kCases[] = {
    {"WithSuggestionsTheRuleIsNamed", 1, 1, false, true},
    {"AWeakHandIsNotAdvised", 1, 1, true, false},
    {"NoKontraUnderTheOfficialRules", 0, 1, false, false},
};

class KontraAdviceTest : public StoredDealFixture, public ::testing::WithParamInterface<AdviceCase> {
protected:
    // The person's card prompt is up for his first card.
    void UpToTheFirstCard() {
        ASSERT_TRUE(
            host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay() || Frame().Series().Record.scored; }, 60000));
        ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay()) << LogText();
        ASSERT_EQ(g_Game.Soloist, 1);
        ASSERT_EQ(g_Game.GameType, GAME_SPADES);
        ASSERT_EQ(Person().count, 10);
    }
    HWND KontraButton() { return ::GetDlgItem(Bar(), IDC_KONTRA); }
    std::string RuleCaption() { return ::GetWindowText(::GetDlgItem(Bar(), IDC_RULE)); }
};

TEST_P(KontraAdviceTest, TheKontraButtonIsFocusedOnlyWhenKontraIsAdvised) {
    const AdviceCase& c = GetParam();
    WriteProfileInt("Variants", "Variant", c.variant);
    WriteProfileInt("Options", "Suggest", c.suggest);
    Start();
    platform::DesktopRecorder desktop;
    PlayDeal(SpadesDeal(c.weakHand));
    BidOnceThenPass();
    UpToTheFirstCard();
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(g_Game.HasBid[2], 1);
    // The bar offers Kontra where the rules allow it.
    const CSuggestDialog* suggestBar = OpenBarAs<CSuggestDialog>(Frame());
    const bool kontraBar = (suggestBar && suggestBar->KontraAllowed()) || OpenBarAs<CKontraFirstDialog>(Frame());
    EXPECT_EQ(kontraBar, c.variant == 1);
    EXPECT_EQ(::GetFocus() == KontraButton(), c.advised);
    const std::string topic = "::/Lexikon/RegelnReizen.htm#" + std::to_string(Person().GetRuleNumber());
    if (c.advised && c.suggest) {
        // The rule behind the advice: on the bar and as the rule help's topic, which H opens.
        EXPECT_GT(Person().GetRuleNumber(), 0);
        EXPECT_EQ(RuleCaption(), "&Rule " + std::to_string(Person().GetRuleNumber()));
        EXPECT_EQ(g_Flow.RuleHelpTopic, topic);
        // H on the table (which window has the keys after a click is the desktop's matter).
        ::SetFocus(g_Frame.hTableWnd);
        host_->Key(host_->NowMs() + 10, 'H');
        host_->PumpFor(50);
        ASSERT_FALSE(desktop.HelpRequests().empty());
        EXPECT_EQ(platform::HelpTopicText(desktop.HelpRequests().back().topic),
                  "Lexikon/RegelnReizen.htm#" + std::to_string(Person().GetRuleNumber()));
    } else {
        EXPECT_NE(g_Flow.RuleHelpTopic, topic);
        if (OpenBarAs<CSuggestDialog>(Frame())) {
            EXPECT_EQ(RuleCaption(), "&Rule");
        }
    }
    // Kontra itself stays the person's own choice.
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    // His card; before his second card no advice comes again.
    ClickCard(FirstLegalCard());
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay() || Frame().Series().Record.scored; }, 60000));
    if (Frame().FrameTrickPlay().PersonMayPlay() && ::IsWindow(KontraButton())) {
        EXPECT_NE(::GetFocus(), KontraButton());
    }
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

INSTANTIATE_TEST_SUITE_P(Cases, KontraAdviceTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
