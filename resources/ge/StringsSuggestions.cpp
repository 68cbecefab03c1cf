// The German edition's texts of the suggestions.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_GAME_NOT_RECOMMENDED, "Spiel nicht empfohlen"},
    {IDS_GAME_OVERBID, "Spiel überreizt"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanSuggestionStrings() { return kStrings; }
