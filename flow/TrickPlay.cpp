// The ten tricks: OnPlay lets the computers serve until the person must play, the trick is
// complete or the game is over; the continue bar (or timer 6, or a right click) leads to
// OnNextTrick, which hands the lead to the trick's winner and plays on.
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
#include "flow/MatchSeries.h"

#include "flow/GameObject.h"
#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/VoidTable.h"
#include "dialogs/PlayBars.h"
#include "flow/FrameServices.h"
#include "flow/GameRecord.h"
#include "flow/PromptBars.h"
#include "computer/evaluation/VoidTable.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "platform/core/Resources.h"
#include "flow/TableTextHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"

#include <cstdio>

namespace {

constexpr int kPersonSeat = 2;

int TricksCounted() { return g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2]; }

bool IsNullOrRevolution() { return g_Game.GameType == GAME_NULL || g_Game.GameType == GAME_REVOLUTION; }

// The seat's strategy chooses its card and lays it into the trick.
void ServeByStrategy(CPlayer& player, CTrick& trick) { player.ServeCard(&trick); }

}  // namespace

// The card a seat has just put into the trick goes into the history, the course and the record.
void CTrickPlay::NoteCardInTrick(int seat, int card) {
    trickPlay_.History[trickPlay_.HistoryPosition].card[seat] = card;
    if (IsCardCode(card)) {
        game_.NoteCourseCard(seat, card);
        frame_.MatchSeries().NoteCard(seat, card);
    }
}

void CTrickPlay::OnPlay() {
    // A computer's choice may wait inside the steps: the question whether he may give up is a
    // modal dialog, and its loop takes every posted command and timer. A second CM_PLAY there (a
    // demonstration timer, a late click) would let the same seat choose again in the middle of
    // its own turn and could carry the game to its end, and the next game on, while the question
    // still waits. It is late: the running steps play on once the question is answered.
    if (trickPlay_.PlayRunning) {
        WriteTrace(":OnPlay(refused)", LOG_MAINFRAME);
        return;
    }
    // The person's card is awaited and his place is still empty: a CM_PLAY now (a timer that ends
    // an exchange sends one) has no card to take, and would end his turn without it.
    if (g_Game.FlowState == STATE_PLAY && trickPlay_.PlayStep == 2 && g_Game.TurnSeat == kPersonSeat &&
        !trickPlay_.AutoComplete && !frame_.GameObject().Trick().present[kPersonSeat]) {
        WriteTrace(":OnPlay(no card)", LOG_MAINFRAME);
        return;
    }
    struct Running {
        int& flag;
        explicit Running(int& f) : flag(f) { flag = 1; }
        ~Running() { flag = 0; }
    } running(trickPlay_.PlayRunning);
    PlaySteps();
}

void CTrickPlay::PlaySteps() {
    // Step 1: the open prompt goes; a late press of its button finds nothing.
    frame_.KillTimer(TM_CONTINUE);
    frame_.CloseModelessDialog();
    // Step 2: the play clock starts afresh.
    g_Game.PauseLevel = 3;
    frame_.MatchSeries().StartPlayClock();
    frame_.FrameTimers().ResetIdle();
    // Step 3: after ten tricks the game ends.
    if (TricksCounted() >= 10) {
        frame_.EndGame();
        return;
    }
    const CTrick& trick = frame_.GameObject().Trick();
    // Step 4: the sweep of the last trick when a new one begins, the seat texts and the trick
    // estimation brought up to date; the seat to lead may now lay his cards open.
    if (trickPlay_.PlayStep == 3) {
        if (trick.count >= 3) frame_.FrameAudio().SoundEffect(SOUND_REMOVE_CARDS, false);
        SweepTrick(true);
        frame_.FrameTable().RefreshTexts();
        frame_.FramePanels().RefreshEstimation();
        CheckEarlyFaceUp();
    }
    // Step 5: no hint; the play pauses between the cards.
    frame_.FrameTexts().ClearHintText();
    frame_.SetPause(3);
    // Step 6: the card loop.
    for (;;) {
        const int seat = g_Game.TurnSeat;
        if (seat < 0 || seat > 2) {
            // A seat outside the table plays nothing: the trick would lose its order.
            ReportInternalError(seat, "Handler", __LINE__);
            return;
        }
        // History.
        if (seat == g_Game.Forehand) SaveGameState(seat == kPersonSeat && trickPlay_.PlayStep != 3);
        else if (seat == kPersonSeat) SaveGameState(true);
        const CPlayer& player = *frame_.GameObject().Player(seat);
        int card = NO_CARD;
        if (seat != kPersonSeat || trickPlay_.AutoComplete) {
            card = ServeComputerCard(player, seat);
        } else if (trickPlay_.PlayStep == 2) {
            card = TakePersonsCard(seat);
        } else if (player.count == 1 && g_Settings.Settings.Last) {
            card = PlayLastCardItself(seat);
        } else {
            return AskPersonForCard();
        }
        if (!GoOnAfterCard(card)) return;
        if (trick.count >= 3) break;
        g_Game.TurnSeat = (seat + 1) % 3;
    }
    EndTrick();
}

