#pragma once
// The frame the three suit-game defender strategies share, and the counters of the cascades'
// own last steps (how often a cascade ended without a card of its own and fell back).

// Which cascade fell back to its last step.
enum SuitFallback : int {
    FALLBACK_SECOND_COMMON = 0,  // second hand, the common fallback chain
    FALLBACK_THIRD_SMEAR = 1,    // third hand, trump led, the last step of the smear (rule T1)
    FALLBACK_THIRD_TRUMP = 2,    // third hand, trump led, the partner's trick (rule T3)
    FALLBACK_THIRD_VOID = 3,     // third hand, void in the side suit, the partner's trick
    // Any other rule that ended without a card the player may play (a chooser answering -1):
    // the same last step, so that no strategy hands the closing check a missing card.
    FALLBACK_DEFENDER_LEAD = 4,
    FALLBACK_DEFENDER_SECOND = 5,
    FALLBACK_DEFENDER_THIRD = 6,
    FALLBACK_SOLOIST = 7,
    FALLBACK_KINDS = 8,
};

// Per kind: the cascade reached its last step, and of those the chooser's card could not be
// played so that the lowest allowed card was taken.
struct SuitFallbackCounts {
    int reached[FALLBACK_KINDS] = {};
    int replaced[FALLBACK_KINDS] = {};
    void Reset() { *this = SuitFallbackCounts{}; }
};

extern SuitFallbackCounts g_SuitFallbacks;

class CPlayer;
// The lowest card the player may play onto the running trick: fewest points, then the lowest
// order; with trumpFirst a trump before any side card. -1 with an empty hand.
int LowestAllowedCard(const CPlayer& player, bool trumpFirst);
// The card when the player holds it and may play it; else the cascade's last step of the kind.
int AllowedOrLastStep(CPlayer& player, int card, int kind);
