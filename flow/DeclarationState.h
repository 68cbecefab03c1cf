#pragma once
// The declaration as the declaration part keeps it: the game suggested to the person, the slide of
// a swap and the skat swap pause. Only CFrameDeclaration writes it; every other part reads it
// through the frame's Declaration().

struct DeclarationState {
    // The game suggested to the person as declarer (record 0..8 of his game options, -1 none) and
    // its announcements (1 Schneider, 2 Schwarz, 4 Ouvert).
    int SuggestedGame = -1;
    int SuggestedAnnouncements = 0;
    // The slide of a swap and the resume bar.
    int SwapAnimation = 3;
    int ResumeSwapOpen = 0;
    int SwapPausePending = 0;  // the skat swap pause pumps messages
};
