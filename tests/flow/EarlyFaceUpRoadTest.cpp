// Laying the cards open early, on the players' road from a fixed deal: a computer soloist sure of
// every trick lays his Grand down at his next lead and says so in his voice and the edition's
// language; the person sure of his suit game lays down too, and a computer defender then offers to
// give the game up. The game's line names the seat that laid down before the seat that gave up.
#include "flow/TrickPlay.h"
#include "flow/FixedDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

#include "GameLineCheck.h"
#include "dialogs/AuctionDialog.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "GameLine.h"
#include "flow/PromptBars.h"
#include "model/InternalError.h"
#include "resources/CommandIds.h"
#include "resources/Editions.h"

#include <string>

namespace {

using testsupport::FixedDeal;
using testsupport::FixedDealFixture;

// Comp2 holds every Jack, Ace-Ten-King-Queen of Clubs and Ace-Ten of Spades.
constexpr const char* kComp2Grand = "CJ SJ HJ DJ CA CT CK CQ SA ST";
// The person holds every Jack, Clubs from the Ace to the Nine and the Ace of Spades.
constexpr const char* kPersonClubs = "CJ SJ HJ DJ CA CT CK CQ C9 SA";

constexpr int kPickUpButton = 1042;
constexpr int kClubsButton = 1016;

class EarlyFaceUpRoadTest : public FixedDealFixture {
protected:
    void TearDown() override { SetInternalErrorHandler({}); }

    void NoteReports() {
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
    }

    bool PersonMayBid() {
        return OpenBarAs<CAuctionDialog>(Frame()) != nullptr && ::IsWindowEnabled(::GetDlgItem(Bar(), BTN_PASS));
    }

    // The person passes whenever the auction asks him and plays the first card the rule allows
    // whenever it is his turn, until the game is scored.
    void PassAndPlayOut() {
        for (int guard = 0; guard < 60 && !Frame().Series().Record.scored && !HasFailure(); ++guard) {
            ASSERT_TRUE(host_->PumpUntil(
                [this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay() || PersonMayBid(); }, 60000))
                << LogText();
            if (Frame().Series().Record.scored) break;
            if (PersonMayBid()) PressPass();
            else ClickFirstAllowedCard();
        }
        ASSERT_TRUE(Frame().Series().Record.scored);
    }

