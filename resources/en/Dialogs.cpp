// The English edition's dialog templates: the captions of its prompt bars and messages.

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
    static constexpr const char* yes = "&Yes";
    static constexpr const char* no = "&No";
    static constexpr const char* gameCourse = "&Game Course";
};

}  // namespace

const platform::DialogTemplate* FindEnglishDialog(int id) { return resources::PromptTemplates<EnglishTexts>::Find(id); }
