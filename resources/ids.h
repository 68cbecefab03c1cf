#pragma once
// The ids of the string table, shared by both editions; each edition holds its own texts for them.

// The players' phases beside their names.
inline constexpr int IDS_PHASE_WITHOUT_SKAT = 200;   // "ohne Skat"
inline constexpr int IDS_PHASE_PICKED_UP = 201;      // "nach Skataufnahme"
inline constexpr int IDS_PHASE_HAND = 202;           // "Handspiel"
inline constexpr int IDS_PHASE_DISCARDED = 203;      // "nach Skatablage"

// Labels on the table.
inline constexpr int IDS_LABEL_FOREHAND = 40005;   // "Vh" / "Fh"
inline constexpr int IDS_LABEL_MIDDLEHAND = 40006;
inline constexpr int IDS_LABEL_REARHAND = 40007;
inline constexpr int IDS_WIDEST_NAME = 40008;      // erases a label
inline constexpr int IDS_MARK_KONTRA = 40015;
inline constexpr int IDS_MARK_REKONTRA = 40016;

// Menu texts that change with the game.
inline constexpr int IDS_MENU_OPEN_PLAY = 40020;
inline constexpr int IDS_MENU_NORMAL_PLAY = 40021;
inline constexpr int IDS_MENU_LAST_TRICK = 40310;
inline constexpr int IDS_MENU_LAST_CARDS = 40311;
inline constexpr int IDS_MENU_SWAP_SKAT_ON = 40113;   // the option is off: choosing turns it on
inline constexpr int IDS_MENU_SWAP_SKAT_OFF = 40114;
inline constexpr int IDS_MENU_SWAP_SKAT = 40115;      // outside the states where it is a switch
inline constexpr int IDS_MENU_PORTRAIT = 40321;
inline constexpr int IDS_MENU_LANDSCAPE = 40322;

// Questions and errors.
inline constexpr int IDS_QUERY_DELETE_FILE = 40101;  // %1: the file
inline constexpr int IDS_QUERY_LOAD_MATCH = 40102;   // %1: the match
inline constexpr int IDS_QUERY_EXIT = 40104;         // closing while a game is loaded
inline constexpr int IDS_QUERY_REPLACE_GAME = 40105; // %1: the game
inline constexpr int IDS_TIMER_FAILED = 40200;       // the 200 ms tick cannot be set
inline constexpr int IDS_NO_GAME_FILE = 40203;       // %1: the file
inline constexpr int IDS_FOLDER_FAILED = 40205;      // %1: the folder

// Match modes and the end of a series.
inline constexpr int IDS_MODE_SERIES = 40223;
inline constexpr int IDS_MODE_DURATION = 40224;
inline constexpr int IDS_MODE_BIERLACHS = 40225;
inline constexpr int IDS_MODE_UNLIMITED = 40226;
inline constexpr int IDS_BIERLACHS_TIE = 40228;
inline constexpr int IDS_EXTRA_GAMES_PENDING = 40300;
inline constexpr int IDS_GAMES_PLAYED = 40301;
inline constexpr int IDS_TIME_UP = 40312;

// Status texts of the bid keys.
inline constexpr int IDS_STATUS_RAISE_BID = 40325;  // "Reizwert erhöhen"
inline constexpr int IDS_STATUS_LOWER_BID = 40326;  // "Reizwert erniedrigen"

// Names of the product and its edition.
inline constexpr int IDS_PRODUCT_NAME = 40500;    // "Kartovan+": registry key, log file, captions
// The side windows' captions.
inline constexpr int IDS_STORE_TITLE = 40503;    // "Kartenzuordnung\nCards Assignment" in both
inline constexpr int IDS_CAPTION_CARD_STATISTICS = 40505;
inline constexpr int IDS_CAPTION_GAME_STATISTICS = 40506;
inline constexpr int IDS_CAPTION_TRICK_ESTIMATION = 40507;
inline constexpr int IDS_CAPTION_LEGEND = 40508;
// The trick estimation window's Null sheet: its OK row (the question before an opponent's sheet is
// the status panel's IDS_STATUS_REVEAL).
inline constexpr int IDS_ESTIMATION_NULL_OK = 40940;
inline constexpr int IDS_HELP_TITLE = 40504;      // title of the help window
inline constexpr int IDS_OTHER_LANGUAGE = 40509;  // the other edition's language code
inline constexpr int IDS_VERSION = 40510;

