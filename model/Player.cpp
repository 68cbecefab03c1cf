#include "model/PlayerData.h"

#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/InternalError.h"
#include "model/Settings.h"

#include <cstdlib>

CPlayer::CPlayer(const std::string& rowName, int rowCapacity, bool isOpen, int playerSeat)
    : CCards(rowName, rowCapacity, isOpen, false), seat(playerSeat) {
    handInfo.Clear();
}

void CPlayer::Reset() {
    CCards::Clear();
    if (seat >= 0 && seat <= 2) {
        g_Game.HasBid[seat] = 0;
        g_Game.SkatPassedOnBySeat[seat] = 0;
    }
    durchmarschMode = 1;
    durchmarschDecided = 0;
    durchmarschAim = 0;
    FaceUpSeen = 0;
    ForcedCardCount = 0;
    forcedCard = 0;
    partnerTopSuits = 0;
    for (int& played : playedSuit) played = 0;
}

void CPlayer::Discard(int card) {
    // A code that names no card means the card play went wrong: stop the game rather than book
    // a card that does not exist.
    if (!IsCardCode(card)) {
        ReportFatalDiscard(seat, card, "Player", __LINE__);
        g_Game.StopFlag = StopState::Requested;
        return;
    }
    if (!g_Game.RealPlayFlag) return;
    handInfo.RemoveCard(GetCardSuit(card, true), GetCardRank(card));
    int suit = GetCardSuit(card, false);
    if (seat == g_Game.Forehand) g_Knowledge.TrickLeadSuit = suit;
    // Only from 0 to 1: a defender's mark 2 on a suit (a follow card chosen to keep the suit
    // for the partner) must survive his later cards of it.
    if (suit >= 0 && suit <= 3 && playedSuit[suit] == 0) playedSuit[suit] = 1;
    if (forcedCard != 0 && card == std::abs(forcedCard)) forcedCard = 0;
}

void CPlayer::SetDurchmarsch(int aim, int mode) {
    if (mode >= 0) durchmarschMode = mode;
    if (aim >= 0) {
        durchmarschAim = aim;
        durchmarschDecided = aim;
    } else {
        durchmarschDecided = 1;
        durchmarschAim = 0;
    }
}

bool CPlayer::IsDurchmarschAim() const { return g_Game.GameType == GAME_RAMSCH && durchmarschAim == 1; }

int CPlayer::FindFirstHeldCard() const {
    for (int slot = 0; slot < 10 && slot < static_cast<int>(cards.size()); ++slot) {
        int card = cards[slot];
        int suit = GetCardSuit(card, true);
        int rank = GetCardRank(card);
        if (suit >= 0 && rank >= 0 && handInfo.RankTable[suit][rank] != -1) return card;
    }
    return -1;
}

void CPlayer::TallyHand() {
    handInfo.Clear();
    HandInfo& h = handInfo;
    for (int slot = 0; slot < 10 && slot < capacity; ++slot) {
        if (!present[slot]) continue;
        int card = cards[slot];
        int suit = GetCardSuit(card, true);
        int rank = GetCardRank(card);
        if (suit < 0 || rank < 0) continue;
        h.RankTable[suit][rank] = slot;
        h.RankTableWithSkat[suit][rank] = slot;
        ++h.SuitCountWithJack[suit];
        if (rank == JACK) {
            ++h.JackCount;
        } else {
            ++h.SuitCount[suit];
            ++h.DealtSuitCount[suit];
        }
    }
    h.DealtJackCount = h.JackCount;
    // Matadors: the run of Jacks held from the Clubs Jack down, or missing before the first held.
    bool with = h.RankTable[CLUBS][JACK] != -1;
    int run = 0;
    for (int suit = 0; suit < 4 && (h.RankTable[suit][JACK] != -1) == with; ++suit) ++run;
    h.MatadorRun = with ? run : -run;
}

const char* SeatName(int seat) {
    switch (seat) {
        case 0: return "Comp1";
        case 1: return "Comp2";
        case 2: return "Person";
        default: return "";
    }
}

void CPlayer::SetPickedCard(int* card) {
    if (!card) return;
    PickedCard = *card;
    *card = 0;
    if (PickedCard > 0 && IsSelectedCard(PickedCard)) SelectCard(4, 0, false);
}

int CPlayer::GetRuleNumber() const {
    // Word 9 of an option record is the number of the rule that decided it.
    constexpr int kRuleWord = 9;
    constexpr int kHandFlag = 16384;
    if (seat != 2 && !g_Settings.Settings.Rule) return 0;
    const int type = g_Game.GameType;
    if (type < 0 || type > 8) return 0;
    const int rule = gameOptions[type][kRuleWord];
    return rule > kHandFlag ? rule - kHandFlag : rule;
}

void CPlayer::UpdateTrumpFlag() {
    oneTrumpFlag = 0;
    if (!IsSuitGame(g_Game.GameType)) return;
    int trumps = 0;
    for (int slot = 0; slot < capacity; ++slot)
        if (present[slot] && GetCardSuit(cards[slot], false) == g_Game.GameType) ++trumps;
    oneTrumpFlag = trumps <= 1 ? 1 : 0;
}

const SuitAnalysisRecord* CPlayer::EstimateRecord(int a, int b) const {
    if (a < 0 || a > 3 || b < 0 || b > 1) return nullptr;
    return &handInfo.SuitRecords[2 * a + b];
}
