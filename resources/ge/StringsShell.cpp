// The German edition's texts of the shell: side-window captions, menu texts that follow the game,
// printing and the course of the game on the table.
#include "platform/core/Resources.h"
#include "resources/ge/EditionTables.h"
#include "resources/ids.h"

namespace {

constexpr platform::StringEntry kShellStrings[] = {
    {IDS_CAPTION_CARD_STATISTICS, "Kartenstatistik"},
    {IDS_CAPTION_GAME_STATISTICS, "Spielstatistik"},
    {IDS_CAPTION_TRICK_ESTIMATION, "Stichabschätzung"},
};

static_assert(platform::IsSortedById(kShellStrings), "the shell's strings must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanShellStrings() { return kShellStrings; }
