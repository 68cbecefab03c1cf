#include "match/ListSettingsTable.h"

#include "computer/evaluation/ComputerState.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"

#include <algorithm>

namespace {
constexpr int kVariants = 40330, kConfiguration = 40331, kRamsch = 40332, kOptions = 40333, kDelay = 40334,
              kRisk = 40335, kPresetting = 40336, kAudio = 40337, kWindow = 40338, kImages = 40339,
              kGame = 40340, kActual = 40341, kView = 40342, kPrint = 40343, kNames = 40344,
              kLocations = 40345;
// Trailer fields the comparison does not name (the window's edges): item 0.
constexpr int kUnnamed = 0;
}  // namespace

namespace {

// The rule variants and the Ramsch settings.
std::vector<ListSettingField> VariantAndRamschFields() {
    CSettings& s = g_Settings;
    CGameState& g = g_Game;
    using enum ListSettingField::Packing;
    return {
        {4, Whole, "Variants", "Variant", &g.VariantMode, 40349, kVariants, false},
        {8, Whole, "Variants", "Kontra", &s.Variants.Kontra, 40350, kConfiguration, false},
        {12, Whole, "Variants", "Ramsch", &s.Variants.Ramsch, 40351, kConfiguration, false},
        {16, Whole, "Variants", "PassOn", &s.Variants.PassOn, 40352, kConfiguration, false},
        {20, Whole, "Variants", "GrandHand", &s.Variants.GrandHand, 40353, kConfiguration, false},
        {24, Whole, "Variants", "Revolution", &s.Variants.Revolution, 40354, kConfiguration, false},
        {28, Whole, "Variants", "Schneider", &s.Variants.Schneider, 40355, kConfiguration, false},
        {32, Whole, "Variants", "Ouvert", &s.Variants.Ouvert, 40356, kConfiguration, false},
        {36, Whole, "Variants", "RamschStock", &s.Variants.RamschStock, 40357, kConfiguration, false},
        {40, Whole, "Variants", "NullOuvert", &s.Variants.NullOuvert, 40358, kConfiguration, false},
        {44, Whole, "Variants", "Hand", &s.Variants.Hand, 40359, kConfiguration, false},
        {48, Whole, "Variants", "Extra", &s.Variants.Extra, 40360, kConfiguration, false},
        {52, Whole, "Variants", "IfExtra", &s.Variants.IfExtra, 40361, kConfiguration, false},
        {56, Whole, "Ramsch", "EvalMode", &s.Ramsch.EvalMode, 40362, kRamsch, false},
        {60, Whole, "Ramsch", "Scale", &s.Ramsch.Scale, 40363, kRamsch, false},
        {64, Whole, "Ramsch", "Game", &s.Ramsch.Game, 40364, kRamsch, false},
        {68, Whole, "Ramsch", "PassOn", &s.Ramsch.PassOn, 40365, kRamsch, false},
        {72, Whole, "Ramsch", "Jungfrau", &s.Ramsch.Jungfrau, 40366, kRamsch, false},
        {76, Whole, "Ramsch", "Durchmarsch", &s.Ramsch.Durchmarsch, 40367, kRamsch, false},
    };
}

// The options and the delays; Swap and Switch share a word.
std::vector<ListSettingField> OptionAndDelayFields() {
    CSettings& s = g_Settings;
    CGameState& g = g_Game;
    using enum ListSettingField::Packing;
    return {
        {80, Whole, "Options", "Demo", &g.DemoMode, 40368, kOptions, true},
        {84, Whole, "Options", "Suggest", &s.Options.Suggest, 40369, kOptions, true},
        {88, Whole, "Options", "Drag", &s.Options.Drag, 40370, kOptions, true},
        {92, Whole, "Options", "Continue", &s.Options.Continue, 40371, kOptions, true},
        {96, Whole, "Options", "Count", &s.Options.Count, 40372, kOptions, true},
        {100, Whole, "Options", "Support", &s.Options.Support, 40373, kOptions, true},
        {104, Whole, "Delay", "Bid", &s.Delay.Bid, 40374, kDelay, false},
        {108, Whole, "Delay", "Answer", &s.Delay.Answer, 40375, kDelay, false},
        {112, Whole, "Delay", "Show", &s.Delay.Show, 40376, kDelay, false},
        {116, Whole, "Delay", "Continue", &s.Delay.Continue, 40377, kDelay, false},
        {120, Whole, "Delay", "Order", &s.Delay.Order, 40378, kDelay, false},
        {124, Whole, "Delay", "Demo", &s.Delay.Demo, 40379, kDelay, false},
        {128, Whole, "Delay", "Deal", &s.Delay.Deal, 40380, kDelay, false},
        {132, Whole, "Delay", "Play", &s.Delay.Play, 40381, kDelay, false},
        {136, Low16, "Delay", "Swap", &s.Delay.Swap, 40382, kDelay, false},
        {136, High16, "Delay", "Switch", &s.Delay.Switch, 40383, kDelay, false},
    };
}

// The presettings (three pairs share a word), the sound, the main window and the images.
std::vector<ListSettingField> SettingsAudioWindowAndImageFields() {
    CSettings& s = g_Settings;
    CProfile& p = g_Profile;
    using enum ListSettingField::Packing;
    return {
        {176, Whole, "Settings", "Annotate", &s.Settings.Annotate, 40393, kPresetting, false},
        {180, Whole, "Settings", "Deal", &s.Settings.Deal, 40394, kPresetting, false},
        {184, Whole, "Settings", "Last", &s.Settings.Last, 40395, kPresetting, false},
        {188, PairLow, "Settings", "Safe", &s.Settings.Safe, 40396, kPresetting, false},
        {188, PairHigh, "Settings", "Suggest", &s.Settings.Suggest, 40409, kPresetting, false},
        {192, PairLow, "Settings", "Abandon", &s.Settings.Abandon, 40397, kPresetting, false},
        {192, PairHigh, "Settings", "Score", &s.Settings.Score, 40407, kPresetting, false},
        {196, PairLow, "Settings", "Balloon", &s.Settings.Balloon, 40398, kPresetting, false},
        {196, PairHigh, "Settings", "Rule", &s.Settings.Rule, 40408, kPresetting, false},
        {200, Whole, "Audio", "Sound", &s.Audio.Sound, 40410, kAudio, false},
        {204, Whole, "Audio", "Voice", &s.Audio.Voice, 40411, kAudio, false},
        {208, Whole, "Audio", "Volume", &s.Audio.Volume, 40412, kAudio, false},
        {212, Whole, "RectMain", "Left", &p.RectMain.Left, kUnnamed, kWindow, false},
        {216, Whole, "RectMain", "Right", &p.RectMain.Right, kUnnamed, kWindow, false},
        {220, Whole, "RectMain", "Top", &p.RectMain.Top, kUnnamed, kWindow, false},
        {224, Whole, "RectMain", "Bottom", &p.RectMain.Bottom, kUnnamed, kWindow, false},
        {228, Whole, "RectMain", "Zoomed", &p.RectMain.Zoomed, 40417, kWindow, false},
        {232, Whole, "Image", "ShowComputer1", &p.Image.ShowComputer1, 40418, kImages, false},
        {236, Whole, "Image", "ShowComputer2", &p.Image.ShowComputer2, 40419, kImages, false},
        {240, Whole, "Image", "ShowPerson1", &p.Image.ShowPerson1, 40420, kImages, false},
        {244, Whole, "Image", "ShowPerson2", &p.Image.ShowPerson2, 40421, kImages, false},
    };
}

// The game's settings and the round counters (the Bock and Ramsch rounds two to a word).
std::vector<ListSettingField> GameAndRoundFields() {
    CSettings& s = g_Settings;
    CGameState& g = g_Game;
    CProfile& p = g_Profile;
    using enum ListSettingField::Packing;
    return {
        {248, Whole, "Game", "Cond", &p.Cond, 40423, kGame, false},
        {252, Whole, "Game", "Bypass", &s.Game.Bypass, 40424, kGame, false},
        {256, Whole, "Game", "Face", &s.Game.Face, 40425, kGame, false},
        {260, Whole, "Game", "Cheat", &g.CheatMask, 40426, kGame, false},
        {264, Whole, "Game", "Level", &s.Game.Level, 40427, kGame, false},
        {268, Whole, "Game", "MaxRounds", &s.Game.MaxRounds, 40428, kGame, false},
        {272, Whole, "Game", "MaxTime", &s.Game.MaxTime, 40429, kGame, false},
        {276, Whole, "Game", "MaxCredit", &s.Game.MaxCredit, 40430, kGame, false},
        {280, Whole, "Game", "Mode", &g.MatchMode, 40431, kGame, false},
        {284, Whole, "Game", "CountDown", &s.Game.CountDown, 40432, kGame, false},
        {292, Whole, "Actual", "Leader", &g.Leader, 40434, kActual, false},
        {296, Whole, "Actual", "Forehand", &g.Forehand, 40435, kActual, false},
        {300, Whole, "Actual", "Status", &g.RoundStatus, 40436, kActual, false},
        {304, Whole, "Actual", "BockCounter", &g.BockCounter, 40437, kActual, false},
        {308, Low16, "Actual", "BockRound", &g.BockRound, 40438, kActual, false},
        {308, High16, "Actual", "BockRounds", &g.BockRounds, 40438, kActual, false},
        {312, Low16, "Actual", "RamschRound", &g.RamschRound, 40439, kActual, false},
        {312, High16, "Actual", "RamschRounds", &g.RamschRounds, 40439, kActual, false},
    };
}

// The view and the printing.
std::vector<ListSettingField> ViewAndPrintFields() {
    CSettings& s = g_Settings;
    using enum ListSettingField::Packing;
    return {
        {316, Whole, "View", "Player", &s.View.Player, 40440, kView, false},
        {320, Whole, "View", "CardBack", &s.View.CardBack, 40441, kView, false},
        {324, Whole, "View", "CardFace", &s.View.CardFace, 40442, kView, false},
        {328, Whole, "View", "SortMode", &s.View.SortMode, 40443, kView, false},
        {332, Whole, "View", "ListAnnotation", &s.View.ListAnnotation, 40444, kView, false},
        {336, Whole, "View", "ListData", &s.View.ListData, 40445, kView, false},
        {340, Whole, "View", "ListGameValue", &s.View.ListGameValue, 40446, kView, false},
        {344, Whole, "View", "ListLegend", &s.View.ListLegend, 40447, kView, false},
        {348, Whole, "View", "ListState", &s.View.ListState, 40448, kView, false},
        {352, PairLow, "View", "ListGameStatistics", &s.View.ListGameStatistics, 40449, kView, false},
        {352, PairHigh, "View", "ListCardStatistics", &s.View.ListCardStatistics, 40450, kView, false},
        {356, Whole, "View", "ListScore", &s.View.ListScore, 40454, kView, false},
        {360, Whole, "View", "ListStore", &s.View.ListStore, 40455, kView, false},
        {364, Whole, "View", "ListTrickEstimation", &s.View.ListTrickEstimation, 40456, kView, false},
        {368, Whole, "Print", "Orient", &s.Print.Orient, 40457, kPrint, false},
    };
}

// The computers' risks by seat.
std::vector<ListSettingField> RiskFields() {
    using enum ListSettingField::Packing;
    std::vector<ListSettingField> f;
    const char* const seats[3] = {"Computer1", "Computer2", "Person"};
    for (int seat = 0; seat < 3; ++seat)
        f.push_back({140 + 4u * seat, Whole, "RiskGrand", seats[seat], &g_Risk.RiskGrand[seat], 40384 + seat, kRisk, false});
    for (int seat = 0; seat < 3; ++seat)
        f.push_back({152 + 4u * seat, Whole, "RiskSuit", seats[seat], &g_Risk.RiskSuit[seat], 40387 + seat, kRisk, false});
    for (int seat = 0; seat < 3; ++seat)
        f.push_back({164 + 4u * seat, Whole, "RiskNull", seats[seat], &g_Risk.RiskNull[seat], 40390 + seat, kRisk, false});
    return f;
}

}  // namespace

