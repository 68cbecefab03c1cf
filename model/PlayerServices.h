#pragma once
// Narrow hooks through which the card model asks the computer player's deeper card queries. The
// computer player installs its own routines at start-up; until then (and in the model's tests) the
// model answers with its plain rule given with each hook.

class CPlayer;

struct CPlayerServices {
    // Whether no card still in play can beat card in its suit; ex1, ex2 count as played.
    // Plain rule: the card ranks at least as high as the highest card of its suit still out.
    bool (*IsTopCard)(const CPlayer& player, int card, int ex1, int ex2) = nullptr;
    // Refreshes the player's hand analysis (mode 0: the ten cards). Plain rule: CPlayer::TallyHand.
    void (*AnalyseHand)(CPlayer& player, int mode) = nullptr;
    // Signed matador level of a game type from the player's hand. Plain rule: the run of top
    // trumps held (+) or missing (-), plus one.
    int (*GetMatadors)(const CPlayer& player, int type) = nullptr;

    void Reset() { *this = CPlayerServices(); }
};

extern CPlayerServices g_PlayerServices;

// The hooks with their plain rules as fallback.
bool PlayerIsTopCard(const CPlayer& player, int card, int ex1, int ex2);
void PlayerAnalyseHand(CPlayer& player, int mode);
int PlayerGetMatadors(const CPlayer& player, int type);
