// The score sheet's drawing: title block, column heading, one line per game decoded from its short
// notation with the running per-seat values, and the settlement. The window and the printout draw
// through the same routine.
#include "windows/Score.h"

#include "match/GameList.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Clock.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "windows/PastelBrushes.h"
#include "windows/PrintingContext.h"
#include "windows/ScoreNotation.h"
#include "windows/WindowFrameServices.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

namespace {

using platform::DeviceContext;
using platform::Rect;
namespace DT = platform::DrawTextFormat;

constexpr int kLine = 16;
constexpr int kHeadingHeight = 121;
constexpr int kLinesPerPage = 48;
constexpr int kPageStep = 1108;
constexpr int kLandscapeShift = 680;

platform::LogFont Arial(int height, int weight, int width = 0, int escapement = 0) {
    platform::LogFont font;
    font.face = "Arial";
    font.height = height;
    font.width = width;
    font.weight = weight;
    font.escapement = escapement;
    return font;
}

struct Column {
    int headingId;   // 0: the text is chosen while drawing
    int headingWidth;
    int lineWidth;
    bool turned;
    int labelX, labelY;
};

// The 26 columns: heading text, heading width, width in a game line, heading font, label offsets.
const Column kColumns[kScoreColumns] = {
    {0, 36, 36, true, 10, 10},         {42012, 32, 32, true, 8, 10},     {42020, 36, 18, true, 4, -53},
    {42021, 0, 18, true, -19, -53},    {42022, 0, 0, true, -33, 10},     {42023, 0, 0, true, -17, 10},
    {42030, 114, 19, false, 20, -103}, {42031, 0, 19, true, -112, 10},   {42032, 0, 19, true, -93, 10},
    {42033, 0, 19, true, -74, 10},     {42034, 0, 19, true, -55, 10},    {42035, 0, 19, true, -36, 10},
    {42036, 0, 0, true, -17, 10},      {42040, 32, 32, true, 8, 10},     {42061, 86, 86, false, 16, -103},
    {42062, 0, 0, false, -59, -88},    {0, 0, 0, false, -60, -4},        {42061, 86, 86, false, 16, -103},
    {42063, 0, 0, false, -63, -88},    {0, 0, 0, false, -60, -4},        {42064, 86, 86, false, 22, -103},
    {0, 0, 0, false, -60, -4},         {42070, 20, 20, true, 2, 10},     {42071, 32, 32, true, 8, 10},
    {0, 20, 20, true, 2, 10},          {0, 20, 20, true, 2, 10},
};
constexpr int kSeatColumns[3] = {14, 17, 20};

// The stem of the match's list file; empty while the list has no file of its own yet.
std::string MatchFileStem() { return g_SideWindowFrame.UserFileName(); }

bool IsGermanEdition() { return platform::LoadString(IDS_OTHER_LANGUAGE) == "en"; }

// The edition's part of a "German\nEnglish" text.
std::string EditionPart(const std::string& text) {
    const std::size_t feed = text.find('\n');
    if (feed == std::string::npos) return text;
    return IsGermanEdition() ? text.substr(0, feed) : text.substr(feed + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A seat's place in the match's first game: 1 forehand, 2 middlehand, 3 rearhand.
int FirstPlace(int seat, int firstForehand) { return ((seat - firstForehand) % 3 + 3) % 3 + 1; }

class ScoreDrawer {
public:
    ScoreDrawer(CScore& window, DeviceContext& context, int xOffset, int yOffset)
        : score(window), dc(context), x0(5 - xOffset), x1(605 - xOffset), y0(5 - yOffset) {}

    void Draw();

private:
    void DrawTitleBlock(int top, int left, int extraWidth);
    void DrawHeading(int top, int left);
    int DrawGameLine(int index, int games, int top, int left, bool startsBlock);
    int DrawSettlement(int top);
    void StrongPen() { dc.SelectPen({platform::PenStyle::Solid, 3, {}}); }
    void LightPen() { dc.SelectPen({platform::PenStyle::Solid, 1, {}}); }
    void Line(int xa, int ya, int xb, int yb) {
        dc.MoveTo(xa, ya);
        dc.LineTo(xb, yb);
    }
    void Centered(const std::string& text, Rect rect) { dc.DrawText(text, rect, DT::Center | DT::VCenter | DT::SingleLine); }

    CScore& score;
    DeviceContext& dc;
    int x0, x1, y0;
    int printKind = 0;
    std::int64_t running[3] = {0, 0, 0};
};

void ScoreDrawer::Draw() {
    // Set-up: the DC's font and pen come back at the end.
    const platform::LogFont savedFont = dc.CurrentFont();
    const platform::Pen savedPen = dc.CurrentPen();
    const platform::BkMode savedMode = dc.SetBkMode(platform::BkMode::Transparent);
    printKind = IsPrintingContext(dc) ? (g_Settings.Print.Orient == 2 ? 2 : 1) : 0;
    const std::int64_t start = g_Game.MatchMode == 2 ? g_Settings.Game.MaxCredit : 0;
    for (std::int64_t& value : running) value = start;
    const int games = g_GameList.ListedGames();
    // Until the first game the sheet shows the time of its drawing and the game's forehand.
    if (games == 0) {
        g_GameList.Header.SetInt(LIST_START_TIME, static_cast<std::int32_t>(static_cast<std::uint32_t>(Time64())));
        g_GameList.Header.SetInt(LIST_FIRST_FOREHAND, g_Game.Leader);
    }

    const int shiftDown = printKind == 0 ? 0 : 16;
    const int shiftRight = printKind == 2 ? 64 : 0;
    int top = y0 + shiftDown;
    DrawTitleBlock(top, x0 + shiftRight, printKind == 2 ? kLandscapeShift : 0);
    int lineTop = top + 72 + kHeadingHeight;
    DrawHeading(top + 72, x0);
    int left = x0;
    for (int i = 0; i < games; ++i) {
        bool startsBlock = false;
        // A printout continues every 48 lines: in landscape once beside the first block, else on
        // the next page with the title again.
        if (printKind != 0 && i > 0 && i % kLinesPerPage == 0) {
            const int block = i / kLinesPerPage;
            startsBlock = true;
            if (printKind == 2 && block % 2 == 1) {
                left = x0 + kLandscapeShift;
                lineTop = y0 + shiftDown + 72 + kHeadingHeight + (block / 2) * kPageStep;
            } else {
                left = x0;
                const int pageTop = y0 + shiftDown + (printKind == 2 ? block / 2 : block) * kPageStep;
                DrawTitleBlock(pageTop, x0 + shiftRight, printKind == 2 ? kLandscapeShift : 0);
                DrawHeading(pageTop + 72, x0);
                lineTop = pageTop + 72 + kHeadingHeight;
            }
        }
        const int saveX0 = x0;
        x0 = left;
        lineTop = DrawGameLine(i, games, lineTop, left, startsBlock);
        x0 = saveX0;
    }
    DrawSettlement(lineTop);
    dc.SetBkMode(savedMode);
    dc.SelectPen(savedPen);
    dc.SelectFont(savedFont);
}

void ScoreDrawer::DrawTitleBlock(int top, int left, int extraWidth) {
    const ListHeader& header = g_GameList.Header;
    const int right = left + (x1 - x0) + extraWidth;
    // 1.-2. The title, with the match file's name when asked for.
    std::string title = EditionPart(header.Text(LIST_TITLE, 56));
    if (header.Int(LIST_TITLE_OPTIONS) & 1) {
        const std::string name = MatchFileStem();
        if (!name.empty() && Lower(name) != "temp~") title += " (" + name + ")";
    }
    dc.SelectFont(Arial(20, 700));
    Centered(title, {left, top + 24, right, top + 24 + 24});
    // 3. Subtitle on the left, the start on the right.
    dc.SelectFont(Arial(14, 700));
    std::string subtitle;
    if (header.Int(LIST_TITLE_OPTIONS) & 2) {
        const int variant = g_Game.VariantMode;
        const int id = variant == 0 ? IDS_RULE_SKAT
                     : variant == 1 ? IDS_VARIANT_SKAT
                                    : (g_Settings.Variants.PassOn ? IDS_SCHIEBERAMSCH : IDS_RAMSCH);
        subtitle = platform::LoadString(id);
    } else {
        subtitle = EditionPart(header.Subtitle());
    }
    Rect line{left, top + 56, right, top + 56 + kLine};
    dc.DrawText(subtitle, line, DT::Left | DT::VCenter | DT::SingleLine);
    const std::uint32_t started = static_cast<std::uint32_t>(header.Int(LIST_START_TIME));
    const std::string date =
        platform::FormatLocalTime(IsGermanEdition() ? "%d.%m.%Y %H:%M" : "%Y-%m-%d %H:%M", static_cast<std::int64_t>(started));
    line = {left, top + 56, right, top + 56 + kLine};
    dc.DrawText(platform::LoadString(42052) + " " + date, line, DT::Right | DT::VCenter | DT::SingleLine);
}

void ScoreDrawer::DrawHeading(int top, int left) {
    const int bottom = top + kHeadingHeight;
    const int right = left + 600;
    LightPen();
    Line(left, top, right, top);
    Line(left, top, left, bottom);
    Line(left, bottom, right, bottom);
    const int variant = g_Game.VariantMode;
    const int firstForehand = g_GameList.Header.Int(LIST_FIRST_FOREHAND);
    int x = left;
    int columnLeft[kScoreColumns] = {};
    for (int c = 0; c < kScoreColumns; ++c) {
        columnLeft[c] = x;
        const Column& column = kColumns[c];
        std::string label;
        if (c == 0) label = platform::LoadString(g_GameList.Header.Int(LIST_COUNTING) == 1 ? 42008 : 42011);
        else if (c == 24) label = platform::LoadString(variant == 1 ? 42072 : 42074);
        else if (c == 25) label = platform::LoadString(variant == 1 ? 42073 : 42075);
        else if (c == 16 || c == 19 || c == 21) {
            const int seat = c == 16 ? 0 : c == 19 ? 1 : 2;
            label = platform::LoadString(42051) + " " + std::to_string(FirstPlace(seat, firstForehand));
        } else if (column.headingId) {
            label = platform::LoadString(column.headingId);
        }
        // Labels of narrow columns run upwards from just above the bottom line; the others are
        // bottom-aligned on their line of the block.
        const int labelLeft = x + column.labelX;
        if (column.turned) {
            dc.SelectFont(Arial(14, 700, 0, 900));
            dc.TextOut(labelLeft, bottom + column.labelY - 14, label);
        } else {
            dc.SelectFont(Arial(14, 700));
            Rect rect{labelLeft, top, labelLeft + 200, bottom + column.labelY};
            dc.DrawText(label, rect, DT::Left | DT::Bottom | DT::SingleLine);
        }
        x += column.headingWidth;
        if (column.headingWidth > 0) Line(x, top, x, bottom);
    }
    // Inside the groups: the group title above the sub-columns, the sub-columns apart.
    const int groupLine = top + 22;
    Line(columnLeft[2], bottom - 60, columnLeft[2] + 36, bottom - 60);
    Line(columnLeft[2] + 18, bottom - 60, columnLeft[2] + 18, bottom);
    Line(columnLeft[6], groupLine, columnLeft[6] + 114, groupLine);
    for (int k = 1; k < 6; ++k) Line(columnLeft[6] + 19 * k, groupLine, columnLeft[6] + 19 * k, bottom);
    // The seat names, ten characters to a line.
    dc.SelectFont(Arial(16, 400, 5));
    for (int seat = 0; seat < 3; ++seat) {
        const int cx = columnLeft[kSeatColumns[seat]];
        const std::string name = g_GameList.Header.SeatName(seat);
        Centered(name.substr(0, std::min<std::size_t>(name.size(), 10)), {cx, top + 38, cx + 86, top + 38 + kLine});
        if (name.size() > 10) Centered(name.substr(10, 10), {cx, top + 68, cx + 86, top + 68 + kLine});
    }
}

int ScoreDrawer::DrawGameLine(int i, int games, int top, int left, bool startsBlock) {
    const ListRecord& record = *g_GameList.Game(i + 1);
    const int bottom = top + kLine;
    const int right = left + 600;
    const bool strongBelow = (i + 1) % 3 == 0 || i == games - 1;
    const int variant = g_Game.VariantMode;
    const bool bierlachs = g_Game.MatchMode == 2;
    // 1. The line's frame.
    if (startsBlock) {
        StrongPen();
        Line(left, top, right, top);
    }
    if (strongBelow) StrongPen();
    else LightPen();
    Line(left, bottom, right, bottom);
    StrongPen();
    Line(left, top, left, bottom);
    Line(right, top, right, bottom);
    // 2.-3. Number and the decoded notation.
    ScoreLineCells cells = DecodeScoreNotation(record.TextString(), variant, record.Score);
    auto& col = cells.text;
    col[0] = g_GameList.Header.Int(LIST_COUNTING) == 1 ? std::to_string(i + 1)
                                                         : std::to_string(i / 3 + 1) + "." + std::to_string(i % 3 + 1);
    // 4. The game's value.
    const std::int64_t value = record.Score;
    col[13] = std::to_string(variant == 1 ? value : (value < 0 ? -value : value));
    // 5. The running values of the seats.
    for (int seat = 0; seat < 3; ++seat) col[static_cast<std::size_t>(kSeatColumns[seat])] = i == 0 ? std::to_string(running[seat]) : "-";
    const int seat = record.Seat();
    std::int64_t lineValue = value;
    bool changed[3] = {false, false, false};
    auto setSeat = [&](int s) {
        col[static_cast<std::size_t>(kSeatColumns[s])] = std::to_string(running[s]);
        changed[s] = true;
    };
    if (seat < 3) {
        const int other1 = (seat + 1) % 3, other2 = (seat + 2) % 3;
        const std::int64_t magnitude = value < 0 ? -value : value;
        if (record.IsRamschWithTwoLosers()) {
            running[other1] -= magnitude;
            running[other2] -= magnitude;
            lineValue = magnitude;
            setSeat(other1);
            setSeat(other2);
        } else if (bierlachs && value > 0) {
            running[other1] -= value;
            running[other2] -= value;
            setSeat(other1);
            setSeat(other2);
        } else {
            running[seat] += value;
            setSeat(seat);
        }
    } else {
        col[13].assign(1, '0');
        col[22].assign(1, 'x');
    }
    // 6.-8. Each cell: its right edge, the tint, the text, the forehand mark.
    const platform::LogFont rowFont = Arial(12, 700);
    const platform::LogFont passOnFont = Arial(12, 700, 4);
    int x = left;
    for (int c = 0; c < kScoreColumns; ++c) {
        const int width = kColumns[c].lineWidth;
        if (width <= 0) continue;
        const int cellLeft = x;
        x += width;
        if (c >= 13 && c <= 20) StrongPen();
        else LightPen();
        Line(x, top, x, bottom);
        const std::string& text = col[static_cast<std::size_t>(c)];
        const bool seatColumn = c == 14 || c == 17 || c == 20;
        const int columnSeat = c == 14 ? 0 : c == 17 ? 1 : 2;
        // 7. The tint keeps the grid visible: inside the light and strong lines around the cell.
        if (seatColumn && score.Highlight && text != "-" && !(i == 0 && !changed[columnSeat] && text == "0")) {
            const bool strongAbove = (i > 0 && i % 3 == 0) || startsBlock;
            dc.FillRect({cellLeft + 2, top + (strongAbove ? 2 : 1), x - 1, bottom - (strongBelow ? 1 : 0)},
                        PastelBrush(lineValue > 0 ? 5 : 0));
        }
        dc.SelectFont(c == 6 && cells.passOnFont && text.size() >= 2 ? passOnFont : rowFont);
        Centered(text, {cellLeft, top, x, bottom});
        if (seatColumn && score.ShowForehand && record.Forehand == columnSeat) {
            const platform::Color oldText = dc.SetTextColor(platform::Rgb(255, 255, 255));
            const platform::Color oldBack = dc.SetBkColor(platform::Rgb(0, 0, 0));
            dc.SetBkMode(platform::BkMode::Opaque);
            const std::string mark = platform::LoadString(IDS_LABEL_FOREHAND);
            const int markHeight = dc.GetTextExtent(mark).cy;
            dc.TextOut(cellLeft + 2, top + (kLine - markHeight) / 2, mark);
            dc.SetTextColor(oldText);
            dc.SetBkColor(oldBack);
            dc.SetBkMode(platform::BkMode::Transparent);
        }
    }
    return bottom;
}

int ScoreDrawer::DrawSettlement(int top) {
    const int settlement = g_GameList.Header.Int(LIST_SETTLEMENT);
    std::vector<bool> blocks;  // true: game points, false: weighted points
    if (settlement == 0) blocks = {false};
    else if (settlement == 1) blocks = {true};
    else blocks = {true, false};
    const int widths[5] = {250, 86, 86, 86, 92};
    dc.SelectFont(Arial(12, 700));
    for (const bool gamePoints : blocks) {
        std::int64_t values[3];
        for (int seat = 0; seat < 3; ++seat) {
            values[seat] = running[seat];
            if (!gamePoints) {
                const int won = g_SideWindowFrame.SoloistWon(seat), lost = g_SideWindowFrame.SoloistLost(seat);
                const int othersLost =
                    g_SideWindowFrame.SoloistLost((seat + 1) % 3) + g_SideWindowFrame.SoloistLost((seat + 2) % 3);
                values[seat] += 50LL * (won - lost) + 40LL * othersLost;
            }
        }
        const std::int64_t settled[3] = {2 * values[0] - values[1] - values[2], 2 * values[1] - values[0] - values[2],
                                         2 * values[2] - values[0] - values[1]};
        for (int row = 0; row < 2; ++row) {
            const int bottom = top + kLine;
            std::string cells[5] = {platform::LoadString(row == 0 ? (gamePoints ? 42076 : 42077) : 42078), "", "", "", ""};
            for (int seat = 0; seat < 3; ++seat) cells[seat + 1] = std::to_string(row == 0 ? values[seat] : settled[seat]);
            StrongPen();
            Line(x0, top, x0, bottom);
            int x = x0;
            for (int k = 0; k < 5; ++k) {
                const int cellLeft = x;
                x += widths[k];
                StrongPen();
                Line(x, top, x, bottom);
                if (k >= 1 && k <= 3 && score.Highlight)
                    dc.FillRect({cellLeft + 2, top + 2, x - 1, bottom - 1}, PastelBrush(cells[k][0] == '-' ? 0 : 5));
                Centered(cells[k], {cellLeft, top, x, bottom});
            }
            if (row == 0) {
                LightPen();
                Line(x0, bottom, x0 + 600 - 92, bottom);
            } else {
                StrongPen();
                Line(x0, bottom, x0 + 600, bottom);
            }
            top = bottom;
        }
    }
    return top;
}

}  // namespace

void CScore::DrawList(platform::DeviceContext& dc, int xOffset, int yOffset) {
    ScoreDrawer(*this, dc, xOffset, yOffset).Draw();
}
