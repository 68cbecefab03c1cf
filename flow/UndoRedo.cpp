// Taking back the last trick and bringing it again: the history records of the ten tricks give the
// state back, the cards go between the hands and the trick row, and the trick waits for "continue".
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/VoidTable.h"
#include "model/FlowGlobals.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "flow/TableTextHelpers.h"

namespace {

constexpr int kPersonSeat = 2;

// ":Comp1:KA" per card lying in the trick.
std::string TrickCardsText(const CSkat& game) {
    std::string text;
    for (int seat = 0; seat < 3; ++seat) {
        const int card = game.Trick().cards[static_cast<std::size_t>(seat)];
        if (!game.Trick().present[static_cast<std::size_t>(seat)] || !IsCardCode(card)) continue;
        // Appended piece by piece: a literal in front of a string sets off a false warning of the
        // optimiser (GCC 12 at -O3).
        text += ':';
        text += game.GetPlayerName(seat);
        text += ':';
        text += GetAbbreviation(2 * GetCardSuit(card, true));
        text += GetRankText(GetCardRank(card));
    }
    return text;
}

// The seat whose cards lie open early: the soloist; in Ramsch the seat going for Durchmarsch.
int LayDownSeat(const CSkat& game) {
    if (g_Game.GameType != GAME_RAMSCH) return g_Game.Soloist >= 0 && g_Game.Soloist <= 2 ? g_Game.Soloist : -1;
    for (int seat = 0; seat < 3; ++seat)
        if (game.Player(seat)->IsDurchmarschAim()) return seat;
    return -1;
}

}  // namespace

bool CTrickPlay::IsRedoPossible() const {
    if (trickPlay_.HistoryPosition < 0 || trickPlay_.HistoryPosition >= 10) return false;
    const GameSnapshot& next = trickPlay_.History[trickPlay_.HistoryPosition + 1];
    return IsCardCode(next.card[0]) || IsCardCode(next.card[1]);
}

void CTrickPlay::RestoreSnapshot(const GameSnapshot& record) {
    // The game record.
    g_Game.GameEndFlags = record.gameEndFlags;
    g_Game.EarlyFaceUp = record.earlyFaceUp;
    g_Game.Forehand = g_Game.PreviousForehand = record.forehand;
    g_Game.Soloist = record.soloist;
    g_Game.TrickWinner = g_Game.TurnSeat = record.trickWinner;
    g_Game.TrumpCount = record.trumpCount;
    if (record.preferredSuit == -1 || record.preferredSuit != g_Game.GameType) g_Knowledge.PreferredSuit = record.preferredSuit;
    g_Game.OuvertAnnounced = record.ouvertAnnounced;
    g_Game.KontraState = record.kontraState;
    g_ComputerFrame.FaceUpAnnouncePending = record.faceUpAnnouncePending;
    // Taken back to before a Kontra, the game's line names none; brought again, it names it.
    frame_.MatchSeries().NoteKontra();
    // The game's line names a lay-down only while the cards lie open: taken back to before it,
    // none; brought again, the seat that laid down.
    if (g_Game.EarlyFaceUp == 0) frame_.MatchSeries().ForgetFaceUp();
    else frame_.MatchSeries().NoteFaceUp(LayDownSeat(frame_.GameObject()));
    // The players.
    for (int seat = 0; seat < 3; ++seat) {
        game_.SetUpPlayer(seat, [&record, seat](CPlayer& player) {
        player.FaceUpSeen = record.abandonOffer[seat];
        player.handInfo = record.handInfo[seat];
        player.forcedCard = record.forcedCard[seat];
        player.ForcedCardCount = record.forcedCardCount[seat];
        player.partnerTopSuits = record.partnerTopSuits[seat];
        player.rememberedSuit = record.rememberedSuit[seat];
        player.durchmarschDecided = record.durchmarschDecided[seat];
        player.durchmarschAim = record.durchmarschAim[seat];
        for (int suit = 0; suit < 4; ++suit) {
            player.SuitPlanSlots[suit].Card = record.suitPlan[seat][2 * suit];
            player.SuitPlanSlots[suit].Flag = record.suitPlan[seat][2 * suit + 1];
            player.playedSuit[suit] = record.playedSuit[seat][suit];
        }
        });
    }
    // The card knowledge of the table.
    std::copy(&record.voidTable[0][0], &record.voidTable[0][0] + 3 * VOID_COLUMNS, &g_Knowledge.VoidTable[0][0]);
    std::copy(std::begin(record.unseenSuitCounts), std::end(record.unseenSuitCounts), g_Knowledge.UnseenSuitCounts);
    for (int party = 0; party < 3; ++party) {
        g_Game.PartyPoints[party] = record.partyPoints[party];
        g_Game.PartyTricks[party] = record.partyTricks[party];
    }
    std::copy(std::begin(record.trickLeadCounts), std::end(record.trickLeadCounts), g_Knowledge.TrickLeadCounts);
    std::copy(std::begin(record.ledSuitBySeat), std::end(record.ledSuitBySeat), g_Knowledge.LedSuitBySeat);
    for (int row = 0; row < DECK_SIZE; ++row) SetCardLocation(NO_CARD, record.playedCardTable[row], row / 8, row % 8);
    g_Knowledge.TrickLeadSuit = record.trickLeadSuit;
    g_Computer.ThrownOffSuit = record.thrownOffSuit;
    std::copy(std::begin(record.suitLedMarks), std::end(record.suitLedMarks), g_Flow.SuitLedMarks);
    // The computers' hands lie open or closed as they did.
    for (int seat = 0; seat < 2; ++seat) {
        if (record.faceUp[seat]) game_.LayDownHand(seat);
        else game_.CloseHand(seat);
    }
    frame_.FrameTable().RefreshTexts();
}

