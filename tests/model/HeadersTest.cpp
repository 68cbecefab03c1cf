// Every model header compiles on its own and together.
#include "flow/FrameServices.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Cards.h"
#include "model/GameValue.h"
#include "model/HandInfo.h"
#include "model/InternalError.h"
#include "model/Player.h"
#include "model/PlayerServices.h"
#include "model/Rounds.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "model/Trick.h"

#include <gtest/gtest.h>

TEST(ModelHeaders, GameRecordStartsAtItsDefaults) {
    CGameState state;
    state.GameType = 5;
    state.Reset();
    EXPECT_EQ(state.GameType, 0);
    EXPECT_EQ(state.Soloist, NO_SEAT);
    EXPECT_EQ(state.KontraState, KONTRA_NONE);
    CSettings settings;
    EXPECT_EQ(settings.Variants.Extra, 3);
    EXPECT_EQ(settings.View.SortMode, 258);
}
