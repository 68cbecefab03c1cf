#pragma once
// What the bars, panels and messages ask of the frame and the shell above them: the click sound,
// trace lines, the commands to the frame, what they read of the frame's and the application's state,
// and every change of the game record, which the flow makes on their request. The shell installs the
// record g_DialogFrame at start-up (InstallProgramHooks) and connects its frame's part while the
// frame's table lives; the defaults answer as if there were no frame, and change nothing.

#include "model/SoundEffectIds.h"
#include "platform/core/Message.h"

#include <array>
#include <functional>
#include <string>

class CPlayer;
struct TablePlacementMetrics;
namespace platform {
struct LogFont;
}

// The games each seat has played as soloist in the series, won and lost.
struct SoloistSeries {
    std::array<int, 3> games{};
    std::array<int, 3> won{};
    std::array<int, 3> lost{};
};

// The trace log's settings of the application (the logging dialog's fields).
struct LogSettings {
    int log = 0;         // 1: the trace is written
    int deleteMode = 3;  // when the log file is deleted, 0..3
    int level = 15;      // the rows traced normally, one bit each
    int advanced = 0;    // the rows traced in detail
    int list = 1;        // 1: the log window lists the lines
};

struct DialogFrameServices {
    // --- The main frame: every answer is "nothing" while there is no frame -----------------------
    // The frame's window; null while there is none.
    std::function<HWND()> FrameWindow = [] { return HWND{}; };
    // CMainFrame::SoundEffect (effect, not looping).
    std::function<void(int effect)> SoundEffect = [](int) {};
    // CMainFrame::SetPause: the pause level.
    std::function<void(int level)> SetPause = [](int) {};
    // CCardExchange::CheckCheat: one manipulation mark.
    std::function<void(int code, int arg)> CheckCheat = [](int, int) {};
    // A seat gives Kontra; the person gives Rekontra.
    std::function<void(int seat)> SayKontra = [](int) {};
    std::function<void()> SayRekontra = [] {};
    // The skat swap pause ends; whether `bar` is the frame's open prompt; the open prompt closes.
    std::function<void()> EndSwapPause = [] {};
    std::function<bool(HWND bar)> IsOpenPrompt = [](HWND) { return false; };
    std::function<void()> CloseOpenPrompt = [] {};
    // A seat's name, its voice (8: none), and one term spoken in a voice in the edition's language
    // (from files when that voice is).
    std::function<std::string(int seat)> PlayerName = [](int) { return std::string(); };
    std::function<int(int seat)> PlayerVoice = [](int) { return 8; };
    std::function<void(int term, int voice)> SayTerm = [](int, int) {};
    // CFramePanels::LockFlag: the reveal marks of the game-status panel and the trick estimation.
    std::function<bool(int which, int mode)> LockFlag = [](int, int) { return false; };
    // The player of the game object at that index; null without a frame.
    std::function<const CPlayer*(int index)> Player = [](int) { return static_cast<const CPlayer*>(nullptr); };
    // The soloist games of the series so far; false without a frame.
    std::function<bool(SoloistSeries& series)> Series = [](SoloistSeries&) { return false; };
    // The table's layout for a bar's placement (all but the card height); false without a frame.
    std::function<bool(TablePlacementMetrics& metrics)> TableLayout = [](TablePlacementMetrics&) { return false; };
    // The flags of a command's item on the main menu; 0 without one.
    std::function<unsigned(int command)> MenuItemFlags = [](int) { return 0u; };
    // The game the suggestion named (-1: none) and its announcements; the person's choice of
    // another game or announcement forgets it.
    std::function<int()> SuggestedGame = [] { return -1; };
    std::function<int()> SuggestedAnnouncements = [] { return 0; };
    std::function<void()> ForgetSuggestedGame = [] {};

    // --- The shell and the application ------------------------------------------------------------
    // The help file's path, the topics are appended to it; the game number of the match state.
    std::string (*HelpFile)() = [] { return std::string(); };
    std::string (*GameNumberText)() = [] { return std::string(); };
    // The application's font of that index; null without an application.
    const platform::LogFont* (*AppFont)(int index) = [](int) { return static_cast<const platform::LogFont*>(nullptr); };
    // The application's trace log settings: read (false without an application) and taken.
    bool (*ReadLogSettings)(LogSettings& settings) = [](LogSettings&) { return false; };
    void (*TakeLogSettings)(const LogSettings& settings) = [](const LogSettings&) {};

    // --- The game record: the flow changes it on the dialogs' request, at once -------------------
    // The auction bar: the person's bid takes the raise shown; his pass (at the opening bid as
    // holder: nobody has bid to him); the raise shown one rung up or down.
    void (*TakePersonBid)() = [] {};
    void (*TakePersonPass)() = [] {};
    void (*AlterPendingRaise)(bool raise) = [](bool) {};
    // The declaration bar: an announcement switched, the other announcements it excludes dropped
    // (Schneider and Schwarz exclude each other; Ouvert and those two when the rules say so).
    void (*ToggleSchneiderAnnounced)(bool excludesOuvert) = [](bool) {};
    void (*ToggleSchwarzAnnounced)(bool excludesOuvert) = [](bool) {};
    void (*ToggleOuvertAnnounced)(bool excludesSchneider) = [](bool) {};
    // Every announcement dropped; Schneider and Schwarz dropped.
    void (*DropAnnouncements)() = [] {};
    void (*DropSchneiderAndSchwarz)() = [] {};
    // The game type with its trump count; Null (open or not) without other announcements;
    // Revolution, open by itself.
    void (*ChangeGameType)(int type) = [](int) {};
    void (*DeclareNullGame)(bool ouvert) = [](bool) {};
    void (*DeclareRevolutionGame)() = [] {};
    // The Ramsch bars' Durchmarsch box.
    void (*AnnounceDurchmarsch)(bool announced) = [](bool) {};
    // The result message: the course of the game is asked for after it.
    void (*RequestCourse)() = [] {};
    // The match start: the chosen seat leads the first game.
    void (*ChooseFirstLeader)(int seat) = [](int) {};
    // The Kontra message: Kontra is open and nobody has given it yet.
    void (*OpenKontra)() = [] {};
    // The match's end condition: 0 games, 1 time, 2 credit, 3 none.
    void (*SetMatchMode)(int mode) = [](int) {};

    void Reset() { *this = DialogFrameServices(); }
};

extern DialogFrameServices g_DialogFrame;

// The frame's sound effect (the click by default), not looping; nothing without a frame.
void DialogSound(int effect = SOUND_BUTTON);
// One trace line of a dialog ("CDeclareDialog::OnClubs()") with its level bits.
void TraceDialog(const std::string& line, unsigned flags);
// Posts (the frame's handler runs after the button's) or sends (it runs now, nested) an internal
// command to the main frame.
void PostFrameCommand(int command);
void SendFrameCommand(int command);
// In demonstration mode: the one-shot timer on the frame that presses the open dialog's button
// after Delay/Demo (the frame's timer handler acts, never the dialog).
void ArmDemoTimer(unsigned timer);
// Gives the keyboard back to the main frame.
void FocusFrame();
