// The German edition's dialog templates: the captions of its prompt bars and messages.

#include "resources/PromptTemplates.h"
#include "resources/ge/EditionTables.h"

namespace {

struct GermanTexts {
    static constexpr const char* pass = "&passe";
    static constexpr const char* suggestGame = "&Spiel vorschlagen";
    static constexpr const char* pickupSkat = "Skat &aufnehmen";
    static constexpr const char* handGame = "&Handspiel";
    static constexpr const char* passOn = "&Schieben";
    static constexpr const char* durchmarsch = "&Durchmarsch";
    static constexpr const char* rule = "Rege&l";
    static constexpr const char* ruleOnPassOn = "Rege&l";
    static constexpr const char* suggestRule = "Rege&l";
    static constexpr const char* diamonds = "K&aro";
    static constexpr const char* gameQuestion = "S&piel?";
    static constexpr const char* help = "&Hilfe";
    static constexpr const char* endSwapping = "&Fertig mit Tauschen";
    static constexpr const char* suggestSwapping = "Austausch &vorschlagen";
    static constexpr const char* suggestSkat = "Skat &vorschlagen";
    static constexpr const char* suggestion = "&Vorschlag";
    static constexpr const char* resume = "&Fortsetzen ";
    static constexpr const char* game = "Spiel";
    static constexpr const char* repeatGame = "&Wiederhole Spiel";
    static constexpr const char* continueQuestion = "Weiter mit nächsten Spiel?";
    static constexpr const char* yes = "&Ja";
    static constexpr const char* no = "&Nein";
    static constexpr const char* gameCourse = "&Spielverlauf";
};

}  // namespace

const platform::DialogTemplate* FindGermanDialog(int id) { return resources::PromptTemplates<GermanTexts>::Find(id); }
