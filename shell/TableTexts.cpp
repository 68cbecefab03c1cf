// Texts on the table: the seats' names with their position labels and Kontra marks, erasing a
// label, the notice line above the table, and redrawing them all.
#include "flow/FrameTable.h"
#include "flow/MainFrame.h"
#include "flow/TrickPlayState.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"

#include "flow/FrameGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "shell/SkatView.h"
#include "shell/TableColours.h"
#include "shell/TableDC.h"
#include "shell/TableTexts.h"
#include "tavlo/Tavlo.h"

#include <cstdio>

namespace {

constexpr unsigned kVerboseFrame = LOG_MAINFRAME | LOG_VERBOSE;

void TracePlace(const char* routine, int place) {
    // Runs for every label at every repaint: the text is built only for a trace that is written.
    if (!IsTraceOn(kVerboseFrame)) return;
    std::string line = ":";
    line += routine;
    line += "(place:";
    line += std::to_string(place);
    line += ")";
    WriteTrace(line, kVerboseFrame);
}

}  // namespace

std::string FirstCharacters(const std::string& text, int count) {
    std::size_t at = 0;
    int seen = 0;
    while (at < text.size()) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            if (seen == count) break;
            ++seen;
        }
        ++at;
    }
    return text.substr(0, at);
}

bool LiesOutside(const platform::Rect* update, const platform::Rect& r, int slackLeft, int slackRight,
                 int slackTop, int slackBottom) {
    if (!update) return false;
    return update->right < r.left - slackLeft || update->left > r.right + slackRight ||
           update->bottom < r.top - slackTop || update->top > r.bottom + slackBottom;
}

