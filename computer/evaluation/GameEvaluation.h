#pragma once
// The evaluation of one computer seat's hand: every game it could play into his game options,
// the bid limit, the risk settings and the bidding level (the shared rules are in BidEvaluation.h).

class CPlayer;

class CGameEvaluation {
public:
    explicit CGameEvaluation(CPlayer& player) : me(player) {}
    // Its const questions are asked of a const player too; they change nothing.
    explicit CGameEvaluation(const CPlayer& player) : me(const_cast<CPlayer&>(player)) {}

    // Evaluation and the bid limit. Mode 0 is the bidding before the skat; a nonzero mode
    // evaluates against the current bid with the skat known.
    // AnalyseHand(mode), then EvaluateBid(mode, -1): the bid limit of the hand.
    int AnalyseAndEvaluate(int mode);
    // Option -1 evaluates all and returns the bid limit; 0..3, 4 or 6 only that option (its value).
    int EvaluateBid(int mode, int option);
    // The four suit options (option -1), or one.
    void EvaluateSuit(int mode, int option);
    void EvaluateGrand(int mode);
    void EvaluateNull(int mode);
    bool IsRevolutionHand() const;
    // Threshold in percent of the player's seat for a game type (risk setting x 10).
    int GetRiskSetting(int type) const;
    // The level to bid with for suit game t when the hand is without matadors.
    int GetBiddingLevel(int type, int level);

private:
    CPlayer& me;  // the player this part thinks for
};
