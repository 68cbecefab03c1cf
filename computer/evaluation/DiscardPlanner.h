#pragma once
// The lay-away of one computer seat: the planners by game type, the choice of the two cards
// and the fallback builders (the calling protocol and the shared scores are in Discard.h).

class CPlayer;

class CDiscardPlanner {
public:
    explicit CDiscardPlanner(CPlayer& player) : me(player) {}
    // Its const questions are asked of a const player too; they change nothing.
    explicit CDiscardPlanner(const CPlayer& player) : me(const_cast<CPlayer&>(player)) {}

    // Lay-away: planners fill the shared candidate block (g_Computer.Discard), the choice
    // settles DiscardResult, the builders add fallback candidates.
    // Sets DiscardBusy around the planner of the game type (0..3 and 6 suit, 4 and 5 Null, 7 Ramsch,
    // 8 Durchmarsch; any other type plans nothing).
    void PlanDiscard(int type);
    // trump: the trump suit index, 6 in Grand.
    void PlanDiscardSuit(int trump);
    void PlanDiscardNull();
    void PlanDiscardDurchmarsch();
    // The final choice from the lists; ChosenCount tells how many result slots are settled.
    void ChooseDiscard();
    // The best two cards among the single e and the pairs; ChosenCount is the count truly written.
    void ChooseBestPair(int n, DiscardEntry e, const DiscardPair* pairs, bool flag);
    // The two best-scored entries into the result slots (with reset: from scratch).
    static void ChooseBestSingles(int n, const DiscardEntry* entries, bool reset);
    // The fallback candidates by game type, appended to the lists as they stand.
    void BuildDiscardCandidates(int type);
    void BuildDiscardCandidatesSuit(int trump);
    void BuildDiscardCandidatesNull();
    void BuildDiscardCandidatesRamsch();
    void BuildDiscardCandidatesDurchmarsch();
    // The Ramsch planner (the skat picked up in slots 10 and 11, twelve cards analysed): fills
    // the lists, never with a Jack.
    void PlanDiscardRamsch();
    // Appends to pairs the first two cards of a rank walk over one suit's RankTable row that pass
    // filter, as one pair scored by pair score (start 1 walks Ace, Ten, King, Queen, Nine, Eight,
    // Seven); fewer than two passing cards add nothing.
    void AddPairCandidate(int start, const int* row, int (*filter)(const int*, int), DiscardPair* pairs, int& count);
    // Whether the Jacks held make a Ramsch hand strong enough to give the lead away with a Jack.
    bool CheckJackHolding() const;

private:
    CPlayer& me;  // the player this part thinks for
};
