// The English edition's dialog templates: the captions of its prompt bars and messages.

#include "resources/AboutTemplates.h"
#include "resources/AudioTemplates.h"
#include "resources/EstimationTemplates.h"
#include "resources/EventTemplates.h"
#include "resources/PromptTemplates.h"
#include "resources/en/EditionTables.h"

namespace {

struct EnglishTexts {
    static constexpr const char* pass = "&Pass";
    static constexpr const char* suggestGame = "&Suggest Game";
    static constexpr const char* pickupSkat = "&Pick up Skat";
    static constexpr const char* handGame = "&Hand Game";
    static constexpr const char* passOn = "Pass &on";
    static constexpr const char* durchmarsch = "&Durchmarsch";
    static constexpr const char* rule = "&Rule";
    static constexpr const char* ruleOnPassOn = "Ru&le";
    static constexpr const char* suggestRule = "&Rule";
    static constexpr const char* diamonds = "Kar&o";
    static constexpr const char* gameQuestion = "G&ame?";
    static constexpr const char* help = "&Help";
    static constexpr const char* endSwapping = "&End Swapping";
    static constexpr const char* suggestSwapping = "&Suggest Swapping";
    static constexpr const char* suggestSkat = "&Suggest Skat";
    static constexpr const char* suggestion = "&Suggestion";
    static constexpr const char* resume = "&Continue ";
    static constexpr const char* game = "Game";
    static constexpr const char* repeatGame = "&Repeat Game";
    static constexpr const char* continueQuestion = "Continue with next Game?";
    static constexpr const char* resultQuestion = "Continue with next Game?";
    static constexpr const char* yes = "&Yes";
    static constexpr const char* no = "&No";
    static constexpr const char* gameCourse = "&Game Course";
};

struct EnglishEventTexts {
    static constexpr const char* game = "Game";
    static constexpr const char* yes = "&Yes";
    static constexpr const char* no = "&No";
    static constexpr const char* acceptAbandon = "Accept Abandon of the Game ?";
    static constexpr const char* whoStarts = "Who shall start at the new Match ?";
    static constexpr const char* byChance = "Determined by &Chance";
    static constexpr const char* breakOff = "&Break";
    static constexpr const char* help = "&Help";
    static constexpr const char* newMatch = "End of match  -  new match";
};

struct EnglishAudioTexts {
    static constexpr const char* settingsCaption = "Voices and Sounds";
    static constexpr const char* voiceOutput = "&Voice Output:";
    static constexpr const char* voiceHint = "(Optional press Esc und then A)";
    static constexpr const char* voiceColumn = "Voice";
    static constexpr const char* voiceFromFile = "Voice from File";
    static constexpr const char* withoutVoice = "&Without Voice:";
    static constexpr const char* voice1 = "Voice &1 (Corvin):";
    static constexpr const char* voice2 = "Voice &2 (Ysolde):";
    static constexpr const char* voice3 = "Voice &3 Dorrick):";
    static constexpr const char* voice4 = "Voice &4 (Maelis):";
    static constexpr const char* voice5 = "Voice &5 (Fenwick):";
    static constexpr const char* voice6 = "Voice &6 (Liressa):";
    static constexpr const char* welcome = "Welcome:";
    static constexpr const char* support = "Support Visually Impaired:";
    static constexpr const char* soundOutput = "Sound Output:";
    static constexpr const char* soundHint = "(Optional press Esc und then S)";
    static constexpr const char* yesNo = "Yes / No";
    static constexpr const char* soundFromFile = "Sound from File";
    static constexpr const char* effect0 = "Balloon at &bidding:";
    static constexpr const char* effect1 = "Balloon at &passing:";
    static constexpr const char* effect2 = "Choice of an &invalid card:";
    static constexpr const char* effect3 = "Oper&ating a button:";
    static constexpr const char* effect4 = "&Dealing the cards:";
    static constexpr const char* effect5 = "&Removing the cards:";
    static constexpr const char* effect6 = "Pla&ying a card:";
    static constexpr const char* effect7 = "Brea&king a game:";
    static constexpr const char* effect8 = "When won the game&:";
    static constexpr const char* effect9 = "When &lost the game:";
    static constexpr const char* effect10 = "On &undo/redo:";
    static constexpr const char* cancel = "&Cancel";
    static constexpr const char* help = "&Help";
    static constexpr const char* testCaption = "Test Voices and Sounds";
    static constexpr const char* type = "&Type:";
    static constexpr const char* fromFile = "from &File";
    static constexpr const char* directory = "&Directory:";
    static constexpr const char* open = "&Open";
    static constexpr const char* voice = "&Voice:";
    static constexpr const char* term = "Te&rm:";
    static constexpr const char* prior = "&Prior";
    static constexpr const char* actual = "&Actual";
    static constexpr const char* next = "&Next";
    static constexpr const char* volume = "Vo&lume:";
};

struct EnglishAboutTexts {
    static constexpr const char* aboutCaption = "About Kartovan+";
    static constexpr int noticeId = 1273;
};

struct EnglishEstimationTexts {
    static constexpr const char* possibleGames = "Possible Games";
    static constexpr const char* game = "&Game";
    static constexpr const char* gameItems = "Diamonds\nHearts\nSpades\nClubs\nGrand\nNull\nRamsch";
    static constexpr const char* autoBox = "&Auto";
    static constexpr const char* phase = "Phase of Game";
    static constexpr const char* context = "Context";
    static constexpr const char* legend = "&Legend";
    static constexpr const char* player = "&Player";
    static constexpr platform::DialogRect phaseRect = {172, 9, 58, 9};
    static constexpr platform::DialogRect legendRect = {263, 7, 50, 14};
    static constexpr platform::DialogRect playerLabelRect = {269, 27, 38, 9};
    static constexpr platform::DialogRect playerRect = {248, 38, 80, 86};
};

}  // namespace

const platform::DialogTemplate* FindEnglishDialog(int id) {
    if (const auto* estimation = resources::EstimationTemplates<EnglishEstimationTexts>::Find(id)) return estimation;
    if (const auto* about = resources::AboutTemplates<EnglishAboutTexts>::Find(id)) return about;
    if (const auto* audio = resources::AudioTemplates<EnglishAudioTexts>::Find(id)) return audio;
    if (const auto* settings = FindEnglishSettingsDialog(id)) return settings;
    if (const auto* statistics = FindEnglishStatisticsDialog(id)) return statistics;
    if (const auto* panel = FindEnglishPanelDialog(id)) return panel;
    if (const auto* event = resources::EventTemplates<EnglishEventTexts>::Find(id)) return event;
    return resources::PromptTemplates<EnglishTexts>::Find(id);
}
