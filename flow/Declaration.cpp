// After the auction: the four roads of the declaration. A computer declares and the game message
// shows it; the person gets the skat bar; nobody bid and the passed-in question comes (or Ramsch).
#include "flow/FrameDeclaration.h"
#include "flow/FrameAuction.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FrameKontra.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/RamschRounds.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/GiveUp.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/KontraDecision.h"
#include "dialogs/MessageDialogs.h"
#include "dialogs/SkatBars.h"
#include "flow/AuctionWords.h"
#include "model/FlowGlobals.h"
#include "flow/FrameServices.h"
#include "flow/PromptBars.h"
#include "flow/RichText.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

namespace {

// Results of the passed-in question.
constexpr int kPassedNo = 1;
constexpr int kPassedYes = 4;
constexpr int kPassedRepeat = 16;

// May the computers give Kontra after a computer's declaration (only the game message's button).
bool KontraAllowed(CMainFrame& frame) {
    if (g_Game.Soloist == 2 || !g_Settings.Variants.Kontra) return false;
    switch (g_Game.VariantMode) {
        case VARIANT_SKAT:
            return frame.FrameAuction().HasBid(2) || (g_Game.RoundStatus == ROUND_RAMSCH && g_Game.GameType == GAME_GRAND);
        case VARIANT_RAMSCH_ONLY: return g_Game.GameType == GAME_GRAND;
        default: return false;
    }
}

// The seat's name as the status bar shows it: at most ten characters.
std::string ShortName(const CMainFrame& frame, int seat) { return frame.GetPlayerName(seat).substr(0, 10); }

}  // namespace

CFrameDeclaration& CMainFrame::FrameDeclaration() { return *declaration_; }
const DeclarationState& CMainFrame::Declaration() const { return declaration_->State(); }

void CFrameDeclaration::Declare() {
    // The start common to every soloist: the skat holder, the bid's text, everybody linked to the soloist.
    const bool kontraAllowed = KontraAllowed(frame_);
    const bool ramschVariant = g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Ramsch;
    WriteTrace(":Declare()", LOG_MAINFRAME);
    if (g_Game.Soloist != 3) g_Game.SkatHolderSeat = g_Game.Soloist;
    std::string bidText;
    if (g_Game.VariantMode != VARIANT_RAMSCH_ONLY && g_Game.GameType != GAME_RAMSCH)
        bidText = platform::LoadString(IDS_BIDS) + std::to_string(BidValue(-1));
    frame_.SetStatusPane(0, frame_.Texts().StatusText);
    g_Knowledge.PreferredSuit = -1;
    // Everybody looks at the soloist; with nobody playing nobody is linked.
    for (int seat = 0; seat < 3; ++seat) game_.LinkPartner(seat, g_Game.Soloist);

    if (g_Game.Soloist == 0 || g_Game.Soloist == 1) DeclareComputer(kontraAllowed, bidText);
    else if (g_Game.Soloist == 2) DeclarePerson(bidText);
    else DeclareNobody(ramschVariant);
    frame_.FrameTimers().ResetIdle();
}

