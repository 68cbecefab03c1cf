#include "match/Profile.h"

#include "match/ListSettingsTable.h"

#include "computer/evaluation/ComputerState.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/FileTestSupport.h"
#include "platform/core/Folders.h"
#include "platform/core/Registry.h"
#include "platform/core/RegistryFile.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "resources/CommandIds.h"
#include "shell/SkatApp.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <cstdint>
#include <string>
#include <vector>

namespace {

void ResetAll() { testsupport::ResetProgramState(); }

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAll();
        platform::SetRegistryKey("Kartovan+", "skat");
        platform::CurrentUserRegistry().Clear();
        g_Profile.ImagesFolder = "/data/Images/";
    }
    void TearDown() override {
        platform::CurrentUserRegistry().Clear();
        g_pApp = nullptr;
        ResetAll();
    }

    // A raw value in the program's key, as a hand-edited or damaged store would hold it.
    static platform::RegistryKey& Section(const std::string& section) {
        return platform::CurrentUserRegistry().Create(platform::ProfileKeyPath() + "\\" + section);
    }
    static void StoreRaw(const std::string& section, const std::string& key, std::uint32_t value) {
        Section(section).SetNumber(key, value);
    }
};

// Every number setting: where it lives, its default, and a valid value other than the default.
struct IntSetting {
    const char* name;
    int* value;
    int defaultValue;
    int sample;
};

std::vector<IntSetting> IntSettings() {
    CSettings& s = g_Settings;
    CGameState& g = g_Game;
    CProfile& p = g_Profile;
    return {
        {"Variants/Variant", &g.VariantMode, 0, 2},
        {"Variants/Kontra", &s.Variants.Kontra, 1, 0},
        {"Variants/Ramsch", &s.Variants.Ramsch, 1, 0},
        {"Variants/PassOn", &s.Variants.PassOn, 1, 0},
        {"Variants/GrandHand", &s.Variants.GrandHand, 1, 0},
        {"Variants/Revolution", &s.Variants.Revolution, 1, 0},
        {"Variants/Schneider", &s.Variants.Schneider, 0, 1},
        {"Variants/Ouvert", &s.Variants.Ouvert, 2, 3},
        {"Variants/RamschStock", &s.Variants.RamschStock, 0, 1},
        {"Variants/NullOuvert", &s.Variants.NullOuvert, 0, 1},
        {"Variants/Hand", &s.Variants.Hand, 1, 0},
        {"Variants/Extra", &s.Variants.Extra, 3, 1},
        {"Variants/IfExtra", &s.Variants.IfExtra, 63, 21},
        {"Ramsch/EvalMode", &s.Ramsch.EvalMode, 0, 1},
        {"Ramsch/Scale", &s.Ramsch.Scale, 0, 2},
        {"Ramsch/Game", &s.Ramsch.Game, 50, 120},
        {"Ramsch/PassOn", &s.Ramsch.PassOn, 50, 1},
        {"Ramsch/Jungfrau", &s.Ramsch.Jungfrau, 50, 30},
        {"Ramsch/Durchmarsch", &s.Ramsch.Durchmarsch, 50, 99},
        {"Options/Demo", &g.DemoMode, 0, 1},
        {"Options/Suggest", &s.Options.Suggest, 1, 0},
        {"Options/Drag", &s.Options.Drag, 0, 1},
        {"Options/Continue", &s.Options.Continue, 1, 0},
        {"Options/Count", &s.Options.Count, 1, 0},
        {"Options/Support", &s.Options.Support, 0, 1},
        {"Delay/Bid", &s.Delay.Bid, 1000, 400},
        {"Delay/Answer", &s.Delay.Answer, 10000, 20000},
        {"Delay/Show", &s.Delay.Show, 1000, 1500},
        {"Delay/Continue", &s.Delay.Continue, 500, 0},
        {"Delay/Demo", &s.Delay.Demo, 1000, 250},
        {"Delay/Deal", &s.Delay.Deal, 100, 10},
        {"Delay/Play", &s.Delay.Play, 100, 20},
        {"Delay/Order", &s.Delay.Order, 100, 30},
        {"Delay/Swap", &s.Delay.Swap, 100, 40},
        {"Delay/Switch", &s.Delay.Switch, 100, 50},
        {"RiskGrand/Computer1", &g_Risk.RiskGrand[0], 4, 11},
        {"RiskGrand/Computer2", &g_Risk.RiskGrand[1], 4, 0},
        {"RiskGrand/Person", &g_Risk.RiskGrand[2], 4, 7},
        {"RiskSuit/Computer1", &g_Risk.RiskSuit[0], 4, 0x0B000306},
        {"RiskSuit/Computer2", &g_Risk.RiskSuit[1], 0x40404, 0x01020304},
        {"RiskSuit/Person", &g_Risk.RiskSuit[2], 4, 0x05050505},
        {"RiskSuit/Suit", &s.RiskSuit.Suit, 0, 0x030201},
        {"RiskNull/Computer1", &g_Risk.RiskNull[0], 4, 2},
        {"RiskNull/Computer2", &g_Risk.RiskNull[1], 4, 9},
        {"RiskNull/Person", &g_Risk.RiskNull[2], 4, 11},
        {"Settings/Annotate", &s.Settings.Annotate, 1, 0},
        {"Settings/Deal", &s.Settings.Deal, 0, 1},
        {"Settings/Zoom", &s.Settings.Zoom, 1, 0},
        {"Settings/Last", &s.Settings.Last, 1, 0},
        {"Settings/Safe", &s.Settings.Safe, 1, 0},
        {"Settings/Abandon", &s.Settings.Abandon, 1, 0},
        {"Settings/Balloon", &s.Settings.Balloon, 1, 0},
        {"Settings/Score", &s.Settings.Score, 0, 1},
        {"Settings/Rule", &s.Settings.Rule, 0, 1},
        {"Settings/Suggest", &s.Settings.Suggest, 0, 1},
        {"Audio/Sound", &s.Audio.Sound, 0x013FFFFF, 0x00123456},
        {"Audio/Voice", &s.Audio.Voice, 0x0D888BA9, 0x01000000},
        {"Audio/Volume", &s.Audio.Volume, 10, 15},
        {"RectMain/Left", &p.RectMain.Left, 0, -8},
        {"RectMain/Right", &p.RectMain.Right, 418, 1288},
        {"RectMain/Top", &p.RectMain.Top, 0, 40},
        {"RectMain/Bottom", &p.RectMain.Bottom, 606, 1000},
        {"RectMain/Zoomed", &p.RectMain.Zoomed, 0, 1},
        {"Image/ShowComputer1", &p.Image.ShowComputer1, 1, 0},
        {"Image/ShowComputer2", &p.Image.ShowComputer2, 1, 0},
        {"Image/ShowPerson1", &p.Image.ShowPerson1, 1, 0},
        {"Image/ShowPerson2", &p.Image.ShowPerson2, 0, 1},
        {"Game/Cond", &p.Cond, 0, 128},
        {"Game/Bypass", &s.Game.Bypass, 0, 1},
        {"Game/Face", &s.Game.Face, 0, 1},
        {"Game/Cheat", &g.CheatMask, 0, 2 | 8 | 16},  // RECOVERED already there: loads as stored
        {"Game/Level", &s.Game.Level, 0, 3},
        {"Game/MaxRounds", &s.Game.MaxRounds, 12, 4},
        {"Game/MaxTime", &s.Game.MaxTime, 1800, 600},
        {"Game/MaxCredit", &s.Game.MaxCredit, 501, 1001},
        {"Game/Mode", &g.MatchMode, 0, 3},
        {"Game/CountDown", &s.Game.CountDown, 60, 42},
        {"Actual/Leader", &g.Leader, 0, 2},
        {"Actual/Forehand", &g.Forehand, 0, 1},
        {"Actual/Status", &g.RoundStatus, 0, 2},
        {"Actual/BockCounter", &g.BockCounter, 0, 2},
        {"Actual/BockNumber (limit)", &g.BockRounds, 0, 5},
        {"Actual/BockNumber (played)", &g.BockRound, 0, 2},
        {"Actual/RamschNumber (limit)", &g.RamschRounds, 0, 3},
        {"Actual/RamschNumber (played)", &g.RamschRound, 0, 3},
        {"View/Player", &s.View.Player, 2, 0x21},
        {"View/CardBack", &s.View.CardBack, 10, 31},
        {"View/CardFace", &s.View.CardFace, 0, 9},
        {"View/SortMode", &s.View.SortMode, 258, 0x401},
        {"View/ListAnnotation", &s.View.ListAnnotation, 0, 1},
        {"View/ListData", &s.View.ListData, 0, 1},
        {"View/ListGameValue", &s.View.ListGameValue, 0, 1},
        {"View/ListLegend", &s.View.ListLegend, 0, 1},
        {"View/ListState", &s.View.ListState, 0, 1},
        {"View/ListCardStatistics", &s.View.ListCardStatistics, 0, 1},
        {"View/ListGameStatistics", &s.View.ListGameStatistics, 0, 1},
        {"View/ListScore", &s.View.ListScore, 0, 1},
        {"View/ListStore", &s.View.ListStore, 0, 1},
        {"View/ListTrickEstimation", &s.View.ListTrickEstimation, 0, 1},
        {"Print/Orient", &s.Print.Orient, 1, 2},
        {"Help/Topic", &p.HelpTopic, 0, 7},
    };
}

