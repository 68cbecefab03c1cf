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

const SideWindowTraits kGameStatisticsTraits =
    CStatisticsWindow::Traits(ID_LIST_GAME_STATISTICS, "CGameStatistics", "RectGameStatistics",
                              "::/Bedienung/Spielstatistik.htm", CGameStatistics::kChartWidth);

constexpr int kLabels = 170, kSeat = 110, kHalf = 55, kRow = 19, kRows = 20;
const platform::Brush kWhite = platform::Brush::Solid(platform::Rgb(255, 255, 255));

}  // namespace

CGameStatistics::CGameStatistics()
    : CStatisticsWindow(kGameStatisticsTraits, &g_Settings.View.ListGameStatistics,
                        {kChartWidth, kSheetHeight, kCompactWidth, kCompactHeight}) {}

CGameStatistics::~CGameStatistics() = default;

bool CGameStatistics::OnCreateWindow() {
    attributesLabel = platform::LoadString(IDS_STATISTICS_ATTRIBUTES);
    for (int j = 0; j < kRowLabels; ++j)
        rowLabels[static_cast<std::size_t>(j)] = platform::LoadString(IDS_STATISTICS_ROW_FIRST + j);
    panel = std::make_unique<CGamesDialog>(this);
    if (!OpenPanel(*panel)) panel.reset();
    return true;
}

void CGameStatistics::Paint(platform::DeviceContext& dc, int xOffset, int yOffset) { PaintChart(dc, xOffset, yOffset); }

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
    statistics::ScrolledDrawing draw{dc, scrollX, scrollY};
    // The selection; words the panel has not put right yet read as the first type and period.
    const int type = games.TypeSelection() >= 0 && games.TypeSelection() < kStatisticsTypes ? games.TypeSelection() : 0;
    const int mode = games.ModeSelection() == 1 ? 1 : 0;

    // 1. Transparent black text in the bold Arial; the context's own objects come back at the end.
    const int saved = statistics::BeginText(dc);

    // 2.-3. The panel shows the selection's count and scrolls with the chart.
    if (panel && panel->IsAlive()) panel->ShowCount();
    statistics::PanelFollows(panel.get(), kChartWidth, scrollX, scrollY);

    // 4. The chart's lines; the second starts right of the corner cell, which spans two rows.
    for (int n = 0; n <= kRows; ++n) {
        dc.MoveTo(draw.X(n == 1 ? kLabels : 0), draw.Y(H + kRow * n));
        dc.LineTo(draw.X(kChartWidth), draw.Y(H + kRow * n));
    }
    for (int x : {0, 170, 280, 390, 500}) {
        dc.MoveTo(draw.X(x), draw.Y(H));
        dc.LineTo(draw.X(x), draw.Y(H + kRow * kRows));
    }
    for (int x : {225, 335, 445}) {
        dc.MoveTo(draw.X(x), draw.Y(H + kRow));
        dc.LineTo(draw.X(x), draw.Y(H + kRow * kRows));
    }

    // 5. The corner cell.
    draw.Fill(1, H + 1, kLabels, H + 38, kWhite);
    draw.Text((kLabels - draw.Width(attributesLabel)) / 2, H + 10, attributesLabel);

    // 6.-7. The seats' names, each cut to its column, and "abs" and "rel" over the halves.
    for (int k = 0; k < 3; ++k) {
        std::string name = g_SideWindowFrame.GetPlayerName(k);
        name = statistics::ShortenToWidth(dc, name, kSeat);
        draw.Fill(171 + kSeat * k, H + 1, 280 + kSeat * k, H + 19, kWhite);
        draw.Text(kLabels + (kSeat + 220 * k - draw.Width(name)) / 2, H + 1, name);
        draw.Fill(171 + kSeat * k, H + 20, 225 + kSeat * k, H + 38, kWhite);
        draw.Fill(226 + kSeat * k, H + 20, 280 + kSeat * k, H + 38, kWhite);
        draw.Text(kLabels + (57 + 220 * k - draw.Width(absLabel)) / 2, H + 20, absLabel);
        draw.Text(kLabels + (167 + 220 * k - draw.Width(relLabel)) / 2, H + 20, relLabel);
    }

    // 8. The rows' labels.
    for (int j = 0; j < kRowLabels; ++j) {
        const int y = H + 39 + kRow * j;
        draw.Fill(1, y, kLabels, y + 18, kWhite);
        draw.Text(10, y, rowLabels[static_cast<std::size_t>(j)]);
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
            draw.Fill(171 + kSeat * k, y, 225 + kSeat * k, y + 18, brush);
            draw.Fill(226 + kSeat * k, y, 280 + kSeat * k, y + 18, brush);
            const std::string absText = std::to_string(v);
            draw.Text(kLabels + kSeat * k + (kHalf - draw.Width(absText)) / 2, y, absText);
            std::string relText = std::to_string(rel);
            if (j == STAT_WON_SINGLY || j == STAT_LOST_SINGLY) {
                const int p = statistics::Percent(v, games.Counter(STAT_SOLOIST, type, mode, k));
                draw.Fill(226 + kSeat * k, y, 254 + kSeat * k, y + 18, PastelBrush(statistics::TintIndex(p)));
                relText = std::to_string(p) + "/" + relText;
            }
            draw.Text(225 + kSeat * k + (kHalf - draw.Width(relText)) / 2, y, relText);
        }
    }
    dc.RestoreDC(saved);
}