// A computer serves (with AutoComplete the computer logic plays for the person).
int CTrickPlay::ServeComputerCard(const CPlayer& player, int seat) {
    if (seat != kPersonSeat)
        trickPlay_.History[trickPlay_.HistoryPosition].faceUp[seat] = player.faceUp ? 1 : 0;
    const int card = game_.ServeCard(seat, ServeByStrategy);
    if (IsCardCode(card)) {
        // The support option names the card as it lands in the trick.
        g_Settings.Options.SupportSuspended = 0;
        if (g_Settings.Options.Support) frame_.FrameAudio().VoiceSupport(card, seat);
        g_Settings.Options.SupportSuspended = g_Settings.Options.Continue;
        NoteCardInTrick(seat, card);
    }
    if (seat == kPersonSeat && trickPlay_.PlayStep == 2) {
        trickPlay_.PlayStep = 3;
        g_Knowledge.PreferredSuit = -1;
    }
    return card;
}

// b. The person's card lies in his place since the input step.
int CTrickPlay::TakePersonsCard(int seat) {
    g_Settings.Options.SupportSuspended = g_Settings.Options.Continue;
    if (trickPlay_.CourseShown) OnLast();
    const int card = frame_.GameObject().Trick().cards[seat];
    trickPlay_.History[trickPlay_.HistoryPosition].card[seat] = card;
    trickPlay_.PlayStep = 3;
    g_Knowledge.PreferredSuit = -1;
    return card;
}

// c. The last card goes by itself.
int CTrickPlay::PlayLastCardItself(int seat) {
    g_Settings.Options.SupportSuspended = 0;
    g_ComputerFrame.CardAutoPlayFlag = 1;
    const int card = game_.ServeCard(seat, ServeByStrategy);
    g_ComputerFrame.CardAutoPlayFlag = 0;
    if (IsCardCode(card)) NoteCardInTrick(seat, card);
    g_Knowledge.PreferredSuit = -1;
    return card;
}

// d. The person must play.
void CTrickPlay::AskPersonForCard() {
    g_Settings.Options.SupportSuspended = 0;
    frame_.FrameTexts().SetHintText(platform::LoadString(g_Settings.Options.Drag ? IDS_PLEASE_DRAG_CARD : IDS_PLEASE_CLICK_CARD));
    trickPlay_.PlayStep = 2;
    frame_.CardExchange().SetOpenGroups(8);
    frame_.FramePanels().ShowGameStatusDialog();
    // The suggestion that follows chooses the card without raising it. Without suggestions
    // nothing would take the skip, and the person's first key would be lost to it.
    if (g_Settings.Options.Suggest) game_.SelectHandCard(kPersonSeat, 6, 0, false);
    frame_.SendMessage(WM_COMMAND, CM_SUGGEST_CARD);
    AdviseKontra();
}

// Step 7: after a card; false when the play stops here (a stop, the game's end, no card served).
bool CTrickPlay::GoOnAfterCard(int card) {
    if (g_Game.StopFlag != StopState::Running) {
        g_Settings.Options.SupportSuspended = 0;
        return false;
    }
    if ((g_Game.GameEndFlags & ~8) != 2) {
        g_Settings.Options.SupportSuspended = 0;
        return false;
    }
    if (!IsCardCode(card)) return false;  // a strategy served nothing: the trick waits
    NoteCardPlayed(card);
    frame_.FramePanels().ShowGameStatusDialog();
    return true;
}

