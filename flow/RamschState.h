#pragma once
// The Ramsch rounds as their part keeps them: the pushes of the skat, the losers and the Grand Hand
// offer's answer. Only CRamschRounds writes it; every other part reads it through the frame's
// Ramsch().

struct RamschState {
    int RamschPushCount = 0;  // the skat was pushed on this often in the Ramsch game
    int RamschResultSeats[2] = {3, 3};
    // The Grand Hand offer's kept Durchmarsch answer for the person.
    int GrandHandDurchmarsch = 0;
    // The skat suggestion is moving cards (its slides wait for the clock): a second suggestion
    // waits for none, and a push of the skat asked for meanwhile follows once the cards lie.
    int SkatSuggestionRunning = 0;
    int PushAfterSuggestion = 0;
};
