// The German edition's texts of the manipulation marks.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_CHEATED_ABORTED, "geschummelt durch \"Abbrechen\"!"},
    {IDS_CHEATED_RECOVERED, "geschummelt durch \"Laden\"!"},
    {IDS_CHEATED_REPEATED, "geschummelt durch \"Wiederholen\"!"},
    {IDS_CHEATED_UNDONE, "geschummelt durch \"Zurücknehmen\"!"},
    {IDS_CHEATED_SWAPPED, "geschummelt durch \"Vertauschen\"!"},
    {IDS_CHEATED_FACEUP, "geschummelt durch \"Offenlegen\"!"},
    {IDS_CHEATED_UNCOVERED, "geschummelt durch \"Status\"!"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanManipulationStrings() { return kStrings; }