struct StringSetting {
    const char* name;
    std::string* value;
    std::string defaultValue;
    std::string sample;
};

std::vector<StringSetting> StringSettings() {
    CProfile& p = g_Profile;
    return {
        {"Names/Computer1", &p.Names[0], "Computer1", "Anna"},
        {"Names/Computer2", &p.Names[1], "Computer2", "Bernd"},
        {"Names/Person", &p.Names[2], "Person", "Jörg"},
        {"Image/ImageComputer1", &p.Image.ImageComputer1, "/data/Images/Corvin.bmp", "/pics/a.bmp"},
        {"Image/ImageComputer2", &p.Image.ImageComputer2, "/data/Images/Pimmie.bmp", "/pics/b.bmp"},
        {"Image/ImagePerson1", &p.Image.ImagePerson1, "/data/Images/Tobb.bmp", "/pics/c.bmp"},
        {"Image/ImagePerson2", &p.Image.ImagePerson2, "/data/Images/Tobb.bmp", "/pics/d \"x\".bmp"},
        {"Game/SkmFile", &p.SkmFile, "", "/home/u/Club.skm"},
        {"Game/SktFile", &p.SktFile, "", "/home/u/Game 7.skt"},
        {"Game/SkmName", &p.SkmName, "cards~.skm", "Club.skm"},
        {"Game/SktName", &p.SktName, "cards~.skt", "Game 7.skt"},
    };
}

// Writes the samples into every setting, as a long session would leave them.
void SetSamples() {
    for (const IntSetting& s : IntSettings()) *s.value = s.sample;
    for (const StringSetting& s : StringSettings()) *s.value = s.sample;
}

void ExpectSamples(const char* how) {
    for (const IntSetting& s : IntSettings()) EXPECT_EQ(*s.value, s.sample) << s.name << " " << how;
    for (const StringSetting& s : StringSettings()) EXPECT_EQ(*s.value, s.sample) << s.name << " " << how;
}

