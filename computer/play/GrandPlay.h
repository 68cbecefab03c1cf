#pragma once
// The Grand card play of one computer seat: the soloist's and the defenders' strategies, the
// defenders' first choices against an open hand, and the early lay-down of a safe Grand.

class CPlayer;

class CGrandPlay {
public:
    explicit CGrandPlay(CPlayer& player) : me(player) {}

    // The soloist about to lead lays the rest of his hand face up when no trick can be lost.
    void EarlyFaceUpGrand();

    // The Grand defenders' first choices against the soloist's open hand (-1: none applies).
    int GrandOpponentLeadFirstChoice(bool soloistNext);
    int GrandOpponentSecondFirstChoice(bool soloistNext, int lead);
    int GrandOpponentThirdFirstChoice(bool soloistNext, int first, int second);

    // The Grand strategies.
    int PlayGrandSoloistLead();
    int PlayGrandSoloistSecond(int c1);
    int PlayGrandSoloistThird(int c1, int c2);
    int PlayGrandOpponentLead(bool soloistNext);
    int PlayGrandOpponentSecond(bool soloistNext, int c1);
    int PlayGrandOpponentThird(bool soloistNext, int c1, int c2);

private:
    CPlayer& me;  // the player this part thinks for
};
