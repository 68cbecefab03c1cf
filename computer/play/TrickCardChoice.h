#pragma once
// The trick-card choice of one computer seat: the second opinion on a candidate card and the
// card plan it follows.

class CPlayer;

class CTrickCardChoice {
public:
    explicit CTrickCardChoice(CPlayer& player) : me(player) {}

    // Trick-card choice. ChooseTrickCard: the second opinion on a candidate (suit filter s or -1;
    // advance: the plan may move on); -1 = no opinion. ChooseCardByMode: modes 2 3 4 5 7 8 9 10 a
    // card or -1, modes 1 and 6 0 (holds for every suit) or -1. ChooseTrickCard2: the Ramsch card
    // that gives the lead away; decided tells whether the choice is firm.
    int ChooseTrickCard(int suit, int card, bool advance);
    int ChooseCardByMode(int mode, int excludedSuit);
    int ChooseTrickCard2(bool& decided, int excludedCard);
    void AdvanceCardPlan();
    void ClearCardPlan();

private:
    int ChooseTrickCardSuit(int card, bool advance);
    int ChooseTrickCardRamsch(int suit, int card, int e, bool advance);
    // The steps of ChooseTrickCardRamsch: the second and third card (2), an Ace before its Ten
    // (4 a), the Jacks while others are out (4 b and c) and two short suits (4 d).
    int RamschFollowOpinion(int card, int e, bool advance);
    int RamschAceBeforeTen(int card, int e);
    int RamschJackWhileOthersOut(int r);
    int RamschHighOfShortPairs();
    void MakeRamschSkatPlan();
    int RamschResultStep(int r, int card, int e);
    int RamschAdvanceStep(int card, int e, bool advance);
    int RamschRunStep(int x, int r, int card);

    CPlayer& me;  // the player this part thinks for
};
