#pragma once
// Shared fixture of the computer player's tests: every global at its start value, a seeded random
// source, and helpers that give a player exactly the cards a test names.

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "support/CardNames.h"
#include "support/LayerResets.h"
#include "model/PlayerData.h"
#include "platform/core/Random.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// The code of a card by rank and suit index, e.g. C(ACE, CLUBS).
inline int C(int rank, int suit) { return CardCodeOf(rank, suit); }

// Cards written by name: "CJ HA D7" (support/CardNames.h).
inline std::vector<int> ParseCards(const char* text) { return testsupport::CardsOf(text); }
inline std::string CardName(int card) { return testsupport::NameOf(card); }

// Puts the cards into slots 0.. of the row, present, and the rest of the hand slots empty.
inline void GiveCards(CCards& row, const std::vector<int>& cards) {
    for (auto& card : row.cards) card = NO_CARD;
    for (auto& flag : row.present) flag = 0;
    int slot = 0;
    for (int card : cards) {
        row.cards[slot] = card;
        row.present[slot] = 1;
        ++slot;
    }
    row.count = slot < row.capacity ? slot : row.capacity;
}
inline void GiveCards(CCards& row, std::initializer_list<int> cards) { GiveCards(row, std::vector<int>(cards)); }
// The cards by name: GiveCards(row, "CJ HA D7").
inline void GiveCards(CCards& row, const char* names) { GiveCards(row, testsupport::CardsOf(names)); }

// The two skat cards into the player's slots 10 and 11.
inline void GiveSkat(CPlayer& player, int first, int second) {
    player.cards[10] = first;
    player.cards[11] = second;
}

class ComputerTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetModelGlobals();
        testsupport::ResetComputerGlobals();
        SeedRand(7);
        g_Game.Forehand = 0;
        g_Game.Leader = 0;
    }

    CComputer seat0{"Comp1", 10, false, 0};
    CComputer seat1{"Comp2", 10, false, 1};
    CPerson seat2{"Person", 10, true, 2};
};
