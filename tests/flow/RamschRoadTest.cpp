// The roads into a Ramsch game over fixed deals, each played to its result: all passed under the
// variant rules, a Ramsch round and the Ramsch-only rules; with and without the Grand Hand offer
// and passing the skat on; the person declining or playing Grand Hand, passing the skat on, or
// picking it up and pushing two cards back (his own or the suggested ones, Finish pressed while
// they still slide), with the Durchmarsch box ticked on the way.
#include "flow/FrameAuction.h"
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "flow/RamschState.h"

#include "computer/evaluation/GameEvaluation.h"
#include "dialogs/RamschBars.h"
#include "flow/FrameGlobals.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/InternalError.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "support/CardNames.h"
#include "platform/headless/HeadlessHost.h"
#include "tavlo/Tavlo.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

#include <algorithm>
#include <string>

namespace {

using testsupport::FlowFixture;

enum class Start { AllPassed, RamschRound, RamschOnly };

// A fixed change to the deal before anyone is asked: the person holds every Jack and the Clubs
// from the Ace down to the Eight and leads (a Durchmarsch whatever he plays), or Comp1 holds a
// Grand Hand (every Jack, the Aces and Tens of Clubs and Spades, the Ace of Hearts).
enum class Rig { None, PersonDurchmarsch, Comp1GrandHand };

struct RamschRoad {
    const char* name;
    Start start;
    int passOn;
    int grandHand;
    // The person's answers, in order: at the Grand Hand bar G (Grand Hand) or R (Ramsch); at the
    // Ramsch skat bar p (pass on) or u (pick up), d before either ticks the Durchmarsch box; at the
    // end-swap bar x (push two cards that are no Jacks).
    const char* script;
    int playedType;
    int soloist;             // the Grand Hand's soloist
    bool offerShown;         // the Grand Hand bar came up
    const char* personLine;  // the person's answer in the trace ("" none asked)
    Rig rig = Rig::None;
};

// A failing case names itself, not its bytes.
void PrintTo(const RamschRoad& c, std::ostream* out) { *out << c.name; }

constexpr const char* kPassedOn = "CMainFrame::OnPassOnRamsch(Person)";
constexpr const char* kPickedUp = "CMainFrame::OnPickupRamsch(Person)";
constexpr const char* kGrandHand = "CMainFrame::OnGrandHand(Person)";

const RamschRoad kRoads[] = {
    {"AllPassedPassOn", Start::AllPassed, 1, 1, "p", GAME_RAMSCH, 3, false, kPassedOn},
    {"AllPassedPickUpAndPush", Start::AllPassed, 1, 1, "ux", GAME_RAMSCH, 3, false, kPickedUp},
    {"AllPassedPickUpSuggestAndPushAtOnce", Start::AllPassed, 1, 1, "us", GAME_RAMSCH, 3, false, kPickedUp},
    {"AllPassedWithoutPassOn", Start::AllPassed, 0, 1, "", GAME_RAMSCH, 3, false, ""},
    {"RamschRoundDeclineThenPassOn", Start::RamschRound, 1, 1, "Rp", GAME_RAMSCH, 3, true, kPassedOn},
    {"RamschRoundGrandHand", Start::RamschRound, 1, 1, "G", GAME_GRAND, 2, true, kGrandHand},
    {"RamschRoundWithoutOffer", Start::RamschRound, 1, 0, "dux", GAME_RAMSCH, 3, false, kPickedUp},
    {"RamschOnlyDurchmarschTickedThenPassOn", Start::RamschOnly, 1, 1, "Rdp", GAME_RAMSCH, 3, true, kPassedOn},
    {"RamschOnlyGrandHand", Start::RamschOnly, 0, 1, "G", GAME_GRAND, 2, true, kGrandHand},
    {"RamschOnlyNeitherOfferNorPassOn", Start::RamschOnly, 0, 0, "", GAME_RAMSCH, 3, false, ""},
    {"RamschOnlyDurchmarsch", Start::RamschOnly, 0, 1, "R", GAME_RAMSCH, 3, true, "", Rig::PersonDurchmarsch},
    {"RamschOnlyComputersGrandHand", Start::RamschOnly, 1, 1, "R", GAME_GRAND, 0, true, "", Rig::Comp1GrandHand},
};

class RamschRoadTest : public FlowFixture, public ::testing::WithParamInterface<RamschRoad> {
protected:
    void TearDown() override { SetInternalErrorHandler({}); }

