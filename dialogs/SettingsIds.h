#pragma once
// The ids of the settings dialogs: their templates, the controls their code addresses, and the
// arrow pictures. Both editions' templates use these ids.

enum SettingsTemplateId : int {
    IDD_CONFIGURATION = 143,
    IDD_RAMSCH_EVAL_MODE = 300,
    IDD_RISK_DISPOSITION = 301,
    IDD_DELAY = 146,
    IDD_NAMES = 133,
    IDD_IMAGES = 313,
    IDD_CARD_BACK = 304,
    IDD_CARD_FACE = 177,
    IDD_SORT = 114,
    IDD_SWAP_HANDS = 314,
    IDD_SWAP_SUITS = 302,
    IDD_SETTINGS = 258,
    IDD_SAVE_INIT_VALUES = 147,
    IDD_TERMINATION = 149,
    IDD_LOGGING = 317,
    IDD_RENAME = 305,
};

// Buttons every settings dialog shares.
enum SettingsButtonId : int {
    IDC_SETTINGS_STANDARD = 3,
    IDC_SETTINGS_HELP = 1185,
};

// The arrow pictures of the number fields' buttons; the editions number them apart.
enum ArrowPictureId : int {
    IDB_ARROW_DOWN_GE = 263,
    IDB_ARROW_UP_GE = 264,
    IDB_ARROW_DOWN_EN = 282,
    IDB_ARROW_UP_EN = 283,
};
