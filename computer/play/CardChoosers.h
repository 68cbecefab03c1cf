#pragma once
// The card choosers of one computer seat that the Grand and suit strategies share: by score,
// by suit and by trump, each a card of the kind asked for or -1.

class CPlayer;

class CCardChoosers {
public:
    explicit CCardChoosers(CPlayer& player) : me(player) {}
    // Its const questions are asked of a const player too; they change nothing.
    explicit CCardChoosers(const CPlayer& player) : me(const_cast<CPlayer&>(player)) {}

    // The card scorers (suit s, length or count, modifier, top bonus; -1 for a card not held) and
    // the score choosers over them.
    int ChooseDefenderLead(bool soloistNext);
    int ChooseOpponentFollow(int excludedSuit);
    int ChooseCardByRunScore(bool flag);
    int ChooseCardByScore(int maxPoints, int fallback, bool noLimit);
    int ChooseCardByScore2(int excludedSuit);
    int ChooseCardByScore3(int trickPoints, bool flag);

    // The Grand and suit card choosers: a card of the kind asked for, or -1.
    int GetHeldRankNeighbour(int card, int step) const;
    int PickRandomDownRun(int card) const;
    int PickUnguardedTen() const;
    int ChooseOpponentLeadTrial(int card);
    int ChooseTrumpGameCard(bool allowTopSuit);
    int ChooseLeadOrLastCard(int excludedSuit);
    int ChooseSoloistLead2();
    int PickSuitToSchmier(bool keepTen);
    int ChooseOpponentCardSuit(bool preferLong, bool jackFirst);
    int ChooseGrandCard(bool strict);
    int ChooseCardGeneral(int a, int b);
    int ChooseSoloistLead();
    int ChooseOpponentLeadSuit();
    int ChooseOpponentLeadSuit2();
    int ChooseOpponentSecond(int suit);
    int ChooseCardWithRandomJack(int card, bool lowestFirst);
    int ChooseSpareTrump(int mode);
    int ChooseLowTrump();
    int ChooseSoloistCardSuit();
    int ChooseOpponentFollowCard(int ledCard);

private:
    CPlayer& me;  // the player this part thinks for
};
