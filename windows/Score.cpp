#include "windows/Score.h"

#include "match/GameList.h"
#include "match/WindowSections.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "platform/core/SystemMenu.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "windows/SideWindowGlobals.h"
#include "windows/WindowFrameServices.h"

#include <algorithm>
#include <cstdio>

CSideWindowGlobals g_SideWindows;

namespace {

const SideWindowTraits kScoreTraits = [] {
    SideWindowTraits traits;
    traits.toggleCommand = ID_LIST_SCORE;
    traits.className = "CScore";
    traits.section = "RectScore";
    traits.helpTopic = "::/Bedienung/Spielliste.htm";
    traits.sheetWidth = 610;
    traits.horizontalRangeWidth = 610;
    traits.lineX = 18;
    traits.lineY = 16;
    traits.verticalOnlyWhileShown = true;
    traits.wheelOnlyWhileShown = false;
    traits.rangesAlways = true;
    traits.erasesToWhite = true;
    return traits;
}();

}  // namespace

CScore::CScore() : CSideWindow(kScoreTraits, &g_Settings.View.ListScore, &g_SideWindows.ScoreWheelRest) {}

int CScore::SheetHeightFor(int games, int settlement) {
    const int rows = std::max(games, 0) + 14 + (settlement == 2 ? 2 : 0);
    return rows * 16 + 5;
}

int CScore::CompactHeight(int games) { return std::min(std::max(games, 0), 36) * 16 + 262 + 10; }

int CScore::SheetHeight() const { return SheetHeightFor(g_GameList.ListedGames(), g_GameList.Header.Int(LIST_SETTLEMENT)); }

void CScore::Paint(platform::DeviceContext& dc, int xOffset, int yOffset) { DrawList(dc, xOffset, yOffset + 10); }

bool CScore::OnCreateWindow() {
    // The window menu gets Highlight, Forehand and Optimize among the standard items.
    if (platform::Menu* menu = platform::GetSystemMenu(Handle())) {
        platform::InsertMenuItemAt(*menu, 1, ID_SCORE_HIGHLIGHT, platform::LoadString(ID_SCORE_HIGHLIGHT));
        platform::InsertMenuItemAt(*menu, 2, ID_SCORE_FOREHAND, platform::LoadString(ID_SCORE_FOREHAND));
        platform::InsertMenuItemAt(*menu, 7, ID_SCORE_OPTIMIZE, platform::LoadString(ID_SCORE_OPTIMIZE));
    }
    Highlight = ReadWindowFlag("RectScore", "Highlight") != 0;
    ShowForehand = ReadWindowFlag("RectScore", "Forehand") != 0;
    FullHeight = false;
    return true;
}

std::string CScore::CreationTrace() const {
    char text[48];
    std::snprintf(text, sizeof text, ":hl:%d:fh:%d", Highlight ? 1 : 0, ShowForehand ? 1 : 0);
    return CSideWindow::CreationTrace() + text;
}

void CScore::OnPlainClose() { WriteWindowFlag("RectScore", "Highlight", Highlight ? 1 : 0); }

void CScore::OnRightClick(platform::Point) { SwitchScoreSize(); }

void CScore::OnSysCommand(int id) {
    if (id == ID_SCORE_HIGHLIGHT || id == ID_SCORE_FOREHAND) {
        bool& option = id == ID_SCORE_HIGHLIGHT ? Highlight : ShowForehand;
        option = !option;
        RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    } else if (id == ID_SCORE_OPTIMIZE) {
        SwitchScoreSize();
    }
}

// The first switch after opening always gives the full height; the next the compact one, with
// room for the header and up to 36 game lines.
void CScore::SwitchScoreSize() {
    const int height = FullHeight ? CompactHeight(g_Game.GameCount) : kFullHeight;
    FullHeight = !FullHeight;
    SwitchSize(kWidth, height);
}

void CScore::UpdateScrollRange(bool redraw) {
    // 1. The ranges, the newest games in view.
    platform::Rect client;
    GetClientRect(Handle(), &client);
    const int height = SheetHeight();
    SetBarRange(false, 0, 610 - client.Width());
    SetBarRange(true, 0, height - client.Height());
    SetBarPosition(true, VerticalBar().high);
    if (!redraw) return;
    // 2. The bars (the drawn sheet ends at 605) and a repaint; the main frame keeps the focus.
    ShowBars(client.Width() < 605, client.Height() < height);
    RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    g_SideWindowFrame.FocusFrame();
}