// The profile of the running program. Its start-up reads the match list, which makes the list the
// running match: from then on its seats and rounds (section Actual) are stored with the settings.
class ProfileOfAProgramTest : public testsupport::FrameFixture {
protected:
    void StartTheProgram() {
        StartProgram();
        ASSERT_EQ(g_Profile.MatchListActive, 1) << "the start-up read the match list";
    }
    // Every setting at its default, as before a reading (the program and its match list stay).
    static void ForgetSettings() {
        for (const IntSetting& s : IntSettings()) *s.value = s.defaultValue;
        for (const StringSetting& s : StringSettings()) *s.value = s.defaultValue;
    }
};

TEST_F(ProfileOfAProgramTest, AnEmptyRegistryGivesEveryDefault) {
    // Load a full profile first, so that a key ReadProfile skipped would keep its sample.
    StartTheProgram();
    SetSamples();
    WriteProfileInt("Help", "Topic", 7);
    WriteProfile();
    ForgetSettings();
    g_Profile.ImagesFolder = "/data/Images/";
    ReadProfile();
    platform::CurrentUserRegistry().Clear();
    // A stored Game/Cheat replaces the mask; start from the run's clean mask.
    g_Game.CheatMask = 0;
    g_Game.CheatMaskChanged = 0;
    ReadProfile();

    for (const IntSetting& s : IntSettings()) EXPECT_EQ(*s.value, s.defaultValue) << s.name;
    for (const StringSetting& s : StringSettings()) EXPECT_EQ(*s.value, s.defaultValue) << s.name;
    EXPECT_EQ(g_Profile.SksName, "cards~.sks");
    EXPECT_EQ(g_Game.CheatMaskChanged, 0) << "no RECOVERED mark on an empty mask";
    EXPECT_EQ(g_Settings.Options.SupportSuspended, 0);
    // Reading creates nothing.
    EXPECT_TRUE(platform::CurrentUserRegistry().Empty());
}

TEST_F(ProfileOfAProgramTest, RoundTripThroughTheRegistryTree) {
    StartTheProgram();
    SetSamples();
    WriteProfile();
    WriteProfileInt("Help", "Topic", g_Profile.HelpTopic);  // stored by the frame's close
    ForgetSettings();
    g_Profile.ImagesFolder = "/data/Images/";
    ReadProfile();
    ExpectSamples("through the tree");
    EXPECT_EQ(g_Profile.SksName, "Club.sks");
}

TEST_F(ProfileOfAProgramTest, RoundTripThroughTheRegistryFile) {
    StartTheProgram();
    const std::string path = temp_.File("registry.reg");
    SetSamples();
    WriteProfile();
    WriteProfileInt("Help", "Topic", g_Profile.HelpTopic);
    ASSERT_TRUE(platform::SaveRegistryFile(path, platform::CurrentUserRegistry()));

    platform::CurrentUserRegistry().Clear();
    ForgetSettings();
    g_Profile.ImagesFolder = "/data/Images/";
    const platform::RegistryLoad load = platform::LoadRegistryFile(path, platform::CurrentUserRegistry());
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.message, "");
    ReadProfile();
    ExpectSamples("through the file");

    // A second store of what was read writes the same file.
    const std::string first = platform::FormatRegistryFile(platform::CurrentUserRegistry());
    platform::CurrentUserRegistry().Clear();
    WriteProfile();
    WriteProfileInt("Help", "Topic", g_Profile.HelpTopic);
    EXPECT_EQ(platform::FormatRegistryFile(platform::CurrentUserRegistry()), first);
}

// A stored number and what it loads as.
struct NormaliseCase {
    const char* section;
    const char* key;
    std::uint32_t stored;  // as the registry holds it: -1 is 0xFFFFFFFF
    int* (*field)();
    int expected;
};

// A failing case names itself, not its bytes.
void PrintTo(const NormaliseCase& c, std::ostream* out) { *out << c.section << "/" << c.key << " = " << c.stored; }

int* VariantsOuvert() { return &g_Settings.Variants.Ouvert; }
int* VariantsExtra() { return &g_Settings.Variants.Extra; }
int* VariantsKontra() { return &g_Settings.Variants.Kontra; }
int* VariantMode() { return &g_Game.VariantMode; }
int* RamschScale() { return &g_Settings.Ramsch.Scale; }
int* RamschEvalMode() { return &g_Settings.Ramsch.EvalMode; }
int* RamschGame() { return &g_Settings.Ramsch.Game; }
int* RamschDurchmarsch() { return &g_Settings.Ramsch.Durchmarsch; }
int* DelayAnswer() { return &g_Settings.Delay.Answer; }
int* DelaySwitch() { return &g_Settings.Delay.Switch; }
int* RiskGrandPerson() { return &g_Risk.RiskGrand[2]; }
int* RiskNullComputer1() { return &g_Risk.RiskNull[0]; }
int* RiskSuitComputer1() { return &g_Risk.RiskSuit[0]; }
int* RiskSuitChoice() { return &g_Settings.RiskSuit.Suit; }
int* SettingsSafe() { return &g_Settings.Settings.Safe; }
int* AudioVolume() { return &g_Settings.Audio.Volume; }
int* Zoomed() { return &g_Profile.RectMain.Zoomed; }
int* GameFace() { return &g_Settings.Game.Face; }
int* GameBypass() { return &g_Settings.Game.Bypass; }
int* MaxRounds() { return &g_Settings.Game.MaxRounds; }
int* MatchMode() { return &g_Game.MatchMode; }
int* Leader() { return &g_Game.Leader; }
int* Forehand() { return &g_Game.Forehand; }
int* RoundStatus() { return &g_Game.RoundStatus; }
int* ViewPlayer() { return &g_Settings.View.Player; }
int* CardBack() { return &g_Settings.View.CardBack; }
int* CardFace() { return &g_Settings.View.CardFace; }
int* ListScore() { return &g_Settings.View.ListScore; }
int* PrintOrient() { return &g_Settings.Print.Orient; }
int* AudioSound() { return &g_Settings.Audio.Sound; }