// Texts on the table and in the status bar.
inline constexpr int IDS_BIDS = 41009;            // " reizt "
inline constexpr int IDS_PLAY = 41021;            // "spiele"
inline constexpr int IDS_PLAYS = 41022;           // "spielt"
inline constexpr int IDS_PLEASE_SWAP = 41025;     // "Bitte tauschen Sie Karten aus"
inline constexpr int IDS_RAMSCH_JACK_IN_SKAT = 41026;
inline constexpr int IDS_DEMONSTRATION = 41028;
inline constexpr int IDS_GAME_CLUBS = 41030;      // the game names by type: 41030 + 0..3 the suits,
inline constexpr int IDS_GAME_SPADES = 41031;
inline constexpr int IDS_GAME_HEARTS = 41032;
inline constexpr int IDS_GAME_DIAMONDS = 41033;
inline constexpr int IDS_GAME_NULL = 41034;
inline constexpr int IDS_GAME_GRAND = 41035;      // type 6
inline constexpr int IDS_GAME_REVOLUTION = 41036; // type 5
inline constexpr int IDS_GAME_RAMSCH = 41037;
inline constexpr int IDS_SUFFIX_OUVERT = 41038;   // " Ouvert"
inline constexpr int IDS_SUFFIX_HAND = 41039;     // " Hand"
inline constexpr int IDS_SCHNEIDER_ANNOUNCED = 41040;
inline constexpr int IDS_SCHWARZ_ANNOUNCED = 41041;
inline constexpr int IDS_GRAND_HAND = 41043;
inline constexpr int IDS_GAME_NOT_RECOMMENDED = 41047;
inline constexpr int IDS_GAME_OVERBID = 41049;
inline constexpr int IDS_KONTRA = 41044;
inline constexpr int IDS_REKONTRA = 41045;
// The trick estimation window's popup texts.
inline constexpr int IDS_POPUP_BARE_SUITS = 40900;       // "prefix;no suit"
inline constexpr int IDS_POPUP_TRUMP_TABLE = 40901;      // 40901..40904: the safe trump tricks' table
inline constexpr int IDS_POPUP_SUIT_TABLE = 40905;       // 40905..40909: the safe tricks' table
inline constexpr int IDS_POPUP_GRAND_TABLE = 40910;      // 40910..40914: the Grand safe tricks' table
inline constexpr int IDS_ESTIMATION_JACK = 40937;
inline constexpr int IDS_ESTIMATION_QUEEN = 40938;
inline constexpr int IDS_POPUP_SCORING = 40976;
inline constexpr int IDS_POPUP_EXTRA = 40978;
// The special outcomes' balloons after a game.
inline constexpr int IDS_BALLOON_SCHNEIDER = 41215;
inline constexpr int IDS_BALLOON_SCHWARZ = 41216;
inline constexpr int IDS_BALLOON_JUNGFRAU = 41218;
inline constexpr int IDS_BALLOON_DURCHMARSCH = 41220;
// The manipulation marks' messages, each naming the act that bent the game.
inline constexpr int IDS_CHEATED_ABORTED = 41050;
inline constexpr int IDS_CHEATED_RECOVERED = 41051;
inline constexpr int IDS_CHEATED_REPEATED = 41052;
inline constexpr int IDS_CHEATED_UNDONE = 41053;
inline constexpr int IDS_CHEATED_SWAPPED = 41054;
inline constexpr int IDS_CHEATED_FACEUP = 41055;
inline constexpr int IDS_CHEATED_UNCOVERED = 41056;
inline constexpr int IDS_NOTICE_BOCK = 41066;     // " Bock %d-%d: Spiel %d "
inline constexpr int IDS_NOTICE_RAMSCH = 41067;
inline constexpr int IDS_GIVE_KONTRA = 41068;     // rich text: "Gebe \b Kontra\b0 "
inline constexpr int IDS_GIVE_REKONTRA = 41069;
inline constexpr int IDS_ILLEGAL_ACTION = 41092;
inline constexpr int IDS_ILLEGAL_SWAP_PARTNER = 41093;
inline constexpr int IDS_SWAP_SKAT_FIRST = 41095;
inline constexpr int IDS_NOT_PASS_OUT = 41100;    // "Nicht einpassen"
inline constexpr int IDS_AND_GIVE_UP = 41110;     // " und gebe Spiel auf!"
inline constexpr int IDS_PASSED_OUT = 41116;      // rich text: the game was passed out
inline constexpr int IDS_REMIND_DECIDE = 41120;   // reminders for pause levels 1, 2, 3
inline constexpr int IDS_REMIND_SAY = 41121;
inline constexpr int IDS_REMIND_PLAY = 41122;
inline constexpr int IDS_BALLOON_SAY_SOMETHING = 41173;  // "Sag was!"
inline constexpr int IDS_BALLOON_HAVE_MORE = 41174;      // "Hast du mehr?"
inline constexpr int IDS_BALLOON_MORE = 41175;           // "Mehr?"
inline constexpr int IDS_VOICES_ON = 41176;              // the A key's status texts
inline constexpr int IDS_VOICES_OFF = 41177;
inline constexpr int IDS_SOUNDS_ON = 41178;              // the S key's status texts
inline constexpr int IDS_SOUNDS_OFF = 41179;
inline constexpr int IDS_DRAG_GAME_FILE = 41180;
inline constexpr int IDS_NOTICE_DECLARE = 41181;
inline constexpr int IDS_NOTICE_SWAP_DECLARE = 41182;
inline constexpr int IDS_NOTICE_SWAP_SKAT = 41193;
inline constexpr int IDS_NOTICE_SWAP_CARDS = 41194;
inline constexpr int IDS_YOUR_TURN = 41195;
inline constexpr int IDS_BIDDING = 41201;         // "Reizen: "
inline constexpr int IDS_WAIT_ACTIVE = 41202;     // a drop while a step waits
inline constexpr int IDS_BALLOON_BID = 41203;
inline constexpr int IDS_BALLOON_HOLD = 41204;
inline constexpr int IDS_BALLOON_PASS = 41205;
inline constexpr int IDS_RULE_SKAT = 41208;
inline constexpr int IDS_VARIANT_SKAT = 41209;
inline constexpr int IDS_RAMSCH = 41210;
inline constexpr int IDS_SCHIEBERAMSCH = 41211;
inline constexpr int IDS_ABBREVIATIONS = 41251;   // two letters per game type
inline constexpr int IDS_RANK_TEXTS = 41252;      // "A 7 8 9 10B D K"
inline constexpr int IDS_RICH_TEXT_HEAD = 41314;  // the head of every rich-text message

