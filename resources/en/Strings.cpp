// The English edition's string table.

#include "resources/Editions.h"
#include "resources/ids.h"

#include <algorithm>

namespace {

// Sorted by id; the lookup searches it by halves.
constexpr platform::StringEntry kStrings[] = {
    {IDS_QUERY_EXIT,
     "The current match is suspended.\nHowever, still a game is loaded.\n\n"
     "Do you really want to exit?"},
    {IDS_TIMER_FAILED, "System error: Timer can not be set"},
    {IDS_PRODUCT_NAME, "Kartovan+"},
    {IDS_HELP_TITLE, "Help for Kartovan+"},
    {IDS_OTHER_LANGUAGE, "ge"},
    {IDS_VERSION, "5.8"},
    {IDS_TRACE_PROGRAM, "  Program %1"},
    {IDS_TRACE_GAME, "  Game %1"},
    {IDS_TRACE_MATCH, "  Match %1"},
    {IDS_APP_TITLE, "skat"},
};

static_assert(std::ranges::adjacent_find(kStrings, std::greater_equal<>{}, &platform::StringEntry::id) ==
                  std::ranges::end(kStrings),
              "the string table must be sorted by id without duplicates");

const platform::ResourceSet kEnglish{"en", kStrings};

}  // namespace

const platform::ResourceSet& EnglishResources() { return kEnglish; }
