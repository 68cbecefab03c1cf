// Speech balloons and game symbols on the table, with the balloon waits.
#include "flow/FrameTable.h"
#include "flow/MainFrame.h"
#include "flow/FrameAudio.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"

#include "flow/FrameGlobals.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/SkatApp.h"
#include "shell/TableColours.h"
#include "shell/TableDC.h"
#include "shell/TableTexts.h"
#include "tavlo/Tavlo.h"

#include <cstdio>

namespace {

// The balloon of a seat: 6 for the computer on the right, 5 for the others.
int SeatBalloon(int seat) { return seat == 1 ? 6 : 5; }

// Waits, dispatching messages, while a speech balloon is up; the tick takes it down. A stop request
// or the end of the program ends the wait as well.
void WaitWhileBalloonUp() {
    g_Frame.ModalPumpActive = 1;
    WaitWhile([] { return g_Game.PauseLevel >= 5 && g_Game.StopFlag != StopState::Requested; });
    g_Frame.ModalPumpActive = 0;
}

}  // namespace

void CFrameTable::MoveBalloonText(int seat, int stringId, int value, platform::DeviceContext* printer,
                                 const platform::Rect* update) {
    if (seat < 0 || seat > 2) return;
    // Step 1: value 1 stands for the 18 a pass was said to.
    std::string text = platform::LoadString(stringId);
    if (value > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%3d", value == 1 ? 18 : value);
        text += number;
    }
    TableDC dc(printer, g_Frame.hTableWnd);
    // The text's size places only what is drawn, and what a paint leaves out: on a surface that
    // keeps nothing, outside a paint, it is not measured.
    platform::Size size{};
    if (dc && g_pApp && (dc.KeepsPixels() || update)) {
        dc.SelectAppFont(5);
        size = dc->GetTextExtent(text);
    }
    // Step 2: the seat has bid, unless the game is Ramsch, the value is below 18 or it passed at 18.
    g_Game.HasBid[seat] =
        (g_Game.GameType == GAME_RAMSCH || value < 18 || (value == 18 && stringId == IDS_BALLOON_PASS)) ? 0 : 1;
    // Step 3: the balloon's place beside the seat.
    const int width = frame_.ClientWidth();
    const int computerY = table_.Layout.LayoutY - table_.Layout.TableTop - g_Frame.ZoomExtraHeight + 22;
    // The text's place, and the balloon's place: the balloon's height on the screen starts as an
    // offset (82 under the person's row) that step 7 turns into a place.
    int x = 0, y = 0, balloonX = 0, balloonY = 0;
    if (seat == 0) {
        x = table_.Layout.LayoutX - g_Frame.ZoomExtraWidth;
        y = computerY;
        balloonX =
            table_.Layout.DesktopWidth * 23 / 1000 - g_Frame.ZoomExtraWidth + table_.Layout.LayoutX;
        balloonY = 0;
    } else if (seat == 1) {
        x = g_Frame.ZoomExtraWidth - table_.Layout.LayoutX - size.cx - 4 + width;
        y = computerY;
        balloonX =
            g_Frame.ZoomExtraWidth - table_.Layout.DesktopWidth * 101 / 1000 - table_.Layout.LayoutX + width;
        balloonY = 0;
    } else {
        x = (width - size.cx) / 2 + 6;
        y = table_.Layout.LayoutY + 2 * table_.Layout.RowStepY + g_Frame.ZoomExtraHeight / 2;
        balloonX = (width - 141) / 2;
        balloonY = 82;
    }
    frame_.FrameTexts().SetBalloonText(seat, stringId, value);
    // Step 4: nothing is drawn where the balloon lies outside the area to repaint.
    const platform::Point offset = PrintOffset(printer);
    const platform::Rect r{offset.x + x, balloonY + offset.y + y, offset.x + x + size.cx,
                           balloonY + offset.y + y + size.cy};
    if (LiesOutside(update, r, 1, 0, 1, 0)) return;
    const bool inPaint = g_Frame.PaintDepth > 0;
    // Step 5: the text on the table.
    if (stringId != 0 && value >= 0) {
        WB_RemoveBalloon(g_Frame.hTableWnd, 5);
        if (!printer) RemoveText(seat + 4, stringId);
        if (dc.KeepsPixels() && g_pApp) {
            dc.SelectAppFont(5);
            const platform::Color back = dc->SetBkColor(TableColour());
            const platform::BkMode mode = dc->SetBkMode(platform::BkMode::Opaque);
            dc->SetTextColor({});
            dc->TextOut(r.left, r.top, text);
            dc->SetBkMode(platform::BkMode::Transparent);
            dc->SetTextColor(kSilver);
            dc->TextOut(r.left - 1, r.top - 1, text);
            dc->SetBkMode(mode);
            dc->SetBkColor(back);
        }
    }
    // Step 6: a printout ends here; on the screen the balloon holds the play and starts the pause clock.
    if (printer) return;
    const int balloon = SeatBalloon(seat);
    if (!inPaint) {
        g_Game.PauseLevel = balloon;
        frame_.MatchSeries().StartPlayClock();
    }
    // Step 7: the balloon itself.
    const int state = g_Game.FlowState;
    const bool auctionState = state == STATE_AUCTION || state == STATE_OBSERVE || state == STATE_REPLY ||
                              state == STATE_QUERY;
    const bool ramschState = g_Game.GameType == GAME_RAMSCH && (state == STATE_ASK || state == STATE_PICKUP ||
                                                      state == STATE_PASS || state == STATE_PLAY || state == STATE_START);
    if (g_Settings.Settings.Balloon && (value < 0 || auctionState || ramschState)) {
        balloonY = (balloonY == 0 ? table_.Layout.DesktopHeight * 20 / 1000 : 0) + y;
        if (inPaint) {
            // Drawn into the painted surface: showing it anew would erase and invalidate the
            // window inside its own paint, and the paints would never end. A seat without a
            // word of its own leaves a shown balloon (a message balloon) as it is.
            if (stringId != 0 && dc.KeepsPixels() && WB_IsBalloonShown(g_Frame.hTableWnd, balloon))
                WB_DrawBalloon(g_Frame.hTableWnd, balloon, balloonX, balloonY, 20, text, &*dc);
        } else {
            WB_ShowBalloon(g_Frame.hTableWnd, balloon, balloonX, balloonY, 20, text);
            frame_.FrameAudio().SoundEffect(stringId == IDS_BALLOON_PASS ? SOUND_BALLOON_PASS : SOUND_BALLOON_BID, false);
        }
    }
    // Step 8: the table's context is not held across the wait, during which the table may go.
    dc.Release();
    if (!inPaint) WaitWhileBalloonUp();
}

