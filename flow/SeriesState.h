#pragma once
// The games of a match as the series part keeps them: whether one runs, its result, the soloists'
// counts, the clocks. Only CMatchSeries writes it; every other part reads it through the frame's
// Series().

#include "flow/GameRecord.h"

#include <cstdint>
#include <functional>
#include <string>

struct SeriesState {
    int GameRunning = 0, RepeatAllowed = 0, SeriesEnded = 0, NewMatchDue = 0;
    int FreshDeal = 0;
    int ExtraGamesAccepted = 0;  // the series goes on until the pending Bock and Ramsch games are played
    int GameScoreValue = 0;
    std::string LastResultText;
    int SoloistGames[3] = {0, 0, 0}, SoloistLost[3] = {0, 0, 0}, SoloistWon[3] = {0, 0, 0};
    int ListHeaderGrandRepeats = 0;  // the match list counts the Grands after which forehand stays
    int PendingSettings[7] = {0, 0, 0, 0, 0, 0, 0};
    std::int64_t PlayClock = 0;
    std::int64_t MatchStartTime = 0;
    // The current game as played, for tests and the self-play.
    CGameRecord Record;
    // Called before each deal (the self-play seeds the random source there); empty in the program.
    std::function<void()> BeforeDeal;
};
