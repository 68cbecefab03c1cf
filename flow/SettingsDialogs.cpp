// The settings commands of the View, Options and Variations menus whose dialogs change what the
// table shows or how the players play: card backs and faces, delays, portraits, names and the rule
// configuration. Each runs its dialog with the game paused, puts the pause back, and only after OK
// applies the change and writes the dialog's settings to the profile, so that a later crash or a
// switch of edition does not lose them.
#include <array>
#include <string>

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/GameEvaluation.h"
#include "dialogs/DataDialog.h"
#include "dialogs/ImageDialog.h"
#include "dialogs/PlayerOptionDialogs.h"
#include "dialogs/RuleOptionDialogs.h"
#include "dialogs/StateDialog.h"
#include "dialogs/ViewDialogs.h"
#include "flow/MainFrame.h"
#include "flow/FrameAuction.h"
#include "flow/FramePanels.h"
#include "flow/FrameSettings.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlayState.h"
#include "flow/MatchSeries.h"
#include "flow/PanelObject.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Codepage.h"
#include "platform/core/Registry.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"

namespace {

// The ten delays in the dialog's field order, with their profile keys.
struct DelayKey {
    const char* key;
    int CSettings::DelaySection::*value;
};
constexpr std::array<DelayKey, CDelayDialog::kFieldCount> kDelayKeys{{
    {"Bid", &CSettings::DelaySection::Bid},
    {"Answer", &CSettings::DelaySection::Answer},
    {"Show", &CSettings::DelaySection::Show},
    {"Continue", &CSettings::DelaySection::Continue},
    {"Demo", &CSettings::DelaySection::Demo},
    {"Deal", &CSettings::DelaySection::Deal},
    {"Play", &CSettings::DelaySection::Play},
    {"Order", &CSettings::DelaySection::Order},
    {"Swap", &CSettings::DelaySection::Swap},
    {"Switch", &CSettings::DelaySection::Switch},
}};

const char* const kSeatKeys[3] = {"Computer1", "Computer2", "Person"};

void WriteVariants() {
    const CSettings::VariantsSection& v = g_Settings.Variants;
    const struct {
        const char* key;
        int value;
    } keys[] = {{"Kontra", v.Kontra},       {"Ramsch", v.Ramsch},         {"PassOn", v.PassOn},
                {"GrandHand", v.GrandHand}, {"Revolution", v.Revolution}, {"Schneider", v.Schneider},
                {"Ouvert", v.Ouvert},       {"RamschStock", v.RamschStock}, {"NullOuvert", v.NullOuvert},
                {"Hand", v.Hand},           {"Extra", v.Extra},           {"IfExtra", v.IfExtra}};
    for (const auto& entry : keys) WriteProfileInt("Variants", entry.key, entry.value);
}

void WritePortraits() {
    const PortraitSettings& image = g_Profile.Image;
    WriteProfileString("Image", "ImageComputer1", image.ImageComputer1);
    WriteProfileString("Image", "ImageComputer2", image.ImageComputer2);
    WriteProfileString("Image", "ImagePerson1", image.ImagePerson1);
    WriteProfileString("Image", "ImagePerson2", image.ImagePerson2);
    WriteProfileInt("Image", "ShowComputer1", image.ShowComputer1);
    WriteProfileInt("Image", "ShowComputer2", image.ShowComputer2);
    WriteProfileInt("Image", "ShowPerson1", image.ShowPerson1);
    WriteProfileInt("Image", "ShowPerson2", image.ShowPerson2);
}

// The extra rounds, which the configuration dialog's arrows change at once.
struct RoundState {
    int RoundStatus, BockCounter, BockRound, BockRounds, RamschRound, RamschRounds;

    static RoundState Now() {
        const CGameState& g = g_Game;
        return {g.RoundStatus, g.BockCounter, g.BockRound, g.BockRounds, g.RamschRound, g.RamschRounds};
    }
    void PutBack() const {
        CGameState& g = g_Game;
        g.RoundStatus = RoundStatus;
        g.BockCounter = BockCounter;
        g.BockRound = BockRound;
        g.BockRounds = BockRounds;
        g.RamschRound = RamschRound;
        g.RamschRounds = RamschRounds;
    }
};

void Redraw(HWND window) {
    if (::IsWindow(window)) ::InvalidateRect(window, nullptr, true);
}

}  // namespace

// View > Card Back: a confirmed design shows on the table's backs at once.
void CFrameSettings::OnCardBack() {
    const int previous = frame_.SetPause(0);
    CCardBackDialog dialog;
    const int answer = dialog.DoModal();
    frame_.SetPause(previous);
    if (answer != IDOK) return;
    if (dialog.Changed) WriteProfileInt("View", "CardBack", g_Settings.View.CardBack);
    frame_.FrameTable().SetCardBack(0);
}

// View > Card Face: a confirmed deck shows on the table's faces at once.
void CFrameSettings::OnCardFace() {
    const int previous = frame_.SetPause(0);
    CCardFaceDialog dialog;
    const int answer = dialog.DoModal();
    frame_.SetPause(previous);
    if (answer != IDOK) return;
    if (dialog.Changed) WriteProfileInt("View", "CardFace", g_Settings.View.CardFace);
    frame_.FrameTable().SetCardFace(0);
}