// The prompt bars and game-event messages.
inline constexpr int IDS_BUTTON_BID = 41206;      // "reiz&e" / "&Bid": the bid button's label
inline constexpr int IDS_BUTTON_HOLD = 41207;     // "halt&e" / "&Hold"
inline constexpr int IDS_CAPTION_GAME = 41332;    // "Spiel" / "Game": a message's caption begins with it
inline constexpr int IDS_PRINT_POINTS = 41335;    // "Punkte" / "Points": the printed game header's points

// Forced trace lines that open a run, a game and a match (%1: the time).
inline constexpr int IDS_TRACE_PROGRAM = 41136;
inline constexpr int IDS_TRACE_GAME = 41137;
inline constexpr int IDS_TRACE_MATCH = 41138;

// The application's title, also the profile name of the settings.
inline constexpr int IDS_APP_TITLE = 57344;
// The trick play.
inline constexpr int IDS_PLAY_CARD = 41023;
inline constexpr int IDS_GO_ON = 41024;
inline constexpr int IDS_INVALID_CARD = 41027;
// Choosing the next trick's cards under the continue bar, and the person's lead that voids it.
inline constexpr int IDS_WINNER_CARD_REQUIRED = 41080;
inline constexpr int IDS_FOLLOW_WINNER_CARD = 41081;
inline constexpr int IDS_FOREHAND_CARD_RELEASED = 41082;
inline constexpr int IDS_KEEP_CARD_SUIT = 41083;
inline constexpr int IDS_PLEASE_CLICK_CARD = 41090;
inline constexpr int IDS_PLEASE_DRAG_CARD = 41091;

