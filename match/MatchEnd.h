#pragma once
// Whether a match read from its list has reached its end, by the match mode: the string of the
// end message (0 none) and, for Bierlachs, the first seat whose credit is used up.

struct MatchEnd {
    int Message = 0;
    int Seat = 3;
};

// mode 0 number of games (3 x maxRounds), 1 time, 2 credit (a balance below 0), 3 no end.
MatchEnd MatchEndOfList(int mode, int games, int maxRounds, int countDown, const int balances[3]);
