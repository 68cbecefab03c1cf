#pragma once
// The settings the program obeys, with their registry names (section/value) and defaults. One
// instance, g_Settings, grouped by registry section (g_Settings.Delay.Bid is Delay/Bid).
//
// Where each setting lives:
// - here: every program-wide setting that is not one of those below;
// - g_Game (model/GameState.h): the settings that are also game-record variables: Variants/Variant
//   (VariantMode), Options/Demo (DemoMode), Game/Cheat (CheatMask), Game/Mode (MatchMode) and the
//   section Actual (Leader, Forehand, RoundStatus, BockCounter, the Bock and Ramsch rounds);
// - g_Risk (computer/evaluation/ComputerState.h): RiskGrand, RiskSuit and RiskNull per seat;
// - g_Profile (match/Profile.h): what the main frame owns: names, folders, file names, the main
//   window's rectangle, the portraits, Game/Cond, Help/Topic;
// - g_pApp (shell/SkatApp.h): the trace settings View/Log, LogDelete, LogLevel, LogLevelV, LogList.
// ReadProfile and WriteProfile (match/Profile.h) load and store all of them; the model only reads.

struct CSettings {
    struct VariantsSection {
        int Kontra = 1, Ramsch = 1, PassOn = 1, GrandHand = 1, Revolution = 1, Hand = 1;
        int Schneider = 0, RamschStock = 0, NullOuvert = 0;
        int Ouvert = 2;
        int Extra = 3;  // extra rounds: 0 none, 1 Bock, 2 Ramsch, 3 both
        int IfExtra = 63;
    } Variants;
    struct RamschSection {
        int EvalMode = 0;  // 0 by card points, 1 by fixed points
        int Scale = 0;     // pass-on and Jungfrau: 0 double, 1 multiply, 2 add fixed points
        int Game = 50, PassOn = 50, Jungfrau = 50, Durchmarsch = 50;  // fixed points, 1..120
    } Ramsch;
    struct OptionsSection {
        int Suggest = 1, Drag = 0, Continue = 1, Count = 1, Support = 0;
        // Set by the game flow while support for the visually impaired is paused.
        int SupportSuspended = 0;
        // What the menu shows and the profile stores: off while suspended.
        int EffectiveSupport() const { return SupportSuspended ? 0 : Support; }
    } Options;
    struct DelaySection {
        int Bid = 1000, Answer = 10000, Show = 1000, Continue = 500, Demo = 1000;  // milliseconds
        int Deal = 100, Play = 100, Order = 100, Swap = 100, Switch = 100;         // glide steps
    } Delay;
    struct RiskSuitSection {
        // The suit the risk dialog shows for each seat: one byte per seat (bits 0-7 seat 0).
        int Suit = 0;
    } RiskSuit;
    struct SettingsSection {
        int Annotate = 1, Deal = 0, Zoom = 1, Last = 1, Safe = 1, Abandon = 1, Balloon = 1;
        int Score = 0, Rule = 0, Suggest = 0;
    } Settings;
    struct AudioSection {
        int Sound = 0x013FFFFF, Voice = 0x0D888BA9;
        int Volume = 10;  // wave-out volume step 0..15
    } Audio;
    struct GameSection {
        int Bypass = 0;  // the match goes on past its end condition
        int Face = 0;    // all cards lie face up
        int Level = 0;   // carried into the match file's settings trailer only
        int MaxRounds = 12, MaxTime = 1800, MaxCredit = 501, CountDown = 60;
    } Game;
    struct ViewSection {
        // Bits 0-3: the seat of the game state panel; bits 4-7: the seat of the trick estimation.
        int Player = 2;
        int CardBack = 10;  // 0..31
        int CardFace = 0;   // 0..9
        int SortMode = 258;  // 0x001 Spades before Hearts, 0x100 adjusted, 0x200 normal, 0x400 Null
        // The side windows open at the last exit (start-up reopens them).
        int ListAnnotation = 0, ListData = 0, ListGameValue = 0, ListLegend = 0, ListState = 0;
        int ListCardStatistics = 0, ListGameStatistics = 0, ListScore = 0, ListStore = 0;
        int ListTrickEstimation = 0;
    } View;
    struct PrintSection {
        int Orient = 1;  // 1 portrait, 2 landscape
    } Print;

    void Reset() { *this = CSettings(); }
};

extern CSettings g_Settings;
