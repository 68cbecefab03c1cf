// The English edition's help texts of the window's frame parts.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_HELP_CAPTION, "Move the window "},
    {IDS_HELP_SYSTEM_MENU, "System menu (to arrange the window on the desktop)"},
    {IDS_HELP_MENU, "Menu: game, settings and help"},
    {IDS_HELP_MINIMIZE, "Reduce the window to an icon"},
    {IDS_HELP_MAXIMIZE, "Enlarge the window to full screen"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishFrameHelpStrings() { return kStrings; }