    std::vector<std::string> reports_;
};

// Comp2 forehand declares a Grand with a sure hand: every Jack, Ace-Ten-King-Queen of Clubs and
// Ace-Ten of Spades (the evaluation makes it a Grand Hand Ouvert), or every Jack, Ace-Ten-King of
// Clubs, Ace-Ten of Spades and a small Heart (a Grand Hand, sure once the Heart is gone). With the
// lay-down setting on, he lays his cards open at a lead once no trick can be lost: the game is
// laid open (a hand not yet open is turned face up), the phrase is spoken in his voice in the
// edition's language, and the line says so. With the setting off he plays it out card by card.
struct Comp2LayDownCase {
    const char* name;
    const char* hand;
    bool german;
    int safe;
    bool ouvert;         // declared Ouvert
    bool laysDown;
    const char* phrase;  // the trace of the spoken phrase ("" none)
};

// A failing case names itself, not its bytes.
void PrintTo(const Comp2LayDownCase& c, std::ostream* out) { *out << c.name; }

constexpr const char* kComp2GrandWithAHeart = "CJ SJ HJ DJ CA CT CK SA ST H7";

const Comp2LayDownCase kComp2LayDowns[] = {
    {"OuvertEnglish", kComp2Grand, false, 1, true, true, "CMainFrame::PlayVoiceTerm(107,1,1,0)"},
    {"OuvertGerman", kComp2Grand, true, 1, true, true, "CMainFrame::PlayVoiceTerm(107,0,1,0)"},
    {"HandTurnedFaceUp", kComp2GrandWithAHeart, false, 1, false, true, "CMainFrame::PlayVoiceTerm(107,1,1,0)"},
    {"WithoutTheSettingPlaysItOut", kComp2GrandWithAHeart, false, 0, false, false, ""},
};

class Comp2LaysDownTest : public EarlyFaceUpRoadTest, public ::testing::WithParamInterface<Comp2LayDownCase> {};

TEST_P(Comp2LaysDownTest, TheSureGrandIsLaidOpenWhereTheSettingAllows) {
    const Comp2LayDownCase& c = GetParam();
    if (c.german) UseEdition(GermanResources());
    WriteProfileInt("Settings", "Safe", c.safe);
    // Voices on; Comp2 speaks with the second voice, the others are silent.
    WriteProfileInt("Audio", "Voice", (1 << 24) | (2 << 4));
    // The frame's verbose lines: the phrase is one.
    WriteProfileInt("View", "LogLevelV", 2);
    DealFixed(FixedDeal({"", c.hand}), 1, VARIANT_OFFICIAL);
    NoteReports();
    // Comp2's hand as each of the person's turns finds it: laid open during play, or not.
    int openAtCards = -1;
    for (int guard = 0; guard < 60 && !Frame().Series().Record.scored && !HasFailure(); ++guard) {
        ASSERT_TRUE(host_->PumpUntil(
            [this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay() || PersonMayBid(); }, 60000))
            << LogText();
        if (Frame().Series().Record.scored) break;
        if (openAtCards < 0 && g_Game.OuvertAnnounced == 2 && Frame().GameObject().Player(1)->faceUp)
            openAtCards = static_cast<int>(Frame().Series().Record.cards.size());
        if (PersonMayBid()) PressPass();
        else ClickFirstAllowedCard();
    }
    ASSERT_TRUE(Frame().Series().Record.scored);

    EXPECT_EQ(Frame().Series().Record.gameType, GAME_GRAND);
    EXPECT_EQ(Frame().Series().Record.soloist, 1);
    EXPECT_EQ(Frame().Series().Record.ouvert, c.ouvert ? 1 : 0);
    EXPECT_EQ(FindLine("CMainFrame::EarlyFaceUpGrand(Computer2)") >= 0, c.laysDown) << LogText();
    EXPECT_EQ(Frame().Series().Record.faceUp, c.laysDown ? 1 : -1);
    // A declared Ouvert lies open anyway; any other hand is open only once laid down, never
    // before his first card is played.
    if (!c.ouvert) {
        EXPECT_EQ(openAtCards >= 0, c.laysDown);
        if (c.laysDown) {
            EXPECT_GE(openAtCards, 3);
        }
    }
    // The phrase is spoken once, and only with the lay-down.
    int phrases = 0;
    for (const std::string& body : LogBodies()) phrases += body.rfind("CMainFrame::PlayVoiceTerm(107,", 0) == 0 ? 1 : 0;
    EXPECT_EQ(phrases, c.laysDown ? 1 : 0);
    if (c.laysDown) {
        EXPECT_GE(FindLine(c.phrase), 0);
    }
    const std::string line = FormatGameLine(Frame().Series().Record, 1);
    EXPECT_EQ(line.find(",faceup1") != std::string::npos, c.laysDown) << line;
    EXPECT_EQ(CheckGameLine(line), "") << line;
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

INSTANTIATE_TEST_SUITE_P(Cases, Comp2LaysDownTest, ::testing::ValuesIn(kComp2LayDowns),
                         [](const auto& info) { return std::string(info.param.name); });

// The person, forehand, wins the auction, picks the skat up and declares Clubs; his cards are sure
// after the first trick. He lays down at his second lead, Comp1 sees it with his next card and
// offers to give up with the one after; the person accepts, and the game is scored as given up.
TEST_F(EarlyFaceUpRoadTest, AComputerDefenderOffersToGiveUpAgainstASureSuitGame) {
    DealFixed(FixedDeal({"", "", kPersonClubs}), 2, VARIANT_RAMSCH_ONLY);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
    NoteReports();
    WriteProfileInt("Settings", "Abandon", 1);
    g_Settings.Settings.Abandon = 1;
    StartAuction(2, 0, 0, VARIANT_OFFICIAL);
    PressBid();
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    ::SendMessage(Bar(), WM_COMMAND, kPickUpButton, 0);
    host_->PumpUntilIdle();
    ::SendMessage(Bar(), WM_COMMAND, kClubsButton, 0);
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    ASSERT_EQ(g_Game.GameType, GAME_CLUBS);
    // Yes to Comp1's offer, then the result's OK.
    answerer_.answers = {IDOK, IDOK};
    PassAndPlayOut();

    EXPECT_GE(FindLine("CMainFrame::EarlyFaceUpSuit(Person)"), 0) << LogText();
    const int offer = FindLine("CMainFrame::Abandon(Computer1)");
    ASSERT_GE(offer, 0) << LogText();
    EXPECT_GT(offer, FindLine("CMainFrame::EarlyFaceUpSuit(Person)"));
    EXPECT_EQ(Frame().Series().Record.faceUp, 2);
    EXPECT_EQ(Frame().Series().Record.gaveUp, 0);
    // Three tricks: the lay-down before the second, the offer with Comp1's card of the third.
    EXPECT_EQ(Frame().Series().Record.cards.size(), 7u);
    const std::string line = FormatGameLine(Frame().Series().Record, 1);
    EXPECT_NE(line.find("decl=2:clubs,faceup2,gaveup0 "), std::string::npos) << line;
    EXPECT_EQ(CheckGameLine(line), "") << line;
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// A Ramsch where Comp1, forehand, holds every Jack and Clubs from the Ace to the Eight: once his
// first trick is in, he goes for Durchmarsch (the other two drop any aim), lays his cards open at
// his next lead and takes every trick; the line names him as the seat that laid down.
TEST_F(EarlyFaceUpRoadTest, InRamschTheSeatTakingEveryTrickGoesForDurchmarschAndLaysDown) {
    WriteProfileInt("Variants", "PassOn", 0);
    WriteProfileInt("Variants", "GrandHand", 0);
    DealFixed(FixedDeal({"CJ SJ HJ DJ CA CT CK CQ C9 C8"}), 0, VARIANT_RAMSCH_ONLY);
    NoteReports();
    ASSERT_EQ(g_Game.GameType, GAME_RAMSCH);
    // The aims after the first trick, as the person's first turn of the second trick finds them.
    int aims[3] = {-1, -1, -1};
    for (int guard = 0; guard < 60 && !Frame().Series().Record.scored && !HasFailure(); ++guard) {
        ASSERT_TRUE(
            host_->PumpUntil([this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay(); }, 60000))
            << LogText();
        if (Frame().Series().Record.scored) break;
        if (aims[0] < 0 && Frame().Series().Record.cards.size() >= 3)
            for (int seat = 0; seat < 3; ++seat) aims[seat] = Frame().GameObject().Player(seat)->durchmarschAim;
        ClickFirstAllowedCard();
    }
    ASSERT_TRUE(Frame().Series().Record.scored);

    EXPECT_EQ(aims[0], 1);
    EXPECT_EQ(aims[1], 0);
    EXPECT_EQ(aims[2], 0);
    EXPECT_GE(FindLine("CMainFrame::EarlyFaceUpGrand(Computer1)"), 0) << LogText();
    EXPECT_EQ(Frame().Series().Record.faceUp, 0);
    EXPECT_EQ(Frame().Series().Record.points[1], 0);
    EXPECT_EQ(Frame().Series().Record.points[2], 0);
    const std::string line = FormatGameLine(Frame().Series().Record, 1);
    EXPECT_NE(line.find("decl=-:ramsch,faceup0 "), std::string::npos) << line;
    EXPECT_EQ(CheckGameLine(line), "") << line;
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// Taken back to the first trick's bar, the person's lay-down is undone with it: the game is no
// longer laid open and its line names no lay-down; played on, he lays down again and the line says
// so.
TEST_F(EarlyFaceUpRoadTest, TakingTheTricksBackTakesTheLayDownBack) {
    DealFixed(FixedDeal({"", "", kPersonClubs}), 2, VARIANT_RAMSCH_ONLY);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
    NoteReports();
    StartAuction(2, 0, 0, VARIANT_OFFICIAL);
    PressBid();
    ::SendMessage(Bar(), WM_COMMAND, kPickUpButton, 0);
    host_->PumpUntilIdle();
    ::SendMessage(Bar(), WM_COMMAND, kClubsButton, 0);
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.GameType, GAME_CLUBS);
    // The first trick, then the lay-down at his second lead.
    const auto playTrick = [this] {
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 10000));
        const std::size_t before = Frame().Series().Record.cards.size();
        ClickFirstAllowedCard();
        ASSERT_TRUE(
            host_->PumpUntil([this, before] { return Frame().Series().Record.cards.size() >= before + 3; }, 10000));
    };
    playTrick();
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 10000));
    ASSERT_EQ(g_Game.EarlyFaceUp, 1);
    ASSERT_EQ(Frame().Series().Record.faceUp, 2);

    for (int guard = 0; guard < 12 && Frame().TrickPlay().HistoryPosition > 1; ++guard) {
        Frame().SendMessage(WM_COMMAND, ID_UNDO);
        host_->PumpFor(100);
    }
    ASSERT_EQ(Frame().TrickPlay().HistoryPosition, 1);
    EXPECT_EQ(g_Game.EarlyFaceUp, 0);
    EXPECT_EQ(Frame().Series().Record.faceUp, -1);
    EXPECT_EQ(FormatGameLine(Frame().Series().Record, 1).find(",faceup"), std::string::npos);

    Frame().SendMessage(WM_COMMAND, CM_NEXT_TRICK);
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 10000));
    EXPECT_EQ(g_Game.EarlyFaceUp, 1);
    EXPECT_EQ(Frame().Series().Record.faceUp, 2);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// Comp2's lay-down taken back with its trick and brought again: the line names it only while his
