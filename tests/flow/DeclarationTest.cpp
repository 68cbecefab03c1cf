// The roads of the declaration from a seeded deal to the first card: a computer declares, the
// person picks up (and lays away by click, drag or keys) or plays Hand, or nobody bid.
#include "flow/FrameDeclaration.h"
#include "flow/FrameAuction.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"

#include "dialogs/MessageDialogs.h"
#include "dialogs/RamschBars.h"
#include "flow/FrameGlobals.h"
#include "flow/PromptBars.h"
#include "flow/TableState.h"
#include "match/GameList.h"
#include "match/StoreRows.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "tavlo/Tavlo.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kHand = 1068;
constexpr int kClubs = 1016;
constexpr int kGrand = 1023;
constexpr int kKontraButton = 1046;
constexpr int kResume = 1072;
constexpr int kRepeatBox = 1178;

class DeclarationTest : public FlowFixture {
protected:
    // The person holds 18 against two computers without a game and gets the skat bar.
    void PersonWinsTheAuction() {
        DealAndHold();
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    }
    void PressOnBar(int id) {
        ::SendMessage(Bar(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        host_->PumpUntilIdle();
    }
    // Where a card lies on the table, a little inside its corner, in screen coordinates.
    platform::Point CardPoint(int card) {
        const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12, WC_GetCardY(g_Frame.hTableWnd, card) + 12};
        return platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client);
    }
    void ClickCard(int card) {
        host_->Click(host_->NowMs() + 10, CardPoint(card));
        host_->PumpFor(300);
    }
    int LineCount(const std::string& prefix) const {
        int count = 0;
        for (const std::string& line : LogBodies())
            if (line.rfind(prefix, 0) == 0) ++count;
        return count;
    }
    std::string Pane0() { return Frame().Table().StatusBar.PaneText(0); }
};

TEST_F(DeclarationTest, PickUpLaysTheSkatFaceUpInTheTrick) {
    PersonWinsTheAuction();
    const int first = Frame().GameObject().cards[0], second = Frame().GameObject().cards[1];
    PressOnBar(kPickUp);
    EXPECT_EQ(g_Game.FlowState, STATE_ASK);
    EXPECT_EQ(Frame().GameObject().count, 0);
    EXPECT_EQ(Frame().GameObject().Trick().cards[0], first);
    EXPECT_EQ(Frame().GameObject().Trick().cards[1], second);
    EXPECT_TRUE(WC_IsCardDealt(g_Frame.hTableWnd, first));
    EXPECT_EQ(Frame().GameObject().Person().cards[10], first);
    EXPECT_EQ(Frame().GameObject().Person().cards[11], second);
    EXPECT_EQ(Frame().Exchange().ActiveGroups, 9);
    EXPECT_EQ(g_Game.PlayerPhaseText[2], 201);
    EXPECT_EQ(g_Flow.ExchangeRunning, 1);
    EXPECT_EQ(g_Game.HandAnnounced, 0);
}

// What may be announced after a pick-up: the Ouvert box by the rules' Ouvert setting, the
// Schneider and Schwarz boxes by the rule set and the Schneider setting.
struct Restriction {
    const char* name;
    int variant, ouvert, schneider;
    bool ouvertOpen, schneiderOpen;
};

// A failing case names itself, not its bytes.
void PrintTo(const Restriction& c, std::ostream* out) { *out << c.name; }

class RestrictionTest : public DeclarationTest, public ::testing::WithParamInterface<Restriction> {};

