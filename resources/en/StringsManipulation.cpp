// The English edition's texts of the manipulation marks.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_CHEATED_ABORTED, "cheated by \"Cancel\"!"},
    {IDS_CHEATED_RECOVERED, "cheated by \"Load\"!"},
    {IDS_CHEATED_REPEATED, "cheated by \"Repeat\"!"},
    {IDS_CHEATED_UNDONE, "cheated by \"Undo\"!"},
    {IDS_CHEATED_SWAPPED, "cheated by \"Exchange\"!"},
    {IDS_CHEATED_FACEUP, "cheated by \"Face up\"!"},
    {IDS_CHEATED_UNCOVERED, "cheated by \"Status\"!"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishManipulationStrings() { return kStrings; }