    CMainFrame& F() { return Frame(); }
    // Every one of the 32 cards in exactly one place: a hand, the skat, or played (a card in the
    // trick row is played once it is in its seat's course row; before, it is the skat in exchange).
    bool EveryCardOnce() {
        const CSkat& game = F().GameObject();
        int seen[53] = {};
        auto note = [&seen](const CCards& row) {
            for (int slot = 0; slot < row.capacity; ++slot)
                if (row.present[slot] && IsCardCode(row.cards[slot])) ++seen[row.cards[slot]];
        };
        for (int seat = 0; seat < 3; ++seat) note(*game.Player(seat));
        note(game);
        for (int seat = 0; seat < 3; ++seat) note(game.CourseRow(seat));
        int inCourse[53] = {};
        for (int seat = 0; seat < 3; ++seat) {
            const CTrick& row = game.CourseRow(seat);
            for (int slot = 0; slot < row.capacity; ++slot)
                if (row.present[slot] && IsCardCode(row.cards[slot])) inCourse[row.cards[slot]] = 1;
        }
        for (int slot = 0; slot < game.Trick().capacity; ++slot)
            if (game.Trick().present[slot] && IsCardCode(game.Trick().cards[slot]) && !inCourse[game.Trick().cards[slot]])
                ++seen[game.Trick().cards[slot]];
        int cards = 0;
        for (int code = 1; code <= 52; ++code) {
            if (seen[code] > 1) return false;
            cards += seen[code];
        }
        return cards == DECK_SIZE;
    }

    // The deal of the road, held where the person is first asked (or play has begun).
    void Deal(const RamschRoad& road) {
        WriteProfileInt("Variants", "PassOn", road.passOn);
        WriteProfileInt("Variants", "GrandHand", road.grandHand);
        WriteProfileInt("Variants", "Ramsch", 1);
        if (road.start == Start::AllPassed) {
            DealAndHold();
        } else {
            // No auction: the deal goes on to the offer, the pick-up round or play by itself.
            TraceOn();
            StartProgram();
            answerer_.Start();
            g_Game.VariantMode = road.start == Start::RamschRound ? VARIANT_SKAT : VARIANT_RAMSCH_ONLY;
            if (road.start == Start::RamschRound) {
                g_Game.RoundStatus = ROUND_RAMSCH;
                g_Game.RamschRound = g_Game.RamschRounds = 1;
            }
            // The person sits forehand: he is asked first and leads.
            g_Game.Leader = g_Game.Forehand = 2;
            SeedRand(4711);
            Frame().SendMessage(WM_COMMAND, ID_NEW);
            ASSERT_TRUE(host_->PumpUntil([this] { return g_Game.GameType == GAME_RAMSCH && Asked(); }, 10000));
        }
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
        ApplyRig(road.rig);
        if (road.start == Start::AllPassed) {
            StartAuction(2, 0, 0, VARIANT_SKAT);
            PressPass();
        }
        leader_ = g_Game.Leader;
    }

    // The cards of the rig into the seat's hand, each swapped with a card of the seat that the rig
    // does not name (so every card stays in one place); the seat's hand is judged again.
    void GiveCards(int seat, const std::vector<int>& wanted) {
        CSkat& game = FrameGameAccess::Game(F());
        CPlayer& hand = SkatTestAccess::Player(game, seat);
        auto isWanted = [&wanted](int card) { return std::find(wanted.begin(), wanted.end(), card) != wanted.end(); };
        for (int card : wanted) {
            if (hand.HasCard(card)) continue;
            CCards* rows[] = {&SkatTestAccess::Player(game, 0), &SkatTestAccess::Player(game, 1), &SkatTestAccess::Player(game, 2), &game};
            for (CCards* row : rows) {
                const int at = row == &hand ? -1 : row->FindCard(card);
                if (at < 0) continue;
                for (int slot = 0; slot < hand.capacity; ++slot) {
                    if (!hand.present[slot] || isWanted(hand.cards[slot])) continue;
                    std::swap(row->cards[at], hand.cards[slot]);
                    break;
                }
                break;
            }
        }
        for (int card : wanted) ASSERT_TRUE(hand.HasCard(card)) << card;
        F().FrameAuction().EvaluateBidLimits();
        for (int s = 0; s < 3; ++s) game.Think(s, [](CPlayer& player) { player.PlanPlay(false); });
    }