// Help, the language switch, the about box and the legend.
inline constexpr int IDS_LANGUAGE_FAILED = 40204;  // %1: the other edition's program
inline constexpr int IDS_HELP_FAILED = 40206;      // %1: the help folder
inline constexpr int IDS_COPY_FAILED = 40207;      // %1: the step, %2: error, source and target
inline constexpr int IDS_ABOUT_SYSTEM = 40230;     // the about box's "System" message
inline constexpr int IDS_ABOUT_FEEDBACK = 40231;   // the about box's "Feedback" message
inline constexpr int IDS_VERSION_DATE = 40511;     // the date of the version
inline constexpr int IDS_ABOUT_CREDIT1 = 40520;    // the about box's two credit lines
inline constexpr int IDS_ABOUT_CREDIT2 = 40521;
inline constexpr int IDS_ABOUT_MAIL = 40522;       // the mail address of the mail link
inline constexpr int IDS_ABOUT_WEB = 40523;        // the web address, before the edition's sub-path
inline constexpr int IDS_ABOUT_NOTICE = 40524;     // the notice line
inline constexpr int IDS_LEGEND_TITLE = 40530;     // the legend's heading over its rows
inline constexpr int IDS_LEGEND_ROW_FIRST = 40531; // 40531 + row: the rows' names, top to bottom
inline constexpr int IDS_LEGEND_NOTE_FIRST = 40540;// 40540 + row: what each row's mark means
inline constexpr int IDS_LEGEND_TABLE = 40549;     // the heading of the table's colours below the rows
inline constexpr int IDS_LEGEND_GREEN = 40550;     // the green table: an honest game
inline constexpr int IDS_LEGEND_RED = 40551;       // the dark red table: a marked game
// Bitmap resources, drawn in code by each edition (resources/<edition>/Bitmaps.cpp).
inline constexpr int IDB_LEGEND = 267;  // 567 x 331: the legend's picture (resources/LegendBitmap.h)
inline constexpr int IDB_MASK = 292;  // 390 x 72, all grey 220: the highlight mask and the legend's tick
// The match, game, stored-deal and statistics files (their own chapter of each edition).
inline constexpr int IDS_QUERY_STORED_DEAL_RUNNING = 40106;
inline constexpr int IDS_QUERY_LOAD_MATCH_NOW = 40111;  // the score sheet holds games  // %1: the game's name
inline constexpr int IDS_QUERY_STORED_DEAL = 40107;          // %1: the game's name
inline constexpr int IDS_READ_FAILED = 40201;                // %1: the operation, %2: the file
inline constexpr int IDS_WRITE_FAILED = 40202;               // %1: the operation, %2: the file
inline constexpr int IDS_IMAGES_MISSING = 40208;
inline constexpr int IDS_NEW_LIST_TITLE = 40501;
inline constexpr int IDS_NEW_LIST_RULES = 40502;
inline constexpr int IDS_TITLE_LOAD_GAME = 41011;
inline constexpr int IDS_TITLE_SAVE_GAME = 41012;
inline constexpr int IDS_TITLE_DELETE_GAME = 41014;
inline constexpr int IDS_TITLE_LOAD_MATCH = 41015;
inline constexpr int IDS_TITLE_SAVE_MATCH = 41016;
inline constexpr int IDS_TITLE_DELETE_MATCH = 41018;
inline constexpr int IDS_FILTER_GAMES = 41057;
inline constexpr int IDS_EXTENSION_GAME = 41058;
inline constexpr int IDS_FILTER_MATCHES = 41059;
inline constexpr int IDS_EXTENSION_MATCH = 41060;
inline constexpr int IDS_BUTTON_DELETE = 41099;  // the delete dialogs' accept button: it deletes, it opens nothing
inline constexpr int IDS_FOLDER_STORAGE = 41170;
inline constexpr int IDS_FOLDER_MATCHES = 41171;
inline constexpr int IDS_FOLDER_GAMES = 41172;
inline constexpr int IDS_END_ROUNDS_PLAYED = 41196;
inline constexpr int IDS_END_TIME_EXPIRED = 41197;
inline constexpr int IDS_END_BIERLACHS = 41198;  // %1: the three balances, %2: the seat
inline constexpr int IDS_END_CHANGE_SETTINGS = 41199;
inline constexpr int IDS_QUERY_TAKE_SETTINGS = 41200;  // %1: version and count, %2: the differences
// The settings export's question, the text of its confirmation dialog (147) until that dialog comes.
inline constexpr int IDS_QUERY_BACKUP = 49147;
// The Ramsch rounds, Kontra, giving up and the match's end (resources/<ed>/StringsGameRoads.cpp).
inline constexpr int IDS_QUERY_ABORT_MATCH = 40103;
inline constexpr int IDS_FINAL_SCORE = 40218;
inline constexpr int IDS_MATCH_END_ROUNDS = 40219;
inline constexpr int IDS_MATCH_END_TIME = 40220;
inline constexpr int IDS_MATCH_END_BIERLACHS = 40221;
inline constexpr int IDS_MATCH_END_EARLY = 40222;
inline constexpr int IDS_I_PASS_ON = 41019;
inline constexpr int IDS_I_PICK_UP = 41020;
inline constexpr int IDS_MATCH_ENDED = 41042;
inline constexpr int IDS_DURCHMARSCH_NOT_ADVISED = 41048;
inline constexpr int IDS_SUGGESTION = 41071;
inline constexpr int IDS_ADVICE_PICK_UP_SKAT = 41072;
inline constexpr int IDS_ADVICE_PASS_ON_SKAT = 41073;
inline constexpr int IDS_ADVICE_RAMSCH_DURCHMARSCH = 41074;
inline constexpr int IDS_ADVICE_DURCHMARSCH = 41075;
inline constexpr int IDS_ADVICE_PASS_ON_DURCHMARSCH = 41076;
inline constexpr int IDS_ADVICE_KONTRA = 41077;
inline constexpr int IDS_ABANDON_GAME = 41113;
inline constexpr int IDS_PASSED_OUT_RAMSCH = 41117;

