// The German edition's texts of the Ramsch rounds, Kontra, giving up and the end of a match.

#include "resources/Editions.h"
#include "resources/ge/EditionTables.h"
#include "resources/ids.h"

namespace {

constexpr platform::StringEntry kGameRoads[] = {
    {IDS_QUERY_ABORT_MATCH,
     "Die laufende Serie wird abgebrochen.\n(Spielliste wird nicht gespeichert)\n\nWollen sie wirklich abbrechen?"},
    {IDS_FINAL_SCORE, "Enstand:"},
    {IDS_MATCH_END_ROUNDS, "\\b Spielserie\\b0 : \\b %1 \\b0 Runden wurden gespielt!"},
    {IDS_MATCH_END_TIME, "\\b Zeitdauer\\b0 : \\b %1 \\b0 Minuten sind abgelaufen!"},
    {IDS_MATCH_END_BIERLACHS, "\\b Bierlachs\\b0 : \\b %1 \\b0 verliert die Serie!"},
    {IDS_MATCH_END_EARLY, "\\b %1\\b0 : Die Serie wird vorzeitig abgebrochen!"},
    {IDS_I_PASS_ON, "Ich schiebe"},
    {IDS_I_PICK_UP, "nehme"},
    {IDS_MATCH_ENDED, "Serie beendet: Starte neu"},
    {IDS_DURCHMARSCH_NOT_ADVISED, "Durchmarsch nicht empfohlen"},
    {IDS_SUGGESTION, "Vorschlag: "},
    {IDS_ADVICE_PICK_UP_SKAT, "Skat aufnehmen"},
    {IDS_ADVICE_PASS_ON_SKAT, "Skat schieben"},
    {IDS_ADVICE_RAMSCH_DURCHMARSCH, "Ramsch (Durchmarsch %d)"},
    {IDS_ADVICE_DURCHMARSCH, "Durchmarsch"},
    {IDS_ADVICE_PASS_ON_DURCHMARSCH, "Skat schieben (Durchmarsch)"},
    {IDS_ADVICE_KONTRA, "Kontra geben"},
    {IDS_ABANDON_GAME, "Gebe Spiel auf."},
    {IDS_PASSED_OUT_RAMSCH,
     "\\fs17\\b\\qc\\par Spiel \\b0 eingepasst!\\par\\par\\qc Darum ist jetzt \\b\\cf2 Ramsch \\b0\\cf0 angesagt."},
};

static_assert(platform::IsSortedById(kGameRoads), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanGameRoadStrings() { return kGameRoads; }
