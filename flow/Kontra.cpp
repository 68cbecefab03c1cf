// Kontra and Rekontra at the fixed moments of a game: the person's Kontra from his bar, the
// computers' Kontra before their first card and after the declaration, and the messages that tell
// the person about them.
#include "flow/FrameKontra.h"

#include "flow/FrameAudio.h"
#include "flow/MainFrame.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/Kontra.h"
#include "computer/evaluation/KontraDecision.h"
#include "dialogs/MessageDialogs.h"
#include "dialogs/PlayBars.h"
#include "flow/AuctionWords.h"
#include "flow/PromptBars.h"
#include "flow/RichText.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

namespace {
constexpr int kPersonSeat = 2;

// The game's record names Kontra and Rekontra as they stand: one said at a defender's first card
// doubles the game as much as one said right after the declaration.
void NoteKontra(CMainFrame& frame) { frame.MatchSeries().NoteKontra(); }
}  // namespace

CFrameKontra& CMainFrame::FrameKontra() { return *kontra_; }

bool CFrameKontra::IsKontraPossible(const CPlayer& player) const {
    WriteTrace(":IsKontraPossible()", LOG_MAINFRAME | LOG_VERBOSE);
    return KontraPermitted(player);
}

bool CFrameKontra::IsKontraPossible() const { return IsKontraPossible(frame_.GameObject().Person()); }

const CPlayer& CFrameKontra::ComputerOfSeat(int seat) const { return *frame_.GameObject().Player(seat == 0 ? 0 : 1); }

bool CFrameKontra::SeatAnnouncesKontra(int seat) {
    return game_.Think(seat,
                                         [](CPlayer& player) { return CKontraDecision(player).AnnounceKontra(); });
}

bool CFrameKontra::SeatAnnouncesRekontra(int seat) {
    return game_.Think(seat,
                                         [](CPlayer& player) { return CKontraDecision(player).AnnounceRekontra(); });
}

void CFrameKontra::MarkKontraAtSeat(int seat, int stringId) {
    frame_.FrameTable().MovePosText(seat, stringId, nullptr, nullptr);
    // Undo and redo restore the label from the snapshot of this moment.
    frame_.FrameTrickPlay().NoteKontraInHistory(g_Game.KontraState);
    NoteKontra(frame_);
}

void CFrameKontra::SayKontra(int seat) {
    WriteTrace(":SayKontra(" + std::to_string(seat) + ")", LOG_MAINFRAME);
    // Step 1: only a player who may still give Kontra.
    const CPlayer& player = *frame_.GameObject().Player(seat == 0 || seat == 1 ? seat : kPersonSeat);
    if (!IsKontraPossible(player)) return;
    // Step 2: while the card play chooses for the person, Kontra is only suggested.
    if (!g_Game.DemoMode && g_ComputerFrame.CardAutoPlayFlag != 0) {
        if (g_ComputerFrame.CardAutoPlayFlag == 1)
            frame_.SetStatusPane(0, platform::LoadString(IDS_SUGGESTION) + platform::LoadString(IDS_ADVICE_KONTRA));
        return;
    }
    // Step 3: the person gives it through the Kontra command; a computer says it and its mark shows.
    if (seat == kPersonSeat || seat < 0 || seat > 2) {
        OnKontra();
    } else {
        frame_.FrameAudio().SaySeatTerm(seat, TERM_KONTRA, false);
        g_Game.KontraState = KONTRA_SAID;
        g_Game.KontraSeat = seat;
        MarkKontraAtSeat(seat, IDS_MARK_KONTRA);
    }
    // Step 4: the Kontra bar has done its work.
    frame_.CloseModelessDialog();
    // Step 5: with the suggestion on, the suggestion bar takes the focus.
    if (g_Settings.Options.Suggest) {
        if (CSuggestDialog* bar = OpenPromptBar<CSuggestDialog>(frame_, false)) {
            frame_.MarkOpenPromptAs(PromptSlot::Kontra);
            ::SetFocus(bar->Handle());
        }
    }
}

void CFrameKontra::SayRekontra() {
    // Only an answer to a Kontra: a late or second press does nothing.
    if (g_Game.KontraState != KONTRA_SAID) {
        WriteTrace(":SayRekontra(late)", LOG_MAINFRAME);
        return;
    }
    // Steps 1 and 2: the person's voice says it.
    frame_.FrameAudio().SaySeatTerm(2, TERM_REKONTRA, false);
    // Steps 3 and 4: the state and the mark at the person's seat, kept in the current snapshot.
    g_Game.KontraState = KONTRA_REKONTRA;
    MarkKontraAtSeat(2, IDS_MARK_REKONTRA);
}

void CFrameKontra::OnKontra() {
    // A Kontra that is no longer open (a second click, a late command) changes nothing.
    if (g_Game.KontraState != KONTRA_NONE || g_Game.Soloist < 0 || g_Game.Soloist > 1) {
        WriteTrace(":OnKontra(late)", LOG_MAINFRAME);
        return;
    }
    // Step 1: the soloist, a computer.
    const CPlayer& soloist = ComputerOfSeat(g_Game.Soloist);
    // Step 2: the person says Kontra and its mark shows at his seat.
    frame_.FrameAudio().SaySeatTerm(kPersonSeat, TERM_KONTRA, false);
    g_Game.KontraState = KONTRA_SAID;
    g_Game.KontraSeat = kPersonSeat;
    MarkKontraAtSeat(kPersonSeat, IDS_MARK_KONTRA);
    // Step 3: the Kontra in the trace.
    WriteTrace(":OnKontra(" + frame_.GetPlayerName(kPersonSeat) + ":kontra)", LOG_MAINFRAME);
    // Step 4: the soloist may answer with Rekontra.
    if (SeatAnnouncesRekontra(soloist.seat)) {
        frame_.FrameAudio().SaySeatTerm(soloist.seat, TERM_REKONTRA, false);
        MarkKontraAtSeat(soloist.seat, IDS_MARK_REKONTRA);
        WriteTrace(":OnKontra(" + soloist.name + ":rekontra)", LOG_MAINFRAME);
        CMessageDialog message(RichTextKontra(2, soloist), 3, soloist.GetRuleNumber());
        RunGameMessage(message);
    }
    // Step 5: the idle count starts afresh.
    frame_.FrameTimers().ResetIdle();
}

