#include "match/Profile.h"

#include "computer/evaluation/ComputerState.h"
#include "match/ProfileServices.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Rounds.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Folders.h"
#include "platform/core/Registry.h"
#include "resources/CommandIds.h"

#include <algorithm>
#include <climits>
#include <span>
#include <string_view>

CProfile g_Profile;
ProfileShellServices g_ProfileShell;

namespace {

// Manipulation marks the profile touches.
constexpr int kMarkRecovered = 2;
constexpr int kMarkFaceUp = 16;

// How a stored number becomes the setting.
enum class Rule {
    AsStored,
    Flag,         // 1 when not 0
    NonNegative,  // below 0 becomes 0
    Clamp,        // held to Low..High
    Range,        // Low..High kept, anything else becomes Fallback
    Support,      // -1 leaves the flag as it is
    Cheat,        // -1 leaves the mask as it is; see LoadCheatMask
    PlayerWord,   // two seats, bits 0-3 and 4-7
    SuitRisks,    // one risk 0..11 per suit byte
    SuitChoice,   // one suit 0..3 per seat byte
};

struct IntKey {
    const char* Section;
    const char* Key;
    int* Value;
    int Default;
    Rule Load = Rule::AsStored;
    int Low = 0, High = 0, Fallback = 0;
};

constexpr int kRiskDefault = 4;
// The ranges the settings dialogs allow (a delay 0-99999, a match of 1-99999 minutes and of a
// credit of 1-99999), and the counters of a Bock round: with them no sum or product of settings
// can overflow.
constexpr int kDelayMax = 99999;
constexpr int kMaxTimeLow = 60, kMaxTimeHigh = 99999 * 60;
constexpr int kCreditMax = 99999;
constexpr int kRoundNumberMax = 999;
constexpr int kRiskOff = 11;

// A byte-per-field word with each of its first `fields` bytes passed through fix; bytes beyond
// them are dropped.
template <typename Fix>
int MapBytes(int word, int fields, Fix fix) {
    const auto bits = static_cast<unsigned>(word);
    unsigned result = 0;
    for (int i = 0; i < fields; ++i) {
        const int byte = static_cast<int>((bits >> (8 * i)) & 0xFFu);
        result |= static_cast<unsigned>(fix(byte)) << (8 * i);
    }
    return static_cast<int>(result);
}

int SeatOr(int value, int fallback) { return value >= 0 && value <= 2 ? value : fallback; }

int Normalise(const IntKey& key, int stored) {
    switch (key.Load) {
        case Rule::AsStored: return stored;
        case Rule::Flag: return stored != 0 ? 1 : 0;
        case Rule::NonNegative: return std::max(stored, 0);
        case Rule::Clamp: return std::clamp(stored, key.Low, key.High);
        case Rule::Range: return stored >= key.Low && stored <= key.High ? stored : key.Fallback;
        case Rule::SuitRisks:
            return MapBytes(stored, 4, [](int risk) { return std::min(risk, kRiskOff); });
        case Rule::SuitChoice:
            return MapBytes(stored, 3, [](int suit) { return suit <= 3 ? suit : 0; });
        case Rule::PlayerWord: {
            // Each half is a seat; one out of range goes back to its default (2 and 0).
            const int panel = SeatOr(stored & 0xF, 2);
            const int estimation = SeatOr((stored >> 4) & 0xF, 0);
            return panel | (estimation << 4);
        }
        case Rule::Support:
        case Rule::Cheat: break;  // handled by the loader
    }
    return stored;
}

void LoadCheatMask(int stored) {
    CGameState& g = g_Game;
    if (stored == -1) {
        g.CheatMaskChanged = 0;
        return;
    }
    if (stored != g.CheatMask) g.CheatMaskChanged = 1;
    g.CheatMask = stored;
}

void LoadKey(const IntKey& key) {
    const int stored = GetProfileInt(key.Section, key.Key, key.Default);
    switch (key.Load) {
        case Rule::Support:
            if (stored != -1) *key.Value = stored;
            g_Settings.Options.SupportSuspended = 0;
            break;
        case Rule::Cheat: LoadCheatMask(stored); break;
        default: *key.Value = Normalise(key, stored); break;
    }
}

void StoreKey(const IntKey& key) {
    const int value = key.Load == Rule::Support ? g_Settings.Options.EffectiveSupport() : *key.Value;
    WriteProfileInt(key.Section, key.Key, value);
}

// The number settings by section, in the order ReadProfile reads them, grouped as it reads them
// between the texts. The defaults of g_Settings, g_Game and g_Profile are their records' initial
// values; the risks' are the profile's own (g_Risk.Reset is a neutral test default).
struct IntKeyTables {
    std::vector<IntKey> Rules, Options, Players, ImageShows, Game, Actual, Rounds, View, Print;
};

// The records the number settings are read into, and their defaults; the tables of the sections
// point into them.
struct KeyRecords {
    using enum Rule;

