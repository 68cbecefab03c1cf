// The English edition's texts of the game information panels.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_STATUS_CARDS_OF, "Cards: "},
    {IDS_ROLE_SOLOIST, "Soloist"},
    {IDS_ROLE_LEFT_OPPONENT, "left Opponent"},
    {IDS_ROLE_RIGHT_OPPONENT, "right Opponent"},
    {IDS_ROLE_PARTNER, "Partner"},
    {IDS_STATUS_OUTSIDE, "Number of\nCards\noutside"},
    {IDS_STATUS_LOWEST_WITHIN, "Lowest\nCard\nwithin"},
    {IDS_STATUS_HIGHEST_WITHIN, "Highest\nCard\nwithin"},
    {IDS_STATUS_TEN_OUTSIDE, "Ten\nis\noutside"},
    {IDS_STATUS_SUIT_SAFE, "Suit\nis\nsafe"},
    {IDS_STATUS_REVEAL, "%1\n\nOn revealing of data of the\nopponents cheat code 'S' is set!\n\nShall '%2' really be revealed?"},
    {IDS_GAME_STATUS, "Game Status"},
    {IDS_STATUS_TITLE_SUIT, "Suit Game Status"},
    {IDS_STATUS_TITLE_NULL, "Null Game Status"},
    {IDS_STATUS_TITLE_GRAND, "Grand Game Status"},
    {IDS_STATUS_TITLE_RAMSCH, "Ramsch Game Status"},
    {IDS_RULES_SKAT, "Rules Skat"},
    {IDS_VARIANTS_SKAT, "Variants Skat"},
    {IDS_PASS_ON_RAMSCH, "Schieberamsch"},
    {IDS_BOCK_ROUND_GAME, "Bock Round (%d): Game %d"},
    {IDS_RAMSCH_ROUND_GAME, "Ramsch Round (%d): Game %d"},
    {IDS_YES, "Yes"},
    {IDS_NO, "No"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishPanelStrings() { return kStrings; }