void CTrickPlay::UndoTrick() {
    const CTrick& trick = frame_.GameObject().Trick();
    // 1. The trick's cards in the trace.
    WriteTrace(":UndoTrick(" + TrickCardsText(frame_.GameObject()) + ")", LOG_MAINFRAME);
    // 2. An honest game repaints every hand and the skat; a marked one only the hands that get a
    // card back.
    const bool fullRepaint = g_Game.CheatMask == 0;
    // 3. The game's record forgets the trick's cards.
    for (int seat = 0; seat < 3; ++seat) {
        const auto slot = static_cast<std::size_t>(seat);
        if (trick.present[slot] && IsCardCode(trick.cards[slot]))
            frame_.MatchSeries().ForgetCard(seat, trick.cards[slot]);
    }
    // 4. The trick leaves the table and the played rows; the last trick empties; no card stays
    // raised; the cheat marks note the undo.
    game_.TakeTrickOffTable(fullRepaint);
    trickPlay_.SelectedSlot = -1;
    frame_.CardExchange().CheckCheat(64, 0);
    // 5. The cards of the trick go back into the hands.
    game_.ReturnCardsToHands(trickPlay_.History[trickPlay_.HistoryPosition].card, fullRepaint);
    // 6. and 8. The state after the last complete trick.
    trickPlay_.HistoryPosition = std::max(trickPlay_.HistoryPosition - 1, 0);
    const GameSnapshot& restored = trickPlay_.History[trickPlay_.HistoryPosition];
    // 7. The tricks before lie again as the last trick and the trick; the state comes back.
    if (trickPlay_.HistoryPosition > 0)
        game_.LayTrickRows(trickPlay_.History[trickPlay_.HistoryPosition - 1].card, restored.card);
    RestoreSnapshot(restored);
    frame_.GameObject().CheckCardInvariant();
    // 9. The trick waits under the continue bar; the players take up their plans of that trick.
    trickPlay_.PlayStep = 3;
    for (int seat = 0; seat < 3; ++seat) {
        const int position = trickPlay_.HistoryPosition;
        game_.SetUpPlayer(seat, [position](CPlayer& player) { player.LoadCardPlan(position); });
    }
    // 10. The keyboard starts at the row of the trick's winner.
    frame_.CardExchange().FocusLowerKeyGroup(2 * (std::clamp(g_Game.TrickWinner, 0, 2) + 1));
    // 11. The points and the continue bar.
    frame_.FrameTexts().ShowPoints();
    ShowContinueDialog();
}

