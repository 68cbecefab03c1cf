// The English edition's texts of the suggestions.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_QUERY_SUGGEST_FOR_COMPUTERS,
     "The game suggestion for the computer players uncovers their cards; the game is marked for it (S).\n"
     "Show it anyway?"},
    {IDS_OVERBID_MARK, ", overbid"},
    {IDS_GAME_NOT_RECOMMENDED, "Game not recommended"},
    {IDS_GAME_OVERBID, "Game ouverbid"},
    {IDS_POSSIBLE_GAMES, "\\fs17\\qc Possible Games:\\par\\par "},
    {IDS_SWAP_CARDS, "Swap Cards"},
    {IDS_PLEASE_SWAP_CLICK, "Please swap (click) a card"},
    {IDS_PLEASE_SWAP_DRAG, "Please swap (drag) a card"},
    {IDS_SKAT_SWAP_ON, "Swapping of  Skat is turned on"},
    {IDS_SKAT_SWAP_OFF, "Swapping of  Skat is turned off"},
    {IDS_SUGGESTION_TRICKS, "\\b  (%d%s)\\b0 ,\\par Tricks %d, Chance %d%%"},
    {IDS_SUGGESTION_CHANCE, "\\b  (%d%s)\\b0 ,\\par Chance %d%%"},
    {IDS_NOTICE_SWAP_SKAT_CARDS, "Swap Skat"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishSuggestionStrings() { return kStrings; }