TEST_P(RestrictionTest, PickUpOpensOnlyTheAnnouncementsTheRulesAllow) {
    const Restriction& r = GetParam();
    PersonWinsTheAuction();
    g_Game.VariantMode = r.variant;
    g_Settings.Variants.Ouvert = r.ouvert;
    g_Settings.Variants.Schneider = r.schneider;
    g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 1;
    PressOnBar(kPickUp);
    EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(Bar(), 1022)), r.ouvertOpen);
    EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(Bar(), 1045)), r.schneiderOpen);
    EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(Bar(), 1027)), r.schneiderOpen);
    EXPECT_EQ(g_Game.OuvertAnnounced, r.ouvertOpen ? 1 : 0);
    EXPECT_EQ(g_Game.SchneiderAnnounced, r.schneiderOpen ? 1 : 0);
    EXPECT_EQ(g_Game.SchwarzAnnounced, r.schneiderOpen ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rules, RestrictionTest,
                         ::testing::Values(Restriction{"RuleSkat", VARIANT_OFFICIAL, 2, 0, false, false},
                                           Restriction{"VariantOuvert2", VARIANT_SKAT, 2, 0, true, true},
                                           Restriction{"VariantOuvert1", VARIANT_SKAT, 1, 0, false, true},
                                           Restriction{"VariantSchneider1", VARIANT_SKAT, 2, 1, true, false},
                                           Restriction{"RamschOnly", VARIANT_RAMSCH_ONLY, 0, 1, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Click a hand card, then a skat card: they change places, the hands are looked at again, and the
// declaration puts the laid-away cards into the skat.
TEST_F(DeclarationTest, LayAwayByClickThenDeclareClubs) {
    PersonWinsTheAuction();
    PressOnBar(kPickUp);
    const CPlayer& person = Frame().GameObject().Person();
    const int hand = person.cards[0];
    const int skat = Frame().GameObject().Trick().cards[1];
    const int kept = Frame().GameObject().Trick().cards[0];
    // A limit no evaluation gives, so that the exchange is seen to judge the hands again.
    Frame().FrameAuction().SetBidLimit(0, -1);
    Frame().FrameAuction().SetBidLimit(1, -1);
    ClickCard(hand);
    EXPECT_TRUE(person.IsSelectedCard(hand));
    ClickCard(skat);
    EXPECT_EQ(person.cards[0], skat);
    EXPECT_EQ(Frame().GameObject().Trick().cards[1], hand);
    EXPECT_FALSE(person.IsSelectedCard(skat));
    // Every seat's limit was evaluated again.
    EXPECT_GE(Frame().Auction().BidLimits[0], 0);
    EXPECT_GE(Frame().Auction().BidLimits[1], 0);
    EXPECT_EQ(LineCount("CMainFrame::SwapCards("), 1);

    PressOnBar(kClubs);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_EQ(g_Game.GameType, 0);
    EXPECT_FALSE(Frame().FrameAuction().IsAuctionBarOpen());
    EXPECT_FALSE(::IsWindow(Bar()));
    // The skat row holds what was laid away, and the card locations agree.
    EXPECT_EQ(Frame().GameObject().cards[0], kept);
    EXPECT_EQ(Frame().GameObject().cards[1], hand);
    EXPECT_EQ(Frame().GameObject().count, 2);
    EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(hand)), CARD_IN_SKAT);
    EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(skat)), CARD_IN_HAND);
    EXPECT_TRUE(person.HasCard(skat));
    EXPECT_FALSE(person.HasCard(hand));
    EXPECT_EQ(g_Game.PlayerPhaseText[2], 203);
    EXPECT_GT(Frame().PersonBidLimit(), 0);
    int at = 0;
    for (const char* line : {"CMainFrame::OnDeclare(Person:Kz)", "CMainFrame::SetupGame(Person:Kz)",
                             "CMainFrame::State(PLAY)", "CMainFrame::InitHistory()"}) {
        at = FindLine(line, at);
        ASSERT_GE(at, 0) << line << "\n" << LogText();
    }
}

TEST_F(DeclarationTest, TheSameCardTwiceLiftsItAndAComputersCardIsRefused) {
    PersonWinsTheAuction();
    PressOnBar(kPickUp);
    const CPlayer& person = Frame().GameObject().Person();
    const int hand = person.cards[3];
    ClickCard(hand);
    EXPECT_TRUE(person.IsSelectedCard(hand));
    ClickCard(hand);
    EXPECT_FALSE(person.IsSelectedCard(hand));
    EXPECT_EQ(LineCount("CMainFrame::SwapCards("), 0);

    const int computers = Frame().GameObject().Player(0)->cards[2];
    ClickCard(computers);
    EXPECT_EQ(Pane0(), "Illegal action");
    EXPECT_TRUE(Frame().GameObject().Player(0)->HasCard(computers));
    EXPECT_EQ(LineCount("CMainFrame::SwapCards("), 0);
}

