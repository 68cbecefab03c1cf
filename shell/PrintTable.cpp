// The card table and the course of the game on paper: the table's own drawing routines draw into
// the printer's context, scaled as a whole into the page below the report's title, so that a wide
// or tall window loses no card and no card covers the title; the game's header line under the
// person's cards and the annotation below the table.
#include "flow/FramePrinting.h"

#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/FrameTexts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "flow/FrameGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/Printing.h"
#include "shell/SkatApp.h"
#include "tavlo/Tavlo.h"

namespace {

bool Landscape() { return g_Settings.Print.Orient != 1; }

// Room between the title, the table, the annotation and the footer line.
constexpr int kPrintGap = 6;
// The annotation's lines: a title line of 20 and at most 16 lines of 16.
constexpr int kAnnotationTitleHeight = 20;
constexpr int kAnnotationLineHeight = 16;
constexpr int kAnnotationLines = 16;

// The annotation text as the printout shows it: split at line feeds, at most 16 lines.
std::vector<std::string> AnnotationLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at <= text.size() && static_cast<int>(lines.size()) < kAnnotationLines) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        at = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// While it lives, the printer's context draws the table's own coordinates into an area of the
// page: the drawing of width x height is scaled as a whole (the same factor on both axes, as
// large as fits) and centred across the area; the page's mapping comes back afterwards.
class TableOnPage {
public:
    TableOnPage(platform::DeviceContext& dc, const platform::Rect& area, int width, int height)
        : dc_(dc),
          windowOrg_(dc.GetWindowOrg()),
          viewportOrg_(dc.GetViewportOrg()),
          windowExt_(dc.GetWindowExt()),
          viewportExt_(dc.GetViewportExt()) {
        width = std::max(width, 1);
        height = std::max(height, 1);
        // The factor num / den: the area's width over the drawing's, or its height over the
        // drawing's, whichever is smaller.
        int num = area.Width(), den = width;
        if (static_cast<long long>(area.Height()) * width < static_cast<long long>(area.Width()) * height) {
            num = area.Height();
            den = height;
        }
        num = std::max(num, 1);
        const int left = area.left + (area.Width() - width * num / den) / 2;
        const platform::Point origin = dc.LPtoDP(platform::Point{left, area.top});
        dc.SetWindowOrg(0, 0);
        dc.SetWindowExt(windowExt_.cx * den, windowExt_.cy * den);
        dc.SetViewportExt(viewportExt_.cx * num, viewportExt_.cy * num);
        dc.SetViewportOrg(origin.x, origin.y);
    }
    ~TableOnPage() {
        dc_.SetWindowExt(windowExt_.cx, windowExt_.cy);
        dc_.SetViewportExt(viewportExt_.cx, viewportExt_.cy);
        dc_.SetWindowOrg(windowOrg_.x, windowOrg_.y);
        dc_.SetViewportOrg(viewportOrg_.x, viewportOrg_.y);
    }
    TableOnPage(const TableOnPage&) = delete;
    TableOnPage& operator=(const TableOnPage&) = delete;

private:
    platform::DeviceContext& dc_;
    platform::Point windowOrg_, viewportOrg_;
    platform::Size windowExt_, viewportExt_;
};

}  // namespace

platform::Size CFramePrinting::PrintedTableSize() const {
    platform::Rect client{};
    if (g_Frame.hTableWnd) GetClientRect(g_Frame.hTableWnd, &client);
    // The game's header line stands under the person's cards; the drawing reaches down to it.
    const int headerBottom = GameHeaderY() + kPrintHeaderHeight;
    return {std::max(client.Width(), 1), std::max({client.Height(), headerBottom, 1})};
}

int CFramePrinting::GameHeaderY() const {
    // The person's row as laid out on the table.
    return frame_.GameObject().PersonsHand().originY + 150 + g_Frame.ZoomExtraHeight * 15 / 16;
}

platform::Rect CFramePrinting::PrintedTableArea(int titleBottom) const {
    const bool landscape = Landscape();
    int bottom = PrintFooterY(landscape) - kPrintGap;
    // The annotation's lines keep their room below the table.
    if (::IsWindow(frame_.FramePanels().PanelWindow(CM_CLOSE_ANNOTATION))) {
        const int lines = static_cast<int>(AnnotationLines(frame_.Texts().AnnotationText).size());
        bottom -= kAnnotationTitleHeight + lines * kAnnotationLineHeight + kPrintGap;
    }
    const int top = titleBottom + kPrintGap;
    return {0, top, PrintPageWidth(landscape), std::max(bottom, top + 1)};
}