// Options > Delay: the dialog works on copies of the ten delays. Its arrows change a copy at once,
// so only OK takes them over: a cancelled dialog leaves every delay as it was.
void CFrameSettings::OnDelay() {
    std::array<int, CDelayDialog::kFieldCount> values{};
    std::array<int*, CDelayDialog::kFieldCount> pointers{};
    for (std::size_t field = 0; field < values.size(); ++field) {
        values[field] = g_Settings.Delay.*kDelayKeys[field].value;
        pointers[field] = &values[field];
    }
    const int previous = frame_.SetPause(0);
    CDelayDialog dialog(pointers);
    const int answer = dialog.DoModal();
    frame_.SetPause(previous);
    if (answer != IDOK) return;
    for (std::size_t field = 0; field < values.size(); ++field) {
        const int value = values[field] < 0 ? 0 : values[field];
        g_Settings.Delay.*kDelayKeys[field].value = value;
        WriteProfileInt("Delay", kDelayKeys[field].key, value);
    }
}

// Options > Images: OK has taken over a change and redrawn the table.
void CFrameSettings::OnImages() {
    const int previous = frame_.SetPause(0);
    CImageDialog dialog(frame_.GetPlayerName(0), frame_.GetPlayerName(1), frame_.GetPlayerName(2));
    const int answer = dialog.DoModal();
    frame_.SetPause(previous);
    if (answer == IDOK && dialog.Changed()) WritePortraits();
}

// Variations > Configuration: the rules of the variant game. A changed Grand Hand rule changes how
// the computer players judge their hands, so the hands are judged again and taken off the table
// (the command runs only between games). The dialog's arrows move the extra rounds at once; Cancel
// puts them back.
void CFrameSettings::OnConfiguration() {
    // The menu greys the command while a game runs; a command that arrives anyway (posted, not
    // chosen) must not take the running game's cards off the table.
    if (frame_.Series().GameRunning) return;
    const int grandHand = g_Settings.Variants.GrandHand;
    const RoundState rounds = RoundState::Now();
    const int previous = frame_.SetPause(0);
    CConfigurationDialog dialog;
    const int answer = dialog.DoModal();
    frame_.SetPause(previous);
    if (answer != IDOK) {
        rounds.PutBack();
        return;
    }
    WriteVariants();
    // Step 1: the score sheet's heading names the rules.
    frame_.RefreshScoreSheet();
    // Step 2: the players judge their hands under the new rule.
    if (g_Settings.Variants.GrandHand != grandHand) {
        g_Computer.GrandHandQuery = g_Settings.Variants.GrandHand;
        for (int seat = 0; seat < 3; ++seat) {
            frame_.FrameAuction().EvaluateBidLimit(seat);
            game_.Think(seat, [](CPlayer& player) { player.PreparePlay(); });
        }
        for (TableRow row : {TableRow::Skat, TableRow::Computer0, TableRow::Computer1, TableRow::Person})
            game_.RemoveRow(row, true);
    }
    // Step 3: the trick estimation follows.
    if (frame_.FramePanels().SideWindow(ID_LIST_TRICK_ESTIMATION)) frame_.FramePanels().SelectEstimatedGame();
}

void CFrameSettings::NameSeatsOnTable() { NameCardRows(game_); }

// Options > Names: confirmed names go to the table, the match list and every open window that
// shows them.
void CFrameSettings::OnNames() {
    const int previous = frame_.SetPause(0);
    CNameDialog dialog(&g_Profile.Names[0], &g_Profile.Names[1], &g_Profile.Names[2]);
    const int answer = dialog.DoModal();
    frame_.SetPause(previous);
    if (answer != IDOK || !dialog.Confirmed) return;
    for (int seat = 0; seat < 3; ++seat) WriteProfileString("Names", kSeatKeys[seat], g_Profile.Names[seat]);
    NameSeatsOnTable();
    // Step 1: the course's headline names the players.
    if (frame_.TrickPlay().CourseShown) frame_.FrameTable().MoveCourseText(1);
    // Step 2: the list's name slots hold 20 bytes of the files' code page, cut between characters.
    for (int seat = 0; seat < 3; ++seat)
        g_GameList.Header.SetText(LIST_NAME_0 + seat * kListSeatStride, 21,
                                  platform::Utf8ToCp1252(platform::TruncateToCp1252(g_Profile.Names[seat], 20)));
    frame_.RefreshScoreSheet();
    // Step 3: the game data's texts take the new names; the open data and state panels show them.
    CDataDialog::CollectGameTexts(frame_.GetPlayerName(0), frame_.GetPlayerName(1), frame_.GetPlayerName(2));
    if (auto* data = PanelAs<CDataDialog>(frame_.FramePanels().PanelWindow(CM_CLOSE_DATA))) data->UpdateFields();
    if (auto* state = PanelAs<CStateDialog>(frame_.FramePanels().PanelWindow(CM_CLOSE_STATE))) state->UpdateFields();
    // Step 4: the statistics and the trick estimation name the players.
    for (int command : {ID_LIST_CARD_STATISTICS, ID_LIST_GAME_STATISTICS, ID_LIST_TRICK_ESTIMATION})
        Redraw(frame_.FramePanels().SideWindow(command));
    // Step 5: the seat labels on the table.
    frame_.FrameTable().RefreshPosTexts(1);
}
