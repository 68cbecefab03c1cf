// The German edition's texts of the card and game statistics windows.

#include "resources/ge/EditionTables.h"

#include "platform/core/Resources.h"

namespace {

constexpr platform::StringEntry kStatisticsStrings[] = {
    {40601, "abs"},
    {40602, "rel"},
    {40603, "Karten"},
    {40604, "Merkmale"},
    {40701, "Alleispieler"},
    {40702, "Gegenspieler"},
    {40703, "gewonnen (einzel)"},
    {40704, "gewonnen (gesamt)"},
    {40705, "verloren (einzel)"},
    {40706, "verloren (gesamt)"},
    {40707, "Ergebnis"},
    {40708, "Ouvert angesagt"},
    {40709, "Hand angesagt"},
    {40710, "Schneider angesagt"},
    {40711, "Schwarz angesagt"},
    {40712, "Schneider"},
    {40713, "Schwarz"},
    {40714, "gechoben"},
    {40715, "Durchmarsch"},
    {40716, "Jungfrau"},
    {40717, "Kontra"},
    {40718, "Rekontra"},
    {41094, "Skat"},
};

static_assert(platform::IsSortedById(kStatisticsStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanStatisticsStrings() { return kStatisticsStrings; }