std::vector<ListSettingField> ListSettingFields() {
    std::vector<ListSettingField> f;
    for (auto group : {VariantAndRamschFields, OptionAndDelayFields, RiskFields, SettingsAudioWindowAndImageFields,
                       GameAndRoundFields, ViewAndPrintFields}) {
        const std::vector<ListSettingField> fields = group();
        f.insert(f.end(), fields.begin(), fields.end());
    }
    return f;
}

int TrailerValue(const ListSettings& settings, const ListSettingField& field) {
    const std::int32_t word = settings.At(field.Offset);
    const auto bits = static_cast<std::uint32_t>(word);
    switch (field.Packed) {
        case ListSettingField::Low16: return static_cast<int>(bits & 0xFFFF);
        case ListSettingField::High16: return static_cast<int>(bits >> 16);
        case ListSettingField::PairLow: return (word & 0xF) != 0 ? 1 : 0;
        case ListSettingField::PairHigh: return word >= 16 ? 1 : 0;
        case ListSettingField::Whole: break;
    }
    // The rule set is byte 0 of the version word.
    return field.Offset == 4 ? static_cast<int>(bits & 0xFF) : word;
}

namespace {
// The current value as the trailer stores it.
std::uint32_t StoredBits(const ListSettingField& field) {
    const int value = *field.Value;
    switch (field.Packed) {
        case ListSettingField::Low16: return static_cast<std::uint32_t>(std::clamp(value, 0, 0xFFFF));
        case ListSettingField::High16: return static_cast<std::uint32_t>(std::clamp(value, 0, 0xFFFF)) << 16;
        case ListSettingField::PairLow: return value != 0 ? 1u : 0u;
        case ListSettingField::PairHigh: return value != 0 ? 16u : 0u;
        case ListSettingField::Whole: break;
    }
    return static_cast<std::uint32_t>(value);
}
}  // namespace