TEST_F(DeclarationTest, LayAwayByDragAtTheCardsPositions) {
    WriteProfileInt("Options", "Drag", 1);
    PersonWinsTheAuction();
    PressOnBar(kPickUp);
    const CPlayer& person = Frame().GameObject().Person();
    const int hand = person.cards[5];
    const int skat = Frame().GameObject().Trick().cards[0];
    host_->Drag(host_->NowMs() + 10, CardPoint(hand), CardPoint(skat), 100);
    host_->PumpFor(1000);
    EXPECT_EQ(Frame().GameObject().Trick().cards[0], hand);
    EXPECT_EQ(person.cards[5], skat);
    EXPECT_EQ(LineCount("CMainFrame::SwapCards("), 1);

    // A drop on the empty table changes nothing: the card glides back.
    const int other = person.cards[6];
    const platform::Point from = CardPoint(other);
    const platform::Point empty = platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, {5, 5});
    host_->Drag(host_->NowMs() + 10, from, empty, 100);
    host_->PumpFor(1000);
    EXPECT_EQ(person.cards[6], other);
    EXPECT_EQ(CardPoint(other), from);
    EXPECT_EQ(LineCount("CMainFrame::SwapCards("), 1);
}

TEST_F(DeclarationTest, TheKeysSwapExactlyOnePair) {
    PersonWinsTheAuction();
    PressOnBar(kPickUp);
    const CPlayer& person = Frame().GameObject().Person();
    // Up raises a skat card, Down one of the person's cards; Enter exchanges them.
    host_->Key(host_->NowMs() + 10, VK_UP);
    host_->Key(host_->NowMs() + 20, VK_DOWN);
    host_->PumpFor(200);
    const int skat = Frame().GameObject().Trick().GetSelectedCard();
    const int hand = person.GetSelectedCard();
    ASSERT_GT(skat, 0);
    ASSERT_GT(hand, 0);
    host_->Key(host_->NowMs() + 10, VK_RETURN);
    host_->PumpFor(200);
    EXPECT_EQ(LineCount("CMainFrame::SwapCards("), 1);
    EXPECT_TRUE(person.HasCard(skat));
    EXPECT_TRUE(Frame().GameObject().Trick().HasCard(hand));
}

TEST_F(DeclarationTest, HandGameKeepsTheSkatAndSaysHand) {
    PersonWinsTheAuction();
    const int first = Frame().GameObject().cards[0];
    PressOnBar(kHand);
    EXPECT_EQ(g_Game.FlowState, STATE_HAND);
    EXPECT_EQ(g_Game.HandAnnounced, 1);
    EXPECT_EQ(g_Game.PlayerPhaseText[2], 202);
    PressOnBar(kGrand);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_EQ(g_Game.GameType, GAME_GRAND);
    EXPECT_EQ(Frame().GameObject().cards[0], first);
    EXPECT_EQ(g_Game.PlayerPhaseText[2], 202);
    EXPECT_GE(FindLine("CMainFrame::OnDeclare(Person:GdHd)"), 0) << LogText();
    EXPECT_GE(FindLine("CMainFrame::InitHistory()"), 0);
}

// A computer declares: the game message runs modally, the declarer's symbol goes up and play starts.
TEST_F(DeclarationTest, ComputerDeclaresThroughTheGameMessage) {
    DealAndHold();
    StartAuction(2, 0, 18);
    PressPass();
    host_->PumpFor(3000);
    EXPECT_EQ(g_Game.Soloist, 1);
    ASSERT_EQ(answerer_.answered.size(), 1u);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_TRUE(WS_IsSymbolShown(g_Frame.hTableWnd, g_Game.GameType + 1));
    EXPECT_EQ(Frame().Texts().StatusText.rfind(Frame().GetPlayerName(1).substr(0, 10) + " bids 18: plays ", 0), 0u)
        << Frame().Texts().StatusText;
    EXPECT_GE(FindLine("CMainFrame::InitHistory()"), 0);
    EXPECT_EQ(FindLine("CMainFrame::OnAbandon()"), -1);
}

// The game message's Kontra button: only where the computers may give Kontra.
struct KontraCase {
    const char* name;
    int variant;
    const char* script;  // the person's answers before seat 1 plays
    bool shown;
};

