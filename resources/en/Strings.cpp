// The English edition's string table.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

#include <algorithm>

namespace {

// Sorted by id; the lookup searches it by halves.
constexpr platform::StringEntry kStrings[] = {
    {IDS_LABEL_FOREHAND, "Fh"},
    {IDS_LABEL_MIDDLEHAND, "Mh"},
    {IDS_LABEL_REARHAND, "Rh"},
    {IDS_WIDEST_NAME, "mmmmmmmmm"},
    {IDS_MARK_KONTRA, "Ko"},
    {IDS_MARK_REKONTRA, "Re"},
    {IDS_MENU_OPEN_PLAY, "Open &play\tCtrl+C"},
    {IDS_MENU_NORMAL_PLAY, "Normal &play\tCtrl+C"},
    {IDS_QUERY_LOAD_MATCH,
     "The running match is canceled\n(score sheet is deleted).\n\nWould you load the match '%1' now?"},
    {IDS_QUERY_EXIT,
     "The current match is suspended.\nHowever, still a game is loaded.\n\n"
     "Do you really want to exit?"},
    {IDS_QUERY_REPLACE_GAME, "Shall the running game really be canceled\nand be replaced by the game '%1'?"},
    {IDS_TIMER_FAILED, "System error: Timer can not be set"},
    {IDS_NO_GAME_FILE, "Error: File\n\n  '%1'\n\nhas no valid skat-game format"},
    {IDS_FOLDER_FAILED, "Error: Directory\n\n'%1'\n\n can not be opened"},
    {IDS_MODE_SERIES, "Game Series"},
    {IDS_MODE_DURATION, "Duration"},
    {IDS_MODE_BIERLACHS, "Bierlachs"},
    {IDS_MODE_UNLIMITED, "Unlimited"},
    {IDS_BIERLACHS_TIE,
     "The Bierlachs goal was reached by two players with the same score.\n"
     "The match goes on until there is a clear loser."},
    {IDS_EXTRA_GAMES_PENDING,
     "\nThere are still Bock and/or Ramsch games.\n\nShall the match be continued until the end of the extra games?"},
    {IDS_GAMES_PLAYED, "The predetermined number of games in this match were played."},
    {IDS_MENU_LAST_TRICK, "S&how last Trick\tCtrl+L"},
    {IDS_MENU_LAST_CARDS, "S&how last Cards\tCtrl+L"},
    {IDS_TIME_UP, "The time frame of the current match has run out.\n"},
    {IDS_PRODUCT_NAME, "Kartovan+"},
    {IDS_HELP_TITLE, "Help for Kartovan+"},
    {IDS_OTHER_LANGUAGE, "ge"},
    {IDS_VERSION, "5.8"},
    {IDS_DEMONSTRATION, "Demonstration: To exit, press Esc key"},
    {IDS_GRAND_HAND, "Grand Hand"},
    {IDS_NOTICE_BOCK, " Bock %d-%d: Game %d "},
    {IDS_NOTICE_RAMSCH, " Ramsch %d-%d: Game %d "},
    {IDS_REMIND_DECIDE, ",\nplease make up\nyour mind!"},
    {IDS_REMIND_SAY, ",\nplease tell\nsomething!"},
    {IDS_REMIND_PLAY, ",\nplease play\na card!"},
    {IDS_TRACE_PROGRAM, "  Program %1"},
    {IDS_TRACE_GAME, "  Game %1"},
    {IDS_TRACE_MATCH, "  Match %1"},
    {IDS_NOTICE_DECLARE, "Declare Game"},
    {IDS_NOTICE_SWAP_DECLARE, "Swap Skat, Declare Game"},
    {IDS_NOTICE_SWAP_SKAT, "Swap Skat"},
    {IDS_NOTICE_SWAP_CARDS, "Swap Cards"},
    {IDS_YOUR_TURN, "Your Turn"},
    {IDS_WAIT_ACTIVE, "Action at aktive wait not allowed! "},
    {IDS_BALLOON_BID, "bid"},
    {IDS_BALLOON_HOLD, "hold"},
    {IDS_BALLOON_PASS, "pass"},
    {IDS_RULE_SKAT, "Rule Skat"},
    {IDS_VARIANT_SKAT, "Variants Skat"},
    {IDS_RAMSCH, "Ramsch"},
    {IDS_SCHIEBERAMSCH, "Schieberamsch"},
    {IDS_ABBREVIATIONS, "KzPkHzKaNlRvGdRa"},
    {IDS_RANK_TEXTS, "A 7 8 9 10B D K"},
    {IDS_APP_TITLE, "skat"},
};

static_assert(std::ranges::adjacent_find(kStrings, std::greater_equal<>{}, &platform::StringEntry::id) ==
                  std::ranges::end(kStrings),
              "the string table must be sorted by id without duplicates");

const platform::ResourceSet kEnglish{"en", kStrings, &FindEnglishMenu, &FindEnglishAccelerators};

}  // namespace

const platform::ResourceSet& EnglishResources() { return kEnglish; }