// The complete trick is valued and waits under the continue bar.
void CTrickPlay::EndTrick() {
    const CTrick& trick = frame_.GameObject().Trick();
    const int leader = g_Game.TrickWinner;
    // 1. The trick is valued and its points booked; the match's standing shows.
    const bool won = game_.BookTrickPoints();
    frame_.ShowMatchState();
    // 2. In Null and Revolution the soloist marks his outstanding cards; the trick's winner notes the suits.
    if (IsNullOrRevolution() && g_Game.Soloist >= 0 && g_Game.Soloist <= 2) {
        const auto markOutstanding = [](CPlayer& soloist) { soloist.MarkOutstandingCards(); };
        game_.Think(g_Game.Soloist, markOutstanding);
        const int winner = g_Game.TrickWinner;
        const int soloistSuit = GetCardSuit(trick.cards[g_Game.Soloist], false);
        const int winnerSuit = GetCardSuit(trick.cards[winner], false);
        game_.Think(winner, [=](CPlayer& player) { player.NoteTrickLeader(soloistSuit, winnerSuit); });
        if (g_Game.OuvertAnnounced) game_.Think(g_Game.Soloist, markOutstanding);
    }
    // 3. A computer soloist who announced Ouvert lays his cards open.
    if (g_Game.OuvertAnnounced && g_Game.Soloist >= 0 && g_Game.Soloist < kPersonSeat)
        game_.LayDownHand(g_Game.Soloist);
    // 4. The status bar shows the game again.
    frame_.SetStatusPane(0, frame_.Texts().StatusText);
    frame_.FrameTimers().RotateFrom(0);
    // 5. The continue bar; hidden while the game completes itself.
    CContinueDialog* bar = CreateBar<CContinueDialog>();
    if (bar) {
        frame_.RecordOpenPrompt(bar->Handle());
        frame_.MarkOpenPromptAs(PromptSlot::Continue);
        if (!trickPlay_.AutoComplete) {
            ::ShowWindow(frame_.Prompts().PromptDialog, SW_SHOW);
            frame_.PostMessage(WM_COMMAND, CM_FOCUS_DIALOG);
        }
    }
    // Without the bar shown nobody presses it: an automatic completion continues by itself.
    if ((g_Settings.Options.Continue || trickPlay_.AutoComplete) && !g_Game.DemoMode)
        frame_.SetTimer(TM_CONTINUE, static_cast<unsigned>(std::max(0, g_Settings.Delay.Continue)));
    int buttonText = IDS_GO_ON;
    int nextTrick = 0;
    if (won) {
        // 6. What the trick shows of the hands, then it is counted.
        int trumpsOut[11];
        int reference = NO_CARD;
        if (g_Game.Soloist >= 0 && g_Game.Soloist <= 2 && g_Game.GameType != GAME_RAMSCH &&
            CollectSuit(*frame_.GameObject().Player(g_Game.Soloist), g_Game.GameType, false, trumpsOut) > 0)
            reference = trumpsOut[0];
        game_.NoteSuitsShown(ControlSuits);
        game_.NoteTrumpsShown(reference);
        frame_.FramePanels().ShowGameStatusDialog();
        frame_.FramePanels().ShowDataDialog(0, 1);
        game_.Think(leader, [&trick](CPlayer& player) { player.Preferred(trick); });
        game_.CountTrick();
        if (TricksCounted() < 10) {
            buttonText = IDS_PLAY_CARD;
            nextTrick = TricksCounted() + 1;
        }
        // In Ramsch the trick's winner weighs his Durchmarsch again; the others drop theirs.
        frame_.RamschRounds().ApplyRamschChoice(g_Game.TrickWinner);
        SaveGameState(false);
    } else {
        // 7. A Null soloist took a trick: the next OnPlay ends the game.
        game_.CountNullSoloistTrick();
    }
    frame_.FramePanels().ShowTrickWinner();
    // 8. Pane 2: the points of the person's side.
    if (!IsNullOrRevolution() && g_Settings.Options.Count) {
        const int party = g_Game.GameType == GAME_RAMSCH ? 2 : (g_Game.Soloist == kPersonSeat ? 0 : 1);
        frame_.FrameTexts().SetPointsText(std::to_string(g_Game.PartyPoints[party]));
        frame_.SetStatusPane(2, frame_.Texts().PointsText);
    }
    // 9. The bar's button names what comes next.
    if (bar) bar->SetDlgItemText(IDC_CONTINUE, ContinueCaption(buttonText, nextTrick));
}

