// The English edition's information panels: their texts on the shared layout.
#include "resources/PanelTemplates.h"
#include "resources/en/EditionTables.h"

namespace {

struct EnglishPanelTexts {
    static constexpr const char* help = "&Help";
    // Game data.
    static constexpr const char* dataCaption = "Game Data";
    static constexpr const char* soloistLabel = "Soloist:";
    static constexpr const char* gameLabel = "Game:";
    static constexpr const char* modeLabel = "Mode:";
    static constexpr const char* announceLabel = "Announce:";
    static constexpr const char* replyLabel = "Reply:";
    static constexpr const char* bidLabel = "Bid Value:";
    static constexpr const char* trickLabel = "Trick to:";
    static constexpr const char* gamesColumn = "Games";
    static constexpr const char* wonColumn = "won";
    static constexpr const char* lostColumn = "lost";
    static constexpr const char* pointsColumn = "Points";
    static constexpr const char* weightedColumn = "weighted";
    // Game status.
    static constexpr const char* trumpRow = "Trump";
    static constexpr const char* clubsRow = "Clubs";
    static constexpr const char* spadesRow = "Spades";
    static constexpr const char* heartsRow = "Hearts";
    static constexpr const char* diamondsRow = "Diamonds";
    // Game value (the English panel has no caption).
    static constexpr const char* valueCaption = "";
    static constexpr const char* valueLabel = "&Value";
    static constexpr const char* table = "&Table";
    static constexpr const char* gameColumn = "Game";
    static constexpr const char* topsColumn = "Tops";
    static constexpr const char* announcedColumn = "announced";
    static constexpr const char* playedColumn = "played";
    static constexpr const char* factorColumn = "Factor";
};

}  // namespace

const platform::DialogTemplate* FindEnglishPanelDialog(int id) { return resources::PanelTemplates<EnglishPanelTexts>::Find(id); }
