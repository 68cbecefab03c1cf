// The English edition's texts of the shell: side-window captions, menu texts that follow the game,
// printing and the course of the game on the table.
#include "platform/core/Resources.h"
#include "resources/en/EditionTables.h"
#include "resources/ids.h"

namespace {

constexpr platform::StringEntry kShellStrings[] = {
    {IDS_MENU_SWAP_SKAT_ON, "S&wap Skat Cards: on"},
    {IDS_MENU_SWAP_SKAT_OFF, "S&wap Skat Cards: off"},
    {IDS_MENU_SWAP_SKAT, "S&wap Skat Cards"},
    {IDS_MENU_PORTRAIT, "Portr&ait"},
    {IDS_MENU_LANDSCAPE, "L&andscape"},
    {IDS_CAPTION_CARD_STATISTICS, "Card Statistics"},
    {IDS_CAPTION_GAME_STATISTICS, "Game Statistics"},
    {IDS_CAPTION_TRICK_ESTIMATION, "Trick Estimation"},
    {IDS_REPORT_TABLE, "Gambling Table"},
    {IDS_REPORT_SCORE_SHEET, "Score Sheet"},
    {IDS_REPORT_CARDS_ASSIGNMENT, "Cards Assignment"},
    {IDS_REPORT_COURSE, "Game Course"},
    {IDS_COURSE_WINS, "wins"},
    {IDS_COURSE_LOSES, "loses"},
    {IDS_PRINT_PAGE_TEXT, "Page %1 of %2"},
};

static_assert(platform::IsSortedById(kShellStrings), "the shell's strings must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishShellStrings() { return kShellStrings; }
