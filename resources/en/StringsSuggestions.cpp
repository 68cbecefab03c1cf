// The English edition's texts of the suggestions.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_GAME_NOT_RECOMMENDED, "Game not recommended"},
    {IDS_GAME_OVERBID, "Game ouverbid"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishSuggestionStrings() { return kStrings; }