void CFrameDeclaration::DeclareComputer(bool kontraAllowed, const std::string& bidText) {
    const int s = g_Game.Soloist;
    const CPlayer& soloist = *frame_.GameObject().Player(s);
    // Steps 1 to 5: the declaration and the game message.
    frame_.FrameTexts().SetStatusText(ShortName(frame_, s) + bidText);
    // Under the open-cards option the computer's lay-away is shown on the table.
    g_ComputerFrame.Game = &frame_.GameObject();
    g_ComputerFrame.OpenCardsFlag = g_Game.AllCardsOpen;
    const bool overbid =
        game_.ThinkOnSkat(s, false, [](CPlayer& player, CCards& skat) { return player.Declare(skat); });
    std::string course = SetupGame(soloist, *frame_.GameObject().Player((s + 2) % 3), *frame_.GameObject().Player((s + 1) % 3));
    if (overbid) {
        kontraAllowed = false;
        g_Game.GameEndFlags = s;
        course += platform::LoadString(IDS_AND_GIVE_UP);
    }
    const std::string message = PlayerMessage(frame_.GetPlayerName(s), course, false);
    // Step 6: the game message; the estimation window shows the declared game.
    CKontraDialog gameMessage(kontraAllowed, message, soloist.GetRuleNumber());
    frame_.FramePanels().RefreshEstimation();
    if (g_Game.GameType == GAME_REVOLUTION) {
        // Step 7: the person first exchanges cards with the other defender.
        frame_.OnSortCards();
        RegisterGameAttributes();
        frame_.FrameTexts().SetHintText(platform::LoadString(IDS_PLEASE_SWAP));
        game_.RedrawHand(s, false);
        frame_.FrameAudio().VoiceDeclare(overbid);
        frame_.DoModalDialog(gameMessage);
        if (SkatSwapPause(true)) return;
        WriteTrace(":SwapCardsPerson()", LOG_MAINFRAME);
        frame_.CardExchange().SetOpenGroups(0);
        MoveSkatToTrick();
        frame_.CardExchange().OpenGroups(1);
        game_.OpenAndRedrawHand(1 - s);
        frame_.CardExchange().OpenGroups(2 << (1 - s));
        frame_.CardExchange().SwapCardsPerson(true, s == 1, s == 0, true, 4);
        if (g_Game.RoundStatus != ROUND_NORMAL) frame_.FrameTable().MoveExtraText(0, IDS_NOTICE_SWAP_DECLARE, 0, nullptr, nullptr);
        frame_.FrameTable().MoveExtraText(IDS_NOTICE_SWAP_CARDS, 0, 0, nullptr, nullptr);
        frame_.FramePanels().ShowGameStatusDialog();
        return;
    }
    // Step 8: the soloist's hand is laid out, open with Ouvert; he says his game and its message shows.
    g_Settings.Options.SupportSuspended = 1;
    game_.RedrawHand(s, g_Game.OuvertAnnounced != 0);
    frame_.FrameAudio().VoiceDeclare(overbid);
    frame_.OnSortCards();
    RegisterGameAttributes();
    frame_.DoModalDialog(gameMessage);
    if (SkatSwapPause(true)) return;
    // Step 9: the other computer may give Kontra, the soloist Rekontra.
    const CPlayer& other = *frame_.GameObject().Player(1 - s);
    if (g_Game.KontraState == KONTRA_NONE && !overbid && frame_.FrameKontra().SeatAnnouncesKontra(1 - s)) {
        frame_.FrameAudio().SaySeatTerm(other.seat, TERM_KONTRA, false);
        frame_.FrameTexts().SetKontraText(platform::LoadString(IDS_KONTRA));
        frame_.FrameTexts().ShowPoints();
        CMessageDialog kontra(RichTextKontra(1, other), 1, other.GetRuleNumber());
        frame_.DoModalDialog(kontra);
        if (frame_.FrameKontra().SeatAnnouncesRekontra(s)) {
            frame_.FrameAudio().SaySeatTerm(s, TERM_REKONTRA, false);
            frame_.FrameTexts().SetKontraText(platform::LoadString(IDS_REKONTRA));
            CMessageDialog rekontra(RichTextKontra(2, soloist), 3, soloist.GetRuleNumber());
            frame_.DoModalDialog(rekontra);
        }
    }
    // Step 10: the data and status windows and the history.
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FrameTrickPlay().InitHistory();
    // Step 11: the bid cannot be reached; the game is given up.
    if (overbid) {
        frame_.GiveUp().OnAbandon();
        return;
    }
    // Step 12: the soloist's symbol goes; in a Ramsch-only match the others' balloons and texts too.
    frame_.FrameTable().MoveSymbol(s, false, nullptr, nullptr);
    if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY) {
        for (int seat = 0; seat < 3; ++seat) {
            if (seat == s) continue;
            frame_.FrameTexts().ClearBalloonText(seat);
            frame_.FrameTable().RemoveText(4 + seat, IDS_GAME_RAMSCH);
        }
    }
    // Step 13: the trump flags of the declared game, then the play.
    for (int seat = 0; seat < 3; ++seat) game_.Think(seat, [](CPlayer& player) { player.UpdateTrumpFlag(); });
    frame_.FrameTrickPlay().OnPlay();
}

void CFrameDeclaration::SuggestGame(int type, int announcements) {
    declaration_.SuggestedGame = type;
    declaration_.SuggestedAnnouncements = announcements;
}

void CFrameDeclaration::ForgetSuggestedGame() { declaration_.SuggestedGame = -1; }