// The course of the game on the table.
inline constexpr int IDS_GAME_HAND_WORD = 41212;   // "Hand"
inline constexpr int IDS_COURSE_WINS = 41278;      // "gewinnt" / "wins"
inline constexpr int IDS_COURSE_LOSES = 41279;     // "verliert" / "loses"
inline constexpr int IDS_HEADLINE_CLUBS = 41304;       // down to 41301 Diamonds, by game type
inline constexpr int IDS_HEADLINE_NULL = 41305;        // + 1 Hand, + 2 Ouvert
inline constexpr int IDS_HEADLINE_REVOLUTION = 41309;
inline constexpr int IDS_HEADLINE_RAMSCH = 41310;
inline constexpr int IDS_HEADLINE_GRAND = 41311;
inline constexpr int IDS_GAME_OUVERT_WORD = 41331;  // "Ouvert"

// The score of a game: the result message, the Ramsch result and the notice of a new round.
inline constexpr int IDS_SCORE_BID_TO = 41111;         // "there was bid to %d": the overbid game's value follows
inline constexpr int IDS_SCORE_OVERBID_VALUE = 41112;  // the overbid game's value line
inline constexpr int IDS_SCORE_SCHNEIDER_ANNOUNCED = 41213;
inline constexpr int IDS_SCORE_SCHWARZ_ANNOUNCED = 41214;
inline constexpr int IDS_SCORE_PASS_ON = 41217;  // "schieben" / "pass on"
inline constexpr int IDS_SCORE_AND = 41223;
inline constexpr int IDS_SCORE_TIMES = 41224;
inline constexpr int IDS_SCORE_LOST = 41225;
inline constexpr int IDS_SCORE_RESULTS_IN = 41226;
inline constexpr int IDS_SCORE_WINS = 41233;
inline constexpr int IDS_SCORE_LOSES = 41234;
inline constexpr int IDS_SCORE_AT_ABANDON = 41235;
inline constexpr int IDS_SCORE_WINS_WITH = 41280;
inline constexpr int IDS_SCORE_LOSES_WITH = 41281;
inline constexpr int IDS_SCORE_LOSE_WITH = 41282;  // two Ramsch losers
inline constexpr int IDS_SCORE_AS_OVERBID = 41283;
inline constexpr int IDS_SCORE_AS_NOT_SCHNEIDER = 41284;
inline constexpr int IDS_SCORE_AS_NOT_SCHWARZ = 41285;
inline constexpr int IDS_SCORE_POINTS = 41286;
inline constexpr int IDS_HEADLINE_NULL_HAND = 41306;
inline constexpr int IDS_HEADLINE_NULL_OUVERT = 41307;
inline constexpr int IDS_HEADLINE_NULL_OUVERT_HAND = 41308;
inline constexpr int IDS_SCORE_WITH_KONTRA = 41315;
inline constexpr int IDS_SCORE_WITH_REKONTRA = 41316;
inline constexpr int IDS_SCORE_IN_BOCK_ROUND = 41317;
inline constexpr int IDS_NOTICE_BOCK_ROUND = 41318;
inline constexpr int IDS_NOTICE_RAMSCH_ROUND = 41319;
inline constexpr int IDS_NOTICE_BOCK_AND_RAMSCH = 41320;
inline constexpr int IDS_NOTICE_NEW_ROUND = 41321;  // "%1" is the round's name; the reason follows
inline constexpr int IDS_SCORE_FULL_STOP = 41330;
inline constexpr int IDS_SCORE_WITH = 41333;      // matadors: with
inline constexpr int IDS_SCORE_WITHOUT = 41334;   // matadors: without
inline constexpr int IDS_BOCK_REASON_60 = 42001;  // the Bock round's reasons, by the bits of Variants/IfExtra
inline constexpr int IDS_BOCK_REASON_100 = 42002;
inline constexpr int IDS_BOCK_REASON_GRAND_HAND = 42003;
inline constexpr int IDS_BOCK_REASON_KONTRA_LOST = 42004;
inline constexpr int IDS_BOCK_REASON_SCHNEIDER = 42005;
inline constexpr int IDS_BOCK_REASON_MATCH_END = 42006;

