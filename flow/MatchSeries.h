#pragma once
// CMatchSeries: the games of a match for the frame. It alone writes the series record: a game begun,
// ended, broken off or open to a repeat, the end of the series, the soloists' counts, the settings
// an automatic completion gives back, the play clock and the match clock, and the record of the game
// as played. Every other part asks through its methods and reads the record through Series().

#include "flow/SeriesState.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

class CMainFrame;

class CMatchSeries {
public:
    explicit CMatchSeries(CMainFrame& frame) : frame_(frame) {}
    CMatchSeries(const CMatchSeries&) = delete;
    CMatchSeries& operator=(const CMatchSeries&) = delete;

    const SeriesState& State() const { return series_; }

    // --- A game of the match (flow/MatchSeries.cpp) ----------------------------------------------
    // A deal is under way: the game runs and may not be repeated meanwhile.
    void BeginGame();
    // The game is over (counted, passed in or given up): no game runs.
    void GameEnded();
    // The game is broken off: none runs, and the same deal may be played again.
    void BreakOffGame();
    // The last game may be dealt again.
    void AllowRepeat();
    // At start-up no game runs; the last game may be repeated when its file was read.
    void StartIdle(bool lastGameRead);
    // The next deal is a fresh one; the demonstration's lay-away of this deal has been made.
    void MarkFreshDeal();
    void FreshDealUsed();
    // The value the finished (or loaded) game scored.
    void SetGameScore(int score);
    // The result's text and the game's record of it: its score and outcome (1 won, -1 lost) and
    // the card points of the parties as they stand.
    void NoteResult(const std::string& text, int score, int outcome);

    // --- The end of a series (flow/MatchSeries.cpp) ----------------------------------------------
    // The end of a series by the match mode; with Bock or Ramsch games pending the person is asked
    // whether the series goes on until they are played.
    bool CheckSeriesEnd();
    // SeriesEnded follows the check; the passed-in game keeps it as NewMatchDue.
    void UpdateSeriesEnd();
    void UpdateNewMatchDue();
    // A new match has started, or its start was called off: the series has not ended.
    void ClearSeriesEnd();

    // --- The soloists' counts (flow/MatchSeries.cpp) ---------------------------------------------
    // Counts a finished game for its soloist (result 1 won, -1 lost; 0 a Ramsch, counted for its
    // loser or, with two losers, for the winner), and the match's game counters.
    void CountGame(int result);
    // The counts of a seat as the match list's header holds them.
    void RestoreSoloistCounts(int seat, int games, int lost, int won);
    // A new match: nobody has played a game, no Grand has kept the forehand.
    void ResetSoloistCounts();
    void ResetGrandRepeats();
    // A Grand of a Ramsch round keeps the forehand.
    void CountGrandRepeat();

    // --- The settings an automatic completion gives back (flow/MatchSeries.cpp) ------------------
    // Keeps the person's settings before the completion changes them.
    void KeepPendingSettings();
    // Gives them back once the completed game ends or is cut short, and shows the suggestion again
    // when it was on.
    void ApplyPendingSettings();

    // --- The clocks (flow/MatchSeries.cpp) -------------------------------------------------------
    // The play clock (the reminders and balloons count from it) starts now, or at `now`.
    void StartPlayClock();
    void StartPlayClock(std::int64_t now);
    // PauseLevel := level, and the play clock starts there.
    void StampPause(int level);
    // The match clock starts now, or goes on where the settings' countdown stands.
    void StartMatchClock();
    void ContinueMatchClock();

    // --- The record of the game as played (flow/MatchSeries.cpp) ---------------------------------
    // The deal: the cards as dealt and the forehand; the earlier record goes.
    void StartRecord();
    // The declaration and the skat as play starts.
    void NoteDeclaration();
    void NoteCall(int seat, char kind, int value);
    void NoteCard(int seat, int card);
    // Undo takes a card back out of the record.
    void ForgetCard(int seat, int card);
    // The game's Kontra as it now stands.
    void NoteKontra();
    // The seat that laid its cards open early, kept once noted; forgotten when undo takes the
    // lay-down back.
    void NoteFaceUp(int seat);
    void ForgetFaceUp();
    void NoteGiveUp(int seat);
    // Called before each deal (the self-play seeds the random source there).
    void SetBeforeDeal(std::function<void()> beforeDeal) { series_.BeforeDeal = std::move(beforeDeal); }

private:
    CMainFrame& frame_;
    SeriesState series_;
};
