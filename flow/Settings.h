#pragma once
// The settings the game flow and the card model obey, with their registry names (section/value)
// and defaults. One instance, g_Settings, grouped by registry section (g_Settings.Delay.Bid is
// Delay/Bid). Settings that are also game-record variables (Variants/Variant, Options/Demo,
// Game/Cheat, Game/Mode, the section Actual) live in g_Game and are loaded with these.

struct CSettings {
    struct DelaySection {
        int Bid = 1000, Answer = 10000, Show = 1000, Continue = 500, Demo = 1000;
        int Deal = 100, Play = 100, Order = 100, Swap = 100, Switch = 100;
    } Delay;
    struct OptionsSection {
        int Suggest = 1, Drag = 0, Continue = 1, Count = 1, Support = 0;
    } Options;
    struct SettingsSection {
        int Deal = 0, Annotate = 1, Balloon = 1, Last = 1, Abandon = 1, Rule = 0, Score = 0;
        int Suggest = 0, Zoom = 1;
    } Settings;
    struct VariantsSection {
        int Kontra = 1, Ramsch = 1, PassOn = 1, GrandHand = 1, Revolution = 1, Hand = 1;
        int Schneider = 0, RamschStock = 0, NullOuvert = 0;
        int Ouvert = 2;
        int Extra = 3;  // extra rounds: 0 none, 1 Bock, 2 Ramsch, 3 both
        int IfExtra = 63;
    } Variants;
    struct RamschSection {
        int EvalMode = 0, Scale = 0, Game = 50, PassOn = 50, Jungfrau = 50, Durchmarsch = 50;
    } Ramsch;
    struct AudioSection {
        int Voice = 0x0D888BA9, Sound = 0x013FFFFF, Volume = 10;
    } Audio;
    struct ViewSection {
        int SortMode = 258;  // 0x001 Spades before Hearts, 0x100 adjusted, 0x200 normal, 0x400 Null
    } View;
    struct GameSection {
        int MaxRounds = 12, MaxTime = 1800, MaxCredit = 501, CountDown = 60;
    } Game;

    void Reset() { *this = CSettings(); }
    // Reads every setting above, and the game-record settings, through the profile functions;
    // a missing value gives its default.
    void Load();
    // Writes them back.
    void Save();
};

extern CSettings g_Settings;
