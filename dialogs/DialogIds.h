#pragma once
// The ids of the prompt bars and game-event messages: their templates, their controls and the
// pictures they show. Both editions' templates use these ids.

// Templates.
enum DialogTemplateId : int {
    IDD_AUCTION = 117,
    IDD_SKAT = 136,
    IDD_SKAT_RAMSCH = 137,
    IDD_CONTINUE = 138,
    IDD_DECLARE = 142,
    IDD_END_SWAP_REVOLUTION = 144,
    IDD_END_SWAP_GAME = 159,
    IDD_END_SWAP_RAMSCH = 161,
    IDD_GRAND_HAND = 173,
    IDD_KONTRA = 175,
    IDD_SUGGEST = 179,
    IDD_MESSAGE = 195,
    IDD_PASSED_RULE = 196,
    IDD_RESULT = 194,
    IDD_KONTRA_FIRST = 297,
    IDD_RESUME_SWAP = 320,
    IDD_START = 155,
    IDD_REKONTRA = 176,
    IDD_RESIGN = 197,
    IDD_PASSED_VARIANT = 198,
    IDD_INFO = 273,
};

// Controls of the bars and messages.
enum DialogControlId : int {
    IDC_OK = 1,
    IDC_CANCEL = 2,
    IDC_BID = 1001,
    IDC_CONTINUE = 1012,
    IDC_CLUBS = 1016,
    IDC_SPADES = 1017,
    IDC_HEARTS = 1018,
    IDC_DIAMONDS = 1019,
    IDC_NULL = 1020,
    IDC_NULL_OUVERT = 1021,
    IDC_OUVERT = 1022,
    IDC_GRAND = 1023,
    IDC_REVOLUTION = 1025,
    IDC_RAMSCH = 1026,
    IDC_SCHWARZ = 1027,
    IDC_PASS = 1041,
    IDC_PICKUP = 1042,
    IDC_SCHNEIDER = 1045,
    IDC_KONTRA = 1046,
    IDC_DURCHMARSCH = 1058,
    IDC_HAND = 1068,
    IDC_SUGGEST_SKAT_BOX = 1070,
    IDC_RESUME = 1072,
    IDC_PICTURE_LEFT = 1078,
    IDC_PICTURE_RIGHT = 1079,
    IDC_TEXT = 1131,
    IDC_RULE = 1133,
    IDC_PASS_ON = 1137,
    IDC_FINISH_SWAP = 1167,
    IDC_COURSE = 1177,
    IDC_REPEAT_BOX = 1178,
    IDC_SUGGEST_GAME = 1183,
    IDC_SUGGEST = 1184,
    IDC_HELP = 1185,
    IDC_GRAND_HAND = 1200,
};

// The Rekontra message's button, the new match's seat buttons and the rule links of an explanation.
enum EventControlId : int {
    IDC_REKONTRA = 1016,
    IDC_START_SEAT2 = 1001,
    IDC_START_SEAT0 = 1002,
    IDC_START_SEAT1 = 1003,
    IDC_START_RANDOM = 1004,
    IDC_FIRST_LINK = 1272,
    IDC_LAST_LINK = 1279,
};

// The Kontra message's game pictures: a left and a right one per game.
enum KontraPictureId : int {
    IDC_KONTRA_CLUBS_LEFT = 1017,
    IDC_KONTRA_CLUBS_RIGHT = 1018,
    IDC_KONTRA_SPADES_LEFT = 1019,
    IDC_KONTRA_SPADES_RIGHT = 1020,
    IDC_KONTRA_HEARTS_LEFT = 1021,
    IDC_KONTRA_HEARTS_RIGHT = 1024,
    IDC_KONTRA_DIAMONDS_LEFT = 1023,
    IDC_KONTRA_DIAMONDS_RIGHT = 1025,
    IDC_KONTRA_NULL_LEFT = 1026,
    IDC_KONTRA_NULL_RIGHT = 1027,
    IDC_KONTRA_GRAND_LEFT = 1028,
    IDC_KONTRA_GRAND_RIGHT = 1029,
    IDC_KONTRA_REVOLUTION_LEFT = 1030,
    IDC_KONTRA_REVOLUTION_RIGHT = 1031,
};

// Pictures (image ids the hosts draw): the suit symbols of the declaration bar's suit buttons, the
// game symbols of the Kontra message and the message's Kontra picture.
enum DialogImageId : int {
    IDB_MESSAGE_KONTRA = 269,
    IDB_SUIT_CLUBS = 295,
    IDB_SUIT_DIAMONDS = 296,
    IDB_SUIT_HEARTS = 297,
    IDB_SUIT_SPADES = 298,
    IDB_GAME_NULL = 180,
    IDB_GAME_GRAND = 181,
    IDB_GAME_REVOLUTION = 293,
    IDB_GAME_CLUBS = 385,
    IDB_GAME_SPADES = 396,
    IDB_GAME_HEARTS = 397,
    IDB_GAME_DIAMONDS = 398,
};