// Printing: the reports' names (by print kind 1..4) and the footer's page text (%1 of %2).
inline constexpr int IDS_REPORT_TABLE = 41130;
inline constexpr int IDS_REPORT_SCORE_SHEET = 41131;
inline constexpr int IDS_REPORT_CARDS_ASSIGNMENT = 41132;
inline constexpr int IDS_REPORT_COURSE = 41133;
inline constexpr int IDS_PRINT_PAGE_TEXT = 61508;
// Help texts of the frame's non-client parts in status pane 0.
inline constexpr int IDS_HELP_CAPTION = 32790;
inline constexpr int IDS_HELP_SYSTEM_MENU = 32791;
inline constexpr int IDS_HELP_MENU = 32792;
inline constexpr int IDS_HELP_MINIMIZE = 32793;
inline constexpr int IDS_HELP_MAXIMIZE = 32794;
// The card and game statistics windows: their panels' templates, the size buttons' pictures (the
// trick estimation panel shows them too) and their texts.
inline constexpr int IDD_CARD_STATISTICS = 316;
inline constexpr int IDD_GAME_STATISTICS = 318;
inline constexpr int IDB_SIZE_FULL = 383;
inline constexpr int IDB_SIZE_COMPACT = 384;
inline constexpr int IDS_STATISTICS_ABS = 40601;         // "abs"
inline constexpr int IDS_STATISTICS_REL = 40602;         // "rel"
inline constexpr int IDS_STATISTICS_CARDS = 40603;       // the card grid's corner
inline constexpr int IDS_STATISTICS_ATTRIBUTES = 40604;  // the game chart's corner
inline constexpr int IDS_STATISTICS_ROW_FIRST = 40701;   // + j: the game chart's row j (0..17)
inline constexpr int IDS_STATISTICS_SKAT = 41094;        // "Skat": the card grid's fourth column