constexpr std::uint32_t kMinusOne = 0xFFFFFFFFu;

class ProfileNormaliseTest : public ProfileTest, public ::testing::WithParamInterface<NormaliseCase> {};

TEST_P(ProfileNormaliseTest, LoadsInRange) {
    const NormaliseCase& c = GetParam();
    StoreRaw(c.section, c.key, c.stored);
    ReadProfile();
    EXPECT_EQ(*c.field(), c.expected) << c.section << "/" << c.key << " stored as " << static_cast<int>(c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, ProfileNormaliseTest,
    ::testing::Values(
        // The rules: Ouvert 0..2 kept, anything else 3; Extra 1..3 kept, anything else 0.
        NormaliseCase{"Variants", "Ouvert", 7, VariantsOuvert, 3},
        NormaliseCase{"Variants", "Ouvert", kMinusOne, VariantsOuvert, 3},
        NormaliseCase{"Variants", "Ouvert", 0, VariantsOuvert, 0},
        NormaliseCase{"Variants", "Extra", 4, VariantsExtra, 0},
        NormaliseCase{"Variants", "Extra", 2, VariantsExtra, 2},
        NormaliseCase{"Variants", "Extra", kMinusOne, VariantsExtra, 0},
        NormaliseCase{"Variants", "Kontra", 5, VariantsKontra, 1},
        NormaliseCase{"Variants", "Variant", 3, VariantMode, 0},
        NormaliseCase{"Variants", "Variant", kMinusOne, VariantMode, 0},
        NormaliseCase{"Ramsch", "Scale", 3, RamschScale, 0},
        NormaliseCase{"Ramsch", "EvalMode", 7, RamschEvalMode, 1},
        NormaliseCase{"Ramsch", "Game", 0, RamschGame, 1},
        NormaliseCase{"Ramsch", "Game", 500, RamschGame, 120},
        NormaliseCase{"Ramsch", "Durchmarsch", kMinusOne, RamschDurchmarsch, 1},
        // Delays: negative becomes 0, large stays.
        NormaliseCase{"Delay", "Answer", static_cast<std::uint32_t>(-300), DelayAnswer, 0},
        NormaliseCase{"Delay", "Switch", 0x80000000u, DelaySwitch, 0},
        NormaliseCase{"Delay", "Answer", 99999, DelayAnswer, 99999},
        // Risks 0..11; a suit risk word per byte, bytes beyond 11 become 11.
        NormaliseCase{"RiskGrand", "Person", static_cast<std::uint32_t>(-3), RiskGrandPerson, 0},
        NormaliseCase{"RiskGrand", "Person", 12, RiskGrandPerson, 11},
        NormaliseCase{"RiskNull", "Computer1", 0x7FFFFFFF, RiskNullComputer1, 11},
        NormaliseCase{"RiskSuit", "Computer1", 0x0C02FF05, RiskSuitComputer1, 0x0B020B05},
        NormaliseCase{"RiskSuit", "Computer1", kMinusOne, RiskSuitComputer1, 0x0B0B0B0B},
        // The suit shown per seat: 0..3 per byte, byte 3 unused.
        NormaliseCase{"RiskSuit", "Suit", 0x05030201, RiskSuitChoice, 0x030201},
        NormaliseCase{"RiskSuit", "Suit", 0x00000409, RiskSuitChoice, 0},
        NormaliseCase{"Settings", "Safe", 9, SettingsSafe, 1},
        NormaliseCase{"Audio", "Volume", 16, AudioVolume, 15},
        NormaliseCase{"Audio", "Volume", kMinusOne, AudioVolume, 0},
        NormaliseCase{"Audio", "Sound", kMinusOne, AudioSound, -1},  // a bit word: as stored
        NormaliseCase{"RectMain", "Zoomed", 2, Zoomed, 1},
        NormaliseCase{"Game", "Face", kMinusOne, GameFace, 1},
        NormaliseCase{"Game", "Bypass", 3, GameBypass, 1},
        NormaliseCase{"Game", "MaxRounds", 0, MaxRounds, 1},
        NormaliseCase{"Game", "MaxRounds", kMinusOne, MaxRounds, 1},
        NormaliseCase{"Game", "MaxRounds", 0x7FFFFFFF, MaxRounds, 9999},
        NormaliseCase{"Game", "Mode", 4, MatchMode, 0},
        NormaliseCase{"Game", "Mode", kMinusOne, MatchMode, 0},
        NormaliseCase{"Actual", "Leader", 3, Leader, 0},
        NormaliseCase{"Actual", "Leader", kMinusOne, Leader, 0},
        NormaliseCase{"Actual", "Forehand", 7, Forehand, 0},
        NormaliseCase{"Actual", "Status", 3, RoundStatus, 0},
        // View/Player: bits 0-3 the state panel's seat, bits 4-7 the trick estimation's.
        NormaliseCase{"View", "Player", 0x12, ViewPlayer, 0x12},
        NormaliseCase{"View", "Player", 0x33, ViewPlayer, 0x02},
        NormaliseCase{"View", "Player", 0x101, ViewPlayer, 0x01},
        NormaliseCase{"View", "Player", kMinusOne, ViewPlayer, 0x02},
        NormaliseCase{"View", "CardBack", 32, CardBack, 10},
        NormaliseCase{"View", "CardBack", kMinusOne, CardBack, 10},
        NormaliseCase{"View", "CardBack", 0, CardBack, 0},
        NormaliseCase{"View", "CardFace", 10, CardFace, 0},
        NormaliseCase{"View", "ListScore", 4, ListScore, 1},
        NormaliseCase{"Print", "Orient", 0, PrintOrient, 1},
        NormaliseCase{"Print", "Orient", 3, PrintOrient, 1}));

TEST_F(ProfileOfAProgramTest, RoundNumbersSplitIntoLimitAndPlayed) {
    StartTheProgram();
    auto StoreRaw = [](const std::string& section, const std::string& key, std::uint32_t value) {
        platform::CurrentUserRegistry().Create(platform::ProfileKeyPath() + "\\" + section).SetNumber(key, value);
    };
    const struct {
        std::uint32_t stored;
        int limit, played;
    } cases[] = {{5002, 5, 2}, {7, 7, 7}, {0, 0, 0}, {1999999, 999, 999}, {kMinusOne, 0, 0}};
    for (const auto& c : cases) {
        StoreRaw("Actual", "BockNumber", c.stored);
        StoreRaw("Actual", "RamschNumber", c.stored);
        ReadProfile();
        EXPECT_EQ(g_Game.BockRounds, c.limit) << c.stored;
        EXPECT_EQ(g_Game.BockRound, c.played) << c.stored;
        EXPECT_EQ(g_Game.RamschRounds, c.limit) << c.stored;
        EXPECT_EQ(g_Game.RamschRound, c.played) << c.stored;
    }
    g_Game.BockRounds = 5;
    g_Game.BockRound = 2;
    g_Game.RamschRounds = 1200;  // capped at 999 to keep the packing
    g_Game.RamschRound = 3;
    WriteProfile();
    EXPECT_EQ(GetProfileInt("Actual", "BockNumber", -1), 5002);
    EXPECT_EQ(GetProfileInt("Actual", "RamschNumber", -1), 999003);
}

TEST_F(ProfileTest, ValuesOfTheWrongTypeLoadAsMissing) {
    Section("Delay").SetString("Bid", "fast");
    Section("View").SetString("CardBack", "31");
    StoreRaw("Names", "Person", 7);
    StoreRaw("Game", "SkmName", 1);
    ReadProfile();
    EXPECT_EQ(g_Settings.Delay.Bid, 1000);
    EXPECT_EQ(g_Settings.View.CardBack, 10);
    EXPECT_EQ(g_Profile.Names[2], "Person");
    EXPECT_EQ(g_Profile.SkmName, "cards~.skm");
    EXPECT_EQ(g_Profile.SksName, "cards~.sks");
}

TEST_F(ProfileTest, SupportStoredAsMinusOneKeepsTheFlagAndLoadingEndsASuspension) {
    const struct {
        std::uint32_t stored;
        int before, after;
    } cases[] = {{kMinusOne, 0, 0}, {kMinusOne, 1, 1}, {1, 0, 1}, {0, 1, 0}};
    for (const auto& c : cases) {
        StoreRaw("Options", "Support", c.stored);
        g_Settings.Options.Support = c.before;
        g_Settings.Options.SupportSuspended = 1;
        ReadProfile();
        EXPECT_EQ(g_Settings.Options.Support, c.after) << static_cast<int>(c.stored) << " over " << c.before;
        EXPECT_EQ(g_Settings.Options.SupportSuspended, 0);
    }
}

TEST_F(ProfileTest, SupportIsStoredAsItsEffectiveValue) {
    g_Settings.Options.Support = 1;
    g_Settings.Options.SupportSuspended = 1;
    WriteProfile();
    EXPECT_EQ(GetProfileInt("Options", "Support", -1), 0);
    g_Settings.Options.SupportSuspended = 0;
    WriteProfile();
    EXPECT_EQ(GetProfileInt("Options", "Support", -1), 1);
}

TEST_F(ProfileTest, StoredManipulationMarksCarryRecovered) {
    const struct {
        std::uint32_t stored;
        int maskBefore, changedBefore;
        int mask, changed;
    } cases[] = {
        {4, 0, 0, 4 | 2, 1},          // RECOVERED added
        {kMinusOne, 0, 1, 0, 0},      // -1 keeps the mask and clears the changed flag
        {kMinusOne, 8, 0, 8 | 2, 1},  // ... but a kept mask still gets RECOVERED
        {2, 2, 0, 2, 0},              // nothing changes
        {0, 0, 0, 0, 0},
        {0, 6, 0, 0, 1},              // the stored 0 replaces the mask
    };
    for (const auto& c : cases) {
        StoreRaw("Game", "Cheat", c.stored);
        g_Game.CheatMask = c.maskBefore;
        g_Game.CheatMaskChanged = static_cast<unsigned char>(c.changedBefore);
        ReadProfile();
        EXPECT_EQ(g_Game.CheatMask, c.mask) << static_cast<int>(c.stored) << " over " << c.maskBefore;
        EXPECT_EQ(g_Game.CheatMaskChanged, c.changed) << static_cast<int>(c.stored) << " over " << c.maskBefore;
    }
}

TEST_F(ProfileTest, FaceUpMarkIsDroppedUnlessTheCardsLieFaceUp) {
    const struct {
        int face, mask, stored, changed;
    } cases[] = {{0, 16 | 8, 8, 1}, {1, 16 | 8, 16 | 8, 0}, {0, 8, 8, 0}};
    for (const auto& c : cases) {
        g_Settings.Game.Face = c.face;
        g_Game.CheatMask = c.mask;
        g_Game.CheatMaskChanged = 0;
        WriteProfile();
        EXPECT_EQ(GetProfileInt("Game", "Cheat", -1), c.stored) << c.face << " " << c.mask;
        EXPECT_EQ(g_Game.CheatMask, c.stored);
        EXPECT_EQ(g_Game.CheatMaskChanged, c.changed);
    }
}

TEST_F(ProfileOfAProgramTest, TheRunningMatchIsStoredOnlyOnceTheStartUpHasReadItsList) {
    // No program has read a match list yet: the section keeps what it holds.
    WriteProfileInt("Actual", "Leader", 1);
    g_Game.Leader = 2;
    g_Game.Forehand = 2;
    g_Game.BockRounds = 4;
    WriteProfile();
    const platform::RegistryKey* actual =
        platform::CurrentUserRegistry().Find(platform::ProfileKeyPath() + "\\Actual");
    ASSERT_NE(actual, nullptr);
    EXPECT_EQ(actual->Values().size(), 1u) << "only the value that was there";
    EXPECT_EQ(GetProfileInt("Actual", "Leader", -1), 1);

    // The program starts on the stored match; its seats and rounds move on and are stored.
    StartTheProgram();
    EXPECT_EQ(g_Game.Leader, 1);
    g_Game.Leader = 2;
    g_Game.Forehand = 2;
    g_Game.BockRounds = 4;
    g_Game.BockRound = 0;
    WriteProfile();
    EXPECT_EQ(GetProfileInt("Actual", "Leader", -1), 2);
    EXPECT_EQ(GetProfileInt("Actual", "Forehand", -1), 2);
    EXPECT_EQ(GetProfileInt("Actual", "BockNumber", -1), 4000);
}

// A Bock round under way when the program closes is there again at the next start; a match the
// person aborts leaves the stored match as it was.
TEST_F(ProfileOfAProgramTest, APendingBockRoundSurvivesARestartUnlessTheMatchIsAborted) {
    for (const bool abort : {false, true}) {
        SCOPED_TRACE(abort ? "aborted" : "closed");
        app_.reset();
        ResetGlobals();
        WriteProfileInt("Variants", "Variant", 1);
        WriteProfileInt("Variants", "Extra", 3);
        WriteProfileInt("Actual", "Status", 1);
        WriteProfileInt("Actual", "BockNumber", 3001);
        WriteProfileInt("Actual", "BockCounter", 0);
        WriteProfileInt("Options", "Demo", 1);
        WriteProfileInt("Delay", "Switch", 0);
        StartTheProgram();
        ASSERT_EQ(g_Game.RoundStatus, 1);
        // One demonstration game of the round.
        SeedRand(4);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.GameCount == 1; }, 3600000));
        const int status = g_Game.RoundStatus, forehand = g_Game.Forehand, counter = g_Game.BockCounter;
        const int number = g_Game.BockRounds * 1000 + g_Game.BockRound;
        ASSERT_TRUE(forehand != 0 || counter != 0) << "the game moved the match on";
        // The end of the run: a close, or Match > Abort.
        host_->Answers().PushMessageBoxAnswer(IDYES);
        if (abort) Frame().SendMessage(WM_COMMAND, ID_ABORT_MATCH);
        else Frame().SendMessage(WM_CLOSE);
        host_->PumpUntilIdle();
        ASSERT_FALSE(Frame().IsAlive());
        app_.reset();
        if (abort) {
            EXPECT_EQ(GetProfileInt("Actual", "Status", -1), 1);
            EXPECT_EQ(GetProfileInt("Actual", "BockNumber", -1), 3001);
            EXPECT_EQ(GetProfileInt("Actual", "BockCounter", -1), 0);
            EXPECT_EQ(GetProfileInt("Actual", "Forehand", -1), -1);
            continue;
        }
        EXPECT_EQ(GetProfileInt("Actual", "Status", -1), status);
        EXPECT_EQ(GetProfileInt("Actual", "BockNumber", -1), number);
        EXPECT_EQ(GetProfileInt("Actual", "BockCounter", -1), counter);
        EXPECT_EQ(GetProfileInt("Actual", "Forehand", -1), forehand);
        // The next start finds the round where the last run left it.
        testsupport::ResetProgramState();
        StartTheProgram();
        EXPECT_EQ(g_Game.RoundStatus, status);
        EXPECT_EQ(g_Game.BockRounds * 1000 + g_Game.BockRound, number);
        EXPECT_EQ(g_Game.Forehand, forehand);
    }
}

