// The open-hand Grand lead when nothing but the soloist's two-card suits is left to aim at: a card
// of a suit the soloist lacks is only the stand-by; at the next two-card suit whose lower card can
// be caught, a low card of a suit both hold takes its place.

#include "CardPlayTestSupport.h"
#include "computer/play/GrandPlay.h"

#include <ostream>

namespace {

struct TwoCardSuitsCase {
    const char* name;
    const char* openHand;  // the soloist's (seat 2), open
    const char* partner;   // seat 1
    const char* played;    // four tricks gone
    const char* lead;      // the card seat 0 leads
    friend void PrintTo(const TwoCardSuitsCase& c, std::ostream* out) { *out << c.name; }
};

class GrandOpenHandLeadTest : public ComputerTest, public ::testing::WithParamInterface<TwoCardSuitsCase> {};

// After four tricks each hand holds six cards; the skat holds DK DQ. Seat 0 holds no card above the
// soloist's in any suit: his Clubs Nine sits under the soloist's Ten, his Hearts under the
// partner's Ace. The soloist's Clubs Ten and Seven make the first two-card suit: the only suit both
// hold is Clubs itself, so the stand-by is the low Heart of a suit the soloist lacks.
TEST_P(GrandOpenHandLeadTest, TheStandByCardGivesWayAtTheNextCatchableTwoCardSuit) {
    const TwoCardSuitsCase& c = GetParam();
    g_Game.SetGameType(GAME_GRAND);
    StartPlayKnowledge();
    g_Game.GameEndFlags = 2;
    g_Game.Soloist = 2;
    g_Game.OuvertAnnounced = 1;
    g_Game.VariantMode = VARIANT_OFFICIAL;
    g_Game.PartyTricks[0] = 2;
    g_Game.PartyTricks[1] = 2;
    GiveHand(seat2, c.openHand);
    GiveHand(seat1, c.partner);
    GiveHand(seat0, "CJ SJ C9 H9 H8 H7");
    PlayedCards(c.played);
    seat0.SetPartner(&seat2);
    EXPECT_EQ(CardName(CGrandPlay(seat0).GrandOpponentLeadFirstChoice(false)), c.lead);
}

INSTANTIATE_TEST_SUITE_P(OpenHands, GrandOpenHandLeadTest,
                         ::testing::Values(
                             // The Spades Seven can be caught (the Ace is out): the Clubs Nine replaces the Heart.
                             TwoCardSuitsCase{"SecondSuitCatchableLeadsTheSharedSuit", "HJ DJ CT C7 ST S7",
                                              "CA SA HA HT DA DT", "CK CQ C8 SK SQ S9 S8 HK HQ D9 D8 D7", "C9"},
                             // The Spades Ten stands once the Ace is played: no second suit to aim at, the Heart stays.
                             TwoCardSuitsCase{"SecondSuitSafeKeepsTheStandBy", "HJ DJ CT C7 SA ST", "CA S7 HA HT DA DT",
                                              "CK CQ C8 SK SQ S9 S8 HK HQ D9 D8 D7", "H7"}),
                         [](const ::testing::TestParamInfo<TwoCardSuitsCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