    void ApplyRig(Rig rig) {
        if (rig == Rig::PersonDurchmarsch) {
            GiveCards(2, testsupport::CardsOf("CJ SJ HJ DJ CA CT CK CQ C9 C8"));
        } else if (rig == Rig::Comp1GrandHand) {
            GiveCards(0, testsupport::CardsOf("CJ SJ HJ DJ CA CT SA ST HA CK"));
        }
    }

    // The person's card: the first the rule allows, by a click.
    void PlayACard() {
        const CPerson& person = F().GameObject().Person();
        for (int slot = 0; slot < person.capacity; ++slot) {
            if (!person.present[slot] || !person.ValidCard(slot, F().GameObject().Trick())) continue;
            const int card = person.cards[slot];
            const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12, WC_GetCardY(g_Frame.hTableWnd, card) + 12};
            host_->Click(host_->NowMs() + 10, platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client));
            host_->PumpFor(100);
            return;
        }
        FAIL() << "no card to play";
    }

    // The two cards the person pushes on: a Jack in the picked-up skat changes places with a card
    // of his hand that is none, by a click on each, as the person exchanges.
    void PushTwoCards() {
        CSkat& game = FrameGameAccess::Game(F());
        for (int place = 0; place < 2; ++place) {
            const int jack = game.Trick().cards[place];
            if (GetCardRank(jack) != JACK) continue;
            for (int slot = 0; slot < game.Person().capacity; ++slot) {
                const int card = game.Person().cards[slot];
                if (!game.Person().present[slot] || GetCardRank(card) == JACK) continue;
                ClickCard(card);
                ClickCard(jack);
                ASSERT_TRUE(game.Person().HasCard(jack)) << "the exchange did not take the Jack";
                break;
            }
        }
        ::SendMessage(Bar(), WM_COMMAND, IDC_FINISH_SWAP, 0);
    }
    // The person clicks Suggestion twice and Finish before the suggested cards have slid.
    void SuggestTwiceAndPushAtOnce() {
        for (int button : {IDC_SUGGEST, IDC_SUGGEST, IDC_FINISH_SWAP}) ::PostMessage(Bar(), WM_COMMAND, button, 0);
    }
    void ClickCard(int card) {
        const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12, WC_GetCardY(g_Frame.hTableWnd, card) + 12};
        host_->Click(host_->NowMs() + 10, platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client));
        host_->PumpFor(300);
    }

    char NextAnswer() {
        if (*script_ == '\0') {
            ADD_FAILURE() << "the person is asked once more than the road says";
            return '\0';
        }
        return *script_++;
    }

    bool Asked() {
        return OpenBarAs<CGrandHandDialog>(F()) || OpenBarAs<CSkatRamschDialog>(F()) ||
               OpenBarAs<CEndSwapRamschDialog>(F()) || F().FrameTrickPlay().PersonMayPlay();
    }

    // Answers the bars by the script and plays the person's cards until the game is scored.
    void PlayToTheResult(const char* script) {
        script_ = script;
        for (int guard = 0; guard < 80 && !F().Series().Record.scored && !HasFailure(); ++guard) {
            ASSERT_TRUE(host_->PumpUntil([this] { return F().Series().Record.scored || Asked(); }, 60000)) << LogText();
            if (F().Series().Record.scored) break;
            if (g_Game.FlowState == STATE_PLAY) sawPlay_ = true;
            EXPECT_TRUE(EveryCardOnce()) << guard;
            if (OpenBarAs<CGrandHandDialog>(F())) {
                offerShown_ = true;
                ::SendMessage(Bar(), WM_COMMAND, NextAnswer() == 'G' ? BTN_GRAND_HAND : BTN_RAMSCH, 0);
            } else if (OpenBarAs<CSkatRamschDialog>(F())) {
                char answer = NextAnswer();
                if (answer == 'd') {
                    ::SendMessage(Bar(), WM_COMMAND, BTN_DURCHMARSCH, 0);
                    answer = NextAnswer();
                }
                ::SendMessage(Bar(), WM_COMMAND, answer == 'u' ? BTN_PICKUP : BTN_PASS_ON, 0);
            } else if (OpenBarAs<CEndSwapRamschDialog>(F())) {
                const char answer = NextAnswer();
                EXPECT_TRUE(answer == 'x' || answer == 's') << answer;
                if (answer == 'x') PushTwoCards();
                else SuggestTwiceAndPushAtOnce();
            } else {
                PlayACard();
            }
            host_->PumpFor(50);
        }
        EXPECT_EQ(*script_, '\0') << "answers left over: " << script_;
    }

    std::vector<std::string> reports_;
    const char* script_ = "";
    bool offerShown_ = false;
    bool sawPlay_ = false;
    int leader_ = 0;
};

