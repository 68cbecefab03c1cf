#include "dialogs/DataDialog.h"

#include <cstdio>

#include "dialogs/DialogIds.h"
#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "match/GameList.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

DataPanelTexts g_DataPanelTexts;

namespace {

std::string Number(int value) { return std::to_string(value); }

// The name of the seat that won the last trick: a blank before the first trick.
std::string TrickWinnerName(const std::array<std::string, 3>& names, int seat) {
    return seat >= 0 && seat < 3 ? names[static_cast<std::size_t>(seat)] : std::string(" ");
}

void FillNames(DataPanelTexts& texts, const std::array<std::string, 3>& names, int trickWinner) {
    texts.PlainNames = names;
    for (std::size_t seat = 0; seat < 3; ++seat) texts.Names[seat] = names[seat] + ":";
    texts.TrickWinner = TrickWinnerName(names, trickWinner);
}

}  // namespace

DataPanelFacts CurrentDataPanelFacts() {
    DataPanelFacts facts;
    facts.matchMode = g_Game.MatchMode;
    facts.maxRounds = g_Settings.Game.MaxRounds;
    facts.maxTime = g_Settings.Game.MaxTime;
    facts.maxCredit = g_Settings.Game.MaxCredit;
    facts.listedGames = g_GameList.ListedGames();
    facts.numberedThrough = g_GameList.Header.Int(LIST_COUNTING);
    facts.trickWinner = g_Game.TrickWinner;
    for (std::size_t seat = 0; seat < 3; ++seat) {
        facts.points[seat] = g_GameList.MatchTotals[seat];
        facts.balances[seat] = g_GameList.Balances[seat];
    }
    if (SoloistSeries series; g_DialogFrame.Series(series)) {
        facts.games = series.games;
        facts.won = series.won;
        facts.lost = series.lost;
    }
    return facts;
}

void FillDataPanelTexts(DataPanelTexts& texts, const DataPanelFacts& facts, const std::string& soloist,
                        const std::string& game, const std::string& status, const std::string& announcement,
                        const std::string& reply, const std::string& bid, const std::array<std::string, 3>& names) {
    // 1. The match mode and its limit.
    const int mode = facts.matchMode >= 10 ? facts.matchMode - 10 : facts.matchMode;
    const std::string label = platform::LoadString(IDS_MODE_SERIES + (mode >= 0 && mode <= 3 ? mode : 3));
    switch (mode) {
        case 0: texts.Mode = label + ": " + Number(facts.maxRounds); break;
        case 1: texts.Mode = label + ": " + Number(facts.maxTime / 60); break;
        case 2: texts.Mode = label + ": " + Number(facts.maxCredit); break;
        default: texts.Mode = label; break;
    }
    // 2. The texts as given.
    texts.Soloist = soloist;
    texts.Game = game;
    texts.Status = status;
    texts.Announcement = announcement;
    texts.Reply = reply;
    texts.Bid = bid;
    // 3. The round, unless the clock writes the remaining time there.
    if (mode != 1) {
        const int n = facts.listedGames;
        if (!bid.empty())
            texts.Round.clear();
        else if (facts.numberedThrough == 1)
            texts.Round = Number(n + 1);
        else
            texts.Round = Number((n + 3) / 3) + " / " + Number(n % 3 + 1);
    }
    // 4. and 5. Per seat: the games as soloist, the points and the weighted performance; in
    // Bierlachs mode both columns show what is left of the seat's credit.
    for (std::size_t seat = 0; seat < 3; ++seat) {
        texts.Games[seat] = Number(facts.games[seat]);
        texts.Won[seat] = Number(facts.won[seat]);
        texts.Lost[seat] = Number(facts.lost[seat]);
        if (mode == 2) {
            texts.Points[seat] = texts.Weighted[seat] = Number(facts.balances[seat]);
        } else {
            const int othersLost = facts.lost[(seat + 1) % 3] + facts.lost[(seat + 2) % 3];
            texts.Points[seat] = Number(facts.points[seat]);
            texts.Weighted[seat] = Number((facts.won[seat] - facts.lost[seat]) * 50 + facts.points[seat] + 40 * othersLost);
        }
    }
    // 6. The names, and with them the trick winner.
    FillNames(texts, names, facts.trickWinner);
}

std::string RemainingTimeText(int seconds) {
    if (seconds < 1) return "0:00";
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

CDataDialog::CDataDialog() : CModelessDialog(kTemplateId, -1) {}

void CDataDialog::CollectGameData(const std::string& soloist, const std::string& game, const std::string& status,
                                  const std::string& announcement, const std::string& reply, const std::string& bid,
                                  const std::string& name0, const std::string& name1, const std::string& name2) {
    FillDataPanelTexts(g_DataPanelTexts, CurrentDataPanelFacts(), soloist, game, status, announcement, reply, bid,
                       {name0, name1, name2});
}

void CDataDialog::CollectGameTexts(const std::string& name0, const std::string& name1, const std::string& name2) {
    FillNames(g_DataPanelTexts, {name0, name1, name2}, g_Game.TrickWinner);
}

void CDataDialog::UpdateFields() {
    const DataPanelTexts& texts = g_DataPanelTexts;
    const std::pair<int, const std::string*> fields[] = {
        {kSoloist, &texts.Soloist}, {kGame, &texts.Game},     {kStatus, &texts.Status},
        {kMode, &texts.Mode},       {kRound, &texts.Round},   {kAnnouncement, &texts.Announcement},
        {kReply, &texts.Reply},     {kBid, &texts.Bid},       {kTrickWinner, &texts.TrickWinner},
    };
    for (auto [id, text] : fields) SetDlgItemText(id, *text);
    for (std::size_t seat = 0; seat < 3; ++seat) {
        SetDlgItemText(kNames[seat], texts.Names[seat]);
        SetDlgItemText(kGames[seat], texts.Games[seat]);
        SetDlgItemText(kWon[seat], texts.Won[seat]);
        SetDlgItemText(kLost[seat], texts.Lost[seat]);
        SetDlgItemText(kPoints[seat], texts.Points[seat]);
        SetDlgItemText(kWeighted[seat], texts.Weighted[seat]);
    }
}

void CDataDialog::ShowRemainingTime() { SetDlgItemText(kRound, RemainingTimeText(g_Settings.Game.CountDown)); }

void CDataDialog::ShowTrickWinner() {
    const int seat = g_Game.TrickWinner;
    const std::string& name = g_DataPanelTexts.PlainNames[seat == 0 || seat == 1 ? static_cast<std::size_t>(seat) : 2];
    g_DataPanelTexts.TrickWinner = name;
    SetDlgItemText(kTrickWinner, name);
}

bool CDataDialog::OnInitDialog() {
    CModelessDialog::OnInitDialog();
    help.Reset();
    width = WindowRect().Width();
    UpdateFields();
    return true;
}

bool CDataDialog::OnCommand(int id, unsigned code, HWND control) {
    if (id == IDC_HELP) {
        help.Toggle("::/Bedienung/Spieldaten.htm");
        return true;
    }
    return CModelessDialog::OnCommand(id, code, control);
}

void CDataDialog::OnOK() { SendFrameCommand(CM_CLOSE_DATA); }
