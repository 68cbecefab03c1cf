#include "windows/GameStatistics.h"

#include "match/Statistics.h"
#include "model/Settings.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "windows/GameStatisticsPanel.h"
#include "windows/PastelBrushes.h"
#include "windows/StatisticsPainting.h"
#include "windows/WindowFrameServices.h"

#include <cstdlib>
#include <string>

namespace {

const SideWindowTraits kGameStatisticsTraits = [] {
    SideWindowTraits traits;
    traits.toggleCommand = ID_LIST_GAME_STATISTICS;
    traits.className = "CGameStatistics";
    traits.section = "RectGameStatistics";
    traits.helpTopic = "::/Bedienung/Spielstatistik.htm";
    traits.sheetWidth = CGameStatistics::kChartWidth;
    traits.horizontalRangeWidth = CGameStatistics::kChartWidth;
    traits.lineX = 14;
    traits.lineY = 14;
    traits.verticalOnlyWhileShown = false;
    traits.wheelOnlyWhileShown = true;
    traits.rangesAlways = false;
    return traits;
}();

constexpr int kLabels = 170, kSeat = 110, kHalf = 55, kRow = 19, kRows = 20;
const platform::Brush kWhite = platform::Brush::Solid(platform::Rgb(255, 255, 255));

}  // namespace

CGameStatistics::CGameStatistics() : CSideWindow(kGameStatisticsTraits, &g_Settings.View.ListGameStatistics) {}

CGameStatistics::~CGameStatistics() = default;

bool CGameStatistics::OnCreateWindow() {
    frameExtraWidth = WindowRect().Width() - ClientRect().Width();
    frameExtraHeight = WindowRect().Height() - ClientRect().Height();
    attributesLabel = platform::LoadString(IDS_STATISTICS_ATTRIBUTES);
    absLabel = platform::LoadString(IDS_STATISTICS_ABS);
    relLabel = platform::LoadString(IDS_STATISTICS_REL);
    for (int j = 0; j < kRowLabels; ++j)
        rowLabels[static_cast<std::size_t>(j)] = platform::LoadString(IDS_STATISTICS_ROW_FIRST + j);
    block = &statistics::FrameBlock();
    // The panel sits in the window's content, shown and with the focus; the chart starts below it.
    panel = std::make_unique<CGamesDialog>(this);
    if (panel->CreateChild(Handle())) {
        panel->ShowWindow(SW_SHOW);
        panel->SetFocus();
        panelHeight = panel->WindowRect().Height();
    } else {
        panel.reset();
        panelHeight = 0;
    }
    return true;
}

void CGameStatistics::Paint(platform::DeviceContext& dc, int xOffset, int yOffset) { PaintChart(dc, xOffset, yOffset); }

void CGameStatistics::Redraw() { statistics::RedrawNow(Handle()); }

void CGameStatistics::SetCompactSize() {
    SwitchSize(kCompactWidth + frameExtraWidth, kCompactHeight + frameExtraHeight, true);
}

void CGameStatistics::SetFullSize() { SwitchSize(kChartWidth + frameExtraWidth, kSheetHeight + frameExtraHeight, false); }

std::array<int, 3> CGameStatistics::ResultShares(std::int64_t a, std::int64_t b, std::int64_t c) {
    // Each seat's balance against the two others; the three add up to 0.
    const std::int64_t d[3] = {2 * a - b - c, 2 * b - c - a, 2 * c - b - a};
    const std::int64_t S = (std::llabs(d[0]) + std::llabs(d[1]) + std::llabs(d[2])) / 2;
    std::array<int, 3> q{0, 0, 0};
    if (S == 0) return q;
    for (int k = 0; k < 3; ++k) q[static_cast<std::size_t>(k)] = statistics::Percent(d[k], S);
    // One correction: the first share that lost a remainder and is not a whole 100 goes one further.
    for (int k = 0; k < 3; ++k) {
        int& share = q[static_cast<std::size_t>(k)];
        if (std::abs(share) != 100 && static_cast<std::int64_t>(share) * S != d[k] * 100) {
            share += d[k] * 100 >= 0 ? 1 : -1;
            break;
        }
    }
    return q;
}

