// The German edition's help texts of the window's frame parts.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_HELP_CAPTION, "Fenster verschieben "},
    {IDS_HELP_SYSTEM_MENU, "System-Menu (zur Fensterbeeinflussung auf dem Desktop)"},
    {IDS_HELP_MENU, "Menü: Spiel, Einstellungen und Hilfe"},
    {IDS_HELP_MINIMIZE, "Fenster verkleinern zum Symbol"},
    {IDS_HELP_MAXIMIZE, "Fenster vergrößern auf Vollbild"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanFrameHelpStrings() { return kStrings; }