// The game information panels: the status panel's heads and roles, the reveal question, the
// panels' titles, the data panel's rule texts and the yes and no of the status grid.
inline constexpr int IDS_STATUS_CARDS_OF = 40000;      // "Karten: " + a role
inline constexpr int IDS_ROLE_SOLOIST = 40001;
inline constexpr int IDS_ROLE_LEFT_OPPONENT = 40002;
inline constexpr int IDS_ROLE_RIGHT_OPPONENT = 40003;
inline constexpr int IDS_ROLE_PARTNER = 40004;
inline constexpr int IDS_STATUS_OUTSIDE = 40009;
inline constexpr int IDS_STATUS_LOWEST_WITHIN = 40010;
inline constexpr int IDS_STATUS_HIGHEST_WITHIN = 40011;
inline constexpr int IDS_STATUS_TEN_OUTSIDE = 40012;
inline constexpr int IDS_STATUS_SUIT_SAFE = 40013;
inline constexpr int IDS_STATUS_REVEAL = 40110;        // %1 the panel's name, %2 the player
inline constexpr int IDS_GAME_STATUS = 40930;
inline constexpr int IDS_STATUS_TITLE_SUIT = 40931;    // + 1 Null, + 2 Grand, + 3 Ramsch
inline constexpr int IDS_STATUS_TITLE_NULL = 40932;
inline constexpr int IDS_STATUS_TITLE_GRAND = 40933;
inline constexpr int IDS_STATUS_TITLE_RAMSCH = 40934;
inline constexpr int IDS_RULES_SKAT = 41061;
inline constexpr int IDS_VARIANTS_SKAT = 41062;
inline constexpr int IDS_PASS_ON_RAMSCH = 41063;
inline constexpr int IDS_BOCK_ROUND_GAME = 41064;      // "%d" rounds, "%d" game
inline constexpr int IDS_RAMSCH_ROUND_GAME = 41065;
inline constexpr int IDS_YES = 41140;
inline constexpr int IDS_NO = 41141;

// The game suggestion.
inline constexpr int IDS_QUERY_SUGGEST_FOR_COMPUTERS = 40109;  // the computers' games mark the game
inline constexpr int IDS_OVERBID_MARK = 41010;                 // ", überreizt"
inline constexpr int IDS_POSSIBLE_GAMES = 41070;               // the heading: text, "\par", "\par", a space
// (the space ends the last control word, so that a word written straight after it stays text)
inline constexpr int IDS_SUGGESTION_TRICKS = 41134;            // value, overbid mark, tricks, chance
inline constexpr int IDS_SUGGESTION_CHANCE = 41135;            // value, overbid mark, chance
// The manipulation commands.
inline constexpr int IDS_SWAP_CARDS = 41085;
inline constexpr int IDS_PLEASE_SWAP_CLICK = 41086;
inline constexpr int IDS_PLEASE_SWAP_DRAG = 41087;
inline constexpr int IDS_SKAT_SWAP_ON = 41088;
inline constexpr int IDS_SKAT_SWAP_OFF = 41089;
inline constexpr int IDS_NOTICE_SWAP_SKAT_CARDS = 41183;
