// The games of a match: the steps that write the series record.
#include "flow/MatchSeries.h"

#include "flow/MainFrame.h"
#include "flow/RamschState.h"
#include "flow/TrickPlay.h"
#include "match/GameList.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Rounds.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Clock.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <algorithm>
#include <iterator>

CMatchSeries& CMainFrame::MatchSeries() { return *series_; }
const SeriesState& CMainFrame::Series() const { return series_->State(); }

void CMatchSeries::BeginGame() {
    series_.GameRunning = 1;
    series_.RepeatAllowed = 0;
}

void CMatchSeries::GameEnded() { series_.GameRunning = 0; }

void CMatchSeries::BreakOffGame() {
    series_.GameRunning = 0;
    series_.RepeatAllowed = 1;
}

void CMatchSeries::AllowRepeat() { series_.RepeatAllowed = 1; }

void CMatchSeries::StartIdle(bool lastGameRead) {
    series_.GameRunning = 0;
    series_.RepeatAllowed = lastGameRead ? 1 : 0;
}

void CMatchSeries::MarkFreshDeal() { series_.FreshDeal = 1; }
void CMatchSeries::FreshDealUsed() { series_.FreshDeal = 0; }

void CMatchSeries::SetGameScore(int score) { series_.GameScoreValue = score; }

void CMatchSeries::NoteResult(const std::string& text, int score, int outcome) {
    series_.LastResultText = text;
    series_.Record.scored = true;
    series_.Record.score = score;
    series_.Record.outcome = outcome;
    for (int s = 0; s < 3; ++s) series_.Record.points[s] = g_Game.PartyPoints[s];
}

bool CMatchSeries::CheckSeriesEnd() {
    const bool extra =
        g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0;
    const std::string caption = platform::LoadString(IDS_PRODUCT_NAME);
    auto askToGoOn = [&](int firstId) {
        if (g_Game.DemoMode) frame_.SetTimer(TM_DEMO_OK, g_Settings.Delay.Demo);
        const std::string text = platform::LoadString(firstId) + platform::LoadString(IDS_EXTRA_GAMES_PENDING);
        return MessageBox(frame_.Handle(), text, caption, platform::MB_YESNO | platform::MB_ICONQUESTION) == IDYES;
    };
    switch (g_Game.MatchMode) {
        case 0:
            if (g_Game.GameCount < 3 * g_Settings.Game.MaxRounds) return false;
            if (!extra) return true;
            if (series_.ExtraGamesAccepted) return false;
            if (askToGoOn(IDS_GAMES_PLAYED)) {
                series_.ExtraGamesAccepted = 1;
                return false;
            }
            g_Game.RoundStatus = ROUND_NORMAL;
            SetRoundLimits(0, 0);
            return true;
        case 1:
            if (g_Settings.Game.CountDown > 0) return false;
            if (!extra) return g_Game.RoundStatus == ROUND_NORMAL;
            if (series_.ExtraGamesAccepted) return false;
            if (askToGoOn(IDS_TIME_UP)) {
                series_.ExtraGamesAccepted = 1;
                return false;
            }
            g_Game.RoundStatus = ROUND_NORMAL;
            return true;
        case 2: {
            const int* balance = g_GameList.Balances;
            int lowest = 0;
            if (balance[1] < balance[lowest]) lowest = 1;
            if (balance[2] < balance[lowest]) lowest = 2;
            if (balance[lowest] >= 0) return false;
            int atLowest = 0;
            for (int seat = 0; seat < 3; ++seat) atLowest += balance[seat] == balance[lowest] ? 1 : 0;
            if (atLowest == 1) return true;
            if (g_Game.DemoMode) frame_.SetTimer(TM_DEMO_OK, g_Settings.Delay.Demo);
            MessageBox(frame_.Handle(), platform::LoadString(IDS_BIERLACHS_TIE), caption,
                       platform::MB_OK | platform::MB_ICONINFORMATION);
            return false;
        }
        default: return false;
    }
}

void CMatchSeries::UpdateSeriesEnd() { series_.SeriesEnded = CheckSeriesEnd() ? 1 : 0; }
void CMatchSeries::UpdateNewMatchDue() { series_.NewMatchDue = CheckSeriesEnd() ? 1 : 0; }
void CMatchSeries::ClearSeriesEnd() { series_.SeriesEnded = 0; }

void CMatchSeries::CountGame(int result) {
    int seat = g_Game.Soloist;
    bool lost = result < 0;
    if (result == 0) {
        const RamschState& ramsch = frame_.Ramsch();
        if (ramsch.RamschResultSeats[1] == 3) {
            seat = ramsch.RamschResultSeats[0];
            lost = true;
        } else {
            seat = 3 - ramsch.RamschResultSeats[0] - ramsch.RamschResultSeats[1];
            lost = false;
        }
        g_Game.Soloist = seat;
    }
    if (seat >= 0 && seat <= 2) {
        (lost ? series_.SoloistLost : series_.SoloistWon)[seat] += 1;
        series_.SoloistGames[seat] += 1;
    }
    g_Game.GameCount += 1;
    g_Game.StoreCount += 1;
}

