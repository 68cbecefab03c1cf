#pragma once
// The game object's rows for tests and benchmarks that set up a position no deal or play reaches:
// a trick of chosen cards on the table, a hand of chosen cards, a deal in seat order from a
// cleared deck. The program never defines it; there the rows change through CSkat's operations.

#include "model/Skat.h"

struct SkatTestAccess {
    static CPlayer& Player(CSkat& game, int seat) { return *game.EditPlayer(seat); }
    static CPerson& Person(CSkat& game) { return *game.person; }
    static CTrick& Trick(CSkat& game) { return game.trick; }
    static CTrick& LastTrick(CSkat& game) { return game.lastTrick; }
    static CTrick& CourseSkat(CSkat& game) { return game.courseSkat; }
    static CTrick& CourseRow(CSkat& game, int seat) { return game.courseRows[seat]; }
};
