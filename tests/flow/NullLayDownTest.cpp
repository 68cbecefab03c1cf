// The person as Null soloist: once the card he has just clicked into a trick he follows leaves
// only cards the defenders can no longer force a trick on, his hand is laid open (the game counts
// as laid down); not with the setting off, and not while the rest is still open to a trick.
#include "flow/TrickPlay.h"
#include "flow/StoredDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "model/PlayerData.h"

#include "dialogs/DialogIds.h"
#include "resources/FlowIds.h"

namespace {

using testsupport::C;
using testsupport::ChosenDeal;
using testsupport::StoredDealFixture;

// Comp1 leads, Comp2 holds up to 22, the person outbids him at 23 and plays Null Hand.
ChosenDeal NullDeal(std::vector<int> person) {
    ChosenDeal deal;
    deal.hands[0] = testsupport::CardsOf("CJ HJ CA SQ HK D9 DT CQ H9 DK");
    deal.hands[1] = testsupport::CardsOf("SJ DJ SA HQ CK CT HT DA SK DQ");
    deal.hands[2] = std::move(person);
    deal.skat = testsupport::CardsOf("HA ST");
    return deal;
}

// Every suit from the Seven up without a gap: whatever the defenders lead, a lower card goes under.
const std::vector<int> kSafeHand = testsupport::CardsOf("C7 C8 C9 S7 S8 S9 H7 H8 D7 D8");
// The Seven of Hearts with Comp1 in place of the Nine: while it is out, nothing of the person's
// goes under it.
ChosenDeal OpenRestDeal() {
    ChosenDeal deal = NullDeal(testsupport::CardsOf("C7 C8 C9 S7 S8 S9 H8 H9 D7 D8"));
    for (int& card : deal.hands[0])
        if (card == C(NINE, HEARTS)) card = C(SEVEN, HEARTS);
    return deal;
}

struct LayDownCase {
    const char* name;
    int safeSetting;
    bool safeHand;
    bool laidAtFirstFollow;  // laid open by the person's first card (he follows in trick 1)
    bool mayBeLaid;          // laid open at some card of the game (for the open rest: only then)
};

// A failing case names itself, not its bytes.
void PrintTo(const LayDownCase& c, std::ostream* out) { *out << c.name; }

const LayDownCase kCases[] = {
    {"SafeRestIsLaidOpenAtOnce", 1, true, true, true},
    {"WithTheSettingOffNever", 0, true, false, false},
    {"AnOpenRestOnlyOnceItIsSafe", 1, false, false, true},
};

bool Played(const CGameRecord& record, int card) {
    for (const auto& played : record.cards)
        if (played.card == card) return true;
    return false;
}

class NullLayDownTest : public StoredDealFixture, public ::testing::WithParamInterface<LayDownCase> {};

TEST_P(NullLayDownTest, TheSafeRestIsLaidOpenAfterTheClickedCard) {
    const LayDownCase& c = GetParam();
    WriteProfileInt("Settings", "Safe", c.safeSetting);
    Start();
    PlayDeal(c.safeHand ? NullDeal(kSafeHand) : OpenRestDeal());
    // The auction: the person outbids Comp2 and plays Null Hand.
    ASSERT_TRUE(WaitForThePerson());
    for (int press = 0; press < 5 && g_Game.FlowState != STATE_SKAT; ++press) {
        Press(BTN_BID);
        ASSERT_TRUE(WaitForThePerson());
    }
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    Press(IDC_HAND);
    Press(IDC_NULL);
    ASSERT_EQ(g_Game.GameType, GAME_NULL);
    ASSERT_EQ(g_Game.Soloist, 2);
    ASSERT_EQ(g_Game.OuvertAnnounced, 0);

    bool first = true, laid = false;
    int laidWithCards = -1;
    while (!Frame().Series().Record.scored) {
        ASSERT_TRUE(
            host_->PumpUntil([this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
        if (Frame().Series().Record.scored) break;
        ASSERT_FALSE(laid && g_Game.OuvertAnnounced != 2) << "the hand stays laid open";
        const bool leads = g_Game.Forehand == 2;
        ClickCard(FirstLegalCard());
        const bool nowLaid = g_Game.OuvertAnnounced == 2 && Person().faceUp;
        if (first) {
            EXPECT_FALSE(leads);
            EXPECT_EQ(nowLaid, c.laidAtFirstFollow);
            first = false;
        }
        if (nowLaid && !laid) {
            EXPECT_FALSE(leads) << "only a card that follows a trick";
            // Nothing of his could go under the Seven of Hearts while it was out.
            if (!c.safeHand) {
                EXPECT_TRUE(Played(Frame().Series().Record, C(SEVEN, HEARTS)));
            }
            laidWithCards = Person().count;
        }
        laid = laid || nowLaid;
    }
    if (!c.mayBeLaid) {
        EXPECT_FALSE(laid);
    } else if (c.safeHand) {
        EXPECT_TRUE(laid);
    }
    // Laid open with the rest safe: from there on every lower card goes under, and the game is won.
    if (laid) {
        EXPECT_GT(laidWithCards, 0);
        EXPECT_GT(Frame().Series().Record.score, 0);
    }
    // Whatever was laid open, the game ends as it was declared.
    EXPECT_EQ(g_Game.OuvertAnnounced, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

INSTANTIATE_TEST_SUITE_P(Cases, NullLayDownTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
