// The suit-game defenders: the open-hand first choices and their gate, the forced card, the
// follow rule kept where a rule as written would revoke, bounded list reads, and the played-suit
// mark that the second hand's follow rule leaves.

#include "SuitPlayTestSupport.h"
#include "computer/play/SuitDefenderPlay.h"

#include <cstring>

namespace {

class SuitDefenderTest : public SuitPlayTest {
protected:
    // A full deal of a Clubs Ouvert game: seat 0 holds the Clubs Ace as his only trump, the
    // soloist (seat 1) the Diamonds Jack as his best trump with the higher Jacks out.
    void OpenDeal() {
        Deal(GAME_CLUBS, 1, "CA S7 S8 S9 SQ H7 H8 H9 HQ D7", "DJ C7 C8 C9 CK CQ ST SK HT HK",
             "CJ SJ HJ CT SA HA DA DT DK DQ", "D9 D8");
        g_Game.OuvertAnnounced = 1;
    }
};

TEST_F(SuitDefenderTest, OpenHandRulesOnlyWhileTheSoloistsCardsLieOpen) {
    struct Case {
        const char* name;
        int ouvert, variant, nullOuvert, tricks;
        bool open;
    };
    const Case cases[] = {
        {"not ouvert", 0, 0, 0, 0, false},
        {"rule set 0", 1, 0, 0, 0, true},
        {"rule set 1, setting off", 1, 1, 0, 0, true},
        {"rule set 1 before the first trick", 1, 1, 1, 0, false},
        {"rule set 1 after a trick", 1, 1, 1, 1, true},
        {"rule set 2", 1, 2, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenDeal();
        g_Game.OuvertAnnounced = c.ouvert;
        g_Game.VariantMode = c.variant;
        g_Settings.Variants.NullOuvert = c.nullOuvert;
        g_Game.PartyTricks[2] = c.tricks;
        // First lead: the lone trump Ace goes against the soloist's unsure Diamonds Jack.
        EXPECT_EQ(CardName(CSuitDefenderPlay(seat0).SuitOpponentLeadFirstChoice(false)), c.open ? "CA" : "--");
    }
    OpenDeal();
    seat0.SetPartner(nullptr);  // no link to the soloist's hand
    EXPECT_EQ(CSuitDefenderPlay(seat0).SuitOpponentLeadFirstChoice(false), NO_CARD);
}

TEST_F(SuitDefenderTest, AceOverTheSoloistsTenLeadsTheCardBelowTheAce) {
    Deal(GAME_CLUBS, 1, "CJ C7 SA S8", "ST S7 HJ C8", "CA CT D7 D8");
    g_Game.OuvertAnnounced = 1;
    EXPECT_EQ(CardName(Serve(0)), "S8");
}

TEST_F(SuitDefenderTest, OpenHandTrumpLeadComparesTrumpsByTheirRank) {
    // Hearts game: his Clubs Jack ranks above the soloist's Hearts Ace though its card code is
    // lower; it is led, not swapped for his low trump.
    Deal(GAME_HEARTS, 1, "CJ SJ H8", "HA H7 D7", "S7 S8 S9");
    g_Game.OuvertAnnounced = 1;
    EXPECT_EQ(CardName(Serve(0)), "CJ");
}

TEST_F(SuitDefenderTest, OpenThirdHandWithALowerTrumpFollowsTrumpsInsteadOfSmearing) {
    // The partner leads the trump Ace, the soloist adds the Eight; the defender holds the Seven
    // and a lone Ten. He must follow with the Seven; the smear rule would play the Ten.
    struct Case {
        const char* name;
        int forced;
    };
    const Case cases[] = {{"no forced card", 0}, {"forced card cleared, not played", Card("HT")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Deal(GAME_CLUBS, 2, "C7 HT S7", "S8 S9", "D7 D8");
        g_Game.OuvertAnnounced = 1;
        seat0.forcedCard = c.forced;
        const int replaced = g_Computer.ReplacedCardCount;
        EXPECT_EQ(CardName(Serve(0, Card("CA"), Card("C8"))), "C7");
        EXPECT_EQ(g_Computer.ReplacedCardCount, replaced);
        EXPECT_EQ(seat0.forcedCard, 0);
    }
}

TEST_F(SuitDefenderTest, ThirdHandKeepsHisAceWhenNoTrumpIsOut) {
    // The partner's Jack holds the trump trick; no trump is out beside his Ace and Ten.
    Deal(GAME_CLUBS, 2, "CA CT H7", "S8 S9", "D7 D8");
    EXPECT_EQ(CardName(Serve(0, Card("CJ"), Card("C8"))), "CT");
}

TEST_F(SuitDefenderTest, LeadPlaysTheCardCommittedAtHisLastLead) {
    Deal(GAME_CLUBS, 1, "HA H7 S7 D7", "CJ C7 S8 D8", "C8 S9 H8 D9");
    seat0.forcedCard = Card("D7");
    seat0.ForcedCardCount = seat0.count + 1;  // set one trick ago
    EXPECT_EQ(CardName(Serve(0)), "D7");
    EXPECT_EQ(seat0.forcedCard, 0);
}

TEST_F(SuitDefenderTest, ACommittedCardNoLongerHeldIsDropped) {
    Deal(GAME_CLUBS, 1, "HA H7 S7 D7", "CJ C7 S8 D8", "C8 S9 H8 D9");
    seat0.forcedCard = Card("D8");  // lies in the soloist's hand
    seat0.ForcedCardCount = seat0.count + 1;
    const int replaced = g_Computer.ReplacedCardCount;
    const int card = Serve(0);
    EXPECT_NE(card, Card("D8"));
    EXPECT_EQ(g_Computer.ReplacedCardCount, replaced);
    EXPECT_EQ(seat0.forcedCard, 0);
}

TEST_F(SuitDefenderTest, APlayedSuitKeepsTheDefendersMarkTwo) {
    Deal(GAME_CLUBS, 1, "H7 H8 S7 S8", "CJ C7 D7 D8", "C8 S9 H9 D9");
    seat0.playedSuit[HEARTS] = 2;
    seat0.Discard(Card("H7"));
    seat0.Discard(Card("S7"));
    EXPECT_EQ(seat0.playedSuit[HEARTS], 2);
    EXPECT_EQ(seat0.playedSuit[SPADES], 1);
}

TEST_F(SuitDefenderTest, TrumpLedDiscardStopsRedrawingAfterTenDraws) {
    // The soloist leads his trump Ace; the defender has no trump, only Aces and Tens, and every
    // suit carries the mark 2: the redraws end and a card of his hand is played.
    Deal(GAME_CLUBS, 0, "CA C7 D7", "HA ST DT", "C8 S9 H9");
    for (int& mark : seat1.playedSuit) mark = 2;
    const int card = Serve(1, Card("CA"));
    EXPECT_TRUE(card == Card("HA") || card == Card("ST") || card == Card("DT")) << CardName(card);
}

TEST_F(SuitDefenderTest, ASuggestionLeavesTheHandAndTheCardMemoryAsTheyWere) {
    struct Position {
        int seat;
        const char* c1;
        const char* c2;
    };
    const Position positions[] = {{0, "", ""}, {1, "HK", ""}, {2, "HK", "HQ"}};
    for (const auto& pos : positions) {
        SCOPED_TRACE(pos.seat);
        Deal(GAME_CLUBS, 1, "HA H7 S7 D7 C8", "CJ C7 S8 D8 H9", "C9 S9 H8 D9 HT");
        g_Knowledge.PreferredSuit = SPADES;
        g_Game.RealPlayFlag = 0;
        CPlayer& p = Seat(pos.seat);
        const std::vector<int> cards = p.cards;
        const std::vector<unsigned char> present = p.present;
        const HandInfo info = p.handInfo;
        const CCardKnowledge knowledge = g_Knowledge;
        const int c1 = *pos.c1 ? Card(pos.c1) : NO_CARD;
        const int c2 = *pos.c2 ? Card(pos.c2) : NO_CARD;
        const int card = Serve(pos.seat, c1, c2);
        g_Game.RealPlayFlag = 1;
        EXPECT_TRUE(IsCardCode(card));
        EXPECT_EQ(p.cards, cards);
        EXPECT_EQ(p.present, present);
        EXPECT_EQ(0, std::memcmp(&info, &p.handInfo, sizeof info));
        EXPECT_EQ(g_Knowledge.PlayedCards, knowledge.PlayedCards);
        EXPECT_EQ(g_Knowledge.SkatCards, knowledge.SkatCards);
        EXPECT_EQ(0, std::memcmp(g_Knowledge.LedSuitBySeat, knowledge.LedSuitBySeat, sizeof knowledge.LedSuitBySeat));
        EXPECT_EQ(g_Knowledge.PreferredSuit, SPADES);
    }
}

TEST_F(SuitDefenderTest, AGiveUpAcceptedPlaysNothingAndRecordsNothing) {
    // The soloist's cards lie face up; the defender, met them at an earlier call, offers to give
    // up and the person accepts.
    Deal(GAME_CLUBS, 1, "HA H7 S7 D7", "CJ C7 S8 D8", "C8 S9 H8 D9");
    g_Game.EarlyFaceUp = 1;
    seat0.FaceUpSeen = 1;
    g_ComputerFrame.Abandon = [](const std::string&, int) { return true; };
    const std::vector<int> cards = seat0.cards;
    EXPECT_EQ(Serve(0), NO_CARD);
    EXPECT_EQ(seat0.cards, cards);
    EXPECT_EQ(seat0.count, 4);
    EXPECT_EQ(g_Knowledge.LedSuitBySeat[0], -1);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(g_ComputerFrame.LedMarks()[s], 0);
}

TEST_F(SuitDefenderTest, OpenSecondHandSmearsForThePartnerByTheDefendersPoints) {
    // The soloist leads a trump that the partner's Clubs Jack may take; the defender has no
    // trump. Between 19 and 30 points his King goes when it brings the defenders to 29 or more;
    // otherwise (and outside that range) the card below it.
    struct Case {
        int points;
        const char* expected;
    };
    const Case cases[] = {{18, "H7"}, {19, "H7"}, {24, "H7"}, {25, "HK"}, {29, "HK"}, {30, "HK"}, {31, "H7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        Deal(GAME_CLUBS, 0, "D7 D8", "HK H7 S7", "CJ S8 D9");
        g_Game.OuvertAnnounced = 1;
        g_Game.PartyPoints[1] = c.points;
        EXPECT_EQ(CardName(Serve(1, Card("C8"))), c.expected);
    }
}

TEST_F(SuitDefenderTest, ThirdHandTakesTheSoloistsKingWhenThePartnerThrowsOff) {
    // The soloist leads the Hearts King, the partner throws off a Spade: he is marked free of
    // Hearts (in a suggestion too), and the Ace takes the trick.
    for (int real = 1; real >= 0; --real) {
        SCOPED_TRACE(real);
        Deal(GAME_CLUBS, 0, "HT D7", "S8 D8", "HA H7 D9");
        g_Game.RealPlayFlag = static_cast<unsigned char>(real);
        EXPECT_EQ(CardName(Serve(2, Card("HK"), Card("S7"))), "HA");
        g_Game.RealPlayFlag = 1;
        EXPECT_EQ(g_Knowledge.VoidTable[1][HEARTS], 0);
    }
}

TEST_F(SuitDefenderTest, ThirdHandVoidGivesTheTenThatCarriesThePartnersTrickPast59) {
    // The defenders hold 49; the partner's King holds the trick over the soloist's Seven (53).
    Deal(GAME_CLUBS, 2, "HT H7 C8", "D7 D8", "C9 D9");
    g_Game.PartyPoints[1] = 49;
    EXPECT_EQ(CardName(Serve(0, Card("SK"), Card("S7"))), "HT");
}

TEST_F(SuitDefenderTest, ThirdHandWithoutTrumpsSmearsTheLoneAceIntoThePartnersJackTrick) {
    // The defenders hold 23; the partner's Spades Jack holds over the soloist's Hearts Jack (4
    // points). The King would carry them to 31 (priority 1), the lone Ace counts its 11 points.
    Deal(GAME_CLUBS, 2, "HK DA S7", "S8 D7", "S9 D8");
    g_Game.PartyPoints[1] = 23;
    EXPECT_EQ(CardName(Serve(0, Card("SJ"), Card("HJ"))), "DA");
}

}  // namespace
