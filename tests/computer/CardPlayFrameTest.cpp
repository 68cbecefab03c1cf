// The card-play dispatcher and the frame every strategy shares: the strategy table, the follow
// rule, the closing check, the picked card, suggestions that leave the hand alone, and the
// defenders' give-up offer.

#include "CardPlayTestSupport.h"

#include "computer/play/CardPlayDispatch.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "support/WholeDeal.h"
#include "support/SkatTestAccess.h"

#include <functional>

namespace {

class CardPlayFrameTest : public ComputerTest {};

// ---- The strategy table -----------------------------------------------------------------------

struct DispatchCase {
    int type;
    int soloist;   // seat of the soloist (3 none)
    int aim;       // Durchmarsch aim of seat 0
    int position;  // cards already in the trick
    int strategy;  // expected row, -1 none
    bool soloistNext;
};

TEST_F(CardPlayFrameTest, StrategyTableByGameTypeRoleAndPosition) {
    const DispatchCase cases[] = {
        {-1, 0, 0, 0, STRATEGY_NONE, false},
        {8, 0, 0, 0, STRATEGY_NONE, false},
        {8, 3, 1, 1, STRATEGY_NONE, false},
        {0, 0, 0, 0, SUIT_SOLOIST_LEAD, false},
        {3, 0, 0, 2, SUIT_SOLOIST_THIRD, false},
        {1, 1, 0, 0, SUIT_OPPONENT_LEAD, true},
        {2, 2, 0, 1, SUIT_OPPONENT_SECOND, false},
        {4, 0, 0, 1, NULL_SOLOIST_SECOND, false},
        {5, 0, 0, 2, NULL_SOLOIST_THIRD, false},
        {4, 1, 0, 2, NULL_OPPONENT_THIRD, true},
        {5, 2, 0, 0, NULL_OPPONENT_LEAD, false},
        {6, 0, 0, 0, GRAND_SOLOIST_LEAD, false},
        {6, 0, 0, 1, GRAND_SOLOIST_SECOND, false},
        {6, 0, 0, 2, GRAND_SOLOIST_THIRD, false},
        {6, 1, 0, 0, GRAND_OPPONENT_LEAD, true},
        {6, 1, 0, 1, GRAND_OPPONENT_SECOND, true},
        {6, 2, 0, 2, GRAND_OPPONENT_THIRD, false},
        // Ramsch: the aim decides, the soloist seat does not.
        {7, 3, 0, 0, RAMSCH_LEAD, false},
        {7, 0, 0, 1, RAMSCH_SECOND, false},
        {7, 3, 0, 2, RAMSCH_THIRD, false},
        {7, 3, 1, 0, DURCHMARSCH_LEAD, false},
        {7, 1, 1, 1, DURCHMARSCH_SECOND, true},
        {7, 3, 1, 2, DURCHMARSCH_THIRD, false},
        // No fourth card, no negative position.
        {6, 0, 0, 3, STRATEGY_NONE, false},
        {7, 3, 0, 3, STRATEGY_NONE, false},
        {0, 1, 0, -1, STRATEGY_NONE, true},
    };
    for (const auto& c : cases) {
        g_Game.GameType = c.type;
        g_Game.Soloist = c.soloist;
        seat0.durchmarschAim = c.aim;
        const StrategyChoice choice = ChooseStrategy(seat0, c.position);
        EXPECT_EQ(choice.strategy, c.strategy) << "type " << c.type << " soloist " << c.soloist << " aim " << c.aim
                                               << " position " << c.position;
        EXPECT_EQ(choice.soloistNext, c.soloistNext) << "type " << c.type << " soloist " << c.soloist;
        if (c.strategy == STRATEGY_NONE) {
            GiveHand(seat0, "CA C7");
            g_Game.TrickWinner = 0;
            EXPECT_EQ(seat0.ServeCardDispatch(c.position, NO_CARD, NO_CARD), NO_CARD);
        }
    }
}

// ---- The follow rule --------------------------------------------------------------------------

struct FollowCase {
    int type;
    const char* hand;
    const char* lead;  // "" for an empty trick
    const char* card;
    bool allowed;
};

TEST_F(CardPlayFrameTest, FollowRuleTable) {
    const FollowCase cases[] = {
        // Grand: a Jack is trump; a plain lead must be followed when held.
        {GAME_GRAND, "CJ HA H7 S8", "HK", "H7", true},
        {GAME_GRAND, "CJ HA H7 S8", "HK", "CJ", false},
        {GAME_GRAND, "CJ HA H7 S8", "HK", "S8", false},
        {GAME_GRAND, "CJ HA H7 S8", "DJ", "CJ", true},
        {GAME_GRAND, "CJ HA H7 S8", "DJ", "HA", false},
        {GAME_GRAND, "HA H7 S8", "DJ", "HA", true},  // no trump: anything
        {GAME_GRAND, "CJ S8", "HK", "CJ", true},     // out of the suit: anything
        // A suit game: the trump suit and the Jacks are one column.
        {GAME_HEARTS, "CJ H7 S8", "HA", "CJ", true},
        {GAME_HEARTS, "CJ H7 S8", "HA", "S8", false},
        {GAME_HEARTS, "HJ S8 SA", "DJ", "HJ", true},
        {GAME_HEARTS, "HJ S8 SA", "DJ", "S8", false},
        {GAME_HEARTS, "S8 SA", "HJ", "S8", true},
        // Null: the Jack belongs to its suit.
        {GAME_NULL, "HJ S8", "H7", "HJ", true},
        {GAME_NULL, "HJ S8", "H7", "S8", false},
        {GAME_REVOLUTION, "CJ S8", "H7", "CJ", true},
        // Ramsch: Jacks are trumps.
        {GAME_RAMSCH, "CJ HA", "SJ", "CJ", true},
        {GAME_RAMSCH, "CJ HA", "SJ", "HA", false},
        {GAME_RAMSCH, "CJ HA", "H7", "CJ", false},
    };
    for (const auto& c : cases) {
        g_Game.GameType = c.type;
        g_Game.TrickWinner = 1;
        GiveHand(seat0, c.hand);
        const int lead = ParseCards(c.lead).front();
        EXPECT_EQ(seat0.CanPlayCard(ParseCards(c.card).front(), lead), c.allowed)
            << c.type << " " << c.hand << " lead " << c.lead << " card " << c.card;
    }
    // An empty trick: only the seat in TrickWinner leads.
    g_Game.GameType = GAME_GRAND;
    GiveHand(seat0, "CJ HA");
    g_Game.TrickWinner = 0;
    EXPECT_TRUE(seat0.CanPlayCard(C(ACE, HEARTS), NO_CARD));
    EXPECT_TRUE(seat0.CanPlayCard(C(ACE, HEARTS), 0));
    g_Game.TrickWinner = 2;
    EXPECT_FALSE(seat0.CanPlayCard(C(ACE, HEARTS), NO_CARD));
}

TEST_F(CardPlayFrameTest, FollowRuleAgreesWithThePersonsCheckOverSeededDeals) {
    CSkat game;
    int compared = 0;
    for (int seed = 1; seed <= 300; ++seed) {
        SeedRand(static_cast<std::uint32_t>(seed));
        ClearDeckTaken();
        testsupport::DealAll(game);
        const int types[] = {0, 1, 2, 3, 4, 5, 6, 7};
        g_Game.GameType = types[seed % 8];
        for (int s = 0; s < 3; ++s) SkatTestAccess::Player(game, s).AnalyseHand(0);
        // A lead from a random card of seat 0 or 1; the person checks every card of his.
        const int leader = seed % 2;
        CPlayer* lead = &SkatTestAccess::Player(game, leader);
        const int leadCard = lead->cards[static_cast<std::size_t>(Rand() % 10)];
        SkatTestAccess::Trick(game).Reset();
        SkatTestAccess::Trick(game).cards[leader] = leadCard;
        SkatTestAccess::Trick(game).present[leader] = 1;
        SkatTestAccess::Trick(game).count = 1;
        g_Game.TrickWinner = leader;
        for (int slot = 0; slot < 10; ++slot) {
            EXPECT_EQ(game.Person().CanPlayCard(game.Person().cards[slot], leadCard),
                      game.Person().ValidCard(slot, game.Trick()))
                << "seed " << seed << " card " << CardName(game.Person().cards[slot]) << " lead " << CardName(leadCard);
            ++compared;
        }
    }
    EXPECT_EQ(compared, 3000);
}

}  // namespace

