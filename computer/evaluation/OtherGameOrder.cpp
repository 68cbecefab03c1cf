#include "computer/evaluation/OtherGameOrder.h"

#include "model/GameState.h"
#include "model/KeptValues.h"
#include "model/Player.h"

std::vector<NullSuitCards> NullOrderCards(const CPlayer& player, const std::vector<int>& suits) {
    CKeptValues kept(g_Game.GameType, g_Game.TrumpCount);
    g_Game.SetGameTypeWithTrumps(GAME_NULL, 4);
    std::vector<NullSuitCards> answer;
    for (const int suit : suits) {
        NullSuitCards cards;
        cards.suit = suit;
        // Only a suit has cards to name; the trump column (-1) is no question here.
        if (suit < 0 || suit > 3) {
            answer.push_back(cards);
            continue;
        }
        cards.highest = PickHighestInSuit(player, suit, true);
        cards.belowHighest = NextLowerInSuit(player, cards.highest, false);
        cards.lowest = PickLowestInSuit(player, suit, true);
        cards.aboveLowest = NextHigherInSuit(player, cards.lowest);
        answer.push_back(cards);
    }
    return answer;
}

RamschHandCards RamschOrderCards(const CPlayer& player) {
    CKeptValues kept(g_Game.GameType, g_Game.TrumpCount);
    g_Game.SetGameTypeWithTrumps(GAME_RAMSCH, 4);
    RamschHandCards answer;
    int cards[11];
    answer.jacks.assign(cards, cards + CollectSuit(player, GAME_RAMSCH, true, cards));
    for (int suit = 0; suit < 4; ++suit)
        answer.suits[static_cast<std::size_t>(suit)].assign(cards, cards + CollectSuit(player, suit, true, cards));
    return answer;
}