TEST_F(ProfileTest, WritesTheFlowStateTheLogWindowAndNothingOfTheOtherOwners) {
    g_Game.FlowState = STATE_PLAY;
    WriteProfile();
    EXPECT_EQ(GetProfileInt("Game", "State", -1), STATE_PLAY);
    EXPECT_EQ(GetProfileInt("View", "LogList", -1), 0) << "no application, no log window";
    for (const char* key : {"Log", "LogDelete", "LogLevel", "LogLevelV"})
        EXPECT_EQ(GetProfileInt("View", key, -1), -1) << key;
    EXPECT_EQ(GetProfileInt("Help", "Topic", -1), -1);
    EXPECT_EQ(platform::CurrentUserRegistry().Find(platform::ProfileKeyPath() + "\\Paths"), nullptr);

    CSkatApp app;
    g_pApp = &app;
    app.LogWindowSink = [](const std::string&) {};
    WriteProfile();
    EXPECT_EQ(GetProfileInt("View", "LogList", -1), 1);
}

TEST_F(ProfileTest, NamesAreWrittenAsStrings) {
    g_Profile.Names[2] = "Jörg";
    WriteProfile();
    EXPECT_EQ(GetProfileString("Names", "Person", "?"), "Jörg");
    EXPECT_EQ(GetProfileString("Names", "Computer1", "?"), "Computer1");
    // A name is no number.
    EXPECT_EQ(GetProfileInt("Names", "Person", -1), -1);
}