std::string CTrickPlay::ContinueCaption(int stringId, int nextTrick) {
    std::string text = platform::LoadString(stringId);
    if (stringId == IDS_PLAY_CARD) text += std::to_string(nextTrick);
    return text;
}

// The trick goes to its winner's pile as the next trick begins and at the game's end; with reset
// the trick row is emptied for the next one.
void CTrickPlay::SweepTrick(bool reset) {
    const int winner = g_Game.TrickWinner >= 0 && g_Game.TrickWinner <= 2 ? g_Game.TrickWinner : 0;
    if (!game_.SweepTrickToPile(winner)) return;
    frame_.InvalidateTable();
    if (reset) game_.ClearTrick();
}

void CTrickPlay::OnNextTrick() {
    // Only a complete trick under its bar goes on; a second press or a late timer finds none.
    // Taken back to the start of play, the trick row is empty and continuing plays trick 1 again.
    const bool atStart = trickPlay_.HistoryPosition == 0 && frame_.GameObject().Trick().count == 0;
    if (g_Game.FlowState != STATE_PLAY || !(frame_.GameObject().Trick().IsComplete() || atStart) || trickPlay_.PlayStep != 3) {
        WriteTrace(":OnNextTrick(refused)", LOG_MAINFRAME | LOG_VERBOSE);
        return;
    }
    // 1. The trick's winner leads the next trick.
    g_Game.Forehand = g_Game.TrickWinner;
    // 2. The history moves on a trick; what lay beyond it is forgotten.
    trickPlay_.HistoryPosition = std::min(trickPlay_.HistoryPosition + 1, 10);
    trickPlay_.RedoLimit = trickPlay_.HistoryPosition;
    for (int k = trickPlay_.HistoryPosition; k <= std::min(trickPlay_.HistoryPosition + 1, 10); ++k)
        for (int seat = 0; seat < 3; ++seat) trickPlay_.History[k].card[seat] = 0;
    // 3. The course shown goes.
    if (trickPlay_.CourseShown) OnLast();
    // 4. The play pauses; the support is held back.
    frame_.SetPause(1);
    g_Settings.Options.SupportSuspended = 1;
    // 5. The cards chosen for the next trick become the players' picked cards.
    for (int seat = 0; seat < 3; ++seat) {
        int selected = frame_.Exchange().GroupPickedCards[seat + 1];
        game_.Think(seat, [&selected](CPlayer& player) { player.SetPickedCard(&selected); });
        frame_.CardExchange().PickCard(seat + 1, 0);
        if (frame_.GameObject().Player(seat)->GetSelectedCard() > 0) game_.SelectHandCard(seat, 4, 0, false);
    }
    // 6. A computer may give Kontra.
    frame_.FrameKontra().ComputerKontra();
    // 7. The next trick is played.
    OnPlay();
}

// The continue bar of the current trick count (undo and redo rebuild it).
void CTrickPlay::ShowContinueDialog() {
    CContinueDialog* bar = OpenPromptBar<CContinueDialog>(frame_);
    if (!bar) return;
    frame_.MarkOpenPromptAs(PromptSlot::Continue);
    const int tricks = TricksCounted();
    bar->SetDlgItemText(IDC_CONTINUE, tricks < 10 ? ContinueCaption(IDS_PLAY_CARD, tricks + 1) : ContinueCaption(IDS_GO_ON, 0));
}

