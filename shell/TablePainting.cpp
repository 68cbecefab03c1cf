// Painting the card table: portraits, score boxes, labels, balloon texts, symbols, the notice line
// and the cards, always in that order; the frame's first layout and its placing on the desktop;
// stepping the card designs; taking the course picture down.
#include "flow/FrameTable.h"
#include "flow/MainFrame.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"

#include "dialogs/AuctionDialog.h"
#include "flow/FrameGlobals.h"
#include "flow/PromptBars.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "model/CardCodes.h"
#include "model/Skat.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/DialogUnits.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"
#include "shell/WindowPlacement.h"
#include "shell/SkatApp.h"
#include "shell/SkatView.h"
#include "shell/TableDC.h"
#include "tavlo/Tavlo.h"

#include <algorithm>
#include <cstdio>

namespace {

// The least height of the auction bar's band, in the bar's dialog units.
constexpr int kLeastBarHeight = 40;

bool Meets(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

platform::Rect Union(const platform::Rect& a, const platform::Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// Paint's depth counter, lowered on every exit.
struct PaintScope {
    explicit PaintScope(CMainFrame& frame) : frame_(frame) { ++g_Frame.PaintDepth; }
    ~PaintScope() {
        frame_.FrameTimers().FullRepaintDone();
        --g_Frame.PaintDepth;
    }
    CMainFrame& frame_;
};

}  // namespace

CFrameTable& CMainFrame::FrameTable() { return *table_; }
const TableState& CMainFrame::Table() const { return table_->State(); }

platform::Point CFrameTable::PrintOffset(platform::DeviceContext* printer) const {
    // On the screen the table is drawn where it stands; a printout's mapping places and scales the
    // whole table on the page (shell/PrintTable.cpp), so no offset is added there either.
    (void)printer;
    return {0, 0};
}

int CFrameTable::NoticeLine(bool needsExtra) const {
    const int state = g_Game.FlowState;
    if (!frame_.TrickPlay().CourseShown && g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT &&
        (!needsExtra || g_Settings.Variants.Extra != 0)) {
        return state == STATE_PICKUP                 ? IDS_NOTICE_SWAP_SKAT
               : state == STATE_SWAP                 ? IDS_NOTICE_SWAP_CARDS
               : g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK
                                                     : IDS_NOTICE_RAMSCH;
    }
    return state == STATE_HAND     ? IDS_NOTICE_DECLARE
           : state == STATE_ASK    ? IDS_NOTICE_SWAP_DECLARE
           : state == STATE_PICKUP ? IDS_NOTICE_SWAP_SKAT
           : state == STATE_SWAP   ? IDS_NOTICE_SWAP_CARDS
                                   : 0;
}

void CFrameTable::Paint(const platform::Rect& update) {
    PaintScope scope(frame_);
    platform::Rect r = update;
    const int state = g_Game.FlowState;
    const bool coursePicture = frame_.TrickPlay().CourseShown && frame_.TrickPlay().LastTrickAvailable;
    // Step 1: the portraits.
    ShowImages(r, nullptr);
    // Step 2: the score, unless the course's picture covers the table.
    if (!coursePicture) DrawScore(nullptr);
    // Step 3: the position labels and the Kontra marks.
    const bool labels = !(state == STATE_INIT || state == STATE_STAY ||
                          ((state == STATE_IDLE || state == STATE_NEW) && coursePicture));
    if (labels) {
        MovePosText(g_Game.Forehand, IDS_LABEL_FOREHAND, nullptr, &r);
        MovePosText((g_Game.Forehand + 1) % 3, IDS_LABEL_MIDDLEHAND, nullptr, &r);
        MovePosText((g_Game.Forehand + 2) % 3, IDS_LABEL_REARHAND, nullptr, &r);
    }
    auto kontraMarks = [&] {
        if (g_Game.KontraState == KONTRA_NONE) return;
        MovePosText(g_Game.KontraSeat, IDS_MARK_KONTRA, nullptr, &r);
        if (g_Game.KontraState == KONTRA_REKONTRA) MovePosText(g_Game.Soloist, IDS_MARK_REKONTRA, nullptr, &r);
    };
    if (labels && state != STATE_IDLE) kontraMarks();
    auto roundNotice = [&] {
        if (g_Game.VariantMode == VARIANT_SKAT && g_Game.RoundStatus != ROUND_NORMAL)
            MoveExtraText(g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK : IDS_NOTICE_RAMSCH, 0, 0, nullptr, &r);
    };
    auto coursePictureStep = [&] {
        // Step 8: the course's picture: the skat and the three rows of tricks; without it the round's notice.
        if (frame_.TrickPlay().CourseShown) {
            for (TableRow row : {TableRow::CourseSkat, TableRow::Course0, TableRow::Course1, TableRow::Course2}) {
                if (frame_.Timers().FullRepaint) game_.PaintRow(row, 0);
                else game_.RelayoutRow(row, r);
            }
            ShowImages(r, nullptr);
        } else {
            roundNotice();
        }
    };
    // Step 4: nothing is played. A deal under way is still in IDLE, but its cards lie on the table
    // and slide over it: they are painted back where a slide erased them.
    if ((state == STATE_INIT || state == STATE_IDLE) && !frame_.Series().GameRunning) {
        if (frame_.TrickPlay().LastTrickAvailable) coursePictureStep();
        else roundNotice();
        return;
    }
    // Step 5: the course's picture stands alone; otherwise the Kontra marks, the balloons and the soloist's symbol.
    if (coursePicture) {
        coursePictureStep();
        return;
    }
    kontraMarks();
    for (int seat = 0; seat < 3; ++seat)
        MoveBalloonText(seat, frame_.Texts().BalloonTextId[seat], frame_.Texts().BalloonValue[seat], nullptr, &r);
    for (int id = 1; id <= 22; ++id) {
        if (id != 8 && WS_IsSymbolShown(g_Frame.hTableWnd, id)) {
            MoveSymbol(g_Game.Soloist, true, nullptr, &r);
            break;
        }
    }
    // Step 6: the notice line.
    if (const int notice = NoticeLine(false)) MoveExtraText(notice, 0, 0, nullptr, &r);
    // Step 7: the cards.
    if (frame_.Timers().FullRepaint) {
        WC_SetZoom(g_Frame.hTableWnd, g_Settings.Settings.Zoom ? g_Frame.ZoomPercent : 100);
        if (const std::string title = frame_.FrameTexts().TakePendingTitle(); !title.empty()) frame_.SetWindowText(title);
        PlaceOpenBar();
    }
    const TableRow rows[5] = {TableRow::Computer0, TableRow::Computer1, TableRow::Person, TableRow::Trick,
                              frame_.TrickPlay().CourseShown ? TableRow::LastTrick : TableRow::Skat};
    for (TableRow row : rows) {
        // A full repaint lays every row out anew; an expose only puts back what was covered.
        if (frame_.Timers().FullRepaint) game_.PaintRow(row, 0, row == TableRow::Trick);
        else game_.RelayoutRow(row, r);
    }
}

void CFrameTable::ShowImages(platform::Rect& update, platform::DeviceContext* printer) {
    if (!g_Shell.PortraitLoader) return;
    const platform::Point offset = PrintOffset(printer);
    const int width = frame_.ClientWidth();
    const int computerY = table_.Layout.LayoutY - table_.Layout.TableTop - g_Frame.ZoomExtraHeight + 43 + offset.y;
    const int personY =
        table_.Layout.LayoutY + 2 * table_.Layout.RowStepY + 24 + g_Frame.ZoomExtraHeight / 2 + offset.y;
    const platform::Point places[4] = {
        {table_.Layout.LayoutX - g_Frame.ZoomExtraWidth + offset.x, computerY},
        {g_Frame.ZoomExtraWidth - table_.Layout.LayoutX + width - 67 + offset.x, computerY},
        {(width - 6) / 2 - 121 + offset.x, personY},
        {(width - 6) / 2 + 57 + offset.x, personY},
    };
    platform::DeviceContext* dc = printer ? printer : (g_Frame.hTableWnd ? GetDC(g_Frame.hTableWnd) : nullptr);
    if (!dc) return;
    for (int i = 0; i < 4; ++i) {
        if (!g_Profile.Image.Shown(i)) continue;
        const platform::Rect place{places[i].x, places[i].y, places[i].x + 64, places[i].y + 82};
        if (!printer && !Meets(place, update)) continue;
        const platform::Bitmap picture = g_Shell.PortraitLoader(g_Profile.Image.File(i));
        if (picture.IsEmpty()) continue;
        const int sx = std::max(0, (picture.Width() - 64) / 2);
        const int sy = std::max(0, (picture.Height() - 82) / 2);
        dc->BitBlt(place.left, place.top, 64, 82, picture, sx, sy, platform::RasterOp::SrcCopy);
        if (!printer) update = Union(update, place);
    }
    if (!printer) ReleaseDC(g_Frame.hTableWnd, dc);
}

void CFrameTable::DrawScore(platform::DeviceContext* printer) {
    if (!g_Settings.Settings.Score || !g_pApp || TableDC::ShowsNothing(printer, g_Frame.hTableWnd)) return;
    platform::DeviceContext* dc = printer ? printer : (g_Frame.hTableWnd ? GetDC(g_Frame.hTableWnd) : nullptr);
    if (!dc) return;
    const platform::Point offset = PrintOffset(printer);
    const int width = frame_.ClientWidth();
    const int computerY = table_.Layout.LayoutY - g_Frame.ZoomExtraHeight + 91 + offset.y;
    const bool underFirst = g_Profile.Image.ShowPerson1 || !g_Profile.Image.ShowPerson2;
    const platform::Point boxes[3] = {
        {table_.Layout.LayoutX - g_Frame.ZoomExtraWidth + offset.x, computerY},
        {g_Frame.ZoomExtraWidth - table_.Layout.LayoutX + width - 37 + offset.x, computerY},
        {(underFirst ? (width - 248) / 2 : (width + 168) / 2) + offset.x,
         table_.Layout.LayoutY + 2 * (table_.Layout.RowStepY + 47) + g_Frame.ZoomExtraHeight / 2 + offset.y},
    };
    const platform::LogFont previous = dc->SelectFont(g_pApp->Font(12));
    const platform::BkMode mode = dc->SetBkMode(platform::BkMode::Transparent);
    for (int seat = 0; seat < 3; ++seat) {
        const platform::Point box = boxes[seat];
        dc->FillRect({box.x, box.y, box.x + 34, box.y + 12}, platform::Brush::Solid(platform::Rgb(0xF0, 0xF0, 0xF0)));
        const std::string text = std::to_string(g_GameList.MatchTotals[seat]);
        const int textWidth = dc->GetTextExtent(text).cx;
        dc->TextOut(box.x + (38 - textWidth) / 2, box.y, text);
    }
    dc->SetBkMode(mode);
    dc->SelectFont(previous);
    if (!printer) ReleaseDC(g_Frame.hTableWnd, dc);
}

void CFrameTable::LayoutFrame() {
    // Step 1: the borders are the frame's two bars around the table (none where the host puts the
    // bars outside the client area).
    const platform::Rect work = g_Shell.WorkArea;
    const platform::Rect frameRect = frame_.WindowRect();
    table_.Layout.BorderWidth = frameRect.Width() - frame_.ClientWidth();
    table_.Layout.BorderHeight = frame_.BarsHeight();
    table_.Layout.TableTop = 0;
    // Step 2: the auction bar's lines, measured on a hidden bar made for that and destroyed again.
    // Our bar is a thin strip; the table's band below the cards keeps at least the room of a
    // 40-unit bar, else the placement over the table would put the bar below the frame's edge.
    int barHeight = 0;
    {
        CAuctionDialog measuring;
        if (measuring.Create(nullptr)) {
            barHeight = std::max(measuring.WindowRect().Height(), measuring.MapDialogRect({0, 0, 0, kLeastBarHeight}).bottom);
            table_.Layout.DialogLine13 = measuring.MapDialogRect({0, 0, 0, 13}).bottom;
            table_.Layout.DialogLine11 = measuring.MapDialogRect({0, 0, 0, 11}).bottom;
            measuring.DestroyWindow();
        }
    }
    table_.Layout.PromptBandHeight = 2 * barHeight;
    table_.Layout.TableTop = 22;
    // Step 3: the wanted size, held to the desktop.
    table_.Layout.DesktopWidth = g_Shell.Desktop.Width();
    table_.Layout.DesktopHeight = g_Shell.Desktop.Height();
    const int width = std::min(table_.Layout.BorderWidth + 820, table_.Layout.DesktopWidth);
    const int height = std::min(
        table_.Layout.DialogLine13 + 464 + table_.Layout.BorderHeight + 2 * barHeight + table_.Layout.DialogLine11,
        table_.Layout.DesktopHeight);
    table_.Layout.CardStepX = 81;
    table_.Layout.RowStepY = 106;
    table_.Layout.MinWindowHeight = height;
    table_.Layout.MinWindowWidth = table_.Layout.BorderWidth + 410;
    if (g_Shell.SetFrameMinimumSize)
        g_Shell.SetFrameMinimumSize(frame_.Handle(), table_.Layout.MinWindowWidth, table_.Layout.MinWindowHeight);
    table_.Layout.TableWidth = width;
    table_.Layout.TableHeight = height;
    // Step 4: centred on the desktop (which need not start at 0, 0: a second screen, or the room
    // left beside the host's bars).
    const int left = g_Shell.Desktop.left + (table_.Layout.DesktopWidth - width) / 2;
    const int top = g_Shell.Desktop.top + (table_.Layout.DesktopHeight - height) / 2;
    // Step 5: the ideal size keeps the table's proportions and fills the work area's shorter side.
    const int right = std::max(1, work.Width());
    const int bottom = std::max(1, work.Height());
    if (right * 100 / bottom > width * 100 / height) {
        table_.Layout.IdealWidth = width * bottom / height;
        table_.Layout.IdealHeight = bottom;
    } else {
        table_.Layout.IdealWidth = right;
        table_.Layout.IdealHeight = height * right / width;
    }
    // Step 6: the rectangle stored at the last close, kept inside the work area (the screens may
    // have changed since), else the centred one.
    if (g_Profile.RectMain.Stored) table_.Layout.WindowRect = KeptInside(g_Profile.RectMain.AsRect(), work);
    if (table_.Layout.WindowRect.right == 0) table_.Layout.WindowRect = {left, top, left + width, top + height};
    // Step 7: the size handler, which runs as the frame moves, keeps the maximised flag: take it
    // first.
    const bool maximised = g_Profile.RectMain.Zoomed != 0;
    frame_.MoveWindow(table_.Layout.WindowRect, true);
    table_.MainRect = frame_.WindowRect();
    if (maximised) {
        if (g_Shell.ShowFrameMaximised) g_Shell.ShowFrameMaximised(frame_.Handle());
        else frame_.MoveWindow(work, true);
        g_Profile.RectMain.Zoomed = 1;
    }
    frame_.ShowWindow(SW_SHOW);
    frame_.SetStatusPane(0, frame_.Texts().CheatText);
}

void CFrameTable::WindowPosition(platform::Size size) {
    frame_.ShowWindow(SW_SHOWNORMAL);
    // Kept inside the work area, not the whole desktop: the host's panels stay uncovered and the
    // title bar reachable; a size larger than the work area is shrunk to it.
    const platform::Rect& here = frame_.WindowRect();
    frame_.MoveWindow(KeptInside({here.left, here.top, here.left + size.cx, here.top + size.cy}, g_Shell.WorkArea), true);
    frame_.FrameTimers().AskRedraw();
}

void CFrameTable::SetCardBack(int step) {
    const HWND table = g_Frame.hTableWnd;
    if (g_Game.FlowState == STATE_IDLE || g_Game.AllCardsOpen) {
        WC_SetCardBack(table, 0, g_Settings.View.CardBack + 1);
        return;
    }
    if (step != 0) g_Settings.View.CardBack = ((g_Settings.View.CardBack + step) % 32 + 32) % 32;
    WC_SetCardBack(table, 0, g_Settings.View.CardBack + 1);
    if (frame_.Series().GameRunning) {
        for (TableRow row : {TableRow::Computer0, TableRow::Computer1, TableRow::Skat}) {
            game_.RemoveRow(row, false);
            game_.PaintRow(row, 0);
        }
    }
}

void CFrameTable::SetCardFace(int step) {
    const HWND table = g_Frame.hTableWnd;
    if (g_Game.FlowState == STATE_IDLE && !frame_.TrickPlay().CourseShown) {
        WC_SetCardFace(table, g_Settings.View.CardFace + 1);
        return;
    }
    if (step != 0) g_Settings.View.CardFace = ((g_Settings.View.CardFace + step) % 10 + 10) % 10;
    WC_SetCardFace(table, g_Settings.View.CardFace + 1);
    if (frame_.Series().GameRunning) {
        auto repaint = [this](TableRow row, bool keepGaps) {
            game_.RemoveRow(row, false);
            game_.PaintRow(row, 0, keepGaps);
        };
        if (g_Game.AllCardsOpen || g_Game.FlowState == STATE_SWAP) {
            for (TableRow row : {TableRow::Computer0, TableRow::Computer1, TableRow::Skat}) repaint(row, false);
        } else if (g_Game.OuvertAnnounced && (g_Game.Soloist == 0 || g_Game.Soloist == 1)) {
            repaint(g_Game.Soloist == 0 ? TableRow::Computer0 : TableRow::Computer1, false);
        }
        repaint(TableRow::Trick, true);
        repaint(TableRow::Person, false);
    }
    if (g_Game.FlowState == STATE_IDLE && frame_.TrickPlay().CourseShown) {
        frame_.FrameTrickPlay().OnLast();
        frame_.FrameTrickPlay().OnLast();
    }
}

void CFrameTable::RemoveTrick() {
    int played = 0;
    for (int seat = 0; seat < 3; ++seat) played += frame_.GameObject().CourseRow(seat).count;
    if (frame_.TrickPlay().CourseShown && played > 0) {
        game_.RemoveCourse(true);
        if (g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0)
            MoveExtraText(g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK : IDS_NOTICE_RAMSCH, 0, 0, nullptr, nullptr);
        platform::Rect all = frame_.GetView() ? frame_.GetView()->ClientRect() : frame_.ClientRect();
        ShowImages(all, nullptr);
        game_.ForgetShownCourse();
    }
    frame_.FrameTrickPlay().CourseGone(false);
}

void CFrameTable::PlaceOpenBar() {
    if (auto* bar = OpenBarAs<CModelessDialog>(frame_)) bar->PlaceOnTable(0);
}

void CFrameTable::LayoutTable(platform::Point origin, int a, int b) {
    table_.Layout.LayoutX = origin.x;
    table_.Layout.LayoutY = origin.y;
    table_.Layout.CardStepX = a;
    table_.Layout.RowStepY = b;
    const int x0 = origin.x, y0 = origin.y;
    const int W = table_.GrowthW, H = table_.GrowthH;
    const int sideStep = (4 * a - 71) / 10;
    game_.LayOutRow(TableRow::Skat, {x0 + 4 * a, y0}, {13 * W / 63 + a, 0}, {-W / 6, -H});
    game_.LayOutRow(TableRow::Computer0, {x0, y0 + 2 * b}, {sideStep + W / 14, -b / 5 - 10 * H / 64}, {-W, H / 3});
    game_.LayOutRow(TableRow::Computer1, {x0 + 9 * a - W / 6, y0 + 2 * b}, {-W / 14 - sideStep, -b / 5 - 10 * H / 64},
                   {W, H / 3});
    game_.LayOutRow(TableRow::Person, {x0, y0 + 3 * b}, {13 * W / 63 + a, 0}, {-W, 2 * H / 3});
    game_.LayOutRow(TableRow::Trick, {x0 + 4 * a, y0 + b}, {W / 5 + a, b}, {-W / 6, -H / 3});
    game_.LayOutRow(TableRow::LastTrick, {x0 + 18 * a / 5, y0}, {W / 6 - 1 + a, 0}, {-21 * W / 91, -H});
    game_.LayOutRow(TableRow::CourseSkat, {x0 + 4 * a, y0}, {W / 5 + a, 0}, {-W / 6, -H});
    const int courseY[3] = {y0 + b - 7 * H / 12, y0 + 2 * b, y0 + 3 * b + H / 2};
    const TableRow course[3] = {TableRow::Course0, TableRow::Course1, TableRow::Course2};
    for (int seat = 0; seat < 3; ++seat)
        game_.LayOutRow(course[seat], {x0, courseY[seat]}, {13 * W / 63 + a, 0}, {-W, H / 10});
    const CTrick& trick = game_.Trick();
    table_.TrickCentre = {trick.originX + trick.stepX / 2, trick.originY + trick.stepY};
}

bool CFrameTable::MakeBars() {
    if (const platform::MenuTemplate* menu = platform::FindMenu(IDR_MAINFRAME))
        table_.MainMenu = std::make_unique<platform::Menu>(*menu);

    // The tool bar.
    if (!table_.ToolBar.Load(IDR_MAINFRAME)) return false;

    // The status bar, pane 0 stretching, 44 and 78 pixels for the clock and the rule.
    if (!table_.StatusBar.SetPanes({{0, true}, {44, false}, {78, false}})) return false;
    table_.StatusBar.SetFont(6);
    // The longest texts of the clock and the rule panes, so that a host measuring its text makes
    // them wide enough from the start: the game counter of a long series, of Bierlachs and of a
    // match by time; every rule name.
    table_.StatusBar.SetPaneSamples(1, {"999.3-10", "-9999-10", "999:59-10"});
    table_.StatusBar.SetPaneSamples(2, {platform::LoadString(IDS_RULE_SKAT), platform::LoadString(IDS_VARIANT_SKAT),
                                        platform::LoadString(IDS_RAMSCH), platform::LoadString(IDS_SCHIEBERAMSCH)});
    return true;
}

void CFrameTable::SetStatusPane(int pane, const std::string& text) { table_.StatusBar.SetPaneText(pane, text, true); }

platform::StatusBar* CFrameTable::StatusBarForHost() { return &table_.StatusBar; }

void CFrameTable::SetTableWindow(HWND table) { table_.TableWindow = table; }

void CFrameTable::KeepMainRect(const platform::Rect& rect) { table_.MainRect = rect; }

void CFrameTable::KeepWindowRect() { table_.Layout.WindowRect = table_.MainRect; }

platform::Size CFrameTable::NextWindowSize(WindowSize kind) {
    TableLayout& layout = table_.Layout;
    const int width = kind == WindowSize::Minimal ? layout.MinWindowWidth
                      : kind == WindowSize::Optimal ? layout.TableWidth
                                                    : layout.IdealWidth;
    int& height = kind == WindowSize::Minimal ? layout.MinWindowHeight
                  : kind == WindowSize::Optimal ? layout.TableHeight
                                                : layout.IdealHeight;
    height += (height % 2 == 0) ? 1 : -1;
    return {width, height};
}

void CFrameTable::SetGrowths(int width, int height) {
    table_.GrowthW = width;
    table_.GrowthH = height;
}

void CFrameTable::MarkWindowResized() { table_.WindowResized = 1; }

bool CFrameTable::TakeWindowResized() {
    const bool resized = table_.WindowResized != 0;
    table_.WindowResized = 0;
    return resized;
}