void CGameStatistics::PaintChart(platform::DeviceContext& dc, int scrollX, int scrollY) {
    CStatisticsBlock& games = block ? *block : statistics::FrameBlock();
    const int H = panelHeight;
    const auto X = [&](int x) { return x - scrollX; };
    const auto Y = [&](int y) { return y - scrollY; };
    const auto fill = [&](int left, int top, int right, int bottom, const platform::Brush& brush) {
        dc.FillRect({X(left), Y(top), X(right), Y(bottom)}, brush);
    };
    const auto text = [&](int x, int y, const std::string& s) { dc.TextOut(X(x), Y(y), s); };
    const auto width = [&](const std::string& s) { return statistics::TextWidth(dc, s); };
    // The selection; words the panel has not put right yet read as the first type and period.
    const int type = games.TypeSelection() >= 0 && games.TypeSelection() < kStatisticsTypes ? games.TypeSelection() : 0;
    const int mode = games.ModeSelection() == 1 ? 1 : 0;

    // 1. Transparent black text in the bold Arial; the context's own objects come back at the end.
    const int saved = dc.SaveDC();
    dc.SetBkMode(platform::BkMode::Transparent);
    dc.SetTextColor(platform::Rgb(0, 0, 0));
    dc.SelectFont(statistics::TextFont());
    dc.SelectPen(platform::Pen{});

    // 2.-3. The panel shows the selection's count and scrolls with the chart.
    if (panel && panel->IsAlive()) {
        panel->ShowCount();
        const platform::Rect place{-scrollX, -scrollY, -scrollX + kChartWidth, -scrollY + panel->WindowRect().Height()};
        if (panel->WindowRect() != place) panel->MoveWindow(place, true);
    }

    // 4. The chart's lines; the second starts right of the corner cell, which spans two rows.
    for (int n = 0; n <= kRows; ++n) {
        dc.MoveTo(X(n == 1 ? kLabels : 0), Y(H + kRow * n));
        dc.LineTo(X(kChartWidth), Y(H + kRow * n));
    }
    for (int x : {0, 170, 280, 390, 500}) {
        dc.MoveTo(X(x), Y(H));
        dc.LineTo(X(x), Y(H + kRow * kRows));
    }
    for (int x : {225, 335, 445}) {
        dc.MoveTo(X(x), Y(H + kRow));
        dc.LineTo(X(x), Y(H + kRow * kRows));
    }

    // 5. The corner cell.
    fill(1, H + 1, kLabels, H + 38, kWhite);
    text((kLabels - width(attributesLabel)) / 2, H + 10, attributesLabel);

    // 6.-7. The seats' names, each cut to its column, and "abs" and "rel" over the halves.
    for (int k = 0; k < 3; ++k) {
        std::string name = g_SideWindowFrame.GetPlayerName(k);
        name = statistics::ShortenToWidth(dc, name, kSeat);
        fill(171 + kSeat * k, H + 1, 280 + kSeat * k, H + 19, kWhite);
        text(kLabels + (kSeat + 220 * k - width(name)) / 2, H + 1, name);
        fill(171 + kSeat * k, H + 20, 225 + kSeat * k, H + 38, kWhite);
        fill(226 + kSeat * k, H + 20, 280 + kSeat * k, H + 38, kWhite);
        text(kLabels + (57 + 220 * k - width(absLabel)) / 2, H + 20, absLabel);
        text(kLabels + (167 + 220 * k - width(relLabel)) / 2, H + 20, relLabel);
    }

    // 8. The rows' labels.
    for (int j = 0; j < kRowLabels; ++j) {
        const int y = H + 39 + kRow * j;
        fill(1, y, kLabels, y + 18, kWhite);
        text(10, y, rowLabels[static_cast<std::size_t>(j)]);
    }

    // 9. The Result row shows each seat's share of the balances.
    const std::array<int, 3> shares = ResultShares(games.Counter(STAT_SCORE, type, mode, 0),
                                                   games.Counter(STAT_SCORE, type, mode, 1),
                                                   games.Counter(STAT_SCORE, type, mode, 2));

    // 10. The cells: the count, and its share of the row (the Result row: of the balances); won and
    //     lost as declarer also give the share of the seat's own declarer games.
    for (int j = 0; j < kRowLabels; ++j) {
        const int y = H + 39 + kRow * j;
        std::int64_t sum = 0;
        for (int k = 0; k < 3; ++k) sum += games.Counter(j, type, mode, k);
        for (int k = 0; k < 3; ++k) {
            const std::int64_t v = games.Counter(j, type, mode, k);
            const int rel = j == STAT_SCORE ? shares[static_cast<std::size_t>(k)] : statistics::Percent(v, sum);
            const platform::Brush& brush = PastelBrush(statistics::TintIndex(rel));
            fill(171 + kSeat * k, y, 225 + kSeat * k, y + 18, brush);
            fill(226 + kSeat * k, y, 280 + kSeat * k, y + 18, brush);
            const std::string absText = std::to_string(v);
            text(kLabels + kSeat * k + (kHalf - width(absText)) / 2, y, absText);
            std::string relText = std::to_string(rel);
            if (j == STAT_WON_SINGLY || j == STAT_LOST_SINGLY) {
                const int p = statistics::Percent(v, games.Counter(STAT_SOLOIST, type, mode, k));
                fill(226 + kSeat * k, y, 254 + kSeat * k, y + 18, PastelBrush(statistics::TintIndex(p)));
                relText = std::to_string(p) + "/" + relText;
            }
            text(225 + kSeat * k + (kHalf - width(relText)) / 2, y, relText);
        }
    }
    dc.RestoreDC(saved);
}
