// The German edition's texts of the game information panels.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_STATUS_CARDS_OF, "Karten: "},
    {IDS_ROLE_SOLOIST, "Alleinspieler"},
    {IDS_ROLE_LEFT_OPPONENT, "linker Gegner"},
    {IDS_ROLE_RIGHT_OPPONENT, "rechter Gegner"},
    {IDS_ROLE_PARTNER, "Partner"},
    {IDS_STATUS_OUTSIDE, "Anzahl\nKarten\naußerhalb"},
    {IDS_STATUS_LOWEST_WITHIN, "Niedrigste\nKarte\ninnerhalb"},
    {IDS_STATUS_HIGHEST_WITHIN, "Höchste\nKarte\ninnerhalb"},
    {IDS_STATUS_TEN_OUTSIDE, "Zehn\nist\naußerhalb"},
    {IDS_STATUS_SUIT_SAFE, "Farbe\nist\nsicher"},
    {IDS_STATUS_REVEAL,
     "%1\n\nBeim Offenlegen von Gegnerdaten\nwird der Schummelcode 'S' gesetzt!\n\nSoll '%2' wirklich offengelegt werden?"},
    {IDS_GAME_STATUS, "Spielstatus"},
    {IDS_STATUS_TITLE_SUIT, "Farbspielstatus"},
    {IDS_STATUS_TITLE_NULL, "Nullspielstatus"},
    {IDS_STATUS_TITLE_GRAND, "Grandspielstatus"},
    {IDS_STATUS_TITLE_RAMSCH, "Ramschspielstatus"},
    {IDS_RULES_SKAT, "Regelskat"},
    {IDS_VARIANTS_SKAT, "Variantenskat"},
    {IDS_PASS_ON_RAMSCH, "Schieberamsch"},
    {IDS_BOCK_ROUND_GAME, "Bockrunden %d: Spiel %d"},
    {IDS_RAMSCH_ROUND_GAME, "Ramschrunden %d: Spiel %d"},
    {IDS_YES, "Ja"},
    {IDS_NO, "Nein"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanPanelStrings() { return kStrings; }