ListSettings MakeListSettings(const std::string& version) {
    ListSettings settings;
    std::vector<std::uint32_t> words(kListSettingsWords, 0);
    for (const ListSettingField& field : ListSettingFields()) {
        if (field.Offset == 4) continue;
        std::uint32_t bits = StoredBits(field);
        // Bypass, Face and Zoomed are written as 0 or 1; Support as it acts now.
        if (std::string_view(field.Key) == "Bypass" || std::string_view(field.Key) == "Face" ||
            std::string_view(field.Key) == "Zoomed")
            bits = *field.Value != 0 ? 1u : 0u;
        if (std::string_view(field.Section) == "Options" && std::string_view(field.Key) == "Support")
            bits = static_cast<std::uint32_t>(g_Settings.Options.EffectiveSupport());
        words[field.Offset / 4] |= bits;
    }
    for (std::size_t i = 0; i < kListSettingsWords; ++i) settings.Words[i] = static_cast<std::int32_t>(words[i]);
    settings.Words[0] = static_cast<std::int32_t>(kListSettingsMagic);
    settings.Words[1] = ListVersionWord(version, g_Game.VariantMode);
    settings.Words[288 / 4] = 0;
    for (int seat = 0; seat < 3; ++seat) settings.Strings[seat] = g_Profile.Names[seat];
    for (int place = 0; place < 4; ++place) settings.Strings[3 + place] = g_Profile.Image.File(place);
    return settings;
}