// cards lie open.
TEST_F(EarlyFaceUpRoadTest, TheComputersLayDownGoesAndComesWithItsTrick) {
    DealFixed(FixedDeal({"", kComp2GrandWithAHeart}), 1, VARIANT_OFFICIAL);
    NoteReports();
    // Up to the person's first card after the lay-down: Comp2 has led that trick.
    for (int guard = 0; guard < 40 && Frame().Series().Record.faceUp < 0 && !HasFailure(); ++guard) {
        ASSERT_TRUE(host_->PumpUntil(
            [this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay() || PersonMayBid(); }, 60000));
        ASSERT_FALSE(Frame().Series().Record.scored);
        if (Frame().Series().Record.faceUp >= 0) break;
        if (PersonMayBid()) PressPass();
        else ClickFirstAllowedCard();
    }
    ASSERT_EQ(Frame().Series().Record.faceUp, 1);
    ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    ASSERT_EQ(g_Game.EarlyFaceUp, 1);

    Frame().SendMessage(WM_COMMAND, ID_UNDO);
    host_->PumpFor(100);
    EXPECT_EQ(g_Game.EarlyFaceUp, 0);
    EXPECT_EQ(Frame().Series().Record.faceUp, -1);
    Frame().SendMessage(WM_COMMAND, ID_RECOVER);
    host_->PumpFor(100);
    EXPECT_EQ(g_Game.EarlyFaceUp, 1);
    EXPECT_EQ(Frame().Series().Record.faceUp, 1);
    EXPECT_NE(FormatGameLine(Frame().Series().Record, 1).find("decl=1:grand,hand,schneider,faceup1 "),
              std::string::npos)
        << FormatGameLine(Frame().Series().Record, 1);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

}  // namespace
