// The English edition's texts of help, the language switch, the about box and the legend.

#include "resources/en/EditionTables.h"
#include "resources/ids.h"

namespace {

constexpr platform::StringEntry kHelpStrings[] = {
    {IDS_LANGUAGE_FAILED, "Error: Language can not be switched"},
    {IDS_HELP_FAILED, "Error: File\n\n'%1'\n\n can not be opened"},
    {IDS_COPY_FAILED, "Error: Data can not be copied !\n\n%1: '%2'"},
    {IDS_ABOUT_SYSTEM,
     "Kartovan+  runs on Linux (X11 and Wayland).\nMinimum screen resolution: 1024 x 768.\n\n"
     "The execution speed can be adjusted via the menu\n'Options >Delay...'!"},
    {IDS_ABOUT_FEEDBACK,
     "Annotations, bug reports, criticisms,\nsuggestions for improvements...\n"
     "Please send to the e-mail address mentioned in About.\n\n"
     "Please send also version number and the game file (.skt)\nfor the error or behavior analysis!"},
    {IDS_CAPTION_LEGEND, "Legend for Score Sheet and Documentation"},
    {IDS_VERSION_DATE, "2020-07-17"},
    {IDS_ABOUT_CREDIT1, "Skat for one person against two computer players"},
    {IDS_ABOUT_CREDIT2, "Written by the Kartovan+ project"},
    {IDS_ABOUT_MAIL, "kartovan@example.org"},
    {IDS_ABOUT_WEB, "https://example.org/kartovan/"},
    {IDS_ABOUT_NOTICE, "Free software, without any warranty."},
    {IDS_LEGEND_TITLE, "Marks of the current game"},
    {IDS_LEGEND_ROW_FIRST + 0, "Aborted"},
    {IDS_LEGEND_ROW_FIRST + 1, "Dealt open"},
    {IDS_LEGEND_ROW_FIRST + 2, "Recovered"},
    {IDS_LEGEND_ROW_FIRST + 3, "Loaded"},
    {IDS_LEGEND_ROW_FIRST + 4, "Face up"},
    {IDS_LEGEND_ROW_FIRST + 5, "Uncovered"},
    {IDS_LEGEND_ROW_FIRST + 6, "Swapped"},
    {IDS_LEGEND_ROW_FIRST + 7, "Repeated"},
    {IDS_LEGEND_ROW_FIRST + 8, "Undone"},
    {IDS_LEGEND_NOTE_FIRST + 0, "Game or match broken off"},
    {IDS_LEGEND_NOTE_FIRST + 1, "Cards face up during the game"},
    {IDS_LEGEND_NOTE_FIRST + 2, "Game loaded or resumed"},
    {IDS_LEGEND_NOTE_FIRST + 3, "Game from a file"},
    {IDS_LEGEND_NOTE_FIRST + 4, "All cards turned face up"},
    {IDS_LEGEND_NOTE_FIRST + 5, "Another player's cards looked at"},
    {IDS_LEGEND_NOTE_FIRST + 6, "Cards, hands or suits swapped"},
    {IDS_LEGEND_NOTE_FIRST + 7, "The same game played again"},
    {IDS_LEGEND_NOTE_FIRST + 8, "A trick taken back"},
    {IDS_LEGEND_TABLE, "Colour of the table"},
    {IDS_LEGEND_GREEN, "green: an honest game"},
    {IDS_LEGEND_RED, "dark red: a marked game"},
};
static_assert(platform::IsSortedById(kHelpStrings));

}  // namespace

platform::StringTable EnglishHelpStrings() { return kHelpStrings; }
