#include "computer/evaluation/GameStatus.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/play/NullPlay.h"
#include "computer/play/RamschPlay.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "model/Skat.h"

namespace {

int SeatGuarded(int seat) { return seat >= 0 && seat <= 2 ? seat : 0; }

// The soloist's player object: this player, the open-hand link, or the game's seat.
const CPlayer* SoloistOf(const CPlayer& player) {
    const int soloist = g_Game.Soloist;
    if (player.seat == soloist) return &player;
    if (player.partner && player.partner->seat == soloist) return player.partner;
    if (g_ComputerFrame.Game && soloist >= 0 && soloist <= 2) return g_ComputerFrame.Game->Player(soloist);
    return nullptr;
}

}  // namespace

void CPlayer::AnalyseGameStatus(GameStatusRecord& record) const {
    const int type = g_Game.GameType;
    if (type < 0 || type > GAME_RAMSCH) return;
    const int me = SeatGuarded(seat);
    const bool ramsch = type == GAME_RAMSCH;
    const bool null = type == GAME_NULL || type == GAME_REVOLUTION;
    // Seats A and B: in Ramsch the next two in playing order; otherwise the two seats beside the
    // soloist, the lower first. K is the side whose cards the suit blocks' fourth column asks.
    int seatA, seatB;
    if (ramsch || g_Game.Soloist < 0 || g_Game.Soloist > 2) {
        seatA = (me + 1) % 3;
        seatB = (me + 2) % 3;
    } else {
        const int soloist = g_Game.Soloist;
        seatA = soloist == 0 ? 1 : 0;
        seatB = soloist == 2 ? 1 : 2;
    }
    const bool defender = !ramsch && me != g_Game.Soloist;
    const int seatK = defender ? SeatGuarded(g_Game.Soloist) : seatB;
    const CPlayer* soloist = ramsch ? nullptr : SoloistOf(*this);
    // The soloist's cards lie open to a defender (never his own hidden hand before they do).
    const bool open = defender && AreOuvertCardsOpen() && soloist;
    const int keptBusy = g_Knowledge.DiscardBusy;
    if (ramsch) g_Knowledge.DiscardBusy = 1;

    // The header: trumps (not in Null and Revolution).
    if (!null) {
        const int own = IsSuitGame(type) ? GetTrumpCount() : handInfo.JackCount;
        record.TrumpsOut = g_Game.TrumpCount - own;
        if (ramsch) record.TopTrump = handInfo.JackCount > 0 ? AreLowerJacksGone(*this, PickRandomJack(*this, -1)) : 0;
        else record.TopTrump = IsTopCard(*this, PickHighestInSuit(*this, -1, true), -1, -1);
        record.SeatAHoldsTrump = MayHoldSuit(*this, seatA, type);
        record.SeatBHoldsTrump = MayHoldSuit(*this, seatB, type);
        if (IsSuitGame(type)) record.TrumpTen = !IsHeldOrGone(type, TEN, me);
        else if (type == GAME_GRAND) record.TrumpTen = -1;
        else record.TrumpTen = CRamschPlay(*this).EvaluateRamschHand(-1);
    }
    // The four suit blocks.
    for (int s = 0; s < 4; ++s) {
        if (IsSuitGame(type) && s == type) continue;
        GameStatusSuit& block = record.Suits[s];
        const int own = CountInSuit(s);
        const int outstanding = CountOutstanding(*this, s) - own;
        block.SeatAHolds = MayHoldSuit(*this, seatA, s);
        if (ramsch) block.OtherHolds = MayHoldSuit(*this, seatB, s);
        else if (open) block.OtherHolds = soloist->CountInSuit(s) > 0 ? 1 : 0;
        else block.OtherHolds = MayHoldSuit(*this, seatK, s);
        if (null || ramsch) {
            block.Outstanding = outstanding;
            block.TopCard = own > 0 ? IsSuitSafe(*this, PickLowestInSuit(*this, s, true), -1, -1) : 0;
            if (ramsch) block.Fourth = CRamschPlay(*this).EvaluateRamschHand(s);
            else
                block.Fourth =
                    (me == g_Game.Soloist || open) && soloist ? CNullPlay(*soloist).EvaluateNullFollow(-1, s) : -1;
            continue;
        }
        block.TopCard = own > 0 ? IsTopCard(*this, PickHighestInSuit(*this, s, true), -1, -1) : 0;
        const bool tenOut = !IsHeldOrGone(s, TEN, me);
        if (type == GAME_GRAND || MayHoldSuit(*this, seatA, s) || MayHoldSuit(*this, seatB, s)) {
            block.Outstanding = outstanding;
            block.Fourth = tenOut;
        } else {
            block.Outstanding = 0;
            block.Fourth = 0;
        }
    }
    g_Knowledge.DiscardBusy = keptBusy;
}