namespace {

// ---- The closing steps ------------------------------------------------------------------------

TEST_F(CardPlayFrameTest, ClosingCheckPlaysTheFirstAllowedCardForAnUnheldIllegalOrMissingCard) {
    g_Game.GameType = GAME_GRAND;
    g_Game.Soloist = 1;
    g_Game.TrickWinner = 1;
    GiveHand(seat0, "S7 HA H7 CJ");
    seat0.trickLeadCard = C(KING, HEARTS);
    // Not allowed (Spades on Hearts): the first Hearts card in hand order is played instead, and
    // the bookkeeping is that of the card really played.
    EXPECT_EQ(seat0.FinishStrategy(C(SEVEN, SPADES), EPILOGUE_PLAIN), C(ACE, HEARTS));
    EXPECT_EQ(seat0.handInfo.RankTable[HEARTS][ACE], -1);
    EXPECT_NE(seat0.handInfo.RankTable[SPADES][SEVEN], -1);
    // No card at all (a cascade that ended with -1), and a card he does not hold.
    GiveHand(seat0, "S7 HA H7 CJ");
    EXPECT_EQ(seat0.FinishStrategy(NO_CARD, EPILOGUE_PLAIN), C(ACE, HEARTS));
    GiveHand(seat0, "S7 HA H7 CJ");
    EXPECT_EQ(seat0.FinishStrategy(C(KING, CLUBS), EPILOGUE_PLAIN), C(ACE, HEARTS));
    EXPECT_EQ(g_Computer.ReplacedCardCount, 3);
    EXPECT_EQ(g_Game.StopFlag, StopState::Running);  // never the fatal discard
    // A held and allowed card passes untouched.
    GiveHand(seat0, "S7 HA H7 CJ");
    EXPECT_EQ(seat0.FinishStrategy(C(SEVEN, HEARTS), EPILOGUE_PLAIN), C(SEVEN, HEARTS));
    EXPECT_EQ(g_Computer.ReplacedCardCount, 3);
}

TEST_F(CardPlayFrameTest, PickedCardWinsOnlyWhenHeldAndAllowed) {
    g_Game.GameType = GAME_GRAND;
    g_Game.Soloist = 1;
    g_Game.TrickWinner = 1;
    GiveHand(seat0, "S7 HA H7 CJ");
    seat0.trickLeadCard = C(KING, HEARTS);
    seat0.PickedCard = C(SEVEN, HEARTS);
    EXPECT_EQ(seat0.FinishStrategy(C(ACE, HEARTS), EPILOGUE_PLAIN), C(SEVEN, HEARTS));
    seat0.PickedCard = C(SEVEN, SPADES);  // held, but Hearts must be followed
    EXPECT_EQ(seat0.FinishStrategy(C(ACE, HEARTS), EPILOGUE_PLAIN), C(ACE, HEARTS));
    seat0.PickedCard = C(KING, HEARTS);  // not held
    GiveHand(seat0, "S7 HA H7 CJ");
    EXPECT_EQ(seat0.FinishStrategy(C(ACE, HEARTS), EPILOGUE_PLAIN), C(ACE, HEARTS));
    EXPECT_EQ(g_Computer.ReplacedCardCount, 0);
}

TEST_F(CardPlayFrameTest, LeadsMarkTheirSuitAndTheSuitDefenderLeadRecordsIt) {
    g_Game.GameType = GAME_GRAND;
    g_Game.TrickWinner = 0;
    g_Game.Forehand = 0;
    GiveHand(seat0, "S7 HA CJ");
    seat0.trickLeadCard = NO_CARD;
    seat0.FinishStrategy(C(JACK, CLUBS), EPILOGUE_GRAND_SOLOIST_LEAD);  // a Jack marks nothing
    for (int s = 0; s < 4; ++s) EXPECT_EQ(g_ComputerFrame.SuitLedMark(s), 0);
    seat0.FinishStrategy(C(ACE, HEARTS), EPILOGUE_GRAND_SOLOIST_LEAD);
    EXPECT_EQ(g_ComputerFrame.SuitLedMark(HEARTS), 1);
    g_Game.GameType = GAME_CLUBS;
    GiveHand(seat0, "S7 HA CJ");
    seat0.FinishStrategy(C(SEVEN, SPADES), EPILOGUE_SUIT_DEFENDER_LEAD);
    EXPECT_EQ(g_Knowledge.LedSuitBySeat[0], SPADES);
    EXPECT_EQ(g_ComputerFrame.SuitLedMark(SPADES), 1);
    // In a suggestion the mark is set, the seat's led suit is not.
    g_Game.RealPlayFlag = 0;
    seat0.FinishStrategy(C(JACK, CLUBS), EPILOGUE_SUIT_DEFENDER_LEAD);
    EXPECT_EQ(g_Knowledge.LedSuitBySeat[0], SPADES);
    EXPECT_EQ(g_ComputerFrame.SuitLedMark(CLUBS), 1);
}

// ---- The give-up offer ------------------------------------------------------------------------

struct GiveUpCase {
    const char* name;
    int seat = 0;
    int defenderPoints = 0;
    int defenderTricks = 0;
    int schneider = 0;
    int schwarz = 0;
    int abandonSetting = 0;
    const char* hand;
    int calls = 0;
    bool answer = false;
    int asks = 0;         // how often the person is asked
    bool lastResult = false;  // the result of the last call
};

TEST_F(CardPlayFrameTest, GiveUpOfferOnTheSoloistsFaceUpCards) {
    const GiveUpCase cases[] = {
        // clang-format off
        {.name = "second call offers", .defenderPoints = 20, .defenderTricks = 2, .abandonSetting = 1,
         .hand = "CA C7 S7", .calls = 2, .answer = true, .asks = 1, .lastResult = true},
        {.name = "first call only notes", .defenderPoints = 20, .defenderTricks = 2, .abandonSetting = 1,
         .hand = "CA C7 S7", .calls = 1, .answer = true, .lastResult = false},
        {.name = "two cards never", .seat = 1, .defenderPoints = 20, .defenderTricks = 2, .abandonSetting = 1,
         .hand = "CA C7", .calls = 3, .answer = true, .lastResult = false},
        {.name = "lost by 60", .defenderPoints = 60, .defenderTricks = 4, .abandonSetting = 1, .hand = "CA C7 S7",
         .calls = 2, .answer = true, .lastResult = false},
        {.name = "59 still offers", .defenderPoints = 59, .defenderTricks = 4, .abandonSetting = 1, .hand = "CA C7 S7",
         .calls = 2, .answer = true, .asks = 1, .lastResult = true},
        {.name = "Schneider above 30", .defenderPoints = 31, .defenderTricks = 2, .schneider = 1, .abandonSetting = 1,
         .hand = "CA C7 S7", .calls = 2, .answer = true, .lastResult = false},
        {.name = "Schneider at 30", .defenderPoints = 30, .defenderTricks = 2, .schneider = 1, .abandonSetting = 1,
         .hand = "CA C7 S7", .calls = 2, .answer = true, .asks = 1, .lastResult = true},
        {.name = "Schwarz and a trick", .defenderTricks = 1, .schwarz = 1, .abandonSetting = 1, .hand = "CA C7 S7",
         .calls = 2, .answer = true, .lastResult = false},
        {.name = "Schwarz without a trick", .schwarz = 1, .abandonSetting = 1, .hand = "CA C7 S7", .calls = 2,
         .answer = true, .asks = 1, .lastResult = true},
        {.name = "setting off", .defenderPoints = 20, .defenderTricks = 2, .hand = "CA C7 S7", .calls = 2,
         .answer = true, .lastResult = false},
        {.name = "refused once, never again", .defenderPoints = 20, .defenderTricks = 2, .abandonSetting = 1,
         .hand = "CA C7 S7", .calls = 5, .answer = false, .asks = 1, .lastResult = false},
        {.name = "the person never", .seat = 2, .defenderPoints = 20, .defenderTricks = 2, .abandonSetting = 1,
         .hand = "CA C7 S7", .calls = 3, .answer = true, .lastResult = false},
        // clang-format on
    };
    for (const auto& c : cases) {
        SetUp();
        g_Game.GameType = GAME_GRAND;
        g_Game.Soloist = c.seat == 1 ? 0 : 1;
        g_Game.EarlyFaceUp = 1;
        g_Game.GameEndFlags = 2;
        g_Game.PartyPoints[1] = c.defenderPoints;
        g_Game.PartyTricks[1] = c.defenderTricks;
        g_Game.SchneiderAnnounced = c.schneider;
        g_Game.SchwarzAnnounced = c.schwarz;
        g_Settings.Settings.Abandon = c.abandonSetting;
        int asks = 0;
        g_ComputerFrame.Abandon = [&asks, &c](const std::string&, int) {
            ++asks;
            return c.answer;
        };
        CPlayer& player = c.seat == 0 ? static_cast<CPlayer&>(seat0) : c.seat == 1 ? static_cast<CPlayer&>(seat1) : seat2;
        GiveHand(player, c.hand);
        bool last = false;
        for (int call = 0; call < c.calls; ++call) last = player.CheckSoloist(NO_CARD);
        EXPECT_EQ(asks, c.asks) << c.name;
        EXPECT_EQ(last, c.lastResult) << c.name;
    }
}

TEST_F(CardPlayFrameTest, AcceptedGiveUpEndsTheGameForThatSeat) {
    g_Game.GameType = GAME_GRAND;
    g_Game.Soloist = 2;
    g_Game.EarlyFaceUp = 1;
    g_Game.OuvertAnnounced = 2;
    g_Game.GameEndFlags = 2;
    g_ComputerFrame.Abandon = [](const std::string& name, int seat) { return name == "Comp2" && seat == 1; };
    GiveHand(seat1, "CA C7 S7");
    EXPECT_FALSE(seat1.CheckSoloist(NO_CARD));
    EXPECT_TRUE(seat1.CheckSoloist(NO_CARD));
    EXPECT_EQ(g_Game.GameEndFlags, 1 + 8);
    EXPECT_EQ(g_Game.OuvertAnnounced, 0);
    EXPECT_EQ(g_ComputerFrame.LastPostedCommand, ID_ABANDON);
    EXPECT_EQ(g_ComputerFrame.PostedCommandCount, 1);
    // An announced Ouvert stays announced.
    SetUp();
    g_Game.GameType = GAME_GRAND;
    g_Game.Soloist = 2;
    g_Game.EarlyFaceUp = 1;
    g_Game.OuvertAnnounced = 1;
    g_ComputerFrame.Abandon = [](const std::string&, int) { return true; };
    GiveHand(seat0, "CA C7 S7");
    seat0.FaceUpSeen = 1;
    EXPECT_TRUE(seat0.CheckSoloist(NO_CARD));
    EXPECT_EQ(g_Game.OuvertAnnounced, 1);
    EXPECT_EQ(g_Game.GameEndFlags, 0 + 8);
}

TEST_F(CardPlayFrameTest, RamschGiveUpNamesTheSoloistOnlyWhenAccepted) {
    for (const bool answer : {false, true}) {
        SetUp();
        g_Game.GameType = GAME_RAMSCH;
        g_Game.Soloist = NO_SEAT;
        g_Game.EarlyFaceUp = 1;
        g_Game.GameEndFlags = 2;
        g_Game.PartyTricks[2] = 3;  // only the person has tricks
        g_ComputerFrame.Abandon = [answer](const std::string&, int) { return answer; };
        GiveHand(seat0, "CA C7 S7");
        seat0.FaceUpSeen = 1;
        EXPECT_EQ(seat0.GetSoloist(), 2);
        EXPECT_EQ(seat0.CheckSoloist(C(ACE, CLUBS)), answer);
        EXPECT_EQ(g_Game.Soloist, answer ? 2 : NO_SEAT) << answer;
    }
}

TEST_F(CardPlayFrameTest, RamschSoloistIsTheOnlyOtherSeatWithTricks) {
    g_Game.GameType = GAME_RAMSCH;
    g_Game.Soloist = NO_SEAT;
    EXPECT_EQ(seat0.GetSoloist(), NO_SEAT);  // nobody has tricks
    g_Game.PartyTricks[1] = 1;
    EXPECT_EQ(seat0.GetSoloist(), 1);
    g_Game.PartyTricks[2] = 1;
    EXPECT_EQ(seat0.GetSoloist(), NO_SEAT);  // both
    g_Game.PartyTricks[0] = 1;
    EXPECT_EQ(seat0.GetSoloist(), NO_SEAT);  // he has tricks himself
    g_Game.GameType = GAME_GRAND;
    g_Game.Soloist = 1;
    EXPECT_EQ(seat0.GetSoloist(), 1);
}

TEST_F(CardPlayFrameTest, NullGiveUpLooksAtTheSoloistsOpenHand) {
    g_Game.GameType = GAME_NULL;
    g_Game.Soloist = 2;
    g_Game.GameEndFlags = 2;
    int asks = 0;
    g_ComputerFrame.Abandon = [&asks](const std::string&, int) {
        ++asks;
        return false;
    };
    GiveHand(seat0, "CA SA HA DA");
    // Without the open-hand link there is no offer.
    EXPECT_FALSE(seat0.CheckSoloist(C(ACE, CLUBS)));
    EXPECT_EQ(asks, 0);
    // The soloist's low cards cannot be forced: offered (and refused).
    GiveHand(seat2, "C7 C8 C9 S7 S8 H7 D7");
    seat0.SetPartner(&seat2);
    EXPECT_FALSE(seat0.CheckSoloist(C(ACE, CLUBS)));
    EXPECT_EQ(asks, 1);
    // A soloist with a single Ace can be forced: no offer.
    SetUp();
    g_Game.GameType = GAME_NULL;
    g_Game.Soloist = 2;
    g_ComputerFrame.Abandon = [&asks](const std::string&, int) {
        ++asks;
        return true;
    };
    GiveHand(seat0, "C7 SA HA DA");
    GiveHand(seat2, "CA S7");
    seat0.SetPartner(&seat2);
    EXPECT_FALSE(seat0.CheckSoloist(C(SEVEN, CLUBS)));
    EXPECT_EQ(asks, 1);
}

}  // namespace