std::string FormatNotice(int stringId) {
    const std::string pattern = platform::LoadString(stringId);
    if (pattern.find('%') == std::string::npos) return pattern;
    const bool bock = g_Game.RoundStatus == ROUND_BOCK;
    const int round = bock ? g_Game.BockRound : g_Game.RamschRound;
    const int rounds = bock ? g_Game.BockRounds : g_Game.RamschRounds;
    // The patterns hold exactly "%d-%d" and "%d", in that order.
    std::string text;
    int values[3] = {round, rounds, g_Game.BockCounter + 1};
    int next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'd' && next < 3) {
            text += std::to_string(values[next++]);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

void CFrameTable::MovePosText(int seat, int stringId, platform::DeviceContext* printer, const platform::Rect* update) {
    // Step 1: the trace names the seat.
    TracePlace("MovePosText", seat);
    // The label leaves nothing but pixels.
    if (TableDC::ShowsNothing(printer, g_Frame.hTableWnd)) return;
    TableDC dc(printer, g_Frame.hTableWnd);
    if (!dc || !g_pApp) return;
    // Step 2: the label and the player's name, at most 10 characters, with their sizes.
    const std::string label = platform::LoadString(stringId);
    const std::string name = FirstCharacters(frame_.GetPlayerName(seat), 10);
    dc.SelectAppFont(12);
    const int labelWidth = dc->GetTextExtent(label).cx;
    dc.SelectAppFont(2);
    const platform::Size nameSize = dc->GetTextExtent(name);
    const platform::BkMode mode = dc->SetBkMode(platform::BkMode::Transparent);
    // Step 3: the place beside the seat.
    const int width = frame_.ClientWidth();
    int x = 0, y = 0;
    if (seat == 0) {
        x = table_.Layout.LayoutX - g_Frame.ZoomExtraWidth;
        y = table_.Layout.LayoutY - table_.Layout.TableTop - g_Frame.ZoomExtraHeight;
    } else if (seat == 1) {
        x = width - 15 + g_Frame.ZoomExtraWidth - table_.Layout.LayoutX - nameSize.cx;
        y = table_.Layout.LayoutY - table_.Layout.TableTop - g_Frame.ZoomExtraHeight;
    } else if (seat == 2) {
        x = (width - nameSize.cx) / 2;
        y = table_.Layout.LayoutY + 2 * (table_.Layout.RowStepY + 31) + g_Frame.ZoomExtraHeight / 2;
    }
    const platform::Point offset = PrintOffset(printer);
    platform::Rect r{x + offset.x, y + offset.y, x + offset.x + labelWidth + nameSize.cx, y + offset.y + nameSize.cy};
    // Step 4: nothing is drawn outside the area to repaint.
    if (LiesOutside(update, r, 1, 0, 2, 0)) {
        dc->SetBkMode(mode);
        return;
    }
    // Step 5: Kontra marks stand without the name, a little lower.
    const bool mark = stringId == IDS_MARK_KONTRA || stringId == IDS_MARK_REKONTRA;
    if (mark) {
        r.top += 10;
    } else {
        dc->SetTextColor({});
        dc->TextOut(r.left, r.top, name);
        dc->SetTextColor(kSilver);
        dc->TextOut(r.left - 1, r.top - 1, name);
    }
    // Step 6: the label, silver over a black shadow.
    dc.SelectAppFont(12);
    dc->SetTextColor({});
    dc->TextOut(r.left + nameSize.cx + 1, r.top - 2, label);
    dc->SetTextColor(kSilver);
    dc->TextOut(r.left + nameSize.cx, r.top - 3, label);
    dc->SetBkMode(mode);
    // Step 7: the person's label may lie over the person's card in the trick.
    const CTrick& trick = frame_.GameObject().Trick();
    if (!printer && !frame_.Timers().FullRepaint && seat == 2 && trick.present.size() > 2 && trick.present[2]) {
        const platform::Point place = game_.SlotPosition(TableRow::Trick, 2);
        WC_DrawCard(g_Frame.hTableWnd, trick.cards[2], place.x, place.y, nullptr);
    }
}

void CFrameTable::RemoveText(int place, int stringId) {
    TracePlace("RemoveText", place);
    if (TableDC::ShowsNothing(nullptr, g_Frame.hTableWnd)) return;
    TableDC dc(nullptr, g_Frame.hTableWnd);
    if (!dc || !g_pApp) return;
    std::string text = platform::LoadString(stringId);
    if (place > 3) text += "888";
    dc.SelectAppFont(2);
    const int tw = dc->GetTextExtent(text).cx;
    platform::Rect view;
    GetClientRect(g_Frame.hTableWnd, &view);
    const int w = view.Width();
    const int top = table_.Layout.LayoutY - table_.Layout.TableTop - g_Frame.ZoomExtraHeight;
    int x = 0, y = 0;
    switch (place) {
        case 0:
            x = table_.Layout.LayoutX - g_Frame.ZoomExtraWidth;
            y = top;
            break;
        case 1:
            x = g_Frame.ZoomExtraWidth - table_.Layout.LayoutX - tw + w;
            y = top;
            break;
        case 2:
            x = (w - tw) / 2;
            y = table_.Layout.LayoutY + 2 * table_.Layout.RowStepY + 62 + g_Frame.ZoomExtraHeight / 2;
            break;
        case 4:
            x = table_.Layout.LayoutX - g_Frame.ZoomExtraWidth;
            y = top + 22;
            break;
        case 5:
            x = g_Frame.ZoomExtraWidth - table_.Layout.LayoutX - tw + w;
            y = top + 22;
            break;
        case 6:
            x = (w - tw - 6) / 2;
            y = table_.Layout.LayoutY + 2 * table_.Layout.RowStepY + 82 + g_Frame.ZoomExtraHeight / 2;
            break;
        default: x = view.left; y = view.top; break;
    }
    dc->FillRect({x - 4, y - 1, x + tw + 4, y - 1 + table_.Layout.TableTop}, TableBrush());
}

void CFrameTable::MoveExtraText(int showId, int clearId, int yOffset, platform::DeviceContext* printer,
                               const platform::Rect* update) {
    if (!frame_.GetView() || table_.Layout.TableTop == 0) return;
    // Step 1: the trace, and the notice's font.
    std::string line = ":MoveExtraText(";
    line += showId ? "display" : "remove";
    line += ")";
    WriteTrace(line, kVerboseFrame);
    TableDC dc(printer, g_Frame.hTableWnd);
    if (!dc || !g_pApp) return;
    dc.SelectAppFont(2);
    // Step 2: a notice over the person's row blinks.
    if (yOffset > 0) {
        if (g_Frame.ZoomExtraHeight > 0) yOffset += g_Frame.ZoomExtraHeight * 2;
        g_Shell.BlinkPhase = 1 - g_Shell.BlinkPhase;
    } else {
        g_Shell.BlinkPhase = 0;
    }
    const int width = frame_.ClientWidth();
    const platform::Point offset = PrintOffset(printer);
    // Step 3: the notice that goes is wiped from the table.
    if (clearId) {
        const platform::Size size = dc->GetTextExtent(platform::LoadString(clearId));
        const int left = (width - size.cx) / 2 - 1;
        const int top = yOffset - 2 + table_.Layout.LayoutY - g_Frame.ZoomExtraHeight - table_.Layout.TableTop;
        WS_RemoveSymbol(g_Frame.hTableWnd, 8);
        if (!printer && dc.KeepsPixels())
            dc->FillRect({left, top, left + size.cx + 2, top + size.cy + 2}, TableBrush());
    }
    // Step 4: with no new notice that is all; the Bock and Ramsch notices make room for their symbol.
    if (!showId) return;
    const std::string text = FormatNotice(showId);
    const platform::Size size = dc->GetTextExtent(text);
    int x = (width - size.cx) / 2;
    if (showId == IDS_NOTICE_BOCK || showId == IDS_NOTICE_RAMSCH) {
        table_.Layout.NoticeX = x;
        table_.Layout.NoticeY = table_.Layout.LayoutY - table_.Layout.TableTop;
        MoveSymbol(3, printer != nullptr || g_Frame.PaintDepth > 0, printer, update);
        x += 15;
    }
    // Step 5: the notice's box; nothing is drawn outside the area to repaint or without kept pixels.
    const platform::Rect r{
        offset.x + x, offset.y - g_Frame.ZoomExtraHeight + table_.Layout.LayoutY - table_.Layout.TableTop + yOffset,
        offset.x + x + size.cx, 0};
    const platform::Rect box{r.left, r.top, r.right, r.top + size.cy};
    if (LiesOutside(update, box, 1, 1, 1, 1) || !dc.KeepsPixels()) return;
    // Step 6: the notice over a black shadow, its face black or white by the blink phase.
    const platform::BkMode mode = dc->SetBkMode(platform::BkMode::Transparent);
    dc->SetTextColor({});
    dc->TextOut(box.left, box.top, text);
    dc->SetTextColor(g_Shell.BlinkPhase == 1 ? platform::Color{} : platform::Rgb(255, 255, 255));
    dc->TextOut(box.left - 1, box.top - 1, text);
    dc->SetBkMode(mode);
}

void CFrameTable::RefreshPosTexts(int kontraMode) {
    const int f = g_Game.Forehand;
    for (int i = 0; i < 3; ++i) RemoveText((f + i) % 3, IDS_WIDEST_NAME);
    MovePosText(f % 3, IDS_LABEL_FOREHAND, nullptr, nullptr);
    MovePosText((f + 1) % 3, IDS_LABEL_MIDDLEHAND, nullptr, nullptr);
    MovePosText((f + 2) % 3, IDS_LABEL_REARHAND, nullptr, nullptr);
    if (g_Game.KontraState != KONTRA_NONE) {
        if (frame_.TrickPlay().HistoryPosition != 0 || kontraMode != 1) {
            MovePosText(g_Game.KontraSeat, IDS_MARK_KONTRA, nullptr, nullptr);
            if (g_Game.KontraState == KONTRA_REKONTRA) MovePosText(g_Game.Soloist, IDS_MARK_REKONTRA, nullptr, nullptr);
        } else {
            // Undone back to the start of play: no Kontra was said yet.
            g_Game.KontraState = KONTRA_NONE;
        }
    }
    if (g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0)
        MoveExtraText(g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK : IDS_NOTICE_RAMSCH, 0, 0, nullptr, nullptr);
}

void CFrameTable::RefreshTexts() {
    RefreshPosTexts(1);
    g_Frame.PaintDepth = 1;
    for (int seat = 0; seat < 3; ++seat)
        if (frame_.Texts().BalloonTextId[seat] != 0)
            MoveBalloonText(seat, frame_.Texts().BalloonTextId[seat], frame_.Texts().BalloonValue[seat], nullptr, nullptr);
    g_Frame.PaintDepth = 0;
    if (g_Game.GameType != 7) MoveSymbol(g_Game.Soloist, true, nullptr, nullptr);
}
