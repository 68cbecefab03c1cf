// The English settings dialogs' strings: the position names, the Bierlachs question, the match modes, the standard titles,
// the rename captions, the variant names, the game-name codes and the names of the card decks.
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kSettingsStrings[] = {
    {40005, "Fh"},
    {40006, "Mh"},
    {40007, "Rh"},
    {40112, "Switching to 'Bierlachs' fulfills the end criterion\nfor the current series despite existing extra rounds.\n\nDo you want to switch now?"},
    {40223, "Game Series"},
    {40224, "Duration"},
    {40225, "Bierlachs"},
    {40226, "Unlimited"},
    {40501, "Spielliste\nScore Sheet"},
    {40502, "Regelskat\nRule Skat"},
    {40503, "Kartenzuordnung\nCards Assignment"},
    {41013, "Rename game"},
    {41017, "Rename match"},
    {41029, "Choicing an image for %1"},
    {41078, "Image Files (*.bmp)"},
    {41208, "Rule Skat"},
    {41209, "Variants Skat"},
    {41210, "Ramsch"},
    {41211, "Schieberamsch"},
    {41251, "KzPkHzKaNlRvGdRaOvHdOvSnAnSwAnSnSwSbJfDmBoKoReALOSTWZDM\n"},
    {41501, "Standard"}, {41502, "Tournament A"}, {41503, "German"},  {41504, "Modern"}, {41505, "Joker"},
    {41506, "French"},   {41507, "Large"},        {41508, "America"}, {41509, "Extra"},  {41510, "Tournament B"},
};
static_assert(platform::IsSortedById(kSettingsStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishSettingsStrings() { return kSettingsStrings; }
