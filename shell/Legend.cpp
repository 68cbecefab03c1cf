#include "shell/Legend.h"

#include "flow/FrameGlobals.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/LegendBitmap.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"
#include "windows/WindowFrameServices.h"

namespace {

constexpr const char* kLegendHelp = "::/Bedienung/Ansicht.htm#legend";
constexpr int kUncovered = 0x100, kUncoveredAgain = 0x200, kLoaded = 0x80;

platform::LogFont LegendFont(int weight) {
    platform::LogFont font;
    font.face = "Arial";
    font.height = -13;
    font.weight = weight;
    return font;
}

}  // namespace

unsigned LegendTicks(int cheatMask, int pendingMarks) {
    int marks = cheatMask;
    if (marks & kUncoveredAgain) marks |= kUncovered;
    unsigned ticks = 0;
    for (int row = 0; row < 9; ++row) {
        const int mark = kLegendRowMarks[row];
        if ((marks & mark) || (mark == kLoaded && (pendingMarks & kLoaded))) ticks |= 1u << row;
    }
    return ticks;
}

CLegend::CLegend() : markPicture(platform::LoadBitmap(IDB_MASK)), legendPicture(platform::LoadBitmap(IDB_LEGEND)) {
    pictureWidth = legendPicture.Width();
    pictureHeight = legendPicture.Height();
}

bool CLegend::CreateLegend(const platform::CreateParams& params) {
    platform::CreateParams fixed = params;
    fixed.rect.right = fixed.rect.left + pictureWidth;
    fixed.rect.bottom = fixed.rect.top + pictureHeight;
    fixed.resizable = false;
    return Create(fixed);
}

platform::Window* CreateLegendWindow(CMainFrame& /*frame*/, const platform::CreateParams& params) {
    auto* legend = new CLegend;
    if (!legend->CreateLegend(params)) return nullptr;  // an engine-owned object is gone after a failure
    return legend;
}

void CLegend::Draw(platform::DeviceContext& dc, int width, int height) {
    // Step 1: the picture at full size.
    dc.BitBlt(0, 0, width, height, legendPicture, 0, 0, platform::RasterOp::SrcCopy);
    // Step 2: the texts of the edition over it.
    const platform::BkMode mode = dc.SetBkMode(platform::BkMode::Transparent);
    const platform::Color colour = dc.SetTextColor({0, 0, 0});
    const platform::LogFont font = dc.SelectFont(LegendFont(700));
    dc.TextOut(8, 2, platform::LoadString(IDS_LEGEND_TITLE));
    dc.TextOut(8, LegendRowTop(kLegendRows) + 6, platform::LoadString(IDS_LEGEND_TABLE));
    dc.SelectFont(LegendFont(400));
    for (int row = 0; row < kLegendRows; ++row) {
        const int y = LegendRowTop(row) + 3;
        dc.TextOut(10, y, platform::LoadString(IDS_LEGEND_ROW_FIRST + row));
        dc.TextOut(kLegendNoteX, y, platform::LoadString(IDS_LEGEND_NOTE_FIRST + row));
    }
    dc.TextOut(kLegendSwatchX + 50, kLegendGreenTop + 3, platform::LoadString(IDS_LEGEND_GREEN));
    dc.TextOut(kLegendSwatchX + 50, kLegendRedTop + 3, platform::LoadString(IDS_LEGEND_RED));
    dc.SelectFont(font);
    dc.SetTextColor(colour);
    dc.SetBkMode(mode);
    // Step 3: the tick, ANDed into the box of each row whose mark the game carries.
    const unsigned ticks = LegendTicks(g_Game.CheatMask, g_Profile.Cond);
    for (int row = 0; row < kLegendRows; ++row)
        if (ticks & (1u << row))
            dc.BitBlt(kLegendTickX, LegendRowTop(row), kLegendTickSize, kLegendTickSize, markPicture, 0, 0,
                      platform::RasterOp::SrcAnd);
}

void CLegend::OnPaint() {
    PAINTSTRUCT paint{};
    platform::DeviceContext* dc = ::BeginPaint(Handle(), &paint);
    if (dc) Draw(*dc, pictureWidth, pictureHeight);
    ::EndPaint(Handle(), &paint);
}

// The help toggle: the legend's page, or every help window closed.
void CLegend::OnLButtonDown() {
    if (!helpOpen) {
        platform::ShowHelpTopic(g_Frame.hTableWnd, g_Shell.HelpFile + kLegendHelp);
        g_SideWindowFrame.FocusFrame();
    } else {
        platform::CloseAllHelpWindows();
    }
    helpOpen = !helpOpen;
}

// Closed by its own box while the View menu has it open: the menu's toggle stores its corner and
// closes it, so that the menu's check mark follows.
void CLegend::OnClose() {
    if (g_SideWindowFrame.RouteSideWindowClose(ID_LIST_LEGEND)) return;
    DestroyWindow();
}

LRESULT CLegend::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const LRESULT result = platform::Window::WindowProc(message, wParam, lParam);
            helpOpen = false;
            return result;
        }
        case WM_PAINT: OnPaint(); return 0;
        case WM_LBUTTONDOWN: OnLButtonDown(); return 0;
        case WM_CLOSE: OnClose(); return 0;
        default: return platform::Window::WindowProc(message, wParam, lParam);
    }
}