void CFrameDeclaration::DeclarePerson(const std::string& bidText) {
    // Steps 1 to 3: the skat bar.
    frame_.SetFlowState(STATE_SKAT);
    ForgetSuggestedGame();
    frame_.FrameTexts().SetStatusText(ShortName(frame_, 2) + bidText);
    OpenPromptBar<CSkatDialog>(frame_);
    // Step 4: the suggested game is the most valuable playable one; ties keep the lower type.
    int(*options)[13] = game_.PersonThinks([](CPlayer& person) { return person.ChooseGame(0); });
    int best = 0, suggested = -1;
    for (int type = 0; type < 9; ++type) {
        if (options[type][OPT_BASE] != 0 && options[type][OPT_VALUE] > best) {
            best = options[type][OPT_VALUE];
            suggested = type;
        }
    }
    SuggestGame(suggested, g_Game.SchneiderAnnounced + 2 * g_Game.SchwarzAnnounced + 4 * g_Game.OuvertAnnounced);
    const bool handSuggested = suggested >= 0 && options[suggested][OPT_HAND] != 0;
    // Step 5: a suggested Hand game brings its announcements and the focus to the Hand button.
    if (handSuggested && g_Settings.Options.Suggest) {
        g_Game.OuvertAnnounced = options[suggested][OPT_OUVERT];
        g_Game.SchneiderAnnounced = options[suggested][OPT_SCHNEIDER];
        g_Game.SchwarzAnnounced = options[suggested][OPT_SCHWARZ];
        if (::IsWindow(frame_.Prompts().PromptDialog))
            ::SendMessage(frame_.Prompts().PromptDialog, WM_NEXTDLGCTL,
                          reinterpret_cast<WPARAM>(::GetDlgItem(frame_.Prompts().PromptDialog, BTN_HAND)), 1);
    }
    // Step 6: the estimation window shows the person's hand as he holds the bid.
    frame_.FramePanels().RefreshEstimation();
    // Step 7: demonstration mode picks up, or plays Hand when the suggestion says so.
    if (g_Game.DemoMode) {
        g_Game.SetGameType(suggested);
        frame_.SetTimer(handSuggested ? TM_DEMO_HAND : TM_DEMO_PICKUP, g_Settings.Delay.Demo);
    }
}

void CFrameDeclaration::DeclareNobody(bool ramschVariant) {
    WriteTrace(":Declare(nobody)", LOG_MAINFRAME);
    // Step 2: in the Ramsch variant a Ramsch follows.
    if (ramschVariant) {
        frame_.FrameTexts().SetRuleText(platform::LoadString(g_Settings.Variants.PassOn ? IDS_SCHIEBERAMSCH : IDS_RAMSCH));
        frame_.SetStatusPane(2, frame_.Texts().RuleText);
        frame_.RamschRounds().PickupRamsch(1);
        return;
    }
    // Step 3: the passed-in question.
    frame_.ClearDesk();
    frame_.FrameAudio().SaySeatTerm(g_Game.Forehand, TERM_ALL_PASSED, false);
    CPassedRuleDialog question(RichTextHead() + platform::LoadString(IDS_PASSED_OUT) + "}");
    frame_.DoModalDialog(question);
    const int answer = question.ResultWord();
    // Step 4: the same deal again, now or later.
    if (answer & kPassedRepeat) {
        frame_.GiveUp().OnBreak();
        if (answer & kPassedYes) frame_.GiveUp().OnRepeat();
        else frame_.MatchSeries().AllowRepeat();
        return;
    }
    // Step 5: the passed-in game counts as a game.
    ++g_Game.GameCount;
    ++g_Game.StoreCount;
    frame_.MatchSeries().UpdateNewMatchDue();
    frame_.MatchFiles().AddGameToList(0, std::string());
    frame_.MatchFiles().AddDealToStore();
    frame_.RefreshListWindows();
    frame_.MatchSeries().GameEnded();
    NextForehand();
    // A passed-in game is a game of the match: its files are written as after any other.
    frame_.MatchFiles().SaveGameEndFiles();
    frame_.CardExchange().CheckCheat(0, 0);
    frame_.ShowMatchState();
    // Step 6: the seat labels from the new forehand on.
    const int f = g_Game.Forehand;
    for (int i = 0; i < 3; ++i) frame_.FrameTable().RemoveText((f + i) % 3, IDS_WIDEST_NAME);
    frame_.FrameTable().MovePosText(f % 3, IDS_LABEL_FOREHAND, nullptr, nullptr);
    frame_.FrameTable().MovePosText((f + 1) % 3, IDS_LABEL_MIDDLEHAND, nullptr, nullptr);
    frame_.FrameTable().MovePosText((f + 2) % 3, IDS_LABEL_REARHAND, nullptr, nullptr);
    // Step 7: the next deal, or the table waits with the estimation window on the best game.
    if (answer & kPassedYes) {
        frame_.OnNew();
    } else {
        frame_.MatchSeries().AllowRepeat();
        frame_.FramePanels().SelectEstimatedGame();
    }
}
