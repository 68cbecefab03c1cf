// The English edition's texts of the match, game, stored-deal and statistics files.

#include "resources/Editions.h"
#include "resources/WorkFolderIds.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kFileStrings[] = {
    {IDS_QUERY_STORED_DEAL_RUNNING,
     "Shall the running game really be canceled and be replaced\n by the game '%1' from the list cards assignment?"},
    {IDS_QUERY_STORED_DEAL, "Shall the game '%1' be loaded from the list cards assignment?"},
    {IDS_QUERY_LOAD_MATCH_NOW, "The running match is cancelled\n(the current score sheet is deleted).\n\nDo you want to load the match now?"},
    {IDS_READ_FAILED, "Error: Data can not be read !\n\n%1: '%2'"},
    {IDS_WRITE_FAILED, "Error: Data can not be stored !\n\n%1: '%2'"},
    {IDS_IMAGES_MISSING, "Image paths do not exist. No takeover."},
    // The settings a loaded match would change: the headings, then the items.
    {40330, "\n  Variants"},
    {40331, "\n  Configuration"},
    {40332, "\n  Ramsch"},
    {40333, "\n  Options"},
    {40334, "\n  Delay"},
    {40335, "\n  Risk"},
    {40336, "\n  Presetting"},
    {40337, "\n  Audio"},
    {40338, "\n  Window"},
    {40339, "\n  Images"},
    {40340, "\n  Game"},
    {40341, "\n  Aktual"},
    {40342, "\n  View"},
    {40343, "\n  Print"},
    {40344, "\n  Names"},
    {40345, "\n  Locations"},
    {IDS_TITLE_LOAD_GAME, "Loading game"},
    {IDS_TITLE_SAVE_GAME, "Save game"},
    {IDS_TITLE_DELETE_GAME, "Delete game"},
    {IDS_TITLE_LOAD_MATCH, "Loading match"},
    {IDS_TITLE_SAVE_MATCH, "Save match"},
    {IDS_TITLE_DELETE_MATCH, "Delete match"},
    {IDS_FILTER_GAMES, "Skat Files (*.skt)"},
    {IDS_EXTENSION_GAME, "skt"},
    {IDS_FILTER_MATCHES, "Match Files (*.skm)"},
    {IDS_EXTENSION_MATCH, "skm"},
    {IDS_BUTTON_DELETE, "&Delete"},
    {IDS_FOLDER_STORAGE, "Storage"},
    {IDS_FOLDER_MATCHES, "Matches"},
    {IDS_FOLDER_GAMES, "Games"},
    {IDS_END_ROUNDS_PLAYED, "The predetermined rounds have been played."},
    {IDS_END_TIME_EXPIRED, "The predetermined time period has expired."},
    {IDS_END_BIERLACHS, "Bierlachs (%1):\nThe credit of %2 is used up."},
    {IDS_END_CHANGE_SETTINGS, "\nDo you want to change the settings?"},
    {IDS_QUERY_TAKE_SETTINGS, "%1 Settings are changed.\n%2\n\nApply changes?"},
    {IDS_FOLDER_IN_USE,
     "Kartovan+ is already running with the work folder\n\n'%1'\n\nand does not answer. This start ends, so that the "
     "games of the running program are kept."},
    {IDS_LANGUAGE_SWITCH_NOT_CLOSED,
     "Error: Language can not be switched. The other edition did not close and still uses the work "
     "folder\n\n'%1'\n\nThis edition ends; the other one goes on."},
    {IDS_CHANGED_BY_OTHER,
     "The file was changed by another program. It is kept as it is, nothing is stored over it !\n\n%1: '%2'"},
    {IDS_QUERY_BACKUP, "Backup to file 'Kartovan+.reg' ?"},
};

static_assert(platform::IsSortedById(kFileStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishFileStrings() { return kFileStrings; }