TEST_F(ProfileTest, TheTraceLineNamesTheRuleSetAndTheMatchEnd) {
    testsupport::TempFolder temp;
    CSkatApp app;
    app.Log = 1;
    app.LogFilePath = temp.File("Kartovan+.log");
    std::vector<std::string> lines;
    app.LogWindowSink = [&lines](const std::string& line) { lines.push_back(line); };
    g_pApp = &app;

    const struct {
        std::uint32_t variant, mode;
        const char* text;
    } cases[] = {
        {0, 0, ":ReadProfile(variant:SKAT_RULE,termination:GAME_NUMBER:maxRounds:12)"},
        {1, 1, ":ReadProfile(variant:SKAT_VARIANT,termination:GAME_DURATION:maxTime:1800)"},
        {2, 2, ":ReadProfile(variant:SKAT_RAMSCH,termination:GAME_BIERLACHS:maxCredit:501)"},
        {2, 3, ":ReadProfile(variant:SKAT_RAMSCH,termination:GAME_INFINITE)"},
        {9, 9, ":ReadProfile(variant:SKAT_RULE,termination:GAME_NUMBER:maxRounds:12)"},  // fallbacks
    };
    for (const auto& c : cases) {
        StoreRaw("Variants", "Variant", c.variant);
        StoreRaw("Game", "Mode", c.mode);
        lines.clear();
        ReadProfile();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_NE(lines[0].find(c.text), std::string::npos) << lines[0];
    }
    lines.clear();
    WriteProfile();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(":WriteProfile()"), std::string::npos) << lines[0];
}

