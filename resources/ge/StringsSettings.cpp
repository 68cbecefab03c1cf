// The German settings dialogs' strings: the Bierlachs question, the standard titles, the rename captions, the
// picture dialog's file choice and the names of the card decks.
#include "resources/ge/EditionTables.h"

namespace {

constexpr platform::StringEntry kSettingsStrings[] = {
    {40112, "Das Umschalten auf 'Bierlachs' erfüllt das Endekriterium\nfür die laufende Serie trotz austehender Extrarunden.\n\nWollen Sie jetzt umschalten?"},
    {41013, "Spiel umbenennen"},
    {41017, "Serie umbenennen "},
    {41029, "Bild für %1 auswählen"},
    {41078, "Bild-Dateien (*.bmp)"},
    {41501, "Standard"}, {41502, "Turnier A"}, {41503, "Deutsch"}, {41504, "Modern"}, {41505, "Joker"},
    {41506, "Franz"},    {41507, "Groß"},      {41508, "Amerika"}, {41509, "Extra"},  {41510, "Turnier B"},
};
static_assert(platform::IsSortedById(kSettingsStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanSettingsStrings() { return kSettingsStrings; }