    CSettings& s = g_Settings;
    CGameState& g = g_Game;
    CProfile& p = g_Profile;
    const CSettings ds;
    const CGameState dg;
    const CProfile dp;

    std::vector<IntKey> RuleKeys() const;
    std::vector<IntKey> OptionKeys() const;
    std::vector<IntKey> DelayKeys() const;
    std::vector<IntKey> RiskKeys() const;
    std::vector<IntKey> SettingsAudioAndWindowKeys() const;
    std::vector<IntKey> PlayerKeys() const;
    std::vector<IntKey> ImageShowKeys() const;
    std::vector<IntKey> GameKeys() const;
    std::vector<IntKey> ActualKeys() const;
    std::vector<IntKey> RoundKeys() const;
    std::vector<IntKey> ViewKeys() const;
    std::vector<IntKey> PrintKeys() const;
};

// The rule variants and the Ramsch settings.
std::vector<IntKey> KeyRecords::RuleKeys() const {
    return {
        {"Variants", "Variant", &g.VariantMode, dg.VariantMode, Range, 0, 2, dg.VariantMode},
        {"Variants", "Kontra", &s.Variants.Kontra, ds.Variants.Kontra, Flag},
        {"Variants", "Ramsch", &s.Variants.Ramsch, ds.Variants.Ramsch, Flag},
        {"Variants", "PassOn", &s.Variants.PassOn, ds.Variants.PassOn, Flag},
        {"Variants", "GrandHand", &s.Variants.GrandHand, ds.Variants.GrandHand, Flag},
        {"Variants", "Revolution", &s.Variants.Revolution, ds.Variants.Revolution, Flag},
        {"Variants", "Schneider", &s.Variants.Schneider, ds.Variants.Schneider, Flag},
        {"Variants", "Ouvert", &s.Variants.Ouvert, ds.Variants.Ouvert, Range, 0, 2, 3},
        {"Variants", "RamschStock", &s.Variants.RamschStock, ds.Variants.RamschStock, Flag},
        {"Variants", "NullOuvert", &s.Variants.NullOuvert, ds.Variants.NullOuvert, Flag},
        {"Variants", "Hand", &s.Variants.Hand, ds.Variants.Hand, Flag},
        {"Variants", "Extra", &s.Variants.Extra, ds.Variants.Extra, Range, 1, 3, 0},
        {"Variants", "IfExtra", &s.Variants.IfExtra, ds.Variants.IfExtra, Clamp, 0, 63},
        {"Ramsch", "EvalMode", &s.Ramsch.EvalMode, ds.Ramsch.EvalMode, Flag},
        {"Ramsch", "Scale", &s.Ramsch.Scale, ds.Ramsch.Scale, Range, 0, 2, ds.Ramsch.Scale},
        {"Ramsch", "Game", &s.Ramsch.Game, ds.Ramsch.Game, Clamp, 1, 120},
        {"Ramsch", "PassOn", &s.Ramsch.PassOn, ds.Ramsch.PassOn, Clamp, 1, 120},
        {"Ramsch", "Jungfrau", &s.Ramsch.Jungfrau, ds.Ramsch.Jungfrau, Clamp, 1, 120},
        {"Ramsch", "Durchmarsch", &s.Ramsch.Durchmarsch, ds.Ramsch.Durchmarsch, Clamp, 1, 120},
    };
}

std::vector<IntKey> KeyRecords::OptionKeys() const {
    return {
        {"Options", "Demo", &g.DemoMode, dg.DemoMode, Flag},
        {"Options", "Suggest", &s.Options.Suggest, ds.Options.Suggest, Flag},
        {"Options", "Drag", &s.Options.Drag, ds.Options.Drag, Flag},
        {"Options", "Continue", &s.Options.Continue, ds.Options.Continue, Flag},
        {"Options", "Count", &s.Options.Count, ds.Options.Count, Flag},
        {"Options", "Support", &s.Options.Support, ds.Options.Support, Support},
    };
}

std::vector<IntKey> KeyRecords::DelayKeys() const {
    return {
        {"Delay", "Bid", &s.Delay.Bid, ds.Delay.Bid, Clamp, 0, kDelayMax},
        {"Delay", "Answer", &s.Delay.Answer, ds.Delay.Answer, Clamp, 0, kDelayMax},
        {"Delay", "Show", &s.Delay.Show, ds.Delay.Show, Clamp, 0, kDelayMax},
        {"Delay", "Continue", &s.Delay.Continue, ds.Delay.Continue, Clamp, 0, kDelayMax},
        {"Delay", "Demo", &s.Delay.Demo, ds.Delay.Demo, Clamp, 0, kDelayMax},
        {"Delay", "Deal", &s.Delay.Deal, ds.Delay.Deal, Clamp, 0, kDelayMax},
        {"Delay", "Play", &s.Delay.Play, ds.Delay.Play, Clamp, 0, kDelayMax},
        {"Delay", "Order", &s.Delay.Order, ds.Delay.Order, Clamp, 0, kDelayMax},
        {"Delay", "Swap", &s.Delay.Swap, ds.Delay.Swap, Clamp, 0, kDelayMax},
        {"Delay", "Switch", &s.Delay.Switch, ds.Delay.Switch, Clamp, 0, kDelayMax},
    };
}

// The computers' risks by seat, and the suit each seat's suit risk names.
std::vector<IntKey> KeyRecords::RiskKeys() const {
    std::vector<IntKey> keys;
    const char* const seatKeys[3] = {"Computer1", "Computer2", "Person"};
    // A fresh profile has suit risk 4 for Clubs only at seats 0 and 2, but for Clubs, Spades and
    // Hearts at seat 1: the stored defaults are 4, 0x40404 and 4.
    const int suitRiskDefaults[3] = {kRiskDefault, 0x40404, kRiskDefault};
    for (int seat = 0; seat < 3; ++seat)
        keys.push_back({"RiskGrand", seatKeys[seat], &g_Risk.RiskGrand[seat], kRiskDefault, Clamp, 0, kRiskOff});
    for (int seat = 0; seat < 3; ++seat)
        keys.push_back({"RiskSuit", seatKeys[seat], &g_Risk.RiskSuit[seat], suitRiskDefaults[seat], SuitRisks});
    keys.push_back({"RiskSuit", "Suit", &s.RiskSuit.Suit, ds.RiskSuit.Suit, SuitChoice});
    for (int seat = 0; seat < 3; ++seat)
        keys.push_back({"RiskNull", seatKeys[seat], &g_Risk.RiskNull[seat], kRiskDefault, Clamp, 0, kRiskOff});
    return keys;
}

// The settings switches, the sound and the main window's place.
std::vector<IntKey> KeyRecords::SettingsAudioAndWindowKeys() const {
    return {
        {"Settings", "Annotate", &s.Settings.Annotate, ds.Settings.Annotate, Flag},
        {"Settings", "Deal", &s.Settings.Deal, ds.Settings.Deal, Flag},
        {"Settings", "Zoom", &s.Settings.Zoom, ds.Settings.Zoom, Flag},
        {"Settings", "Last", &s.Settings.Last, ds.Settings.Last, Flag},
        {"Settings", "Safe", &s.Settings.Safe, ds.Settings.Safe, Flag},
        {"Settings", "Abandon", &s.Settings.Abandon, ds.Settings.Abandon, Flag},
        {"Settings", "Balloon", &s.Settings.Balloon, ds.Settings.Balloon, Flag},
        {"Settings", "Score", &s.Settings.Score, ds.Settings.Score, Flag},
        {"Settings", "Rule", &s.Settings.Rule, ds.Settings.Rule, Flag},
        {"Settings", "Suggest", &s.Settings.Suggest, ds.Settings.Suggest, Flag},
        {"Audio", "Sound", &s.Audio.Sound, ds.Audio.Sound},
        {"Audio", "Voice", &s.Audio.Voice, ds.Audio.Voice},
        {"Audio", "Volume", &s.Audio.Volume, ds.Audio.Volume, Clamp, 0, 15},
        {"RectMain", "Left", &p.RectMain.Left, dp.RectMain.Left},
        {"RectMain", "Right", &p.RectMain.Right, dp.RectMain.Right},
        {"RectMain", "Top", &p.RectMain.Top, dp.RectMain.Top},
        {"RectMain", "Bottom", &p.RectMain.Bottom, dp.RectMain.Bottom},
        {"RectMain", "Zoomed", &p.RectMain.Zoomed, dp.RectMain.Zoomed, Flag},
    };
}

// The players' settings: the delays, the risks, then the switches, sound and window.
std::vector<IntKey> KeyRecords::PlayerKeys() const {
    std::vector<IntKey> keys = DelayKeys();
    const std::vector<IntKey> risks = RiskKeys();
    keys.insert(keys.end(), risks.begin(), risks.end());
    const std::vector<IntKey> rest = SettingsAudioAndWindowKeys();
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

std::vector<IntKey> KeyRecords::ImageShowKeys() const {
    return {
        {"Image", "ShowComputer1", &p.Image.ShowComputer1, dp.Image.ShowComputer1, Flag},
        {"Image", "ShowComputer2", &p.Image.ShowComputer2, dp.Image.ShowComputer2, Flag},
        {"Image", "ShowPerson1", &p.Image.ShowPerson1, dp.Image.ShowPerson1, Flag},
        {"Image", "ShowPerson2", &p.Image.ShowPerson2, dp.Image.ShowPerson2, Flag},
    };
}

std::vector<IntKey> KeyRecords::GameKeys() const {
    return {
        {"Game", "Cond", &p.Cond, dp.Cond},
        {"Game", "Bypass", &s.Game.Bypass, ds.Game.Bypass, Flag},
        {"Game", "Face", &s.Game.Face, ds.Game.Face, Flag},
        {"Game", "Cheat", &g.CheatMask, dg.CheatMask, Cheat},
        {"Game", "Level", &s.Game.Level, ds.Game.Level},
        // 3 x MaxRounds games must stay a number.
        {"Game", "MaxRounds", &s.Game.MaxRounds, ds.Game.MaxRounds, Clamp, 1, 9999},
        {"Game", "MaxTime", &s.Game.MaxTime, ds.Game.MaxTime, Clamp, kMaxTimeLow, kMaxTimeHigh},
        {"Game", "MaxCredit", &s.Game.MaxCredit, ds.Game.MaxCredit, Clamp, 1, kCreditMax},
        {"Game", "Mode", &g.MatchMode, dg.MatchMode, Range, 0, 3, dg.MatchMode},
        // The time left may run below zero by the game that outlasts the match.
        {"Game", "CountDown", &s.Game.CountDown, ds.Game.CountDown, Clamp, -kMaxTimeHigh, kMaxTimeHigh},
    };
}

// Status, BockCounter, BockNumber and RamschNumber are read by ReadRoundCounters and brought
// into range by the Rounds table; a match file's trailer carries the round numbers split.
std::vector<IntKey> KeyRecords::ActualKeys() const {
    return {
        {"Actual", "Leader", &g.Leader, dg.Leader, Range, 0, 2, dg.Leader},
        {"Actual", "Forehand", &g.Forehand, dg.Forehand, Range, 0, 2, dg.Forehand},
    };
}

std::vector<IntKey> KeyRecords::RoundKeys() const {
    return {
        {"Actual", "Status", &g.RoundStatus, dg.RoundStatus, Range, 0, 2, 0},
        // Games played of the Bock round's three.
        {"Actual", "BockCounter", &g.BockCounter, dg.BockCounter, Clamp, 0, 2},
        {"Actual", "BockRound", &g.BockRound, dg.BockRound, Clamp, 0, kRoundNumberMax},
        {"Actual", "BockRounds", &g.BockRounds, dg.BockRounds, Clamp, 0, kRoundNumberMax},
        {"Actual", "RamschRound", &g.RamschRound, dg.RamschRound, Clamp, 0, kRoundNumberMax},
        {"Actual", "RamschRounds", &g.RamschRounds, dg.RamschRounds, Clamp, 0, kRoundNumberMax},
    };
}

std::vector<IntKey> KeyRecords::ViewKeys() const {
    return {
        {"View", "Player", &s.View.Player, ds.View.Player, PlayerWord},
        {"View", "CardBack", &s.View.CardBack, ds.View.CardBack, Range, 0, 31, ds.View.CardBack},
        {"View", "CardFace", &s.View.CardFace, ds.View.CardFace, Range, 0, 9, ds.View.CardFace},
        {"View", "SortMode", &s.View.SortMode, ds.View.SortMode},
        {"View", "ListAnnotation", &s.View.ListAnnotation, ds.View.ListAnnotation, Flag},
        {"View", "ListData", &s.View.ListData, ds.View.ListData, Flag},
        {"View", "ListGameValue", &s.View.ListGameValue, ds.View.ListGameValue, Flag},
        {"View", "ListLegend", &s.View.ListLegend, ds.View.ListLegend, Flag},
        {"View", "ListState", &s.View.ListState, ds.View.ListState, Flag},
        {"View", "ListCardStatistics", &s.View.ListCardStatistics, ds.View.ListCardStatistics, Flag},
        {"View", "ListGameStatistics", &s.View.ListGameStatistics, ds.View.ListGameStatistics, Flag},
        {"View", "ListScore", &s.View.ListScore, ds.View.ListScore, Flag},
        {"View", "ListStore", &s.View.ListStore, ds.View.ListStore, Flag},
        {"View", "ListTrickEstimation", &s.View.ListTrickEstimation, ds.View.ListTrickEstimation, Flag},
    };
}

std::vector<IntKey> KeyRecords::PrintKeys() const {
    return {
        {"Print", "Orient", &s.Print.Orient, ds.Print.Orient, Range, 1, 2, ds.Print.Orient},
    };
}

IntKeyTables BuildTables() {
    const KeyRecords records;
    IntKeyTables t;
    t.Rules = records.RuleKeys();
    t.Options = records.OptionKeys();
    t.Players = records.PlayerKeys();
    t.ImageShows = records.ImageShowKeys();
    t.Game = records.GameKeys();
    t.Actual = records.ActualKeys();
    t.Rounds = records.RoundKeys();
    t.View = records.ViewKeys();
    t.Print = records.PrintKeys();
    return t;
}

void LoadKeys(std::span<const IntKey> keys) {
    for (const IntKey& key : keys) LoadKey(key);
}

void StoreKeys(std::span<const IntKey> keys) {
    for (const IntKey& key : keys) StoreKey(key);
}

const char* const kNameKeys[3] = {"Computer1", "Computer2", "Person"};

struct StringKey {
    const char* Section;
    const char* Key;
    std::string* Value;
    std::string Default;
};

// The portrait paths; their defaults lie in the images folder.
std::vector<StringKey> ImagePaths() {
    PortraitSettings& i = g_Profile.Image;
    const std::string& folder = g_Profile.ImagesFolder;
    return {{"Image", "ImageComputer1", &i.ImageComputer1, folder + "Corvin.bmp"},
            {"Image", "ImageComputer2", &i.ImageComputer2, folder + "Pimmie.bmp"},
            {"Image", "ImagePerson1", &i.ImagePerson1, folder + "Tobb.bmp"},
            {"Image", "ImagePerson2", &i.ImagePerson2, folder + "Tobb.bmp"}};
}

std::vector<StringKey> GameFiles() {
    CProfile& p = g_Profile;
    const CProfile d;
    return {{"Game", "SkmFile", &p.SkmFile, d.SkmFile},
            {"Game", "SktFile", &p.SktFile, d.SktFile},
            {"Game", "SkmName", &p.SkmName, d.SkmName},
            {"Game", "SktName", &p.SktName, d.SktName}};
}

void LoadStrings(const std::vector<StringKey>& keys) {
    for (const StringKey& key : keys) *key.Value = GetProfileString(key.Section, key.Key, key.Default);
}

void StoreStrings(const std::vector<StringKey>& keys) {
    for (const StringKey& key : keys) WriteProfileString(key.Section, key.Key, *key.Value);
}

std::string VariantText(int variant) {
    if (variant == 0) return "SKAT_RULE";
    if (variant == 1) return "SKAT_VARIANT";
    return "SKAT_RAMSCH";
}

std::string TerminationText() {
    switch (g_Game.MatchMode) {
        case 0: return "GAME_NUMBER:maxRounds:" + std::to_string(g_Settings.Game.MaxRounds);
        case 1: return "GAME_DURATION:maxTime:" + std::to_string(g_Settings.Game.MaxTime);
        case 2: return "GAME_BIERLACHS:maxCredit:" + std::to_string(g_Settings.Game.MaxCredit);
        default: return "GAME_INFINITE";
    }
}

// A folder value as the program appends file names to it.
std::string AsFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

bool NormaliseSettingValue(const char* section, const char* key, int& value) {
    const IntKeyTables tables = BuildTables();
    for (const std::vector<IntKey>* group : {&tables.Rules, &tables.Options, &tables.Players, &tables.ImageShows,
                                             &tables.Game, &tables.Actual, &tables.Rounds, &tables.View,
                                             &tables.Print}) {
        for (const IntKey& entry : *group) {
            if (std::string_view(entry.Section) != section || std::string_view(entry.Key) != key) continue;
            if (entry.Load == Rule::Support) value = value == -1 ? *entry.Value : value;
            else if (entry.Load != Rule::Cheat) value = Normalise(entry, value);
            return true;
        }
    }
    return false;
}

std::vector<SettingRange> ProfileNumberRanges() {
    const IntKeyTables tables = BuildTables();
    std::vector<SettingRange> ranges;
    for (const std::vector<IntKey>* group : {&tables.Rules, &tables.Options, &tables.Players, &tables.ImageShows,
                                             &tables.Game, &tables.Actual, &tables.Rounds, &tables.View,
                                             &tables.Print}) {
        for (const IntKey& key : *group) {
            SettingRange range{key.Section, key.Key, INT_MIN, INT_MAX, key.Value};
            switch (key.Load) {
                case Rule::Flag: range.Low = 0, range.High = 1; break;
                case Rule::NonNegative: range.Low = 0; break;
                case Rule::Clamp: range.Low = key.Low, range.High = key.High; break;
                case Rule::Range:
                    range.Low = std::min(key.Low, key.Fallback), range.High = std::max(key.High, key.Fallback);
                    break;
                case Rule::PlayerWord: range.Low = 0, range.High = 0xFF; break;
                case Rule::SuitRisks: range.Low = 0, range.High = 0x0B0B0B0B; break;
                case Rule::SuitChoice: range.Low = 0, range.High = 0x030303; break;
                default: break;
            }
            ranges.push_back(range);
        }
    }
    return ranges;
}

int ReadProfileNumber(const char* section, const char* key, int defaultValue) {
    int value = GetProfileInt(section, key, defaultValue);
    if (NormaliseSettingValue(section, key, value)) return value;
    // A side window's place: a screen coordinate, far from where sums of it could overflow.
    const std::string_view name(key);
    if (std::string_view(section).starts_with("Rect") &&
        (name == "Left" || name == "Top" || name == "Right" || name == "Bottom"))
        value = std::clamp(value, -kScreenCoordinateMax, kScreenCoordinateMax);
    return value;
}

void ReadProfilePaths() {
    CProfile& p = g_Profile;
    p.Inst = AsFolder(GetProfileString("Paths", "Inst"));
    p.Desk = AsFolder(GetProfileString("Paths", "Desk"));
    p.Start = AsFolder(GetProfileString("Paths", "Start"));
    p.Work = AsFolder(GetProfileString("Paths", "Work"));
    if (p.Inst.empty()) p.Inst = platform::ProgramFolder();
    if (p.Work.empty()) p.Work = platform::WorkFolder();
    // A relative work folder lies in the program's folder, wherever the program was started from.
    else if (p.Work.front() != '/') p.Work = platform::ProgramFolder() + p.Work;
    if (p.Desk.empty()) p.Desk = platform::DesktopFolder();
    p.ImagesFolder = p.Work + "Images/";
}

std::string PortraitSettings::File(int place) const {
    switch (place) {
        case 0: return ImageComputer1;
        case 1: return ImageComputer2;
        case 2: return ImagePerson1;
        case 3: return ImagePerson2;
        default: return {};
    }
}

bool PortraitSettings::Shown(int place) const {
    switch (place) {
        case 0: return ShowComputer1 != 0;
        case 1: return ShowComputer2 != 0;
        case 2: return ShowPerson1 != 0;
        case 3: return ShowPerson2 != 0;
        default: return false;
    }
}

std::string StoredDealName(const std::string& skmName) {
    const std::size_t slash = skmName.find_last_of("/\\");
    std::string stem = slash == std::string::npos ? skmName : skmName.substr(slash + 1);
    const std::size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos) stem.erase(dot);
    if (stem.empty() || stem == "cards~") return "cards~.sks";
    return stem + ".sks";
}

void ReadProfile() {
    CProfile& p = g_Profile;
    const IntKeyTables tables = BuildTables();

    // The rules and the seat names (the default portraits come with ImagePaths).
    LoadKeys(tables.Rules);
    const CProfile defaults;
    for (int seat = 0; seat < 3; ++seat)
        p.Names[seat] = GetProfileString("Names", kNameKeys[seat], defaults.Names[seat]);

    // Options, delays, risks, general settings, audio, the main window, portraits, files.
    LoadKeys(tables.Options);
    LoadKeys(tables.Players);
    p.RectMain.Stored = GetProfileInt("RectMain", "Right", 0) != 0 ? 1 : 0;
    LoadStrings(ImagePaths());
    LoadKeys(tables.ImageShows);
    LoadStrings(GameFiles());
    p.SksName = StoredDealName(p.SkmName);
    LoadKeys(tables.Game);

    // The trace line.
    WriteTrace(":ReadProfile(variant:" + VariantText(g_Game.VariantMode) + ",termination:" + TerminationText() + ")",
               LOG_MAINFRAME);

    // The running match, the view and the print orientation.
    LoadKeys(tables.Actual);
    ReadRoundCounters();
    for (const IntKey& key : tables.Rounds) *key.Value = Normalise(key, *key.Value);
    LoadKeys(tables.View);
    LoadKeys(tables.Print);

    // Marks kept from the last run always carry RECOVERED.
    CGameState& g = g_Game;
    if (g.CheatMask != 0 && (g.CheatMask & kMarkRecovered) == 0) {
        g.CheatMask |= kMarkRecovered;
        g.CheatMaskChanged = 1;
    }

    // The help page open at the last exit (the frame reopens it).
    p.HelpTopic = GetProfileInt("Help", "Topic", defaults.HelpTopic);
}

void WriteProfile() {
    CGameState& g = g_Game;
    const IntKeyTables tables = BuildTables();

    // Face-up play ends with the program.
    if (g_Settings.Game.Face == 0 && (g.CheatMask & kMarkFaceUp) != 0) {
        g.CheatMask &= ~kMarkFaceUp;
        g.CheatMaskChanged = 1;
    }

    WriteTrace(":WriteProfile()", LOG_MAINFRAME);

    // Names in the order Person, Computer1, Computer2.
    StoreKeys(tables.Rules);
    StoreKeys(tables.Options);
    for (int seat : {2, 0, 1}) WriteProfileString("Names", kNameKeys[seat], g_Profile.Names[seat]);
    StoreKeys(tables.Players);
    StoreStrings(ImagePaths());
    StoreKeys(tables.ImageShows);
    StoreStrings(GameFiles());
    WriteProfileInt("Game", "State", g.FlowState);
    StoreKeys(tables.Game);

    // The running match only while its list is the one loaded at start-up.
    if (g_Profile.MatchListActive) {
        StoreKeys(tables.Actual);
        WriteRoundCounters();
    }

    StoreKeys(tables.View);
    WriteProfileInt("View", "LogList", g_ProfileShell.LogWindowOpen() ? 1 : 0);
    StoreKeys(tables.Print);
}

void NameCardRows(CSkat& skat) {
    const std::string seats[3] = {g_Profile.Names[0], g_Profile.Names[1], g_Profile.Names[2]};
    skat.NameRows("Skat", seats);
}

std::vector<ProfileMenuCheck> ProfileMenuChecks() {
    const CSettings& s = g_Settings;
    return {
        {ID_DEMONSTRATION, g_Game.DemoMode != 0},
        {ID_SUGGEST, s.Options.Suggest != 0},
        {ID_DRAG_CARDS, s.Options.Drag != 0},
        {ID_CONTINUE, s.Options.Continue != 0},
        {ID_COUNT, s.Options.Count != 0},
        {ID_SUPPORT, s.Options.EffectiveSupport() != 0},
        {ID_ANNOTATION, s.View.ListAnnotation != 0},
        {ID_LIST_GAME_VALUE, s.View.ListGameValue != 0},
        {ID_LIST_DATA, s.View.ListData != 0},
        {ID_LIST_LEGEND, s.View.ListLegend != 0},
        {ID_LIST_CARD_STATISTICS, s.View.ListCardStatistics != 0},
        {ID_LIST_GAME_STATISTICS, s.View.ListGameStatistics != 0},
        {ID_LIST_STATE, s.View.ListState != 0},
        {ID_LIST_SCORE, s.View.ListScore != 0},
        {ID_LIST_STORE, s.View.ListStore != 0},
        {ID_LIST_TRICK_ESTIMATION, s.View.ListTrickEstimation != 0},
    };
}

std::string HelpTopicPage(int topic) {
    switch (topic) {
        case 0: return {};
        case 1: return "::/Anleitung/Spielanleitung.htm";
        case 2: return "::/Bedienung/Programmbedienung.htm";
        case 3: return "::/Lexikon/Glossar.htm";
        case 4: return "::/Bedienung/Tastatur.htm#help";
        default: return "::/Lexikon/RegelnReizen.htm#" + std::to_string(topic);
    }
}
