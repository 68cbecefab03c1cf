#pragma once
// The trick play record for tests that set up a history or a step no play of cards reaches in a
// few moves: a history position with chosen cards, a step under a seat outside the table. The
// program never defines it; there the record changes through CTrickPlay's methods.

#include "flow/TrickPlay.h"

struct TrickPlayTestAccess {
    static TrickPlayState& Record(CTrickPlay& play) { return play.trickPlay_; }
};
