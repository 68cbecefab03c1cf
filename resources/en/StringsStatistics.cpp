// The English edition's texts of the card and game statistics windows.

#include "resources/en/EditionTables.h"

#include "platform/core/Resources.h"

namespace {

constexpr platform::StringEntry kStatisticsStrings[] = {
    {40601, "abs"},
    {40602, "rel"},
    {40603, "Cards"},
    {40604, "Attributes"},
    {40701, "Soloist"},
    {40702, "Opponent"},
    {40703, "won (singly)"},
    {40704, "won (total)"},
    {40705, "lost (singly)"},
    {40706, "lost (total)"},
    {40707, "Result"},
    {40708, "Ouvert announced"},
    {40709, "Hand announced"},
    {40710, "Schneider announced"},
    {40711, "Schwarz announced"},
    {40712, "Schneider"},
    {40713, "Schwarz"},
    {40714, "passed on"},
    {40715, "Durchmarsch"},
    {40716, "Jungfrau"},
    {40717, "Kontra"},
    {40718, "Rekontra"},
    {41094, "Skat"},
};

static_assert(platform::IsSortedById(kStatisticsStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishStatisticsStrings() { return kStatisticsStrings; }
