#pragma once
// The strategy table of the card play: which of the 24 strategies a player uses, by game type, his
// role (soloist or defender; in Ramsch the Durchmarsch aim) and the trick position.

class CPlayer;

// Strategies in table order: per family lead, second, third.
enum CardStrategy : int {
    STRATEGY_NONE = -1,
    SUIT_SOLOIST_LEAD = 0, SUIT_SOLOIST_SECOND, SUIT_SOLOIST_THIRD,
    SUIT_OPPONENT_LEAD, SUIT_OPPONENT_SECOND, SUIT_OPPONENT_THIRD,
    NULL_SOLOIST_LEAD, NULL_SOLOIST_SECOND, NULL_SOLOIST_THIRD,
    NULL_OPPONENT_LEAD, NULL_OPPONENT_SECOND, NULL_OPPONENT_THIRD,
    GRAND_SOLOIST_LEAD, GRAND_SOLOIST_SECOND, GRAND_SOLOIST_THIRD,
    GRAND_OPPONENT_LEAD, GRAND_OPPONENT_SECOND, GRAND_OPPONENT_THIRD,
    RAMSCH_LEAD, RAMSCH_SECOND, RAMSCH_THIRD,
    DURCHMARSCH_LEAD, DURCHMARSCH_SECOND, DURCHMARSCH_THIRD,
    STRATEGY_COUNT
};

struct StrategyChoice {
    int strategy = STRATEGY_NONE;
    bool soloistNext = false;  // F: the soloist plays after this seat
};

// The row of the table for this player at the given position (cards already in the trick).
StrategyChoice ChooseStrategy(const CPlayer& player, int position);
