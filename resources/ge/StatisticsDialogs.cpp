// The German edition's texts of the statistics windows' panels.

#include "resources/StatisticsTemplates.h"
#include "resources/ge/EditionTables.h"

namespace {

struct GermanStatisticsTexts {
    static constexpr bool englishCardPanel = false;
    static constexpr const char* recordedGames = "Erfasste Spiele";
    static constexpr const char* number = "&Anzahl";
    static constexpr const char* series = "&Serie";
    static constexpr const char* unlimited = "&Unbegrenzt";
    static constexpr const char* deal = "&Geben";
    static constexpr const char* reset = "&Zurücksetzen";
    static constexpr const char* type = "&Typ";
    static constexpr const char* mode = "&Modus";
    static constexpr const char* perMatch = "pro &Serie";
};

}  // namespace

const platform::DialogTemplate* FindGermanStatisticsDialog(int id) {
    return resources::StatisticsTemplates<GermanStatisticsTexts>::Find(id);
}
