// The English edition's menu and accelerators (resource 128).

#include "resources/MenuTables.h"
#include "resources/en/EditionTables.h"

#include "platform/core/MenuTemplate.h"

namespace {

using platform::MenuItemTemplate;
using platform::MF_POPUP;
using platform::MF_SEPARATOR;

constexpr MenuItemTemplate kPrint[] = {
    {ID_PRINT_TABLE, "Gambling &Table"},
    {ID_PRINT_SCORE_SHEET, "&Score Sheet"},
    {ID_PRINT_CARDS_ASSIGNMENT, "Cards &Assignment"},
    {ID_PRINT_COURSE, "Game &Course"},
    {0, "", MF_SEPARATOR},
    {ID_ORIENTATION, "Page &Orientation: Portrait"},
};
constexpr MenuItemTemplate kPreview[] = {
    {ID_PREVIEW_TABLE, "Gambling &Table"},
    {ID_PREVIEW_SCORE_SHEET, "&Score Sheet"},
    {ID_PREVIEW_CARDS_ASSIGNMENT, "Cards &Assignment"},
    {ID_PREVIEW_COURSE, "Game &Course"},
};
constexpr MenuItemTemplate kMatch[] = {
    {ID_NEW_MATCH, "&New Match"},
    {ID_LOAD_MATCH, "&Load ..."},
    {ID_SAVE_STORE, "&Save ..."},
    {ID_DELETE_MATCH, "&Delete ..."},
    {0, "", MF_SEPARATOR},
    {ID_INITIALIZATION, "&Initialization ..."},
    {ID_TERMINATION, "Match &End ..."},
    {ID_RENAME_SERIES, "&Rename match ..."},
    {ID_ABORT_MATCH, "&Break"},
    {0, "", MF_SEPARATOR},
    {0, "&Print", MF_POPUP, kPrint},
    {0, "Pre&view", MF_POPUP, kPreview},
    {0, "", MF_SEPARATOR},
    {ID_APP_EXIT, "E&xit"},
};
constexpr MenuItemTemplate kGame[] = {
    {ID_NEW, "&New\tCtrl+N"},
    {ID_LOAD, "&Load ..."},
    {ID_SAVE_GAME, "&Save ..."},
    {ID_DELETE_GAME, "&Delete ..."},
    {ID_RENAME_GAME, "Rena&me game ..."},
    {0, "", MF_SEPARATOR},
    {ID_ABANDON, "&Abandon\tCtrl+A"},
    {ID_BREAK, "&Break\tCtrl+B"},
    {ID_REPEAT, "Repea&t\tCtrl+W"},
    {ID_COMPLETE, "&Complete"},
    {0, "", MF_SEPARATOR},
    {ID_UNDO, "&Undo last Trick"},
    {ID_RECOVER, "&Redo last Trick"},
    {0, "", MF_SEPARATOR},
    {ID_FACE_UP, "Open &play\tCtrl+C"},
    {ID_SWAP_SKAT, "S&wap Skat Cards"},
    {ID_SWAP_CARDS, "Swap &Cards"},
    {ID_SWAP_HAND, "Swap &Hand ..."},
    {ID_SWAP_SUITS, "Swap Su&its ..."},
};
constexpr MenuItemTemplate kView[] = {
    {ID_LAST, "S&how last Trick\tCtrl+L"},
    {ID_SORT, "Sor&t\tCtrl+S"},
    {0, "", MF_SEPARATOR},
    {ID_LIST_SCORE, "Score &Sheet"},
    {ID_LIST_STORE, "Cards &Assignment"},
    {ID_LIST_CARD_STATISTICS, "Card Stat&istics"},
    {ID_LIST_GAME_STATISTICS, "Game Statisti&cs"},
    {ID_LIST_TRICK_ESTIMATION, "Trick &Estimation"},
    {ID_LIST_LEGEND, "&Legend"},
    {0, "", MF_SEPARATOR},
    {ID_ANNOTATION, "A&nnotation ...\tAlt+A"},
    {ID_LIST_DATA, "Game &Data"},
    {ID_LIST_GAME_VALUE, "Game &Value"},
    {ID_LIST_STATE, "Game Stat&us"},
    {0, "", MF_SEPARATOR},
    {ID_MINIMAL_WINDOW, "&Minimal Window"},
    {ID_OPTIMAL_WINDOW, "&Optimal Window"},
    {ID_IDEAL_WINDOW, "I&deal Window"},
};
constexpr MenuItemTemplate kVariations[] = {
    {ID_SKAT_RULE, "&Rule Skat"},
    {ID_SKAT_VARIANT, "&Variants Skat"},
    {ID_SKAT_RAMSCH, "R&amsch"},
    {0, "", MF_SEPARATOR},
    {ID_CONFIGURATION, "&Configuration ..."},
    {ID_RAMSCH_EVAL_MODE, "Ramsch-&Evaluation ..."},
};
constexpr MenuItemTemplate kOptions[] = {
    {ID_SUGGEST, "&Suggestion"},
    {ID_CONTINUE, "&Continue"},
    {ID_COUNT, "Cou&nt"},
    {ID_DEMONSTRATION, "&Demonstration"},
    {ID_DRAG_CARDS, "D&rag Cards"},
    {ID_SUPPORT, "Su&pport Visually Impaired"},
    {0, "", MF_SEPARATOR},
    {ID_SETTINGS, "S&ettings ..."},
    {ID_RISK, "&Risk Disposition ..."},
    {ID_SORT_DIALOG, "Card Sor&ting ..."},
    {ID_AUDIO, "&Voices and Sounds ..."},
    {ID_CARD_BACK, "Card &Back ..."},
    {ID_CARD_FACE, "Card &Face ..."},
    {ID_DELAY, "De&lay ..."},
    {ID_IMAGES, "&Images ..."},
    {ID_NAMES, "&Names ..."},
    {ID_LOGGING, "L&ogging ..."},
};
constexpr MenuItemTemplate kLanguage[] = {
    {ID_LANGUAGE, "&german"},
};
constexpr MenuItemTemplate kHelp[] = {
    {ID_HELP_INSTRUCTIONS, "&Game Instructions"},
    {ID_HELP_OPERATING, "&Operating Instructions"},
    {ID_HELP_GLOSSARY, "Glossar&y"},
    {ID_HELP_RULE, "Help for Rule Suggestion"},
    {ID_HELP_CLOSE, "&Close Help Window"},
    {0, "", MF_SEPARATOR},
    {ID_APP_ABOUT, "&About Kartovan+ ..."},
};
// The pop-ups stand in the order their indexes name them: 0 match ... 6 help.
constexpr MenuItemTemplate kBar[] = {
    {0, "&Match", MF_POPUP, kMatch},       {0, "&Game", MF_POPUP, kGame},
    {0, "&View", MF_POPUP, kView},         {0, "Va&riations", MF_POPUP, kVariations},
    {0, "&Options", MF_POPUP, kOptions},   {0, "&Language", MF_POPUP, kLanguage},
    {0, "&Help", MF_POPUP, kHelp},
};
constexpr platform::MenuTemplate kMainMenu{IDR_MAINFRAME, kBar};
constexpr platform::AcceleratorTable kAcceleratorTable{IDR_MAINFRAME, kCommonAccelerators};

}  // namespace

const platform::MenuTemplate* FindEnglishMenu(int id) { return id == IDR_MAINFRAME ? &kMainMenu : nullptr; }
const platform::AcceleratorTable* FindEnglishAccelerators(int id) {
    return id == IDR_MAINFRAME ? &kAcceleratorTable : nullptr;
}
