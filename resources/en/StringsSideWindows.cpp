// The English edition's texts of the side windows: the score sheet, the cards assignment and the
// statistics windows.

#include "resources/en/EditionTables.h"

#include "platform/core/Resources.h"

namespace {

constexpr platform::StringEntry kSideWindowStrings[] = {
    {32950, "Highlight"},
    {32951, "Forehand"},
    {32952, "Optimize"},
    {42008, "Game"},
    {42011, "Round"},
    {42012, "Base Value"},
    {42020, "Jacks /"},
    {42021, "Tops"},
    {42022, "with"},
    {42023, "without"},
    {42030, "Winning Levels"},
    {42031, "Hand"},
    {42032, "Schneider"},
    {42033, "Schneider ann"},
    {42034, "Schwarz"},
    {42035, "Schwarz ann"},
    {42036, "Ouvert"},
    {42040, "Game Value"},
    {42051, "Seat"},
    {42052, "Start:"},
    {42061, "Computer"},
    {42062, "left:"},
    {42063, "right:"},
    {42064, "Person:"},
    {42070, "thrown in"},
    {42071, "cheated"},
    {42072, "Kontra / Rekontra"},
    {42073, "Bock / Ramsch"},
    {42074, "Game (Initials)"},
    {42075, "won / lost"},
    {42076, "Game Points: "},
    {42077, "Weighted Points:"},
    {42078, "Calculation: "},
};

static_assert(platform::IsSortedById(kSideWindowStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishSideWindowStrings() { return kSideWindowStrings; }
