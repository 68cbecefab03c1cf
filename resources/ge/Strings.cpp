// The German edition's string table.

#include "resources/Editions.h"
#include "resources/ids.h"

#include <algorithm>

namespace {

// Sorted by id; the lookup searches it by halves.
constexpr platform::StringEntry kStrings[] = {
    {IDS_QUERY_EXIT,
     "Die laufende Serie wird ausgesetzt.\nEs ist jedoch noch ein Spiel geladen.\n\n"
     "Wollen sie wirklich beenden?"},
    {IDS_TIMER_FAILED, "System-Fehler: Timer kann nicht eingerichtet werden"},
    {IDS_PRODUCT_NAME, "Kartovan+"},
    {IDS_HELP_TITLE, "Hilfe für Kartovan+"},
    {IDS_OTHER_LANGUAGE, "en"},
    {IDS_VERSION, "5.8"},
    {IDS_TRACE_PROGRAM, "  Program %1"},
    {IDS_TRACE_GAME, "  Game %1"},
    {IDS_TRACE_MATCH, "  Match %1"},
    {IDS_APP_TITLE, "skat"},
};

static_assert(std::ranges::adjacent_find(kStrings, std::greater_equal<>{}, &platform::StringEntry::id) ==
                  std::ranges::end(kStrings),
              "the string table must be sorted by id without duplicates");

const platform::ResourceSet kGerman{"ge", kStrings};

}  // namespace

const platform::ResourceSet& GermanResources() { return kGerman; }
