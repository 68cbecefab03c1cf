#pragma once
// The ids of the game flow: the internal commands the steps post or send to the main frame, the
// frame's timers and the buttons of the prompt bars that the timers press.

// Internal commands: WM_COMMAND to the frame, the id in the low word of wParam, lParam 0.
enum InternalCommand : int {
    CM_DEAL = 97,
    CM_ASSIGNED_CARDS = 98,
    CM_KONTRA = 99,
    CM_START = 101,
    CM_PASS = 102,
    CM_PASS_ON_RAMSCH = 103,
    CM_LISTEN_COMPUTER1 = 105,
    CM_LISTEN_COMPUTER2 = 106,
    CM_SPEAK_COMPUTER1 = 107,
    CM_SPEAK_COMPUTER2 = 108,
    CM_PICKUP = 109,
    CM_PICKUP_RAMSCH = 110,
    CM_HAND = 111,
    CM_DECLARE = 112,
    CM_DECLARED = 113,
    CM_NEXT_TRICK = 116,
    CM_PLAY = 117,
    CM_CLOSE_ANNOTATION = 121,
    CM_CLOSE_GAME_VALUE = 123,
    CM_CLOSE_DATA = 125,
    CM_CLOSE_STATE = 126,
    CM_CLOSE_GAME_STATISTICS = 128,
    CM_START_VIEW = 130,
    CM_RESUME = 132,
    CM_PUSH_SKAT = 133,
    CM_REVOLUTION = 134,
    CM_RAMSCH = 135,
    CM_GRAND_HAND = 136,
    CM_CONSOLE = 137,
    CM_CONFIGURATION_CHANGED = 138,
    CM_SUGGEST_GAME = 139,
    CM_SUGGEST_SKAT = 140,
    CM_SUGGEST_CARD = 141,
    CM_SUGGEST_EXCHANGE = 142,
    CM_FOCUS_DIALOG = 143,
    CM_SHOW_STATE = 144,
    CM_DURCHMARSCH = 145,
    CM_AUCTION = 146,
    CM_LOG_WINDOW = 149,
    CM_LAST = 150,
    CM_YOUR_TURN = 151,
    CM_RESTORE_TITLE = 152,
    CM_ANNOTATION = 222,
};

// The frame's timers. Only TM_TICK keeps running; OnTimer kills every other one before it acts.
enum FrameTimer : unsigned {
    TM_VOLUME = 1,
    TM_TICK = 2,
    TM_DEAL = 3,
    TM_ASSIGN = 4,
    TM_CONTINUE = 6,
    TM_STATUS = 7,
    TM_PACKET_WAIT = 8,  // the end of the wait between deal packets: it only wakes that wait
    TM_DEMO_BID = 11,
    TM_DEMO_PASS = 12,
    TM_DEMO_SUGGEST_GAME = 13,
    TM_DEMO_CLOSE_MESSAGE = 21,
    TM_DEMO_RANDOM_STARTER = 22,
    TM_DEMO_SUGGEST_CARD = 31,
    TM_DEMO_PLAY_CARD = 33,
    TM_DEMO_PICKUP = 41,
    TM_DEMO_HAND = 42,
    TM_DEMO_DECLARE = 51,
    TM_DEMO_DECLARED = 52,
    TM_DEMO_SUGGEST_SKAT = 53,
    TM_DEMO_CONTINUE = 61,
    TM_DEMO_OK = 71,
    TM_DEMO_GRAND_HAND = 81,
    TM_DEMO_RAMSCH_SKAT = 82,
    TM_DEMO_END_SWAP_RAMSCH = 91,
    TM_DEMO_FINISH_SWAP = 92,
    TM_DEMO_KONTRA_REVOLUTION = 101,
    TM_DEMO_FINISH_OR_PLAY = 102,
};

// Intervals of the frame's own timers, in milliseconds.
inline constexpr int kTickMs = 200;
inline constexpr int kVolumeDelayMs = 800;
inline constexpr int kDealDelayMs = 200;
inline constexpr int kStatusRestoreMs = 4000;

// Buttons of the prompt bars and message dialogs that the timers press.
enum PromptButton : int {
    BTN_BID = 1001,
    BTN_CONTINUE = 1012,
    BTN_RANDOM_STARTER = 1004,
    BTN_PASS = 1041,
    BTN_PICKUP = 1042,
    BTN_RAMSCH = 1026,
    BTN_DURCHMARSCH = 1058,
    BTN_HAND = 1068,
    BTN_PASS_ON = 1137,
    BTN_FINISH_SWAP = 1167,
    BTN_SUGGEST_GAME = 1183,
    BTN_SUGGEST = 1184,
    BTN_GRAND_HAND = 1200,
};