TEST_P(RamschRoadTest, EachRoadPlaysToItsResult) {
    const RamschRoad& road = GetParam();
    Deal(road);
    ASSERT_FALSE(HasFailure());
    const int pushesBefore = F().Ramsch().RamschPushCount;
    PlayToTheResult(road.script);
    ASSERT_TRUE(F().Series().Record.scored) << LogText();

    EXPECT_EQ(g_Game.GameType, road.playedType);
    EXPECT_EQ(F().Series().Record.gameType, road.playedType);
    // A Grand Hand is the person's game; a Ramsch's score names its loser.
    if (road.playedType == GAME_GRAND) {
        EXPECT_EQ(g_Game.Soloist, road.soloist);
    }
    EXPECT_EQ(offerShown_, road.offerShown);
    // All passed makes no offer.
    if (road.start == Start::AllPassed) {
        const int auction = FindLine("CMainFrame::OnAuction()");
        ASSERT_GE(auction, 0);
        EXPECT_EQ(FindLine("CMainFrame::PickupRamsch(CGrandHandDialog)", auction), -1);
    }
    for (const char* line : {kPassedOn, kPickedUp, kGrandHand})
        EXPECT_EQ(FindLine(line) >= 0, std::string(line) == road.personLine) << line;
    // The person's pass-on counts; without passing on nobody passes the skat on.
    if (std::string(road.personLine) == kPassedOn) {
        EXPECT_GT(F().Ramsch().RamschPushCount, pushesBefore);
    }
    if (!road.passOn) {
        EXPECT_EQ(F().Ramsch().RamschPushCount, 0);
    }
    // A push asked for while the suggested cards slide follows once they lie.
    if (std::string(road.script).find('s') != std::string::npos) {
        EXPECT_GE(FindLine("CMainFrame::OnPushSkat(after the suggestion)"), 0) << LogText();
        EXPECT_GE(FindLine("CMainFrame::OnSuggestSkat(refused)"), 0);
    }
    // Play was led by the game's forehand.
    ASSERT_FALSE(F().Series().Record.cards.empty());
    EXPECT_EQ(F().Series().Record.cards.front().seat, leader_);
    EXPECT_EQ(F().Series().Record.cards.size(), 30u);
    if (road.rig == Rig::PersonDurchmarsch) {
        // Every trick was the person's: the others took no point.
        EXPECT_EQ(F().Series().Record.points[0], 0);
        EXPECT_EQ(F().Series().Record.points[1], 0);
        EXPECT_GT(F().Series().Record.points[2], 0);
    }
    if (road.rig == Rig::Comp1GrandHand) {
        EXPECT_GE(FindLine("CMainFrame::GrandHand(Computer1)"), 0);
    }
    EXPECT_TRUE(reports_.empty()) << reports_.front();
    // After a Grand Hand in a Ramsch game the same forehand plays the next game; after a Ramsch
    // the forehand moves on.
    host_->PumpFor(1000);
    EXPECT_EQ(g_Game.Leader, road.playedType == GAME_GRAND ? leader_ : (leader_ + 1) % 3);
    EXPECT_EQ(g_Game.Forehand, g_Game.Leader);
}

INSTANTIATE_TEST_SUITE_P(Roads, RamschRoadTest, ::testing::ValuesIn(kRoads),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
