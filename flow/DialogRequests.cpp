#include "flow/DialogRequests.h"

#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"

#include <algorithm>

namespace {

constexpr int kPersonSeat = 2;
constexpr int kTopRung = BID_LADDER_SIZE - 1;
// GameEndFlags: the course is shown after the game.
constexpr int kCourseRequested = 8;

}  // namespace

void TakePersonBid() {
    g_Game.BidIndex = std::min(g_Game.BidIndex + g_Game.PendingRaise, kTopRung);
    g_Game.PendingRaise = 0;
    g_Game.HasBid[kPersonSeat] = 1;
}

void TakePersonPass() {
    g_Game.PendingRaise = 0;
    if (g_Game.Soloist == kPersonSeat && BidValue(g_Game.BidIndex) == BidValue(0)) g_Game.Soloist = 3;
}

void AlterPendingRaise(bool raise) {
    if (raise) {
        if (g_Game.BidIndex + g_Game.PendingRaise < kTopRung) ++g_Game.PendingRaise;
    } else if (g_Game.PendingRaise >= 1) {
        --g_Game.PendingRaise;
    }
}

void ToggleSchneiderAnnounced(bool excludesOuvert) {
    g_Game.SchneiderAnnounced = g_Game.SchneiderAnnounced ? 0 : 1;
    if (g_Game.SchwarzAnnounced) g_Game.SchwarzAnnounced = 0;
    if (g_Game.SchneiderAnnounced && excludesOuvert) g_Game.OuvertAnnounced = 0;
}

void ToggleSchwarzAnnounced(bool excludesOuvert) {
    g_Game.SchwarzAnnounced = g_Game.SchwarzAnnounced ? 0 : 1;
    if (g_Game.SchneiderAnnounced) g_Game.SchneiderAnnounced = 0;
    if (g_Game.SchwarzAnnounced && excludesOuvert) g_Game.OuvertAnnounced = 0;
}

void ToggleOuvertAnnounced(bool excludesSchneider) {
    g_Game.OuvertAnnounced = g_Game.OuvertAnnounced ? 0 : 1;
    if (g_Game.OuvertAnnounced && excludesSchneider) g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
}

void DropAnnouncements() { g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = g_Game.OuvertAnnounced = 0; }

void DropSchneiderAndSchwarz() { g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0; }

void ChangeGameType(int type) { g_Game.SetGameType(type); }

void DeclareNullGame(bool ouvert) {
    g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
    g_Game.OuvertAnnounced = ouvert ? 1 : 0;
    g_Game.SetGameType(GAME_NULL);
}

void DeclareRevolutionGame() {
    g_Game.OuvertAnnounced = 1;
    g_Game.SetGameType(GAME_REVOLUTION);
}

void AnnounceDurchmarsch(bool announced) { g_Game.SchwarzAnnounced = announced ? 1 : 0; }

void RequestCourse() { g_Game.GameEndFlags |= kCourseRequested; }

void ChooseFirstLeader(int seat) {
    g_Game.Leader = seat;
    g_Game.Forehand = seat;
}

void OpenKontra() { g_Game.ResetKontra(); }

void SetMatchMode(int mode) { g_Game.MatchMode = mode; }