TEST(StoredDealNameTest, StemOfTheMatchListNamePlusSks) {
    const struct {
        const char* skm;
        const char* sks;
    } cases[] = {
        {"Club.skm", "Club.sks"},
        {"/home/u/matches/Club.skm", "Club.sks"},
        {"C:\\matches\\Club.skm", "Club.sks"},
        {"a.b.skm", "a.b.sks"},
        {"Club", "Club.sks"},
        {"cards~.skm", "cards~.sks"},
        {"/work/cards~.skm", "cards~.sks"},
        {"", "cards~.sks"},
        {".skm", "cards~.sks"},
    };
    for (const auto& c : cases) EXPECT_EQ(StoredDealName(c.skm), c.sks) << c.skm;
}

TEST_F(ProfileTest, LoadingTheMatchListNameSetsTheStoredDealName) {
    WriteProfileString("Game", "SkmName", "/home/u/Club.skm");
    ReadProfile();
    EXPECT_EQ(g_Profile.SksName, "Club.sks");
}

TEST_F(ProfileTest, PathsDefaultToTheProgramAndPerUserFolders) {
    testsupport::TempFolder temp;
    testsupport::ScopedEnvironment data("XDG_DATA_HOME", temp.Folder() + "data");
    ReadProfilePaths();
    EXPECT_EQ(g_Profile.Inst, platform::ProgramFolder());
    EXPECT_EQ(g_Profile.Work, platform::WorkFolder());
    EXPECT_EQ(g_Profile.Desk, platform::DesktopFolder());
    EXPECT_EQ(g_Profile.Start, "");
    EXPECT_EQ(g_Profile.ImagesFolder, platform::WorkFolder() + "Images/");
    EXPECT_EQ(g_Profile.Work.rfind(temp.Folder(), 0), 0u) << "the work folder is the user's";

    WriteProfileString("Paths", "Work", "/srv/kartovan");
    WriteProfileString("Paths", "Desk", "/home/u/Desktop/");
    WriteProfileString("Paths", "Inst", "/opt/kartovan/");
    ReadProfilePaths();
    EXPECT_EQ(g_Profile.Work, "/srv/kartovan/");
    EXPECT_EQ(g_Profile.Desk, "/home/u/Desktop/");
    EXPECT_EQ(g_Profile.Inst, "/opt/kartovan/");
    EXPECT_EQ(g_Profile.ImagesFolder, "/srv/kartovan/Images/");

    ReadProfile();
    EXPECT_EQ(g_Profile.Image.ImageComputer1, "/srv/kartovan/Images/Corvin.bmp");
}

TEST_F(ProfileTest, SeatNamesGoToTheCardRows) {
    WriteProfileString("Names", "Computer2", "Bernd");
    ReadProfile();
    CSkat skat;
    NameCardRows(skat);
    EXPECT_EQ(skat.name, "Skat");
    EXPECT_EQ(skat.Hand(0).name, "Computer1");
    EXPECT_EQ(skat.Hand(1).name, "Bernd");
    EXPECT_EQ(skat.Hand(2).name, "Person");
}

TEST_F(ProfileTest, MenuCheckMarksFollowTheSettings) {
    g_Game.DemoMode = 1;
    g_Settings.Options.Suggest = 0;
    g_Settings.Options.Support = 1;
    g_Settings.Options.SupportSuspended = 1;
    g_Settings.View.ListTrickEstimation = 1;
    std::vector<int> checked;
    for (const ProfileMenuCheck& check : ProfileMenuChecks())
        if (check.Checked) checked.push_back(check.Command);
    // Demo, Drag off, Continue and Count on by default, Support suspended, trick estimation.
    EXPECT_EQ(checked, (std::vector<int>{32824, 32829, 32935, 32869}));
    EXPECT_EQ(ProfileMenuChecks().size(), 16u);
}

TEST(HelpTopicPageTest, PagesAndRuleAnchors) {
    EXPECT_EQ(HelpTopicPage(0), "");
    EXPECT_EQ(HelpTopicPage(1), "::/Anleitung/Spielanleitung.htm");
    EXPECT_EQ(HelpTopicPage(2), "::/Bedienung/Programmbedienung.htm");
    EXPECT_EQ(HelpTopicPage(3), "::/Lexikon/Glossar.htm");
    EXPECT_EQ(HelpTopicPage(4), "::/Bedienung/Tastatur.htm#help");
    EXPECT_EQ(HelpTopicPage(7), "::/Lexikon/RegelnReizen.htm#7");
}

}  // namespace

