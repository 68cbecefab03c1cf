// The German edition's information panels: their texts on the shared layout.
#include "resources/PanelTemplates.h"
#include "resources/ge/EditionTables.h"

namespace {

struct GermanPanelTexts {
    static constexpr const char* help = "&Hilfe";
    // Game data.
    static constexpr const char* dataCaption = "Spieldaten";
    static constexpr const char* soloistLabel = "Alleinspieler:";
    static constexpr const char* gameLabel = "Spiel:";
    static constexpr const char* modeLabel = "Modus:";
    static constexpr const char* announceLabel = "Ansage";
    static constexpr const char* replyLabel = "Erwiderung:";
    static constexpr const char* bidLabel = "Reizwert:";
    static constexpr const char* trickLabel = "Stich an:";
    static constexpr const char* gamesColumn = "Spiele";
    static constexpr const char* wonColumn = "gew.";
    static constexpr const char* lostColumn = "verl.";
    static constexpr const char* pointsColumn = "Punkte";
    static constexpr const char* weightedColumn = "Leistung";
    // Game status.
    static constexpr const char* trumpRow = "Trumpf";
    static constexpr const char* clubsRow = "Kreuz";
    static constexpr const char* spadesRow = "Pik";
    static constexpr const char* heartsRow = "Herz";
    static constexpr const char* diamondsRow = "Karo";
    // Game value.
    static constexpr const char* valueCaption = "Spielwert";
    static constexpr const char* valueLabel = "&Wert";
    static constexpr const char* table = "&Tabelle";
    static constexpr const char* gameColumn = "Spiel";
    static constexpr const char* topsColumn = "Spitzen";
    static constexpr const char* announcedColumn = "angesagt";
    static constexpr const char* playedColumn = "gespielt";
    static constexpr const char* factorColumn = "Faktor";
};

}  // namespace

const platform::DialogTemplate* FindGermanPanelDialog(int id) { return resources::PanelTemplates<GermanPanelTexts>::Find(id); }
