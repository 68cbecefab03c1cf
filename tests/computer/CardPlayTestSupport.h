#pragma once
// Helpers of the card-play tests: hands written as card names, a trick on the table, and a trace
// sink that keeps the lines written.

#include "ComputerTestSupport.h"

#include "computer/evaluation/HandAnalysis.h"

#include "model/Trace.h"
#include "model/Trick.h"
#include "support/TraceLines.h"

#include <string>
#include <vector>

// Starts the player's game afresh with the named cards ("CJ HA D7") and analyses the hand.
inline void GiveHand(CPlayer& player, const char* text) {
    const std::vector<int> cards = ParseCards(text);
    player.Reset();
    for (auto& card : player.cards) card = NO_CARD;
    for (auto& flag : player.present) flag = 0;
    int slot = 0;
    for (int card : cards) {
        player.cards[slot] = card;
        player.present[slot] = 1;
        ++slot;
    }
    player.count = slot;
    player.AnalyseHand(0);
    ListSmallCards(player);
}

// Marks the named cards played.
inline void PlayedCards(const char* text) {
    for (int card : ParseCards(text)) SetCardLocation(card, CARD_PLAYED);
}