void CTrickPlay::RedoTrick(bool spare) {
    const CTrick& trick = frame_.GameObject().Trick();
    int k = 11;
    if (!spare) {
        // 1. The cards of the next recorded trick come out of the hands into the trick.
        WriteTrace(":RedoTrick(" + TrickCardsText(frame_.GameObject()) + ")", LOG_MAINFRAME);
        game_.StartTrickAgain(trickPlay_.History[trickPlay_.HistoryPosition].card);
        // The trick is led by the winner of the one before.
        const int leader = std::clamp(trickPlay_.History[trickPlay_.HistoryPosition].trickWinner, 0, 2);
        trickPlay_.HistoryPosition = std::min(trickPlay_.HistoryPosition + 1, 10);
        const GameSnapshot& next = trickPlay_.History[trickPlay_.HistoryPosition];
        for (int turn = 0; turn < 3; ++turn) {
            const int seat = (leader + turn) % 3;
            const int card = next.card[seat];
            if (!IsCardCode(card)) continue;
            game_.PlayRecordedCard(seat, card);
            frame_.MatchSeries().NoteCard(seat, card);
        }
        game_.ShowTrickRow();
        k = trickPlay_.HistoryPosition;
        // A trick that waits for the person's card: the record of its start knows nothing of the
        // computers' cards lying in it again, the spare written at his turn does.
        if (!trick.IsComplete() && trickPlay_.SparePosition == trickPlay_.HistoryPosition) k = 11;
    }
    // 3. The state of the redone trick comes back, with the players' plans and the points.
    RestoreSnapshot(trickPlay_.History[k]);
    // In a trick still open the trick just valued is the one before: its leader stays the
    // previous forehand (the record of the open trick names the new leader).
    if (!trick.IsComplete() && trickPlay_.HistoryPosition > 0)
        g_Game.PreviousForehand = trickPlay_.History[trickPlay_.HistoryPosition - 1].forehand;
    for (int seat = 0; seat < 3; ++seat) game_.SetUpPlayer(seat, [k](CPlayer& player) { player.LoadCardPlan(k); });
    frame_.GameObject().CheckCardInvariant();
    frame_.FrameTexts().ShowPoints();
    // 4. A complete trick waits under the continue bar; an open one waits for the person's card.
    if (trick.IsComplete()) {
        trickPlay_.PlayStep = 3;
        ShowContinueDialog();
    } else {
        frame_.CloseModelessDialog();
        g_Game.TurnSeat = kPersonSeat;
        trickPlay_.PlayStep = 2;
        ShowStateDialog();
    }
}

namespace {

// Taking back or bringing again while another step runs beneath would rebuild the game under it.
bool StepRunsBeneath(const CMainFrame& frame) { return frame.Run().StepDepth > 1 || g_Frame.ModalPumpActive != 0; }

}  // namespace

void CTrickPlay::OnUndo() {
    if (StepRunsBeneath(frame_)) {
        frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    if (trickPlay_.CourseShown) OnLast();
    frame_.SetPause(1);
    if (trickPlay_.HistoryPosition <= 0 || g_Game.FlowState != STATE_PLAY) return;
    frame_.FrameAudio().SoundEffect(SOUND_UNDO_REDO, false);
    if (!::IsWindow(frame_.Prompts().ContinuePrompt)) frame_.FrameTable().MoveExtraText(IDS_YOUR_TURN, 0, 0, nullptr, nullptr);
    UndoTrick();
    frame_.InvalidateTable();
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.FramePanels().ShowTrickWinner();
    frame_.ShowMatchState();
}

void CTrickPlay::OnRecover() {
    if (StepRunsBeneath(frame_)) {
        frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    if (trickPlay_.CourseShown) OnLast();
    frame_.SetPause(1);
    if (trickPlay_.HistoryPosition >= 10 || g_Game.FlowState != STATE_PLAY || !IsRedoPossible()) return;
    frame_.FrameAudio().SoundEffect(SOUND_UNDO_REDO, false);
    RedoTrick(false);
    frame_.InvalidateTable();
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.FramePanels().ShowTrickWinner();
    frame_.ShowMatchState();
}
