// The English edition's texts of the Ramsch rounds, Kontra, giving up and the end of a match.

#include "resources/Editions.h"
#include "resources/en/EditionTables.h"
#include "resources/ids.h"

namespace {

constexpr platform::StringEntry kGameRoads[] = {
    {IDS_QUERY_ABORT_MATCH,
     "The running match is canceled\n(score sheet is not stored).\n\nDo you really want to break?"},
    {IDS_FINAL_SCORE, "Score:"},
    {IDS_MATCH_END_ROUNDS, "\\b Game Series\\b0 : \\b %1 \\b0 Rounds were played!"},
    {IDS_MATCH_END_TIME, "\\b Duration\\b0 : \\b %1 \\b0 Minutes have elapsed!"},
    {IDS_MATCH_END_BIERLACHS, "\\b Bierlachs\\b0 : \\b %1 \\b0 loses the match!"},
    {IDS_MATCH_END_EARLY, "\\b %1\\b0 : The match was terminated!"},
    {IDS_I_PASS_ON, "pass on"},
    {IDS_I_PICK_UP, "pick up"},
    {IDS_MATCH_ENDED, "Match ended: Start new match"},
    {IDS_DURCHMARSCH_NOT_ADVISED, "Durchmarsch not recommended"},
    {IDS_SUGGESTION, "Suggestion: "},
    {IDS_ADVICE_PICK_UP_SKAT, "Pick up Skat "},
    {IDS_ADVICE_PASS_ON_SKAT, "Pass on Skat"},
    {IDS_ADVICE_RAMSCH_DURCHMARSCH, "Ramsch (Durchmarsch %d)"},
    {IDS_ADVICE_DURCHMARSCH, "Durchmarsch"},
    {IDS_ADVICE_PASS_ON_DURCHMARSCH, "Pass on Skat (Durchmarsch)"},
    {IDS_ADVICE_KONTRA, "Give Kontra"},
    {IDS_ABANDON_GAME, "Abandon the Game."},
    {IDS_PASSED_OUT_RAMSCH,
     "\\fs17\\b\\qc\\par Game \\b0 passed out!\\par\\par\\qc So now \\b\\cf2 Ramsch \\b0\\cf0 is announced."},
};

static_assert(platform::IsSortedById(kGameRoads), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishGameRoadStrings() { return kGameRoads; }
