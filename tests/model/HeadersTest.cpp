// Every model header compiles together with the others here, and on its own in a generated unit of
// its own (tests/CMakeLists.txt); the units name their headers, so a header left out is found.
#include "flow/FrameServices.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Cards.h"
#include "model/GameTypeLookups.h"
#include "model/GameValue.h"
#include "model/HandInfo.h"
#include "model/InternalError.h"
#include "model/Player.h"
#include "model/PlayerData.h"
#include "model/PlayerServices.h"
#include "model/Rounds.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "model/Trick.h"

#include "model/HeaderUnits.h"

#include <filesystem>
#include <set>
#include <string>

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

TEST(ModelHeaders, EachHeaderIsCompiledInAUnitOfItsOwn) {
    const std::filesystem::path model = std::filesystem::path(KARTOVAN_TEST_SOURCE_DIR) / ".." / "model";
    std::set<std::string> headers;
    for (const auto& entry : std::filesystem::directory_iterator(model)) {
        if (entry.path().extension() == ".h") headers.insert("model/" + entry.path().filename().string());
    }
    ASSERT_TRUE(headers.count("model/GameState.h")) << model;
    EXPECT_EQ(testsupport::HeaderUnits(), headers);
}
