#pragma once
// CGiveUp: a game that ends before its last trick, or starts again. The person gives his game up or
// concedes as a defender, or accepts that a computer gives up; a game is broken off, its deal played
// again, the person's game completed by the computer, the match ended without saving, and the play
// resumed after the person's card exchange or a skat swap pause. It keeps no record of its own: it
// asks the series, the match files and the other parts through their methods.

#include <string>

class CMainFrame;
class CSkat;

class CGiveUp {
public:
    CGiveUp(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CGiveUp(const CGiveUp&) = delete;
    CGiveUp& operator=(const CGiveUp&) = delete;

    // --- Giving up (flow/GiveUp.cpp) -------------------------------------------------------------
    // The person's question whether computer seat `seat` may give the game up; true: accepted.
    bool Abandon(int seat, const std::string& name);
    // Would the seat that gives up have won the game?
    bool IsGameWon(int seat);
    // The deal as the trace shows it at a give-up.
    void TraceAssignedCards();
    void OnAbandon();

    // --- Breaking off, repeating, completing, ending, resuming (flow/BreakRepeat.cpp) ------------
    void OnBreak();
    void OnRepeat();
    void OnCompleteGame();
    void OnAbortMatch();
    void OnResume();

private:
    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
};
