#pragma once
// The routines the suit-game strategies ask that are not in this build yet: the card plan's second
// opinion on a candidate and the Durchmarsch test of the Ramsch choosers. Until they come each
// link answers with a stand-in that changes nothing (the card plan offers no card, the test never
// passes); the face-up announcement is passed on as it is. The stand-ins are counted.

class CPlayer;

namespace links {

// The card plan: a card to play instead of the candidate, or -1 (stand-in: always -1).
int ChooseTrickCard(CPlayer& p, int suit, int card, bool advance);
// The Durchmarsch test of mode 6: -1 unless every trick so far is the player's and his hand
// passes (stand-in: always -1).
int ChooseCardByMode(CPlayer& p, int mode, int suit);
// The spoken face-up announcement of the soloist (once a game).
void AnnounceFaceUp(int seat);

// How many times a stand-in answered (the self-play reports it).
int StandInCalls();

}  // namespace links