ListSettingsDifferences CompareWithCurrentSettings(const ListSettings& settings) {
    ListSettingsDifferences differences;
    int heading = 0;
    int lastItem = 0;
    const auto add = [&](int headingId, int itemId) {
        ++differences.Count;
        if (headingId != heading) differences.Text += platform::LoadString(headingId);
        heading = headingId;
        differences.Text += platform::LoadString(itemId);
        lastItem = itemId;
    };
    for (const ListSettingField& field : ListSettingFields()) {
        if (field.ItemId == kUnnamed) continue;
        int current = *field.Value;
        if (field.Packed == ListSettingField::Low16 || field.Packed == ListSettingField::High16)
            current = std::clamp(current, 0, 0xFFFF);
        if (field.Packed == ListSettingField::PairLow || field.Packed == ListSettingField::PairHigh)
            current = current != 0 ? 1 : 0;
        if (std::string_view(field.Key) == "Support") current = g_Settings.Options.EffectiveSupport();
        // The two halves of a round number are one item.
        if (TrailerValue(settings, field) != current && field.ItemId != lastItem) add(field.HeadingId, field.ItemId);
    }
    for (int seat = 0; seat < 3; ++seat)
        if (settings.Strings[seat] != g_Profile.Names[seat]) add(kNames, 40458 + seat);
    for (int place = 0; place < 4; ++place)
        if (settings.Strings[3 + place] != g_Profile.Image.File(place)) add(kLocations, 40418 + place);
    return differences;
}

void TakeListSettings(const ListSettings& settings, void (*takeOption)(const ListSettingField&, int)) {
    for (const ListSettingField& field : ListSettingFields()) {
        int value = TrailerValue(settings, field);
        if (field.Packed == ListSettingField::Whole && std::string_view(field.Section) == "Delay") value = std::max(value, 0);
        NormaliseSettingValue(field.Section, field.Key, value);
        if (field.Option) {
            if (value != *field.Value && takeOption) takeOption(field, value);
            continue;
        }
        if (std::string_view(field.Key) == "Cheat" && value != *field.Value) g_Game.CheatMaskChanged = 1;
        *field.Value = value;
    }
}
