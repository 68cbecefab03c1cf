#pragma once
// The ids of the menu commands, shared by both editions' menus, accelerators and tool bar and by
// the frame's command handlers.

// Match menu.
inline constexpr int ID_NEW_MATCH = 32898;
inline constexpr int ID_INITIALIZATION = 32877;  // the settings export
inline constexpr int ID_LOAD_MATCH = 32924;
inline constexpr int ID_SAVE_STORE = 32925;
inline constexpr int ID_DELETE_MATCH = 32927;
inline constexpr int ID_RENAME_SERIES = 32867;
inline constexpr int ID_TERMINATION = 32878;
inline constexpr int ID_ORIENTATION = 32837;
inline constexpr int ID_PRINT_COURSE = 32833;
inline constexpr int ID_PREVIEW_COURSE = 32836;
inline constexpr int ID_PRINT_TABLE = 32831;
inline constexpr int ID_PRINT_SCORE_SHEET = 32832;
inline constexpr int ID_PRINT_CARDS_ASSIGNMENT = 32847;
inline constexpr int ID_PREVIEW_TABLE = 32834;
inline constexpr int ID_PREVIEW_SCORE_SHEET = 32835;
inline constexpr int ID_PREVIEW_CARDS_ASSIGNMENT = 32845;
inline constexpr int ID_ABORT_MATCH = 32841;
inline constexpr int ID_APP_EXIT = 57665;

// Game menu.
inline constexpr int ID_NEW = 32880;
inline constexpr int ID_REPEAT = 32881;
inline constexpr int ID_BREAK = 32883;
inline constexpr int ID_LOAD = 32884;
inline constexpr int ID_SAVE_GAME = 32885;
inline constexpr int ID_DELETE_GAME = 32926;
inline constexpr int ID_RENAME_GAME = 32865;
inline constexpr int ID_ABANDON = 32923;
inline constexpr int ID_COMPLETE = 32901;
inline constexpr int ID_UNDO = 32806;
inline constexpr int ID_RECOVER = 32816;
inline constexpr int ID_FACE_UP = 32899;
inline constexpr int ID_SWAP_SKAT = 32890;
inline constexpr int ID_SWAP_CARDS = 32819;
inline constexpr int ID_SWAP_HAND = 32818;
inline constexpr int ID_SWAP_SUITS = 32863;

// View menu.
inline constexpr int ID_LAST = 32934;
inline constexpr int ID_SORT = 32892;
inline constexpr int ID_MINIMAL_WINDOW = 32893;
inline constexpr int ID_OPTIMAL_WINDOW = 32894;
inline constexpr int ID_IDEAL_WINDOW = 32871;
inline constexpr int ID_LIST_DATA = 32895;
inline constexpr int ID_LIST_GAME_VALUE = 32859;
inline constexpr int ID_LIST_STATE = 32823;
inline constexpr int ID_LIST_SCORE = 32843;
inline constexpr int ID_LIST_STORE = 32848;
inline constexpr int ID_LIST_CARD_STATISTICS = 32886;
inline constexpr int ID_LIST_GAME_STATISTICS = 32882;
inline constexpr int ID_LIST_LEGEND = 32800;
inline constexpr int ID_LIST_TRICK_ESTIMATION = 32869;

// Variations menu.
inline constexpr int ID_SKAT_RULE = 32920;
inline constexpr int ID_SKAT_VARIANT = 32921;
inline constexpr int ID_SKAT_RAMSCH = 32922;
inline constexpr int ID_CONFIGURATION = 32932;
inline constexpr int ID_RAMSCH_EVAL_MODE = 32860;

// Options menu.
inline constexpr int ID_SUGGEST = 32864;
inline constexpr int ID_SUPPORT = 32873;
inline constexpr int ID_SETTINGS = 32830;
inline constexpr int ID_RISK = 32861;
inline constexpr int ID_SORT_DIALOG = 32891;
inline constexpr int ID_AUDIO = 32852;
inline constexpr int ID_CARD_BACK = 32820;
inline constexpr int ID_CARD_FACE = 32821;
inline constexpr int ID_DELAY = 32931;
inline constexpr int ID_IMAGES = 32874;
inline constexpr int ID_LOGGING = 32879;
inline constexpr int ID_NAMES = 32930;
inline constexpr int ID_CONTINUE = 32829;
inline constexpr int ID_COUNT = 32935;
inline constexpr int ID_DEMONSTRATION = 32824;
inline constexpr int ID_DRAG_CARDS = 32810;
inline constexpr int ID_SOUNDS_FOLDER = 32900;
inline constexpr int ID_VOICES_FOLDER = 32897;
inline constexpr int ID_STORAGE_FOLDER = 32854;

// Language and help menus.
inline constexpr int ID_LANGUAGE = 32849;
inline constexpr int ID_HELP_INSTRUCTIONS = 32941;
inline constexpr int ID_HELP_OPERATING = 32940;
inline constexpr int ID_HELP_GLOSSARY = 32838;
inline constexpr int ID_HELP_RULE = 32896;
inline constexpr int ID_HELP_CLOSE = 32850;
inline constexpr int ID_APP_ABOUT = 57664;

// The annotation panel's toggle (menu and Alt+A) is the internal command CM_ANNOTATION, 222.
inline constexpr int ID_ANNOTATION = 222;

// The one resource id of the frame: menu, accelerators, tool bar and icon.
inline constexpr int IDR_MAINFRAME = 128;