// A failing case names itself, not its bytes.
void PrintTo(const KontraCase& c, std::ostream* out) { *out << c.name; }

class KontraButtonTest : public DeclarationTest, public ::testing::WithParamInterface<KontraCase> {};

TEST_P(KontraButtonTest, ShownOnlyWhereKontraIsAllowed) {
    const KontraCase& k = GetParam();
    DealAndHold();
    answerer_.probe = [](HWND dialog) { return ::IsWindowVisible(::GetDlgItem(dialog, kKontraButton)) ? 1 : 0; };
    StartAuction(1, 0, 30, k.variant);
    for (const char* press = k.script; *press; ++press) {
        if (*press == 'b') PressBid();
        else PressPass();
    }
    host_->PumpFor(3000);
    ASSERT_EQ(g_Game.Soloist, 1);
    ASSERT_FALSE(answerer_.probes.empty());
    EXPECT_EQ(answerer_.probes.front(), k.shown ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rules, KontraButtonTest,
                         ::testing::Values(KontraCase{"RuleSkat", VARIANT_OFFICIAL, "bp", false},
                                           KontraCase{"VariantPersonBid", VARIANT_SKAT, "bp", true},
                                           KontraCase{"VariantPersonSilent", VARIANT_SKAT, "p", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A bid the soloist cannot reach: the message says so, the game is given up, no card is played.
TEST_F(DeclarationTest, OverbidComputerGivesUp) {
    DealAndHold();
    StartAuction(2, 264, 264);
    PressPass();
    host_->PumpFor(5000);
    ASSERT_EQ(g_Game.Soloist, 0);
    EXPECT_EQ(BidValue(-1), 264);
    // Seat 0 gave the game up, and it is marked as given up.
    EXPECT_EQ(g_Game.GameEndFlags, 8);
    EXPECT_GE(FindLine("CMainFrame::OnAbandon(Computer1)"), 0);
    EXPECT_TRUE(Frame().Series().Record.cards.empty());
}

TEST_F(DeclarationTest, NobodyBidInTheRamschVariantLeadsToRamsch) {
    DealAndHold();
    StartAuction(2, 0, 0, VARIANT_SKAT);
    PressPass();
    EXPECT_EQ(g_Game.Soloist, 3);
    EXPECT_EQ(g_Game.FlowState, STATE_QUERY);
    EXPECT_EQ(g_Game.GameType, GAME_RAMSCH);
    // The game is told as passed out, without a Grand Hand offer, before the pick-up round.
    EXPECT_EQ(answerer_.answered.size(), 1u);
    const int auction = FindLine("CMainFrame::OnAuction()");
    ASSERT_GE(auction, 0);
    EXPECT_EQ(FindLine("CMainFrame::PickupRamsch(CGrandHandDialog)", auction), -1);
    const std::vector<std::string> lines = LogBodies();
    int turns = 0;
    for (std::size_t i = static_cast<std::size_t>(auction); i < lines.size(); ++i)
        turns += lines[i].rfind("CMainFrame::PickupRamsch(", 0) == 0;
    EXPECT_GE(turns, 2);
    EXPECT_NE(OpenBarAs<CSkatRamschDialog>(Frame()), nullptr);
}

// Passed in under rule Skat: the answer decides. No (1) counts the game and waits; Yes (4) deals
// the next; the repeat box (16) breaks off and plays the same deal now (with Yes) or later.
struct PassedCase {
    const char* name;
    std::vector<int> answers;
    int games;
    bool newDeal, broken, repeated;
};

// A failing case names itself, not its bytes.
void PrintTo(const PassedCase& c, std::ostream* out) { *out << c.name; }

class PassedTest : public DeclarationTest, public ::testing::WithParamInterface<PassedCase> {};

TEST_P(PassedTest, TheAnswerDecidesWhatFollows) {
    const PassedCase& p = GetParam();
    DealAndHold();
    answerer_.answers = p.answers;
    const int games = g_Game.GameCount;
    const std::vector<int> personDealt = Frame().GameObject().Person().dealt;
    StartAuction(2, 0, 0, VARIANT_OFFICIAL);
    PressPass();
    host_->PumpFor(500);
    ASSERT_GE(FindLine("CMainFrame::Declare(nobody)"), 0);
    EXPECT_EQ(g_Game.GameCount - games, p.games);
    EXPECT_EQ(FindLine("CMainFrame::OnNew()", FindLine("CMainFrame::Declare(nobody)")) >= 0, p.newDeal);
    EXPECT_EQ(FindLine("CMainFrame::OnBreak()") >= 0, p.broken);
    EXPECT_EQ(FindLine("CMainFrame::OnRepeat()") >= 0, p.repeated);
    if (p.games == 1) {
        // The passed-in game is listed with no seat marked, score 0 and no text, and its deal is
        // stored as dealt under the same number.
        const ListRecord* listed = g_GameList.Game(g_Game.GameCount);
        ASSERT_NE(listed, nullptr);
        EXPECT_EQ(listed->Seat(), 3);
        EXPECT_EQ(listed->Score, 0);
        EXPECT_EQ(listed->TextString(), "");
        ASSERT_EQ(g_StoreRows.StoredDeals(), g_Game.StoreCount);
        EXPECT_EQ(g_StoreRows.DealWord(g_Game.StoreCount, DEAL_GAME), g_Game.GameCount);
        for (int slot = 0; slot < 10; ++slot)
            EXPECT_EQ(g_StoreRows.DealWord(g_Game.StoreCount, DEAL_HAND_0 + 20 + slot), personDealt[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(g_Game.Forehand, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, PassedTest,
                         ::testing::Values(PassedCase{"No", {IDCANCEL}, 1, false, false, false},
                                           PassedCase{"Yes", {IDOK}, 1, true, false, false},
                                           PassedCase{"NoRepeat", {-kRepeatBox, IDCANCEL}, 0, false, true, false},
                                           PassedCase{"YesRepeat", {-kRepeatBox, IDOK}, 0, false, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The swap pause after a computer's declaration: Fortsetzen goes on to play; a close stops it.
TEST_F(DeclarationTest, SwapPauseEndsWithFortsetzen) {
    DealAndHold();
    g_Flow.SkatSwapOption = 1;
    int state = -1, resumeOpen = -1, played = -1;
    testsupport::Later later;
    later.At(5000, [&] {
        state = g_Game.FlowState;
        resumeOpen = Frame().Declaration().ResumeSwapOpen;
        played = FindLine("CMainFrame::InitHistory()");
        ::PostMessage(Bar(), WM_COMMAND, kResume, 0);
    });
    StartAuction(2, 0, 18);
    PressPass();
    host_->PumpFor(1000);
    EXPECT_EQ(state, STATE_MANIPULATE);
    EXPECT_EQ(resumeOpen, 1);
    EXPECT_EQ(played, -1);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_EQ(Frame().Declaration().ResumeSwapOpen, 0);
    EXPECT_FALSE(::IsWindow(Bar()));
    EXPECT_EQ(g_Flow.SkatSwapOption, 1);
    EXPECT_GE(FindLine("CMainFrame::InitHistory()"), 0);
}

TEST_F(DeclarationTest, SwapPauseEndedByACloseStartsNoPlay) {
    DealAndHold();
    g_Flow.SkatSwapOption = 1;
    int state = -1;
    testsupport::Later later;
    later.At(5000, [&] {
        state = g_Game.FlowState;
        host_->Answers().PushMessageBoxAnswer(IDYES);
        Frame().PostMessage(WM_CLOSE);
    });
    StartAuction(2, 0, 18);
    PressPass();
    host_->PumpFor(1000);
    EXPECT_EQ(state, STATE_MANIPULATE);
    EXPECT_EQ(FindLine("CMainFrame::InitHistory()"), -1);
    EXPECT_FALSE(Frame().Run().TableAlive);
}

// A command that comes after its step is traced and dropped: a late pass after the auction ended,
// a late pick-up after the skat was taken.
TEST_F(DeclarationTest, LateCommandsAreDropped) {
    PersonWinsTheAuction();
    Frame().SendMessage(WM_COMMAND, CM_PASS);
    Frame().SendMessage(WM_COMMAND, CM_DECLARE);
    EXPECT_EQ(LineCount("CMainFrame::Declare()"), 1);
    EXPECT_EQ(g_Game.FlowState, STATE_SKAT);
    PressOnBar(kPickUp);
    Frame().SendMessage(WM_COMMAND, CM_PICKUP);
    Frame().SendMessage(WM_COMMAND, CM_HAND);
    EXPECT_EQ(LineCount("CMainFrame::OnPickup("), 1);
    EXPECT_EQ(LineCount("CMainFrame::OnHand("), 0);
    EXPECT_EQ(g_Game.FlowState, STATE_ASK);
    EXPECT_GE(FindLine("CMainFrame::OnCommand(102:late)"), 0) << LogText();
}

// A hostile name from the profile shows as itself in the game message and breaks no rich text.
TEST_F(DeclarationTest, APlayersNameIsEscapedInTheGameMessage) {
    DealAndHold();
    const std::string names[3] = {Frame().GetPlayerName(0), "Bad}{\\par", Frame().GetPlayerName(2)};
    FrameGameAccess::Game(Frame()).NameRows("Skat", names);
    std::string text;
    answerer_.probe = [&text](HWND dialog) {
        if (auto* message = dynamic_cast<CGameMessageDialog*>(::WindowFromHandle(dialog))) text = message->Text();
        return 0;
    };
    StartAuction(2, 0, 18);
    PressPass();
    host_->PumpFor(3000);
    ASSERT_EQ(g_Game.Soloist, 1);
    EXPECT_NE(text.find("\\b\\fs32\\qc Bad\\}\\{\\\\par\\b0"), std::string::npos) << text;
}

// The trace names a card's owner: the skat's name for the skat (also in the trick's first two
// places, unless asked with 2, which says "Trick"), else the hand's.
TEST_F(DeclarationTest, CardOwnerNameLooksWhereAsked) {
    PersonWinsTheAuction();
    const int skat = Frame().GameObject().cards[0];
    const int hand = Frame().GameObject().Person().cards[0];
    EXPECT_EQ(Frame().CardOwnerName(skat, 0), Frame().GameObject().name);
    EXPECT_EQ(Frame().CardOwnerName(skat, 3), "");
    EXPECT_EQ(Frame().CardOwnerName(hand, 0), Frame().GameObject().Person().name);
    PressOnBar(kPickUp);
    EXPECT_EQ(Frame().CardOwnerName(skat, 2), "Trick");
    EXPECT_EQ(Frame().CardOwnerName(skat, 0), Frame().GameObject().name);
    EXPECT_EQ(Frame().CardOwnerName(skat, 1), "");
    EXPECT_EQ(Frame().CardOwnerName(hand, 2), Frame().GameObject().Person().name);
}

// Revolution: the defenders are handed over in an order set by the soloist and the forehand.
struct OpponentsCase {
    int soloist, forehand;
    bool seat0First;
};

// A failing case names itself, not its bytes.
void PrintTo(const OpponentsCase& c, std::ostream* out) {
    *out << "soloist " << c.soloist << ", forehand " << c.forehand;
}

class OpponentsOrderTest : public DeclarationTest, public ::testing::WithParamInterface<OpponentsCase> {};

TEST_P(OpponentsOrderTest, FirstAndSecondDefender) {
    const OpponentsCase& o = GetParam();
    DealAndHold();
    g_Game.Soloist = o.soloist;
    g_Game.Forehand = o.forehand;
    const CSkat& game = Frame().GameObject();
    Frame().CardExchange().SwapCardsOpponents(false, 0, 1, 2);
    const std::string first = o.seat0First ? game.Player(0)->name : game.Player(1)->name;
    const std::string second = o.seat0First ? game.Player(1)->name : game.Player(0)->name;
    EXPECT_GE(FindLine("CPlayer::SwapOpponentCards(" + first + ":" + second + ")"), 0) << LogText();
}

INSTANTIATE_TEST_SUITE_P(Seats, OpponentsOrderTest,
                         ::testing::Values(OpponentsCase{2, 0, true}, OpponentsCase{2, 1, false}, OpponentsCase{2, 2, false},
                                           OpponentsCase{0, 2, true}, OpponentsCase{0, 0, false}, OpponentsCase{0, 1, false},
                                           OpponentsCase{1, 0, true}, OpponentsCase{1, 1, false}, OpponentsCase{1, 2, false}));

}  // namespace
