#pragma once
// The settings profile: every user setting kept in the registry under
// Software\Kartovan+\skat\<Section>, loaded once at start-up (ReadProfile) and stored when the main
// frame closes or the edition is switched (WriteProfile).
//
// ReadProfile and WriteProfile are the main frame's CMainFrame::ReadProfile and
// CMainFrame::WriteProfile; the frame's members of the same names forward to them. The values they
// load live in these records (one home each):
// - g_Settings (model/Settings.h): the program-wide settings, by section;
// - g_Game (model/GameState.h): Variants/Variant, Options/Demo, Game/Cheat, Game/Mode, section Actual;
// - g_Risk (computer/evaluation/ComputerState.h): RiskGrand, RiskSuit, RiskNull;
// - g_Profile (below): what belongs to the main frame: folders, seat names, the main window's
//   rectangle, portraits, the match and game file names, Game/Cond, Help/Topic and the two flags
//   WriteProfile asks of the frame.
// The side windows keep their own sections (match/WindowSections.h).

#include "platform/core/WindowGeometry.h"

#include <string>
#include <vector>

class CSkat;

// The main window's screen rectangle (section RectMain).
struct MainWindowRect {
    int Left = 0, Right = 418, Top = 0, Bottom = 606;
    int Zoomed = 0;  // the window was maximised
    // The registry holds a rectangle (a right edge other than 0); without one the frame is centred.
    int Stored = 0;

    platform::Rect AsRect() const { return {Left, Top, Right, Bottom}; }
};

// The four portraits of the table (section Image).
struct PortraitSettings {
    std::string ImageComputer1, ImageComputer2, ImagePerson1, ImagePerson2;  // bitmap paths
    int ShowComputer1 = 1, ShowComputer2 = 1, ShowPerson1 = 1, ShowPerson2 = 0;

    // By place on the table: 0 computer left, 1 computer right, 2 and 3 the person's pictures.
    std::string File(int place) const;
    bool Shown(int place) const;
};

struct CProfile {
    // Section Paths (read by the frame's creation, never written). Folders end with '/'.
    std::string Inst, Desk, Start, Work;
    std::string ImagesFolder;  // Work + "Images/"

    // Section Names: the names of seats 0, 1, 2 (Computer1, Computer2, Person); the players' card
    // rows show them (NameCardRows).
    std::string Names[3] = {"Computer1", "Computer2", "Person"};

    MainWindowRect RectMain;
    PortraitSettings Image;

    // Section Game: files.
    std::string SkmFile, SktFile;  // last chosen in a file dialog
    std::string SkmName = "cards~.skm", SktName = "cards~.skt";  // the current match list and game
    std::string SksName = "cards~.sks";  // the stored deals: derived from SkmName, not stored
    int Cond = 0;  // manipulation marks carried into the next game

    int HelpTopic = 0;  // Help/Topic: 0 none, 1-4 a page, above 4 a bidding rules anchor

    // The match list was loaded at start-up and the match not aborted: only then does
    // WriteProfile store the section Actual.
    unsigned char MatchListActive = 0;

    void Reset() { *this = CProfile(); }
};

extern CProfile g_Profile;

// CMainFrame::OnCreate's folders: Paths/Inst, Desk, Start, Work. An empty Inst becomes the program
// folder, an empty Work the per-user work folder and an empty Desk the per-user desktop folder
// (the program folder is read-only here); the images folder follows from Work.
void ReadProfilePaths();

// Loads every setting and normalises it; see the table in Profile.cpp. Needs the images folder
// (for the default portraits). The frame then applies ProfileMenuChecks, the demonstration
// status text and HelpTopicPage to its menu, status bar and help window.
void ReadProfile();
// Stores every setting. The frame records its window rectangle into g_Profile.RectMain and
// stores Help/Topic first.
void WriteProfile();

// A number a match file brings for a setting, made what ReadProfile would make of it in the
// registry; false (value unchanged) for a key the profile does not hold.
bool NormaliseSettingValue(const char* section, const char* key, int& value);

// Every number the profile loads (and the round counters a match brings), with the range it loads
// into: a stored value outside it is brought into it, so nothing computed from the settings
// overflows. A bit word spans the whole int.
struct SettingRange {
    std::string Section, Key;
    int Low, High;
    const int* Value = nullptr;  // where the setting is held
};
std::vector<SettingRange> ProfileNumberRanges();

// The largest screen coordinate a side window's stored place may hold.
inline constexpr int kScreenCoordinateMax = 32767;

// A number of the profile read where a window or a step reads its own key: brought into the range
// the settings table gives it; a side window's stored edge into +-kScreenCoordinateMax.
int ReadProfileNumber(const char* section, const char* key, int defaultValue);

// The stored-deal file name of a match list name: its stem + ".sks"; "cards~.sks" for the
// temporary stem "cards~" (and for a name without a stem).
std::string StoredDealName(const std::string& skmName);

// Gives the players' card rows the seat names and the skat's row the name "Skat".
void NameCardRows(CSkat& skat);

// The check marks of the frame's menu that the settings set (command id, checked).
struct ProfileMenuCheck {
    int Command;
    bool Checked;
};
std::vector<ProfileMenuCheck> ProfileMenuChecks();

// The help page that Help/Topic reopens, "" for 0.
std::string HelpTopicPage(int topic);
