// The English edition's texts of the statistics windows' panels.

#include "resources/StatisticsTemplates.h"
#include "resources/en/EditionTables.h"

namespace {

struct EnglishStatisticsTexts {
    static constexpr bool englishCardPanel = true;
    static constexpr const char* recordedGames = "Recorded Games";
    static constexpr const char* number = "&Number";
    static constexpr const char* series = "&Match";
    static constexpr const char* unlimited = "&Open End";
    static constexpr const char* deal = "&Deal";
    static constexpr const char* reset = "&Reset";
    static constexpr const char* type = "&Type";
    static constexpr const char* mode = "&Mode";
    static constexpr const char* perMatch = "per &Match";
};

}  // namespace

const platform::DialogTemplate* FindEnglishStatisticsDialog(int id) {
    return resources::StatisticsTemplates<EnglishStatisticsTexts>::Find(id);
}
