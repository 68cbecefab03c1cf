// Giving a game up: the person gives up his game or concedes as a defender, or accepts that a
// computer gives up; the game is scored for the seat that gave up and the person's answer to the
// result decides what follows.
#include "flow/GiveUp.h"

#include "flow/MainFrame.h"
#include "flow/FrameAudio.h"
#include "flow/FrameDeclaration.h"
#include "flow/FrameKontra.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/VoidTable.h"
#include "dialogs/MessageDialogs.h"
#include "flow/FrameServices.h"
#include "flow/RichText.h"
#include "model/CardCodes.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/GameValue.h"
#include "model/KeptValues.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "flow/TableTextHelpers.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kGivenUpMark = 8;
constexpr int kTermIGiveUpGame = 108;

// A card of the row as the give-up trace writes it, the suit's short name before the rank; an
// empty slot is an empty field.
std::string CardText(const CCards& row, int slot) {
    if (slot >= static_cast<int>(row.cards.size()) || !row.present[slot] || !IsCardCode(row.cards[slot]))
        return std::string();
    const int card = row.cards[slot];
    return GetAbbreviation(2 * GetCardSuit(card, true)) + GetRankText(GetCardRank(card));
}

}  // namespace

CGiveUp& CMainFrame::GiveUp() { return *giveUp_; }

bool CGiveUp::IsGameWon(int seat) {
    if (g_Game.GameType == GAME_RAMSCH) return true;
    if (g_Game.Soloist < 0 || g_Game.Soloist > 2) return false;
    // Only a question: the counters that the give-up completes are put back afterwards, so that
    // the scoring completes them once.
    CKeptValues kept(g_Game.PartyTricks, g_Game.PartyPoints);
    const CCards& skat = frame_.GameObject().CourseSkat().count > 0
                             ? static_cast<const CCards&>(frame_.GameObject().CourseSkat())
                             : frame_.GameObject();
    const int level = game_.Think(
        g_Game.Soloist, [&skat](CPlayer& soloist) { return GetMatadorsWithSkat(soloist, g_Game.GameType, skat); });
    int value = 0;
    return GameValue(seat, value, level) >= 0;
}

void CGiveUp::TraceAssignedCards() {
    for (int seat = 0; seat < 3; ++seat) {
        const CPlayer& player = *frame_.GameObject().Player(seat);
        std::string line = "AssignedCards(" + player.name;
        for (int slot = 0; slot < 10; ++slot) {
            line += ':';
            line += CardText(player, slot);
        }
        line += ')';
        WriteTrace(line, LOG_PLAYER);
    }
    std::string skat = "AssignedCards(Skat";
    for (int place = 0; place < 2; ++place) {
        skat += ':';
        skat += CardText(frame_.GameObject(), place);
    }
    skat += ')';
    WriteTrace(skat, LOG_PLAYER);
}

void CGiveUp::OnAbandon() {
    // Step 1: only during the play.
    if (g_Game.FlowState != STATE_PLAY) {
        WriteTrace(":OnAbandon(late)", LOG_MAINFRAME);
        return;
    }
    // Step 2: the seat that gives up.
    const int g = g_Game.GameEndFlags & ~kGivenUpMark;
    if (g < 0 || g > 2) {
        WriteTrace(":OnAbandon(no such player " + std::to_string(g) + ")", LOG_MAINFRAME);
        return;
    }
    if (g == 2) g_Game.Soloist = frame_.GameObject().Person().GetSoloist();
    // Step 3: whether the giving-up side has won, never for the soloist or a Ramsch without one;
    // the record notes who gave up.
    const bool noSoloist = g_Game.GameType == GAME_RAMSCH && (g_Game.Soloist < 0 || g_Game.Soloist > 2);
    const bool won = noSoloist || g == g_Game.Soloist ? false : IsGameWon(g);
    frame_.MatchSeries().NoteGiveUp(g);
    // Steps 4 and 5: who gave up, and the dealt cards, in the trace.
    WriteTrace(":OnAbandon(" + frame_.GetPlayerName(g) + ")", LOG_MAINFRAME);
    TraceAssignedCards();
    // Step 6: the game is given up; the person says so, and won or lost is heard.
    g_Game.GameEndFlags |= kGivenUpMark;
    frame_.SetPause(1);
    if (g == 2) frame_.FrameAudio().SaySeatTerm(2, kTermIGiveUpGame, false);
    frame_.FrameAudio().SoundEffect(won ? SOUND_GAME_WON : SOUND_GAME_LOST, false);
    // Step 7: the desk clears; no history, no game running; the card statistics take the deal in.
    frame_.ClearDesk();
    frame_.ShowMatchState();
    frame_.FrameTrickPlay().ForgetHistory(true);
    if (g_Game.OuvertAnnounced == 2) g_Game.OuvertAnnounced = 0;
    frame_.MatchSeries().GameEnded();
    frame_.FrameDeclaration().UseUsualSwapSlide();
    frame_.MatchFiles().CountLatchedDeal();
    // Step 8: the result for the seat that gave up.
    if (frame_.ShowResult(g)) {
        frame_.MatchSeries().UpdateSeriesEnd();
        frame_.AdvanceAfterCountedGame();
        frame_.FrameDeclaration().UseUsualSwapSlide();
        for (int seat = 0; seat < 3; ++seat) g_Game.PlayerPhaseText[seat] = IDS_PHASE_WITHOUT_SKAT;
        if (g_Game.FlowState == STATE_STAY) {
            // Staying at the table after a give-up puts the seats' texts back, not the whole table.
            frame_.SetFlowState(STATE_IDLE);
            frame_.MatchSeries().AllowRepeat();
            if (!frame_.TrickPlay().CourseShown) frame_.FrameTable().RefreshPosTexts(g_Game.KontraState);
        } else {
            frame_.FollowGameEnd();
        }
    } else if (g_Game.FlowState == STATE_IDLE) {
        OnRepeat();
    } else if (g_Game.FlowState == STATE_STAY) {
        frame_.SetFlowState(STATE_IDLE);
        frame_.MatchSeries().AllowRepeat();
    }
    // Step 9: the state in the trace; the trick estimation window picks its game.
    WriteTrace(":State(" + FlowStateName(g_Game.FlowState) + ")", LOG_MAINFRAME);
    frame_.FramePanels().SelectEstimatedGame();
}

bool CGiveUp::Abandon(int seat, const std::string& name) {
    // Step 1: the computer says it gives up.
    WriteTrace(":Abandon(" + name + ")", LOG_MAINFRAME);
    frame_.FrameAudio().SaySeatTerm(seat, kTermIGiveUpGame, false);
    // Steps 2 and 3: the person answers.
    return frame_.FrameKontra().RunResignPrompt(PlayerMessage(name, platform::LoadString(IDS_ABANDON_GAME), false));
}
