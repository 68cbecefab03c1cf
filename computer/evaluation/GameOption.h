#pragma once
// The nine game-option records of a player (one per game type 0..8, kept in the row's
// gameOptions[9][13]) and the names of their thirteen fields. Every evaluator, the declaration
// and the Kontra logic speak of a field by these names, never by a number.

#include "model/Cards.h"

enum GameOptionField : int {
    OPT_BASE = 0,            // base value; 0 = the option is off
    OPT_VALUE_NO_HAND = 1,   // (level + Ouvert + 2 x (Schneider + Schwarz)) x base
    OPT_VALUE = 2,           // value without Hand + Hand x base: the option's bid limit
    OPT_BIDDING_LEVEL = 3,   // level to bid with a hand without matadors; 0 = not set
    OPT_HAND = 4,            // Ramsch record: the Durchmarsch mode
    OPT_OUVERT = 5,
    OPT_SCHNEIDER = 6,       // Ramsch record: Durchmarsch decided
    OPT_SCHWARZ = 7,         // Ramsch record: DurchmarschAim
    OPT_PROBABILITY = 8,     // win probability in percent
    OPT_RULE = 9,            // rule code of the deciding rule; the Kontra decision during play
    OPT_TRICKS = 10,         // trick estimate (suit options)
    OPT_SUIT_COUNT = 11,
    OPT_JACK_COUNT = 12,
    OPT_FIELD_COUNT = 13,
};

constexpr int GAME_OPTION_COUNT = 9;
// Added to a weak suit code that is played although it is a reject code.
constexpr int RULE_OVERRIDE_FLAG = 16384;

using GameOptionRecord = int[OPT_FIELD_COUNT];

// Fields 1..13 (all) of one record to 0.
void ClearGameOption(int* record);
// Whether a suit rule code (without the override flag) is one of the reject codes.
bool IsRejectCode(int code);
