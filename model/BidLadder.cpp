#include "model/BidLadder.h"

#include "model/GameState.h"

const BidRung BidLadder[BID_LADDER_SIZE] = {
    {18, 0},  {20, 0},  {22, 0},  {23, 0},  {24, 0},  {27, 0},  {30, 0},  {33, 0},
    {35, 0},  {36, 0},  {40, 0},  {44, 0},  {45, 0},  {46, 0},  {48, 0},  {50, 0},
    {54, 0},  {55, 0},  {59, 0},  {60, 0},  {63, 0},  {66, 0},  {70, 0},  {72, 0},
    {77, 0},  {80, 0},  {81, 0},  {84, 0},  {88, 0},  {90, 0},  {92, 1},  {96, 0},
    {99, 0},  {100, 0}, {108, 0}, {110, 0}, {117, 0}, {120, 0}, {121, 0}, {126, 0},
    {130, 0}, {132, 0}, {135, 0}, {140, 0}, {143, 0}, {144, 0}, {150, 0}, {153, 0},
    {154, 0}, {156, 0}, {160, 0}, {162, 0}, {165, 0}, {168, 0}, {170, 0}, {176, 0},
    {180, 0}, {187, 0}, {192, 0}, {198, 0}, {204, 0}, {216, 0}, {240, 0}, {264, 0},
};

int BidValue(int index) {
    if (index == -1) index = g_Game.BidIndex + g_Game.PendingRaise;
    // A damaged or overshooting index reads the nearest end instead of memory beyond the ladder.
    if (index < 0) index = 0;
    if (index >= BID_LADDER_SIZE) index = BID_LADDER_SIZE - 1;
    return BidLadder[index].value;
}

void LowerBid() {
    if (g_Game.BidIndex > 0) --g_Game.BidIndex;
    // Under rule Skat there is no Revolution, so its rung 92 does not exist.
    if (g_Game.VariantMode == VARIANT_OFFICIAL && g_Game.BidIndex > 0 && g_Game.BidIndex < BID_LADDER_SIZE &&
        BidLadder[g_Game.BidIndex].flag)
        --g_Game.BidIndex;
}
