#pragma once
// The Ramsch and Durchmarsch card play of one computer seat: the strategies by position and the
// Ramsch choosers they share.

class CPlayer;

class CRamschPlay {
public:
    explicit CRamschPlay(CPlayer& player) : me(player) {}
    // Its const questions are asked of a const player too; they change nothing.
    explicit CRamschPlay(const CPlayer& player) : me(const_cast<CPlayer&>(player)) {}

    // Ramsch choosers (x: a card to keep apart, -1 or 0 none).
    int ChooseRamschCard(int x, bool high, bool skipSafe);
    int ChooseRamschCard3(int maxLength);
    int ChooseRamschLead(int flag);
    int ChooseRamschLead2();
    int ChooseRamschVariantLead();
    int ChooseRamschCard2(int x);
    bool EvaluateRamschHand(int suit) const;
    int ChooseRamschCardToFollow(int leader, int card, int first, int second);
    // Whether a two-card suit with a safe low card can be played down with the Ramsch choice.
    bool CheckDoubletonSuit();

    // Ramsch (DurchmarschAim 0) and Durchmarsch (aim 1) strategies.
    int PlayRamschLead();
    int PlayRamschSecond(int firstCard);

    int PlayRamschThird(int firstCard, int secondCard);

    int PlayDurchmarschLead();
    int PlayDurchmarschSecond(int firstCard);
    int PlayDurchmarschThird(int firstCard, int secondCard);

private:
    // The steps of PlayRamschSecond: a Jack led (1), following (2, with two cards of the suit in
    // RamschSecondPair) and the last resort (5); overtakeSuit -1 ends the overtake check.
    int RamschSecondJackLed(int cb4);
    int RamschSecondFollow(int c1, int k, int n, const int* list, int below, int above, int low, int high, bool guarded,
                           int& overtakeSuit);
    int RamschSecondPair(int c1, int n, int below, int above, int low, int high, bool guarded, int& overtakeSuit);
    int RamschSecondLastResort(int c1, int cb);
    // The steps of PlayRamschThird: a Jack led (1), no card of the led suit (3), and in step 3 the
    // Jacks in hand (toRule5: only the fifth rule may shed).
    int RamschThirdJackLed(int c1, int c2);
    int RamschThirdCannotFollow(int c1, int c2, int cb4, int pj);
    int RamschThirdShedWithJacks(int c1, int c2, int cb4, int Q, bool& toRule5);

    // The steps of ChooseTrickCardRamsch: the second and third card (2), an Ace before its Ten
    // (4 a), the Jacks while others are out (4 b and c) and two short suits (4 d).
    void FollowSuitPlan(int leader, int first, int& r, int& k);
    // The parts of FollowSuitPlan: the player follows the suit led, or throws off by passes, the
    // last of them by the lowest card still out.
    void FollowSuitPlanFollowing(int s, int first, int& r, int& k);
    void FollowSuitPlanThrowOff(int& r, int& k);
    void FollowSuitPlanLowestOut(int& r, int& k);
    // Commits a card for a later lead (forcedCard, ForcedCardCount); no card commits nothing.
    void CommitCard(int card);
    void MarkSeatFreeOf(int markedSeat, int suit);
    int RamschSecondFallback(int e, int s, int k, int n, int above, int low);
    int RamschSecondDiscard(int c1, int cb4, int& cb);
    int RamschThirdFollow(int c1, int c2, int W, int P, int below, int above, int low, int high, int k, int n,
                          const int* list, int x, int pj, bool guarded);
    // The steps of RamschThirdFollow: every card held above the winning card (2.1 to 2.4), and the
    // safe low card (2.14 to 2.18).
    int RamschThirdAllAbove(int low, int high, int k, int n, const int* list, bool guarded);
    int RamschThirdOverSafeLow(int c1, int c2, int P, int above, int low, int k, int n, const int* list, bool guarded);

    // One Ramsch lead: its phases and the working values they share.
    class Lead;

    CPlayer& me;  // the player this part thinks for
};
