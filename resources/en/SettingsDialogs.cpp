// The English edition's settings dialogs: their texts on the shared layout.
#include "resources/MatchSettingsTemplates.h"
#include "resources/SettingsTemplates.h"
#include "resources/en/EditionTables.h"

namespace {

struct EnglishSettingsTexts {
    static constexpr const char* cancel = "&Cancel";
    static constexpr const char* help = "&Help";
    // Rule configuration.
    static constexpr const char* configurationCaption = "Configuration";
    static constexpr const char* kontra = "Give &Kontra/Re";
    static constexpr const char* ramschIfNoBid = "Ramsch, &if no one bids";
    static constexpr const char* ramschPassOn = "Ramsch &with cards pass on";
    static constexpr const char* grandHand = "&Grand Hand instead of Ramsch";
    static constexpr const char* revolution = "Re&volution allowed";
    static constexpr const char* notAtRuleSkat = "These settings do not apply at option Rule Skat";
    static constexpr const char* schneiderLabel = "Decl&are Schneider-/Schwarz";
    static constexpr const char* ouvertLabel = "&Ouvert Grand-/Suit Games";
    static constexpr const char* stockLabel = "S&tock at Ramsch";
    static constexpr const char* firstTrickLabel = "1st Trick at O&uvert Game";
    static constexpr const char* handLabel = "Lost &Hand Game counts";
    static constexpr const char* extraLabel = "&extra Round";
    static constexpr const char* ifExtraLabel = "e&xtra Round, if";
    static constexpr const char* rule = "&Rule";
    // Ramsch scoring.
    static constexpr const char* ramschCaption = "Ramsch Evaluation";
    static constexpr const char* gameValueGroup = "Game Value";
    static constexpr const char* byGamePoints = "by &Game Points";
    static constexpr const char* byFixedPoints = "by &Fixed Points";
    static constexpr const char* gameField = "G&ame";
    static constexpr const char* passOnField = "&Pass on";
    static constexpr const char* passOnGroup = "Pass on, Jungfrau";
    static constexpr const char* doubling = "dou&ble";
    static constexpr const char* multiplying = "&multiply";
    static constexpr const char* addFixed = "add Fi&xpoints";
    // Bidding risk.
    static constexpr const char* riskCaption = "Risik Disposition";
    static constexpr const char* riskHeading = "Only bid for games, their chance of success is higher than:";
    static constexpr const char* grandColumn = "Grand Games (%)";
    static constexpr const char* suitColumn = "Suit";
    static constexpr const char* suitRiskColumn = "Suit Games (%)";
    static constexpr const char* nullColumn = "Null Games (%)";
    // Delays.
    static constexpr const char* delayCaption = "Delay";
    static constexpr const char* waitGroup = "Wait [ms]";
    static constexpr const char* slideGroup = "Slide [steps]";
    static constexpr const char* bidDelay = "&Bid";
    static constexpr const char* answerDelay = "&Answer";
    static constexpr const char* showDelay = "D&isplay";
    static constexpr const char* continueDelay = "&Resume";
    static constexpr const char* dealSteps = "D&eal:";
    static constexpr const char* playSteps = "&Play:";
    static constexpr const char* orderSteps = "Arran&ge:";
    static constexpr const char* swapSteps = "S&wap:";
    static constexpr const char* switchSteps = "Swi&tch:";
    // Names.
    static constexpr const char* namesCaption = "Names";
    static constexpr const char* leftComputer = "Computer &left:";
    static constexpr const char* rightComputer = "Computer &right:";
    // Annotation panel.
    static constexpr const char* annotationCaption = "Annotation: ";
    // Pictures.
    static constexpr const char* imagesCaption = "Images";
    static constexpr const char* imageHeading = "Assignment of an image (Portrait, Profile, Photo, ...)";
    static constexpr const char* playerColumn = "Player:";
    static constexpr const char* yesNoColumn = "Yes / No";
    static constexpr const char* left = "left";
    static constexpr const char* right = "right";
    // Design choosers.
    static constexpr const char* cardBackCaption = "Choice of Card Back";
    static constexpr const char* backHint = "Alternatively press ESC and then (repeatedly) R or B";
    static constexpr const char* cardFaceCaption = "Choice of Card Face";
    static constexpr const char* faceHint = "Alternatively press ESC and then (repeatedly) V or F";
    // Sorting.
    static constexpr const char* sortCaption = "Sorting Cards";
    static constexpr const char* suitSequence = "Sequence of Suits";
    static constexpr const char* spadesFirst = "Jacks, Clubs, &Spades, Hearts, Diamonds";
    static constexpr const char* heartsFirst = "Jacks, Clubs, &Hearts, Spades, Diamonds";
    static constexpr const char* valueSequence = "Sequence of Values";
    static constexpr const char* normalGame = "Nor&mal Game";
    static constexpr const char* nullGame = "N&ull Game";
    static constexpr const char* adjusted = "&Automatically adjusted to the Game";
    // Swaps.
    static constexpr const char* swapHandsCaption = "Swapping Hand with Partner";
    static constexpr const char* playerGroup = "Player";
    static constexpr const char* withLeft = "Person with &left   Particpant";
    static constexpr const char* withRight = "Person with &right Particpant";
    static constexpr const char* leftWithRight = "Left      with right &Particpant";
    static constexpr const char* swapSuitsCaption = "Swapping Suits in the Game";
    static constexpr const char* suitsGroup = "Suits";
    static constexpr const char* clubsSpades = "Clubs    with &Spades";
    static constexpr const char* clubsHearts = "Clubs    with Hea&rts";
    static constexpr const char* clubsDiamonds = "Clubs    with &Diamonds";
    static constexpr const char* spadesHearts = "Spades with Hear&ts";
    static constexpr const char* spadesDiamonds = "Spades with D&iamonds";
    static constexpr const char* heartsDiamonds = "Hearts   with Di&amonds";
    static constexpr const char* jacksGroup = "Jacks";
    static constexpr const char* exclude = "&exclude";
    static constexpr const char* include = "&include";
};

struct EnglishMatchSettingsTexts {
    static constexpr const char* cancel = "&Cancel";
    static constexpr const char* help = "&Help";
    // General settings.
    static constexpr const char* settingsCaption = "Settings";
    static constexpr const char* listTitleLabel = "&Title for Score Sheet (      Match Name)";
    static constexpr const char* subtitleLabel = "S&ubtitle for Match      (      Current Variant)";
    static constexpr const char* storeTitleLabel = "Title for Cards &Assignment";
    static constexpr const char* countingGroup = "Counting";
    static constexpr const char* byGame = "&Game";
    static constexpr const char* byRound = "&Round";
    static constexpr const char* calculationGroup = "Calculating";
    static constexpr const char* gamePoints = "Game &Points";
    static constexpr const char* weighted = "&Weighted";
    static constexpr const char* both = "&both";
    static constexpr const char* annotate = "Show annotat&ion automatically";
    static constexpr const char* deal = "&Deal cards straightly";
    static constexpr const char* zoom = "&Zoom cards";
    static constexpr const char* last = "Play &last trick automatically";
    static constexpr const char* safe = "&Play &remaining tricks face up, if safe";
    static constexpr const char* abandon = "Allow game to abando&n";
    static constexpr const char* balloon = "Show bal&loons";
    static constexpr const char* score = "&Show score";
    static constexpr const char* ruleNumber = "Show rule number";
    static constexpr const char* suggestAll = "Game suggestion for all players";
    // Export confirmation.
    static constexpr const char* initialValuesCaption = "Initial Values";
    static constexpr const char* backupQuestion = "Backup to file 'Kartovan+.reg' ?";
    // Match end.
    static constexpr const char* terminationCaption = "Termination";
    static constexpr const char* series = "&Game Series";
    static constexpr const char* duration = "&Duration";
    static constexpr const char* unlimited = "&Unlimited";
    static constexpr const char* roundsLabel = "&Rounds:";
    static constexpr const char* minutesLabel = "&Minutes:";
    static constexpr const char* creditLabel = "Cr&edit:";
    // Trace log.
    static constexpr const char* loggingCaption = "Logging";
    static constexpr const char* createGroup = "Create Log File";
    static constexpr const char* logOn = "&On";
    static constexpr const char* logOff = "O&ff";
    static constexpr const char* deleteGroup = "Delete log file";
    static constexpr const char* deleteNever = "No&t";
    static constexpr const char* deleteBeforeGame = "B&efore new Game";
    static constexpr const char* deleteBeforeMatch = "Before new &Match";
    static constexpr const char* deleteBoth = "&Both";
    static constexpr const char* advanced = "advanced";
    static constexpr const char* viewRow = "        &View";
    static constexpr const char* frameRow = "       Fr&ame";
    static constexpr const char* gameRow = "       &Game";
    static constexpr const char* playerRow = "       &Player";
    static constexpr const char* dataGroup = "Log Data";
    static constexpr const char* renameCaption = "Rename game";
    static constexpr const char* display = "&Display";
};

}  // namespace

const platform::DialogTemplate* FindEnglishSettingsDialog(int id) {
    if (const auto* found = resources::SettingsTemplates<EnglishSettingsTexts>::Find(id)) return found;
    return resources::MatchSettingsTemplates<EnglishMatchSettingsTexts>::Find(id);
}
