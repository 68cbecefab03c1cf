#include "model/Rounds.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "platform/core/Registry.h"

#include <algorithm>

int ArmRounds() {
    int extra = g_Settings.Variants.Extra;
    if (extra == 1 || extra == 3) {
        ++g_Game.BockRounds;
        if (g_Game.BockRound == 0) g_Game.BockRound = 1;
    }
    if (extra == 2 || extra == 3) {
        ++g_Game.RamschRounds;
        if (g_Game.RamschRound == 0) g_Game.RamschRound = 1;
    }
    if (g_Game.RoundStatus != ROUND_BOCK && g_Game.RoundStatus != ROUND_RAMSCH) {
        if (g_Game.BockRound > 0)
            g_Game.RoundStatus = ROUND_BOCK;
        else if (g_Game.RamschRound >= 1)
            g_Game.RoundStatus = ROUND_RAMSCH;
        else
            g_Game.RoundStatus = ROUND_NORMAL;
    }
    return g_Game.RoundStatus;
}

int AdvanceRoundCounters() {
    CGameState& g = g_Game;
    if (g.RoundStatus == ROUND_BOCK) {
        // A round is three games, one per forehand; then an armed Ramsch round takes over.
        if (++g.BockCounter >= 3) {
            g.BockCounter = 0;
            if (++g.BockRound > g.BockRounds) g.BockRound = g.BockRounds = 0;
            if (g.RamschRound > 0) {
                g.SetGameTypeKeepingTrumps(-g.GameType);
                g.RoundStatus = ROUND_RAMSCH;
            } else if (g.BockRound < 1) {
                g.RoundStatus = ROUND_NORMAL;
            }
        }
    } else if (g.RoundStatus == ROUND_RAMSCH && g.GameType != GAME_GRAND) {
        // A Grand played in a Ramsch round does not count as one of its games.
        if (++g.BockCounter >= 3) {
            g.BockCounter = 0;
            if (++g.RamschRound > g.RamschRounds) g.RamschRound = g.RamschRounds = 0;
            if (g.BockRound > 0)
                g.RoundStatus = ROUND_BOCK;
            else if (g.RamschRound < 1)
                g.RoundStatus = ROUND_NORMAL;
        }
    }
    return g.RoundStatus;
}

void SetRoundLimits(int bockRounds, int ramschRounds) {
    CGameState& g = g_Game;
    bockRounds = std::max(0, bockRounds);
    ramschRounds = std::max(0, ramschRounds);
    g.BockRounds = bockRounds;
    g.RamschRounds = ramschRounds;
    g.BockRound = bockRounds == 0 ? 0 : (g.BockRound == 0 ? 1 : std::min(g.BockRound, bockRounds));
    g.RamschRound = ramschRounds == 0 ? 0 : (g.RamschRound == 0 ? 1 : std::min(g.RamschRound, ramschRounds));
    if (g.RoundStatus == ROUND_BOCK) {
        if (bockRounds == 0) {
            g.BockCounter = ramschRounds != 0 ? 1 : 0;
            g.RoundStatus = ramschRounds != 0 ? 2 : 0;
        }
    } else if (g.RoundStatus == ROUND_RAMSCH) {
        if (ramschRounds == 0) {
            g.BockCounter = bockRounds != 0 ? 1 : 0;
            g.RoundStatus = bockRounds != 0 ? 1 : 0;
        }
    } else if (g.BockRound > 0) {
        g.RoundStatus = ROUND_BOCK;
        g.BockCounter = 0;
    } else if (g.RamschRound > 0) {
        g.RoundStatus = ROUND_RAMSCH;
        g.BockCounter = 0;
    }
}

int PackRoundNumber(int rounds, int round) {
    rounds = std::clamp(rounds, 0, 999);
    round = std::clamp(round, 0, 999);
    return rounds * 1000 + round;
}

void UnpackRoundNumber(int value, int& rounds, int& round) {
    if (value < 0) value = 0;
    round = value % 1000;
    rounds = std::min(std::max(value / 1000, round), 999);
}

void ReadRoundCounters() {
    CGameState& g = g_Game;
    g.RoundStatus = GetProfileInt("Actual", "Status", 0);
    if (g.RoundStatus < 0 || g.RoundStatus > 2) g.RoundStatus = ROUND_NORMAL;
    // A profile without a count has played no game of a round: its first round has all three.
    g.BockCounter = GetProfileInt("Actual", "BockCounter", 0);
    UnpackRoundNumber(GetProfileInt("Actual", "BockNumber", 0), g.BockRounds, g.BockRound);
    UnpackRoundNumber(GetProfileInt("Actual", "RamschNumber", 0), g.RamschRounds, g.RamschRound);
}

void WriteRoundCounters() {
    const CGameState& g = g_Game;
    WriteProfileInt("Actual", "Status", g.RoundStatus);
    WriteProfileInt("Actual", "BockCounter", g.BockCounter);
    WriteProfileInt("Actual", "BockNumber", PackRoundNumber(g.BockRounds, g.BockRound));
    WriteProfileInt("Actual", "RamschNumber", PackRoundNumber(g.RamschRounds, g.RamschRound));
}
