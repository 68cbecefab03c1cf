#include "flow/Settings.h"

#include "flow/GameState.h"
#include "model/Rounds.h"
#include "platform/core/Registry.h"

CSettings g_Settings;

namespace {

struct SettingEntry {
    const char* section;
    const char* entry;
    int* value;
    int defaultValue;
};

// Every setting with its registry name, in section order; the defaults come from the
// default-constructed record so that they are written down once.
template <typename Visit>
void ForEachSetting(CSettings& s, CGameState& g, Visit visit) {
    const CSettings d;
    const CGameState dg;
    SettingEntry entries[] = {
        {"Delay", "Bid", &s.Delay.Bid, d.Delay.Bid},
        {"Delay", "Answer", &s.Delay.Answer, d.Delay.Answer},
        {"Delay", "Show", &s.Delay.Show, d.Delay.Show},
        {"Delay", "Continue", &s.Delay.Continue, d.Delay.Continue},
        {"Delay", "Demo", &s.Delay.Demo, d.Delay.Demo},
        {"Delay", "Deal", &s.Delay.Deal, d.Delay.Deal},
        {"Delay", "Play", &s.Delay.Play, d.Delay.Play},
        {"Delay", "Order", &s.Delay.Order, d.Delay.Order},
        {"Delay", "Swap", &s.Delay.Swap, d.Delay.Swap},
        {"Delay", "Switch", &s.Delay.Switch, d.Delay.Switch},
        {"Options", "Demo", &g.DemoMode, dg.DemoMode},
        {"Options", "Suggest", &s.Options.Suggest, d.Options.Suggest},
        {"Options", "Drag", &s.Options.Drag, d.Options.Drag},
        {"Options", "Continue", &s.Options.Continue, d.Options.Continue},
        {"Options", "Count", &s.Options.Count, d.Options.Count},
        {"Options", "Support", &s.Options.Support, d.Options.Support},
        {"Settings", "Deal", &s.Settings.Deal, d.Settings.Deal},
        {"Settings", "Annotate", &s.Settings.Annotate, d.Settings.Annotate},
        {"Settings", "Balloon", &s.Settings.Balloon, d.Settings.Balloon},
        {"Settings", "Last", &s.Settings.Last, d.Settings.Last},
        {"Settings", "Abandon", &s.Settings.Abandon, d.Settings.Abandon},
        {"Settings", "Rule", &s.Settings.Rule, d.Settings.Rule},
        {"Settings", "Score", &s.Settings.Score, d.Settings.Score},
        {"Settings", "Suggest", &s.Settings.Suggest, d.Settings.Suggest},
        {"Settings", "Zoom", &s.Settings.Zoom, d.Settings.Zoom},
        {"Variants", "Variant", &g.VariantMode, dg.VariantMode},
        {"Variants", "Kontra", &s.Variants.Kontra, d.Variants.Kontra},
        {"Variants", "Ramsch", &s.Variants.Ramsch, d.Variants.Ramsch},
        {"Variants", "PassOn", &s.Variants.PassOn, d.Variants.PassOn},
        {"Variants", "GrandHand", &s.Variants.GrandHand, d.Variants.GrandHand},
        {"Variants", "Revolution", &s.Variants.Revolution, d.Variants.Revolution},
        {"Variants", "Hand", &s.Variants.Hand, d.Variants.Hand},
        {"Variants", "Schneider", &s.Variants.Schneider, d.Variants.Schneider},
        {"Variants", "RamschStock", &s.Variants.RamschStock, d.Variants.RamschStock},
        {"Variants", "NullOuvert", &s.Variants.NullOuvert, d.Variants.NullOuvert},
        {"Variants", "Ouvert", &s.Variants.Ouvert, d.Variants.Ouvert},
        {"Variants", "Extra", &s.Variants.Extra, d.Variants.Extra},
        {"Variants", "IfExtra", &s.Variants.IfExtra, d.Variants.IfExtra},
        {"Ramsch", "EvalMode", &s.Ramsch.EvalMode, d.Ramsch.EvalMode},
        {"Ramsch", "Scale", &s.Ramsch.Scale, d.Ramsch.Scale},
        {"Ramsch", "Game", &s.Ramsch.Game, d.Ramsch.Game},
        {"Ramsch", "PassOn", &s.Ramsch.PassOn, d.Ramsch.PassOn},
        {"Ramsch", "Jungfrau", &s.Ramsch.Jungfrau, d.Ramsch.Jungfrau},
        {"Ramsch", "Durchmarsch", &s.Ramsch.Durchmarsch, d.Ramsch.Durchmarsch},
        {"Audio", "Voice", &s.Audio.Voice, d.Audio.Voice},
        {"Audio", "Sound", &s.Audio.Sound, d.Audio.Sound},
        {"Audio", "Volume", &s.Audio.Volume, d.Audio.Volume},
        {"View", "SortMode", &s.View.SortMode, d.View.SortMode},
        {"Game", "Cheat", &g.CheatMask, dg.CheatMask},
        {"Game", "Mode", &g.MatchMode, dg.MatchMode},
        {"Game", "MaxRounds", &s.Game.MaxRounds, d.Game.MaxRounds},
        {"Game", "MaxTime", &s.Game.MaxTime, d.Game.MaxTime},
        {"Game", "MaxCredit", &s.Game.MaxCredit, d.Game.MaxCredit},
        {"Game", "CountDown", &s.Game.CountDown, d.Game.CountDown},
        {"Actual", "Leader", &g.Leader, dg.Leader},
        {"Actual", "Forehand", &g.Forehand, dg.Forehand},
    };
    for (SettingEntry& e : entries) visit(e);
}

}  // namespace

void CSettings::Load() {
    ForEachSetting(*this, g_Game, [](SettingEntry& e) { *e.value = GetProfileInt(e.section, e.entry, e.defaultValue); });
    ReadRoundCounters();
}

void CSettings::Save() {
    ForEachSetting(*this, g_Game,
                   [](SettingEntry& e) { WriteProfileInt(e.section, e.entry, *e.value); });
    WriteRoundCounters();
}
