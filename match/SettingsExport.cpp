#include "match/SettingsExport.h"

#include "computer/evaluation/ComputerState.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Rounds.h"
#include "model/Settings.h"
#include "platform/core/Registry.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr const char* kPrefix = "[HKEY_CURRENT_USER\\SOFTWARE\\Kartovan+\\skat";

class ExportWriter {
public:
    void Line(const std::string& line) { text_ += line + "\r\n"; }
    void Section(const char* name) { Line(std::string(kPrefix) + "\\" + name + "]"); }
    void Number(const char* key, int value) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value));
        Line(std::string("\"") + key + "\"=dword:" + digits);
    }
    void Text(const char* key, const std::string& value) {
        Line(std::string("\"") + key + "\"=\"" + ExportTextValue(value) + "\"");
    }
    void End() { Line(""); }
    std::string Result() { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace

std::string DoubleBackslashes(const std::string& text) {
    std::string doubled;
    doubled.reserve(text.size());
    for (char c : text) {
        doubled += c;
        if (c == '\\') doubled += c;
    }
    return doubled;
}

std::string ExportTextValue(const std::string& text) {
    std::string escaped;
    for (char c : DoubleBackslashes(text)) {
        if (c == '"') escaped += '\\';
        escaped += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
    return escaped;
}

namespace {

// The file's head: the format line and the program's key with its default value.
void WriteHead(ExportWriter& out, const std::string& productDefault) {
    out.Line("Windows Registry Editor Version 5.00");
    out.End();
    out.Line("[HKEY_CURRENT_USER\\SOFTWARE\\Kartovan+]");
    out.Line("@=\"" + ExportTextValue(productDefault) + "\"");
    out.End();
    out.Line(std::string(kPrefix) + "]");
    out.End();
}


// The game record's sections: the round, the sound, the delays and the game.
void WriteGameSections(ExportWriter& out, const CSettings& s, const CGameState& g, const CProfile& p, int flowState) {
    out.Section("Actual");
    out.Number("Leader", g.Leader);
    out.Number("Forehand", g.Forehand);
    out.Number("Status", g.RoundStatus);
    out.Number("BockCounter", g.BockCounter);
    out.Number("BockNumber", PackRoundNumber(g.BockRounds, g.BockRound));
    out.Number("RamschNumber", PackRoundNumber(g.RamschRounds, g.RamschRound));
    out.End();
    out.Section("Audio");
    out.Number("Sound", s.Audio.Sound);
    out.Number("Voice", s.Audio.Voice);
    out.Number("Volume", s.Audio.Volume);
    out.End();
    out.Section("Delay");
    for (const auto& [key, value] : std::vector<std::pair<const char*, int>>{
             {"Bid", s.Delay.Bid}, {"Answer", s.Delay.Answer}, {"Show", s.Delay.Show}, {"Continue", s.Delay.Continue},
             {"Demo", s.Delay.Demo}, {"Deal", s.Delay.Deal}, {"Play", s.Delay.Play}, {"Order", s.Delay.Order},
             {"Swap", s.Delay.Swap}})
        out.Number(key, value);
    out.End();
    out.Section("Game");
    out.Text("SkmFile", p.SkmFile);
    out.Text("SktFile", p.SktFile);
    out.Text("SkmName", p.SkmName);
    out.Text("SktName", p.SktName);
    out.Number("Cond", p.Cond);
    out.Number("Bypass", s.Game.Bypass != 0 ? 1 : 0);
    out.Number("State", flowState);
    out.Number("Face", s.Game.Face != 0 ? 1 : 0);
    out.Number("Cheat", g.CheatMask);
    out.Number("Level", s.Game.Level);
    out.Number("MaxRounds", s.Game.MaxRounds);
    out.Number("MaxTime", s.Game.MaxTime);
    out.Number("MaxCredit", s.Game.MaxCredit);
    out.Number("Mode", g.MatchMode);
    out.Number("CountDown", s.Game.CountDown);
    out.End();
}

// The person's sections: help, images, names, options, paths, printing and the Ramsch evaluation.
void WriteProfileSections(ExportWriter& out, const CSettings& s, const CGameState& g, const CProfile& p) {
    out.Section("Help");
    out.Number("Topic", p.HelpTopic);
    out.End();
    out.Section("Image");
    out.Text("ImageComputer1", p.Image.ImageComputer1);
    out.Text("ImageComputer2", p.Image.ImageComputer2);
    out.Text("ImagePerson1", p.Image.ImagePerson1);
    out.Text("ImagePerson2", p.Image.ImagePerson2);
    out.Number("ShowComputer1", p.Image.ShowComputer1);
    out.Number("ShowComputer2", p.Image.ShowComputer2);
    out.Number("ShowPerson1", p.Image.ShowPerson1);
    out.Number("ShowPerson2", p.Image.ShowPerson2);
    out.End();
    out.Section("Names");
    out.Text("Computer1", p.Names[0]);
    out.Text("Computer2", p.Names[1]);
    out.Text("Person", p.Names[2]);
    out.End();
    out.Section("Options");
    out.Number("Demo", g.DemoMode);
    out.Number("Suggest", s.Options.Suggest);
    out.Number("Drag", s.Options.Drag);
    out.Number("Continue", s.Options.Continue);
    out.Number("Count", s.Options.Count);
    out.Number("Support", s.Options.EffectiveSupport());
    out.End();
    out.Section("Paths");
    out.Text("Desk", p.Desk);
    out.Text("Inst", p.Inst);
    out.Text("Start", p.Start);
    out.Text("Work", p.Work);
    out.End();
    out.Section("Print");
    out.Number("Orient", s.Print.Orient);
    out.End();
    out.Section("Ramsch");
    out.Number("EvalMode", s.Ramsch.EvalMode);
    out.Number("Scale", s.Ramsch.Scale);
    out.Number("Game", s.Ramsch.Game);
    out.Number("PassOn", s.Ramsch.PassOn);
    out.Number("Jungfrau", s.Ramsch.Jungfrau);
    out.Number("Durchmarsch", s.Ramsch.Durchmarsch);
    out.End();
}

// The window sections as the registry holds them now, with their defaults.
void WriteWindowSections(ExportWriter& out) {
    const struct {
        const char* section;
        std::vector<std::pair<const char*, int>> keys;
    } windows[] = {
        {"RectAnnotation", {{"Left", 0}, {"Top", 614}}},
        {"RectMain", {{"Left", 0}, {"Right", 418}, {"Top", 0}, {"Bottom", 606}, {"Zoomed", 0}}},
        {"RectScore", {{"Left", 418}, {"Right", 1058}, {"Top", 316}, {"Bottom", 614}}},
        {"RectStore", {{"Left", 418}, {"Right", 874}, {"Top", 614}, {"Bottom", 870}}},
    };
    for (const auto& window : windows) {
        out.Section(window.section);
        for (const auto& [key, fallback] : window.keys) out.Number(key, GetProfileInt(window.section, key, fallback));
        out.End();
    }
}

// The computers' risks, one section per game kind with a value per seat.
void WriteRiskSections(ExportWriter& out) {
    const char* const seats[3] = {"Computer1", "Computer2", "Person"};
    const std::pair<const char*, const int*> risks[] = {
        {"RiskGrand", g_Risk.RiskGrand}, {"RiskNull", g_Risk.RiskNull}, {"RiskSuit", g_Risk.RiskSuit}};
    for (const auto& [section, values] : risks) {
        out.Section(section);
        for (int seat = 0; seat < 3; ++seat) out.Number(seats[seat], values[seat]);
        out.End();
    }
}

// The settings, the rule variants and the view.
void WriteSettingsSections(ExportWriter& out, const CSettings& s, const CGameState& g) {
    out.Section("Settings");
    for (const auto& [key, value] : std::vector<std::pair<const char*, int>>{
             {"Annotate", s.Settings.Annotate}, {"Deal", s.Settings.Deal}, {"Zoom", s.Settings.Zoom},
             {"Last", s.Settings.Last}, {"Safe", s.Settings.Safe}, {"Abandon", s.Settings.Abandon},
             {"Balloon", s.Settings.Balloon}, {"Score", s.Settings.Score}, {"Rule", s.Settings.Rule},
             {"Suggest", s.Settings.Suggest}})
        out.Number(key, value);
    out.End();
    out.Section("Variants");
    for (const auto& [key, value] : std::vector<std::pair<const char*, int>>{
             {"Variant", g.VariantMode}, {"Kontra", s.Variants.Kontra}, {"Ramsch", s.Variants.Ramsch},
             {"PassOn", s.Variants.PassOn}, {"GrandHand", s.Variants.GrandHand}, {"Revolution", s.Variants.Revolution},
             {"Schneider", s.Variants.Schneider}, {"Ouvert", s.Variants.Ouvert}, {"RamschStock", s.Variants.RamschStock},
             {"NullOuvert", s.Variants.NullOuvert}, {"Hand", s.Variants.Hand}, {"Extra", s.Variants.Extra},
             {"IfExtra", s.Variants.IfExtra}})
        out.Number(key, value);
    out.End();
    out.Section("View");
    for (const auto& [key, value] : std::vector<std::pair<const char*, int>>{
             {"Player", s.View.Player}, {"CardBack", s.View.CardBack}, {"CardFace", s.View.CardFace},
             {"SortMode", s.View.SortMode}, {"ListAnnotation", s.View.ListAnnotation}, {"ListData", s.View.ListData},
             {"ListGameValue", s.View.ListGameValue}, {"ListLegend", s.View.ListLegend}, {"ListState", s.View.ListState},
             {"ListCardStatistics", s.View.ListCardStatistics}, {"ListGameStatistics", s.View.ListGameStatistics},
             {"ListScore", s.View.ListScore}, {"ListStore", s.View.ListStore},
             {"ListTrickEstimation", s.View.ListTrickEstimation}})
        out.Number(key, value);
    out.End();
}

}  // namespace

std::string SettingsExportText(const std::string& productDefault, int flowState) {
    const CSettings& s = g_Settings;
    const CGameState& g = g_Game;
    const CProfile& p = g_Profile;
    ExportWriter out;
    WriteHead(out, productDefault);
    WriteGameSections(out, s, g, p, flowState);
    WriteProfileSections(out, s, g, p);
    WriteWindowSections(out);
    WriteRiskSections(out);
    WriteSettingsSections(out, s, g);
    return out.Result();
}