void CFrameKontra::AskComputersKontra(int seat, int soloist) {
    if (seat != 0 && seat != 1) return;
    // Step 1: the computer of the seat.
    const CPlayer& player = ComputerOfSeat(seat);
    // Step 2: it gives Kontra only when its judgement says so.
    if (!SeatAnnouncesKontra(seat)) return;
    // Step 3: it says Kontra, and the status bar shows it beside the points.
    frame_.FrameAudio().SaySeatTerm(seat, TERM_KONTRA, false);
    frame_.FrameTexts().SetKontraText(platform::LoadString(IDS_KONTRA));
    NoteKontra(frame_);
    frame_.FrameTexts().ShowPoints();
    // Step 4: the person answers from the Rekontra prompt.
    if (soloist == kPersonSeat) {
        RunRekontraPrompt(RichTextKontra(1, player), player.GetRuleNumber(), 0);
        return;
    }
    if (soloist != 0 && soloist != 1) return;
    // Step 5: between the computers the person only reads along.
    const CPlayer& soloistPlayer = ComputerOfSeat(soloist);
    CMessageDialog kontra(RichTextKontra(1, player), 1, player.GetRuleNumber());
    RunGameMessage(kontra);
    if (SeatAnnouncesRekontra(soloist)) {
        frame_.FrameAudio().SaySeatTerm(soloist, TERM_REKONTRA, false);
        NoteKontra(frame_);
        CMessageDialog rekontra(RichTextKontra(2, soloistPlayer), 3, soloistPlayer.GetRuleNumber());
        RunGameMessage(rekontra);
    }
}

void CFrameKontra::ShowKontraMessage(int earlierState, int seat, const std::string& name) {
    // Step 1: only a change from "open" is news.
    if (earlierState != KONTRA_NONE || g_Game.KontraState == KONTRA_NONE) return;
    NoteKontra(frame_);
    // Step 2: the seat says it.
    frame_.FrameAudio().SaySeatTerm(seat, g_Game.KontraState == KONTRA_SAID ? TERM_KONTRA : TERM_REKONTRA, false);
    // Step 3: demonstration mode closes the message by itself.
    if (g_Game.DemoMode) frame_.SetTimer(TM_DEMO_CLOSE_MESSAGE, g_Settings.Delay.Demo);
    // Step 4: the message names who gave Kontra or Rekontra.
    const int said = g_Game.KontraState == KONTRA_SAID ? IDS_GIVE_KONTRA : IDS_GIVE_REKONTRA;
    const std::string text = PlayerMessage(name, platform::LoadString(said), false);
    // Step 5: the message, with the rule the player followed.
    const CPlayer& player = *frame_.GameObject().Player(seat == 0 || seat == 1 ? seat : kPersonSeat);
    RunRekontraPrompt(text, player.GetRuleNumber(), 0);
    // Step 6: the status bar names Kontra or Rekontra, by turns with the points.
    if (g_Game.KontraState != KONTRA_NONE)
        frame_.FrameTexts().SetKontraText(
            platform::LoadString(g_Game.KontraState == KONTRA_SAID ? IDS_KONTRA : IDS_REKONTRA));
}

void CFrameKontra::ComputerKontra() {
    // Steps 1 to 3: Comp2 is asked only when Comp1 gave no Kontra.
    for (int seat = 0; seat < 2; ++seat) {
        const CPlayer& computer = ComputerOfSeat(seat);
        if (!SeatAnnouncesKontra(seat)) continue;
        frame_.FrameAudio().SaySeatTerm(seat, TERM_KONTRA, false);
        // The person's Rekontra advice only fills the rule number of his prompt: the game itself
        // changes only by his button.
        const int state = g_Game.KontraState, kontraSeat = g_Game.KontraSeat;
        SeatAnnouncesRekontra(kPersonSeat);
        g_Game.KontraState = state;
        g_Game.KontraSeat = kontraSeat;
        const std::string text = RichTextKontra(1, computer);
        if (g_Game.Soloist == kPersonSeat) {
            RunRekontraPrompt(text, computer.GetRuleNumber(), frame_.GameObject().Person().GetRuleNumber());
        } else if (g_Game.Soloist == 0 || g_Game.Soloist == 1) {
            // A computer soloist: the person only reads along, as before the computers' cards.
            const CPlayer& soloist = ComputerOfSeat(g_Game.Soloist);
            CMessageDialog kontra(text, 1, computer.GetRuleNumber());
            RunGameMessage(kontra);
            if (SeatAnnouncesRekontra(soloist.seat)) {
                frame_.FrameAudio().SaySeatTerm(soloist.seat, TERM_REKONTRA, false);
                CMessageDialog rekontra(RichTextKontra(2, soloist), 3, soloist.GetRuleNumber());
                RunGameMessage(rekontra);
            }
        }
        break;
    }
    // Step 4: the game record and the status bar name Kontra or Rekontra, by turns with the points.
    NoteKontra(frame_);
    if (g_Game.KontraState != KONTRA_NONE)
        frame_.FrameTexts().SetKontraText(
            platform::LoadString(g_Game.KontraState == KONTRA_SAID ? IDS_KONTRA : IDS_REKONTRA));
}