void CMatchSeries::RestoreSoloistCounts(int seat, int games, int lost, int won) {
    series_.SoloistGames[seat] = games;
    series_.SoloistLost[seat] = lost;
    series_.SoloistWon[seat] = won;
}

void CMatchSeries::ResetSoloistCounts() {
    for (int seat = 0; seat < 3; ++seat)
        series_.SoloistGames[seat] = series_.SoloistLost[seat] = series_.SoloistWon[seat] = 0;
}

void CMatchSeries::ResetGrandRepeats() { series_.ListHeaderGrandRepeats = 0; }
void CMatchSeries::CountGrandRepeat() { ++series_.ListHeaderGrandRepeats; }

void CMatchSeries::KeepPendingSettings() {
    series_.PendingSettings[0] = g_Settings.Options.Suggest;
    series_.PendingSettings[1] = g_Settings.Audio.Voice;
    series_.PendingSettings[2] = g_Settings.Audio.Sound;
    series_.PendingSettings[3] = g_Settings.Delay.Show;
    series_.PendingSettings[4] = g_Settings.Delay.Continue;
    series_.PendingSettings[5] = g_Settings.Delay.Order;
    series_.PendingSettings[6] = g_Settings.Settings.Abandon;
}

void CMatchSeries::ApplyPendingSettings() {
    if (!frame_.TrickPlay().AutoComplete) return;
    g_Settings.Audio.Voice = series_.PendingSettings[1];
    g_Settings.Audio.Sound = series_.PendingSettings[2];
    g_Settings.Delay.Show = std::max(0, series_.PendingSettings[3]);
    g_Settings.Delay.Continue = std::max(0, series_.PendingSettings[4]);
    g_Settings.Delay.Order = std::max(0, series_.PendingSettings[5]);
    g_Settings.Settings.Abandon = series_.PendingSettings[6] != 0 ? 1 : 0;
    frame_.FrameTrickPlay().EndAutoComplete();
    if (series_.PendingSettings[0] != 0) frame_.OnSuggest();
}

void CMatchSeries::StartPlayClock() { series_.PlayClock = Time64(); }
void CMatchSeries::StartPlayClock(std::int64_t now) { series_.PlayClock = now; }
void CMatchSeries::StampPause(int level) { series_.PlayClock = StampPauseLevel(level); }

void CMatchSeries::StartMatchClock() { series_.MatchStartTime = Time64(); }

void CMatchSeries::ContinueMatchClock() {
    series_.MatchStartTime = Time64() - (std::int64_t{g_Settings.Game.MaxTime} - g_Settings.Game.CountDown);
}

void CMatchSeries::StartRecord() {
    const CSkat& game = frame_.GameObject();
    series_.Record.Clear();
    series_.Record.leader = g_Game.Leader;
    for (int seat = 0; seat < 3; ++seat)
        for (int slot = 0; slot < 10; ++slot)
            series_.Record.hands[seat][slot] = game.Hand(seat).dealt[static_cast<std::size_t>(slot)];
    for (int slot = 0; slot < 2; ++slot) series_.Record.dealtSkat[slot] = game.dealt[static_cast<std::size_t>(slot)];
}

void CMatchSeries::NoteDeclaration() {
    const CSkat& game = frame_.GameObject();
    CGameRecord& record = series_.Record;
    record.leader = g_Game.Leader;
    record.gameType = g_Game.GameType;
    record.soloist = g_Game.Soloist;
    record.hand = g_Game.HandAnnounced;
    record.ouvert = g_Game.OuvertAnnounced == 1 ? 1 : 0;
    record.schneider = g_Game.SchneiderAnnounced;
    record.schwarz = g_Game.SchwarzAnnounced;
    record.kontraState = g_Game.KontraState;
    record.passOns = frame_.Ramsch().RamschPushCount;
    for (int slot = 0; slot < 2; ++slot) record.skat[slot] = game.cards[slot] > 0 ? game.cards[slot] : 0;
}

void CMatchSeries::NoteCall(int seat, char kind, int value) { series_.Record.NoteCall(seat, kind, value); }
void CMatchSeries::NoteCard(int seat, int card) { series_.Record.NoteCard(seat, card); }

void CMatchSeries::ForgetCard(int seat, int card) {
    auto& cards = series_.Record.cards;
    for (auto it = cards.rbegin(); it != cards.rend(); ++it) {
        if (it->seat == seat && it->card == card) {
            cards.erase(std::next(it).base());
            return;
        }
    }
}

void CMatchSeries::NoteKontra() { series_.Record.kontraState = g_Game.KontraState; }

void CMatchSeries::NoteFaceUp(int seat) {
    if (series_.Record.faceUp < 0) series_.Record.faceUp = seat;
}

void CMatchSeries::ForgetFaceUp() { series_.Record.faceUp = -1; }
void CMatchSeries::NoteGiveUp(int seat) { series_.Record.gaveUp = seat; }