namespace {

// Every number of the profile stored just outside its range, and at both ends of an int: each
// loads inside the range its table gives, the values the dialogs allow among them.
TEST_F(ProfileTest, EveryNumberLoadsIntoItsRangeWhateverIsStored) {
    const std::vector<SettingRange> ranges = ProfileNumberRanges();
    const auto below = [](const SettingRange& r) { return r.Low == INT_MIN ? INT_MIN : r.Low - 1; };
    const auto above = [](const SettingRange& r) { return r.High == INT_MAX ? INT_MAX : r.High + 1; };
    const struct {
        const char* name;
        std::function<int(const SettingRange&)> value;
    } stored[] = {
        {"minimum - 1", below},
        {"maximum + 1", above},
        {"2^31 - 1", [](const SettingRange&) { return INT_MAX; }},
        {"-2^31", [](const SettingRange&) { return INT_MIN; }},
    };
    for (const auto& s : stored) {
        platform::CurrentUserRegistry().Clear();
        for (const SettingRange& r : ranges) WriteProfileInt(r.Section.c_str(), r.Key.c_str(), s.value(r));
        for (const char* key : {"BockNumber", "RamschNumber"})
            WriteProfileInt("Actual", key, s.value({"", "", 0, 999999, nullptr}));
        ReadProfile();
        for (const SettingRange& r : ranges) {
            int value = r.Low;
            ASSERT_TRUE(NormaliseSettingValue(r.Section.c_str(), r.Key.c_str(), value)) << r.Section << "/" << r.Key;
            ASSERT_NE(r.Value, nullptr);
            const int loaded = *r.Value;
            EXPECT_GE(loaded, r.Low) << s.name << " " << r.Section << "/" << r.Key;
            EXPECT_LE(loaded, r.High) << s.name << " " << r.Section << "/" << r.Key;
        }
        // The sums the program makes of them stay ints.
        const CSettings& set = g_Settings;
        EXPECT_LE(std::int64_t{set.Game.MaxTime} - set.Game.CountDown, INT_MAX) << s.name;
        EXPECT_LE(std::int64_t{3} * set.Game.MaxRounds, INT_MAX) << s.name;
        EXPECT_LE(g_Game.BockCounter + 1, 3) << s.name;
        EXPECT_LE(g_Game.BockRounds, 999) << s.name;
        for (int delay : {set.Delay.Bid, set.Delay.Answer, set.Delay.Show, set.Delay.Continue, set.Delay.Demo,
                          set.Delay.Deal, set.Delay.Play, set.Delay.Order, set.Delay.Swap, set.Delay.Switch}) {
            EXPECT_GE(delay, 0) << s.name;
            EXPECT_LE(delay, 99999) << s.name;
        }
    }
}

// A match file's trailer brings the same ranges.
TEST_F(ProfileTest, AMatchFilesSettingsLoadIntoTheSameRanges) {
    ListSettings settings;
    for (std::int32_t& word : settings.Words) word = INT_MAX;
    TakeListSettings(settings, nullptr);
    const CSettings& set = g_Settings;
    const struct {
        const char* name;
        int value, low, high;
    } cases[] = {
        {"Delay/Deal", set.Delay.Deal, 0, 99999},       {"Delay/Bid", set.Delay.Bid, 0, 99999},
        {"Delay/Swap", set.Delay.Swap, 0, 99999},       {"Game/MaxTime", set.Game.MaxTime, 60, 99999 * 60},
        {"Game/MaxCredit", set.Game.MaxCredit, 1, 99999}, {"Actual/BockCounter", g_Game.BockCounter, 0, 2},
        {"Actual/BockRounds", g_Game.BockRounds, 0, 999}, {"Actual/RamschRound", g_Game.RamschRound, 0, 999},
        {"Variants/IfExtra", set.Variants.IfExtra, 0, 63},
    };
    for (const auto& c : cases) {
        EXPECT_GE(c.value, c.low) << c.name;
        EXPECT_LE(c.value, c.high) << c.name;
    }
}

// A relative work folder lies in the program's folder, not where the program was started from.
TEST_F(ProfileTest, ARelativeWorkFolderLiesInTheProgramsFolder) {
    const struct {
        const char* stored;
        std::string work;
    } cases[] = {
        {"Skat", platform::ProgramFolder() + "Skat/"},
        {"daten/skat/", platform::ProgramFolder() + "daten/skat/"},
        {"./x", platform::ProgramFolder() + "./x/"},
        {"/srv/skat", "/srv/skat/"},
    };
    for (const auto& c : cases) {
        WriteProfileString("Paths", "Work", c.stored);
        ReadProfilePaths();
        EXPECT_EQ(g_Profile.Work, c.work) << c.stored;
        EXPECT_EQ(g_Profile.ImagesFolder, c.work + "Images/") << c.stored;
    }
}

// A side window's stored place: far outside the screen is brought to its edge, so its sums hold.
TEST_F(ProfileTest, ASideWindowsStoredPlaceIsAScreenCoordinate) {
    for (int stored : {INT_MAX, INT_MIN, 40000, -40000, 600}) {
        WriteProfileInt("RectAnnotation", "Left", stored);
        const int left = ReadProfileNumber("RectAnnotation", "Left", 0);
        EXPECT_EQ(left, std::clamp(stored, -kScreenCoordinateMax, kScreenCoordinateMax)) << stored;
    }
}

}  // namespace