namespace {

TEST_F(CardPlayFrameTest, SmallSharedTests) {
    // The planned lead suits: a suit no longer held is dropped from the mask.
    g_Game.GameType = GAME_CLUBS;
    GiveHand(seat0, "SA S7 D7");
    seat0.partnerTopSuits = (1 << HEARTS) | (1 << DIAMONDS);
    EXPECT_EQ(seat0.NextSuitFromMask(), DIAMONDS);
    EXPECT_EQ(seat0.partnerTopSuits, 1 << DIAMONDS);
    seat0.partnerTopSuits = 1 << HEARTS;
    EXPECT_EQ(seat0.NextSuitFromMask(), -1);
    EXPECT_EQ(seat0.partnerTopSuits, 0);
    // Suits holding a card below the King, the Ace and King not counting.
    g_Game.GameType = GAME_RAMSCH;
    GiveHand(seat0, "CA CK SQ HJ D7");
    EXPECT_EQ(CountSuitsWithLowCards(seat0), 3);
    g_Game.GameType = GAME_NULL;
    EXPECT_EQ(CountSuitsWithLowCards(seat0), 0);
    // The Ramsch Jack test.
    g_Game.GameType = GAME_RAMSCH;
    g_Game.TrumpCount = 2;
    GiveHand(seat0, "CJ SJ D7");
    EXPECT_FALSE(RamschJackTest(seat0, 1, 0));  // all his cards but one are the Jacks left
    g_Game.TrumpCount = 3;
    EXPECT_TRUE(RamschJackTest(seat0, 1, 0));
    EXPECT_TRUE(RamschJackTest(seat0, 0, 9));
    EXPECT_TRUE(RamschJackTest(seat0, 5, 20));
}

}  // namespace