void CFramePrinting::PrintTable(platform::DeviceContext& dc) {
    WriteTrace(":Table()", LOG_MAINFRAME);
    const bool landscape = Landscape();
    // The title band, across the page. The table below it is scaled as a whole, so the band keeps
    // its place whatever the table's zoom.
    const int top = landscape ? 150 : 80;
    const int titleBottom = top + kPrintHeaderHeight;
    PrintTitle(dc, top, kPrintHeaderHeight, IDS_REPORT_TABLE);
    const platform::Rect area = PrintedTableArea(titleBottom);
    {
        const platform::Size size = PrintedTableSize();
        TableOnPage table(dc, area, size.cx, size.cy);
        // Portraits and score boxes.
        platform::Rect band{0, top, size.cx, titleBottom};
        frame_.FrameTable().ShowImages(band, &dc);
        frame_.FrameTable().DrawScore(&dc);
        // The seats' labels while a game is on, without Kontra marks.
        const int state = g_Game.FlowState;
        if (state != STATE_INIT && state != STATE_IDLE) {
            frame_.FrameTable().MovePosText(g_Game.Forehand, IDS_LABEL_FOREHAND, &dc, nullptr);
            frame_.FrameTable().MovePosText((g_Game.Forehand + 1) % 3, IDS_LABEL_MIDDLEHAND, &dc, nullptr);
            frame_.FrameTable().MovePosText((g_Game.Forehand + 2) % 3, IDS_LABEL_REARHAND, &dc, nullptr);
        }
        // The declarer's game symbol, when the table shows one.
        for (int id = 1; id <= 7; ++id) {
            if (WS_IsSymbolShown(g_Frame.hTableWnd, id)) {
                frame_.FrameTable().MoveSymbol(g_Game.Soloist, true, &dc, nullptr);
                break;
            }
        }
        // The notice line.
        if (const int notice = frame_.FrameTable().NoticeLine(true)) frame_.FrameTable().MoveExtraText(notice, 0, 0, &dc, nullptr);
        // The seats' words, except in the Ramsch-only rules.
        if (g_Game.VariantMode != VARIANT_RAMSCH_ONLY)
            for (int seat = 0; seat < 3; ++seat)
                if (const int text = frame_.Texts().BalloonTextId[seat]; text != 0)
                    frame_.FrameTable().MoveBalloonText(seat, text, frame_.Texts().BalloonValue[seat], &dc, nullptr);
        // The cards: the skat, the three hands and the trick.
        for (TableRow row :
             {TableRow::Skat, TableRow::Computer0, TableRow::Computer1, TableRow::Person, TableRow::Trick})
            game_.PaintRow(row, 0, false, 0, 0, &dc);
        DrawGameHeader(dc);
    }
    DrawAnnotation(dc, area.bottom + kPrintGap);
}

void CFramePrinting::PrintCourse(platform::DeviceContext& dc) {
    WriteTrace(":Course()", LOG_MAINFRAME);
    const bool landscape = Landscape();
    const int top = landscape ? 150 : 80;
    PrintTitle(dc, top, kPrintHeaderHeight, IDS_REPORT_COURSE);
    const platform::Size size = PrintedTableSize();
    TableOnPage table(dc, PrintedTableArea(top + kPrintHeaderHeight), size.cx, size.cy);
    for (TableRow row : {TableRow::CourseSkat, TableRow::Course0, TableRow::Course1, TableRow::Course2})
        game_.PaintRow(row, 0, false, 0, 0, &dc);
    platform::Rect band{0, 0, size.cx, kPrintHeaderHeight};
    frame_.FrameTable().ShowImages(band, &dc);
    frame_.FrameTable().MoveCourseText(1, &dc, nullptr);
    DrawGameHeader(dc);
}

void CFramePrinting::DrawGameHeader(platform::DeviceContext& dc) {
    if (!g_pApp) return;
    const platform::LogFont font = dc.SelectFont(g_pApp->Font(7));
    const platform::BkMode mode = dc.SetBkMode(platform::BkMode::Opaque);
    const platform::Color colour = dc.SetTextColor({});
    const platform::Point offset = frame_.FrameTable().PrintOffset(&dc);
    const int width = frame_.ClientWidth();
    const int y = GameHeaderY() + offset.y;
    // The game as the status bar names it, the game clock, and the points while they are counted
    // in play, else the rule set.
    std::string last = "  " + frame_.Texts().RuleText;
    if (!frame_.Texts().PointsText.empty() && g_Game.FlowState == STATE_PLAY && g_Settings.Options.Count)
        last = "  " + platform::LoadString(IDS_PRINT_POINTS) + ": " + frame_.Texts().PointsText;
    dc.TextOut(frame_.Table().Layout.LayoutX - g_Frame.ZoomExtraWidth + offset.x, y, "  " + frame_.Texts().StatusText);
    dc.TextOut(g_Frame.ZoomExtraWidth - frame_.Table().Layout.LayoutX - 200 + width + offset.x, y,
               "  " + platform::LoadString(IDS_CAPTION_GAME) + ": " + frame_.Texts().ClockText);
    dc.TextOut(g_Frame.ZoomExtraWidth - frame_.Table().Layout.LayoutX - 110 + width + offset.x, y, last);
    dc.SetTextColor(colour);
    dc.SetBkMode(mode);
    dc.SelectFont(font);
}

void CFramePrinting::DrawAnnotation(platform::DeviceContext& dc, int top) {
    const HWND panel = frame_.FramePanels().PanelWindow(CM_CLOSE_ANNOTATION);
    if (!::IsWindow(panel) || !g_pApp) return;
    const platform::LogFont font = dc.SelectFont(g_pApp->Font(2));
    const platform::BkMode mode = dc.SetBkMode(platform::BkMode::Transparent);
    dc.TextOut(0, top, ::GetWindowText(panel));
    dc.SelectFont(g_pApp->Font(10));
    int y = top + kAnnotationTitleHeight;
    for (const std::string& line : AnnotationLines(frame_.Texts().AnnotationText)) {
        dc.TextOut(10, y, line);
        y += kAnnotationLineHeight;
    }
    dc.SetBkMode(mode);
    dc.SelectFont(font);
}
