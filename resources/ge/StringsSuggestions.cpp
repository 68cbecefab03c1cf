// The German edition's texts of the suggestions.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_QUERY_SUGGEST_FOR_COMPUTERS,
     "Der Spielvorschlag für die Computerspieler deckt deren Karten auf; das Spiel wird dafür markiert (S).\n"
     "Trotzdem anzeigen?"},
    {IDS_OVERBID_MARK, ", überreizt"},
    {IDS_GAME_NOT_RECOMMENDED, "Spiel nicht empfohlen"},
    {IDS_GAME_OVERBID, "Spiel überreizt"},
    {IDS_POSSIBLE_GAMES, "\\fs17\\qc Mögliche Spiele:\\par\\par "},
    {IDS_SWAP_CARDS, "Karten tauschen"},
    {IDS_PLEASE_SWAP_CLICK, "Bitte tauschen (klicken) Sie eine Karte"},
    {IDS_PLEASE_SWAP_DRAG, "Bitte tauschen (ziehen) Sie eine Karte"},
    {IDS_SKAT_SWAP_ON, "Skattausch eingeschaltet"},
    {IDS_SKAT_SWAP_OFF, "Skattausch ausgeschaltet"},
    {IDS_SUGGESTION_TRICKS, "\\b  (%d%s)\\b0 ,\\par Stiche %d, Chance %d%%"},
    {IDS_SUGGESTION_CHANCE, "\\b  (%d%s)\\b0 ,\\par Chance %d%%"},
    {IDS_NOTICE_SWAP_SKAT_CARDS, "Skat tauschen"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanSuggestionStrings() { return kStrings; }
