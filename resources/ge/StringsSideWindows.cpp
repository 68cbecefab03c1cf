// The German edition's texts of the side windows: the score sheet, the cards assignment and the
// statistics windows.

#include "resources/ge/EditionTables.h"

#include "platform/core/Resources.h"

namespace {

constexpr platform::StringEntry kSideWindowStrings[] = {
    {32950, "Hervorheben"},
    {32951, "Vorhand"},
    {32952, "Optimieren"},
    {42008, "Spiel"},
    {42011, "Runde"},
    {42012, "Grundwert"},
    {42020, "Buben /"},
    {42021, "Spitzen"},
    {42022, "mit"},
    {42023, "ohne"},
    {42030, "Gewinnstufen"},
    {42031, "Hand"},
    {42032, "Schneider"},
    {42033, "Schneider ang."},
    {42034, "Schwarz"},
    {42035, "Schwarz ang."},
    {42036, "Ouvert"},
    {42040, "Spielwert"},
    {42051, "Platz"},
    {42052, "Beginn:"},
    {42061, "Computer"},
    {42062, "links:"},
    {42063, "rechts:"},
    {42064, "Person:"},
    {42070, "eingepasst"},
    {42071, "geschummelt"},
    {42072, "Kontra / Rekontra"},
    {42073, "Bock / Ramsch"},
    {42074, "Spiel (Kurzz.)"},
    {42075, "gew. / verl."},
    {42076, "Spielpunkte: "},
    {42077, "Leistung:"},
    {42078, "Abrechnung: "},
};

static_assert(platform::IsSortedById(kSideWindowStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanSideWindowStrings() { return kSideWindowStrings; }