// The person's card prompt in play; in the other states it follows the suggestion option.
void CTrickPlay::ShowStateDialog() {
    if (g_Game.FlowState != STATE_PLAY || frame_.GameObject().Trick().IsComplete()) return;
    const bool kontra = frame_.FrameKontra().IsKontraPossible() && g_Game.Soloist != kPersonSeat;
    frame_.CloseModelessDialog();
    if (g_Settings.Options.Suggest) {
        if (CSuggestDialog* bar = OpenPromptBar<CSuggestDialog>(frame_, kontra)) {
            frame_.MarkOpenPromptAs(PromptSlot::Kontra);
            ::SetFocus(bar->Handle());
        }
    } else if (kontra) {
        if (OpenPromptBar<CKontraFirstDialog>(frame_)) frame_.MarkOpenPromptAs(PromptSlot::Kontra);
    } else {
        frame_.FrameTimers().ResetIdle();
        // Without a bar the table takes the keys: the arrows and Enter choose and play the card.
        if (::IsWindow(g_Frame.hTableWnd) && ::GetFocus() != g_Frame.hTableWnd) ::SetFocus(g_Frame.hTableWnd);
    }
    if (g_Game.DemoMode)
        frame_.SetTimer(g_Settings.Options.Suggest ? TM_DEMO_SUGGEST_CARD : TM_DEMO_PLAY_CARD,
                 static_cast<unsigned>(std::max(0, g_Settings.Delay.Demo)));
}

void CTrickPlay::OnSuggestCard() {
    // 1. The play pauses for the suggestion.
    frame_.SetPause(3);
    // 2. The computer's card for the person, chosen in shadow, becomes his chosen slot.
    if (g_Settings.Options.Suggest && g_Game.FlowState == STATE_PLAY && trickPlay_.PlayStep == 2) {
        const CPerson& person = frame_.GameObject().Person();
        g_ComputerFrame.CardAutoPlayFlag = 1;
        g_Game.RealPlayFlag = 0;
        const int card = SuggestedCard(game_, kPersonSeat);
        g_Game.RealPlayFlag = 1;
        g_ComputerFrame.CardAutoPlayFlag = 0;
        if (IsCardCode(card)) {
            const int slot = game_.SelectHandCard(kPersonSeat, 3, card, true);
            trickPlay_.SelectedSlot = slot >= 0 ? slot : person.FindCard(card);
            char text[96];
            std::snprintf(text, sizeof text, ":OnSuggestCard(%s:%s%s)", person.name.c_str(),
                          GetAbbreviation(2 * GetCardSuit(card, true)).c_str(), GetRankText(GetCardRank(card)).c_str());
            WriteTrace(text, LOG_MAINFRAME);
            if (g_Settings.Options.Support && !g_Settings.Options.SupportSuspended) frame_.FrameAudio().VoiceSupport(card, -1);
            // The frame takes the keyboard: Enter plays the chosen card, the arrows choose another.
            frame_.SetFocus();
        }
        if (g_Game.DemoMode) frame_.SetTimer(TM_DEMO_PLAY_CARD, static_cast<unsigned>(std::max(0, g_Settings.Delay.Demo)));
    }
    // 3. Without an open prompt the state window shows.
    if (!::IsWindow(frame_.Prompts().PromptDialog)) ShowStateDialog();
}

// Timer 33: the person's card in demonstration mode.
void CTrickPlay::DemoPlayPersonCard() {
    if (g_Game.FlowState != STATE_PLAY || trickPlay_.PlayStep != 2) return;
    // 1. The open prompt closes.
    if (::IsWindow(frame_.Prompts().PromptDialog)) ::PostMessage(frame_.Prompts().PromptDialog, WM_CLOSE);
    // 2. With suggestions the suggested card is played by Enter.
    if (g_Settings.Options.Suggest) {
        frame_.KeyDown(VK_RETURN, 0);
        return;
    }
    // 3. Otherwise the computer logic serves for him.
    if (g_Game.Soloist >= 0 && g_Game.Soloist <= 2 && g_Game.Soloist != kPersonSeat)
        game_.LinkPartner(kPersonSeat, g_Game.Soloist);
    const int card = game_.ServeCard(kPersonSeat, ServeByStrategy);
    if (!IsCardCode(card)) return;
    trickPlay_.History[trickPlay_.HistoryPosition].card[kPersonSeat] = card;
    SaveGameState(false);
    game_.NoteCourseCard(kPersonSeat, card);
    frame_.MatchSeries().NoteCard(kPersonSeat, card);
    frame_.PostMessage(WM_COMMAND, CM_PLAY);
}


CTrickPlay& CMainFrame::FrameTrickPlay() { return *trickPlay_; }
const TrickPlayState& CMainFrame::TrickPlay() const { return trickPlay_->State(); }
