// The English settings dialogs' strings: the Bierlachs question, the standard titles, the rename captions, the
// picture dialog's file choice and the names of the card decks.
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kSettingsStrings[] = {
    {40112, "Switching to 'Bierlachs' fulfills the end criterion\nfor the current series despite existing extra rounds.\n\nDo you want to switch now?"},
    {41013, "Rename game"},
    {41017, "Rename match"},
    {41029, "Choicing an image for %1"},
    {41078, "Image Files (*.bmp)"},
    {41501, "Standard"}, {41502, "Tournament A"}, {41503, "German"},  {41504, "Modern"}, {41505, "Joker"},
    {41506, "French"},   {41507, "Large"},        {41508, "America"}, {41509, "Extra"},  {41510, "Tournament B"},
};
static_assert(platform::IsSortedById(kSettingsStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishSettingsStrings() { return kSettingsStrings; }
