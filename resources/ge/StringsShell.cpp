// The German edition's texts of the shell: side-window captions, menu texts that follow the game,
// printing and the course of the game on the table.
#include "platform/core/Resources.h"
#include "resources/ge/EditionTables.h"
#include "resources/ids.h"

namespace {

constexpr platform::StringEntry kShellStrings[] = {
    {IDS_MENU_SWAP_SKAT_ON, "Skatkarten tausc&hen: ein"},
    {IDS_MENU_SWAP_SKAT_OFF, "Skatkarten tausc&hen: aus"},
    {IDS_MENU_SWAP_SKAT, "Skatkarten tausc&hen"},
    {IDS_MENU_PORTRAIT, "Hoch&format"},
    {IDS_MENU_LANDSCAPE, "Quer&format"},
    {IDS_CAPTION_CARD_STATISTICS, "Kartenstatistik"},
    {IDS_CAPTION_GAME_STATISTICS, "Spielstatistik"},
    {IDS_CAPTION_TRICK_ESTIMATION, "Stichabschätzung"},
    {IDS_REPORT_TABLE, "Spieltisch"},
    {IDS_REPORT_SCORE_SHEET, "Spielliste"},
    {IDS_REPORT_CARDS_ASSIGNMENT, "Kartenzuordnung"},
    {IDS_REPORT_COURSE, "Spielverlauf"},
    {IDS_COURSE_WINS, "gewinnt"},
    {IDS_COURSE_LOSES, "verliert"},
    {IDS_PRINT_PAGE_TEXT, "Seite %1 von %2"},
};

static_assert(platform::IsSortedById(kShellStrings), "the shell's strings must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanShellStrings() { return kShellStrings; }
