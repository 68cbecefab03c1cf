// What every card-play strategy shares: the follow rule, the closing steps with their legality
// check, and the defenders' give-up test.
#include "computer/play/NullPlay.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"

#include <string>

namespace {

void TraceFrame(const std::string& text) { WriteTrace(":FinishStrategy(" + text + ")", LOG_PLAYER); }

}  // namespace

int CPlayer::FirstPlayableCard() const {
    for (int slot = 0; slot < capacity; ++slot)
        if (present[slot] && CanPlayCard(cards[slot], trickLeadCard)) return cards[slot];
    return NO_CARD;
}

int CPlayer::FinishStrategy(int card, int kind) {
    // 1. The suit-game defender lead records the suit he led, from his own choice.
    if (kind == EPILOGUE_SUIT_DEFENDER_LEAD && g_Game.RealPlayFlag && seat >= 0 && seat <= 2)
        g_Knowledge.LedSuitBySeat[seat] = GetCardSuit(card, false);
    // 2. A card picked from outside replaces the choice, but only one he holds and may play.
    if (PickedCard != 0) {
        if (HasCard(PickedCard) && CanPlayCard(PickedCard, trickLeadCard))
            card = PickedCard;
        else
            TraceFrame(name + ":picked:" + std::to_string(PickedCard) + ":ignored");
    }
    // 3. Leads mark the suit led (in suggestions too); the Grand soloist not for a Jack.
    if (kind == EPILOGUE_SUIT_DEFENDER_LEAD || kind == EPILOGUE_SUIT_LEAD ||
        (kind == EPILOGUE_GRAND_SOLOIST_LEAD && GetCardRank(card) != JACK))
        g_ComputerFrame.MarkSuitLed(GetCardSuit(card, false));
    // 4. The card must be held and allowed; a strategy fault is traced and the first allowed card
    //    in hand order is played instead, so the bookkeeping below is that of the card played.
    if (!HasCard(card) || !CanPlayCard(card, trickLeadCard)) {
        const int replacement = FirstPlayableCard();
        TraceFrame(name + ":card:" + std::to_string(card) + ":replaced:" + std::to_string(replacement));
        ++g_Computer.ReplacedCardCount;
        card = replacement;
        if (card == NO_CARD) return NO_CARD;  // an empty hand plays nothing
    }
    Discard(card);
    return card;
}

int CPlayer::GetSoloist() const {
    if (g_Game.GameType != GAME_RAMSCH) return g_Game.Soloist;
    if (seat < 0 || seat > 2 || g_Game.PartyTricks[seat] != 0) return g_Game.Soloist;
    const int previous = (seat + 2) % 3;
    const int next = (seat + 1) % 3;
    const bool previousHas = g_Game.PartyTricks[previous] != 0;
    const bool nextHas = g_Game.PartyTricks[next] != 0;
    if (previousHas != nextHas) return previousHas ? previous : next;
    return g_Game.Soloist;
}

bool CPlayer::CheckSoloist(int card) {
    // 1. A soloist who can no longer win: giving up would be pointless.
    const bool lost = g_Game.PartyPoints[1] >= 60 || (g_Game.SchwarzAnnounced && g_Game.PartyTricks[1] != 0) ||
                      (g_Game.SchneiderAnnounced && g_Game.PartyPoints[1] > 30);
    // 2. Whom the give-up would favour.
    const int soloist = GetSoloist();
    // 3. Not allowed, or nothing to give up.
    if (g_Settings.Settings.Abandon == 0 || lost) return false;
    bool offer = false;
    bool ramschSoloist = false;
    // 4. The soloist's cards lie face up: a defender holding more than two cards offers on his
    //    next call; once seen, every call offers (the offer itself comes only once a game).
    if (seat != 2 && g_Game.EarlyFaceUp == 1) {
        if (FaceUpSeen) {
            offer = true;
            ramschSoloist = g_Game.Soloist == NO_SEAT;
        } else if (count > 2) {
            FaceUpSeen = 1;
        }
    }
    // 5. Null: the soloist's open hand cannot be forced to take a trick.
    if (!offer) {
        if (!IsNullGame() || !partner || !CNullPlay(*partner).EvaluateNullFollow(card, -1)) return false;
    }
    // 6. The offer: never for the person's seat (nor the Revolution pool), once a game.
    if (seat < 0 || seat > 1) return false;
    if (g_Game.GameEndFlags & 8) {
        g_Game.GameEndFlags |= 8;
        return false;
    }
    const bool accepted = g_ComputerFrame.Abandon ? g_ComputerFrame.Abandon(name, seat) : false;
    if (accepted) {
        g_Game.GameEndFlags = seat;
        if (g_Game.OuvertAnnounced == 2) g_Game.OuvertAnnounced = 0;
        // In Ramsch the seat favoured becomes the soloist, but only once the give-up stands.
        if (ramschSoloist) g_Game.Soloist = soloist;
        g_ComputerFrame.Post(ID_ABANDON);
    }
    WriteTrace(":CheckSoloist(" + name + ":abandon:" + (accepted ? "accepted" : "rejected") + ")", LOG_PLAYER);
    g_Game.GameEndFlags |= 8;
    return accepted;
}