void CFrameTable::MessageBalloon(int side, int stringId) {
    const int balloon = side == 1 ? 6 : 5;
    const bool inPaint = g_Frame.PaintDepth > 0;
    if (!inPaint) {
        g_Game.PauseLevel = balloon;
        frame_.MatchSeries().StartPlayClock();
    }
    if (g_Settings.Settings.Balloon) {
        const int y = table_.Layout.LayoutY - table_.Layout.TableTop - g_Frame.ZoomExtraHeight + 22;
        const int balloonX =
            side == 0 ? table_.Layout.DesktopWidth * 23 / 1000 + table_.Layout.LayoutX - g_Frame.ZoomExtraWidth
                      : g_Frame.ZoomExtraWidth - table_.Layout.DesktopWidth * 101 / 1000 - table_.Layout.LayoutX +
                            frame_.ClientWidth();
        const int balloonY = table_.Layout.DesktopHeight * 20 / 1000 + y;
        const std::string text = platform::LoadString(stringId);
        if (inPaint) {
            // Into the painted surface, as in MoveBalloonText.
            TableDC dc(nullptr, g_Frame.hTableWnd);
            if (dc.KeepsPixels() && WB_IsBalloonShown(g_Frame.hTableWnd, balloon))
                WB_DrawBalloon(g_Frame.hTableWnd, balloon, balloonX, balloonY, 20, text, &*dc);
        } else {
            WB_ShowBalloon(g_Frame.hTableWnd, balloon, balloonX, balloonY, 20, text);
        }
    }
    if (!inPaint) WaitWhileBalloonUp();
}

void CFrameTable::MoveSymbol(int seat, bool draw, platform::DeviceContext* printer, const platform::Rect* /*update*/) {
    const int width = frame_.ClientWidth();
    int symbol = g_Game.GameType + 1;
    int x = 0, y = table_.Layout.LayoutY - g_Frame.ZoomExtraHeight + 2;
    switch (seat) {
        case 0: x = table_.Layout.LayoutX - g_Frame.ZoomExtraWidth + 78; break;
        case 1: x = width - 15 + g_Frame.ZoomExtraWidth - table_.Layout.LayoutX - 84; break;
        case 2:
            x = (width - 84) / 2 - 25;
            y = table_.Layout.LayoutY + 2 * table_.Layout.RowStepY + 82 + g_Frame.ZoomExtraHeight / 2;
            break;
        default:
            symbol = 8;
            x = table_.Layout.NoticeX;
            y = table_.Layout.NoticeY - g_Frame.ZoomExtraHeight;
            break;
    }
    const platform::Point offset = PrintOffset(printer);
    x += offset.x;
    y += offset.y;
    if (printer) WS_DrawSymbol(g_Frame.hTableWnd, symbol, x, y, printer);
    else if (draw) WS_DrawSymbol(g_Frame.hTableWnd, symbol, x, y, nullptr);
    else WS_ShowSymbol(g_Frame.hTableWnd, symbol, x, y);
}
