#pragma once
// The choosers the suit-game strategies ask for a card of a given kind: the score choosers, the
// Grand and suit choosers, the trick-card plan, the Durchmarsch test and the face-up announcement.
// They belong to the shared card play; the suit strategies reach them only through this header,
// so that each link is one line here and in SuitChooserLinks.cpp. A link whose routine is not in
// the build yet answers with a small stand-in (marked so in SuitChooserLinks.cpp); every stand-in
// returns a card the player holds, or -1.

class CPlayer;

namespace links {

// Score choosers.
int ChooseCardByScore(CPlayer& p, int maxPoints, int fallback, bool noLimit);
int ChooseCardByScore2(CPlayer& p, int suit);
int ChooseCardByScore3(CPlayer& p, int points, bool flag);
int ChooseCardByRunScore(CPlayer& p, bool flag);
int ChooseDefenderLead(CPlayer& p, bool soloistNext);
int ChooseOpponentFollow(CPlayer& p, int suit);

// Grand and suit choosers.
int GetHeldRankNeighbour(CPlayer& p, int card, int step);
int PickRandomDownRun(CPlayer& p, int card);
int PickUnguardedTen(CPlayer& p);
int ChooseOpponentLeadTrial(CPlayer& p, int card);
int ChooseTrumpGameCard(CPlayer& p, bool allowTopSuit);
int ChooseLeadOrLastCard(CPlayer& p, int excludedSuit);
int ChooseSoloistLead(CPlayer& p);
int ChooseSoloistLead2(CPlayer& p);
int PickSuitToSchmier(CPlayer& p, bool keepTen);
int ChooseOpponentCardSuit(CPlayer& p, bool preferLong, bool jackFirst);
int ChooseGrandCard(CPlayer& p, bool strict);
int ChooseCardGeneral(CPlayer& p, int a, int b);
int ChooseOpponentLeadSuit(CPlayer& p);
int ChooseOpponentLeadSuit2(CPlayer& p);
int ChooseOpponentSecond(CPlayer& p, int suit);
int ChooseCardWithRandomJack(CPlayer& p, int card, bool lowestFirst);
int ChooseSpareTrump(CPlayer& p, int mode);
int ChooseLowTrump(CPlayer& p);
int ChooseSoloistCardSuit(CPlayer& p);
int ChooseOpponentFollowCard(CPlayer& p, int ledCard);

// The card plan: a card to play instead of the candidate, or -1.
int ChooseTrickCard(CPlayer& p, int suit, int card, bool advance);
// The Durchmarsch test of mode 6: -1 unless every trick so far is the player's and his hand
// passes; otherwise a card.
int ChooseCardByMode(CPlayer& p, int mode, int suit);
// The spoken face-up announcement of the soloist (once a game).
void AnnounceFaceUp(int seat);

// How many times each link answered with its stand-in (the self-play reports them).
int StandInCalls();

}  // namespace links
