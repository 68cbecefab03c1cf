#pragma once
// The ids of the string table, shared by both editions; each edition holds its own texts for them.

// Questions and errors.
inline constexpr int IDS_QUERY_EXIT = 40104;    // closing while a game is loaded
inline constexpr int IDS_TIMER_FAILED = 40200;  // the 200 ms tick cannot be set

// Names of the product and its edition.
inline constexpr int IDS_PRODUCT_NAME = 40500;    // "Kartovan+": registry key, log file, captions
inline constexpr int IDS_HELP_TITLE = 40504;      // title of the help window
inline constexpr int IDS_OTHER_LANGUAGE = 40509;  // the other edition's language code
inline constexpr int IDS_VERSION = 40510;

// Forced trace lines that open a run, a game and a match (%1: the time).
inline constexpr int IDS_TRACE_PROGRAM = 41136;
inline constexpr int IDS_TRACE_GAME = 41137;
inline constexpr int IDS_TRACE_MATCH = 41138;

// The application's title, also the profile name of the settings.
inline constexpr int IDS_APP_TITLE = 57344;
