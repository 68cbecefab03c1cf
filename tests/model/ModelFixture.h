#pragma once
// Every model test starts from the program-start state of the globals.

#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "support/LayerResets.h"
#include "model/PlayerServices.h"
#include "model/Settings.h"
#include "platform/core/Random.h"

#include <gtest/gtest.h>

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetModelGlobals();
        platform::Random().ClearScript();
        SeedRand(1);
    }
    void TearDown() override {
        testsupport::ResetModelGlobals();
        platform::Random().ClearScript();
    }
};

// The card of a rank and suit index, for readable tables.
inline int Card(int rank, int suit) { return CardCodeOf(rank, suit); }
