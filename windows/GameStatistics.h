#pragma once
// CGameStatistics: the side window that shows eighteen counters of the finished games per seat
// (declarer and defender games, won and lost, the summed score, announcements, Schneider and
// Schwarz, the Ramsch events, Kontra and Rekontra) for one game type and one period, each as a count
// ("abs") and a percentage ("rel") on the pastel scale. Its panel, CGamesDialog, picks the type and
// the period (the current match or all games), resets the counters and switches the size. The window
// owns no statistics: it reads and writes the game part of the main frame's statistics block.

#include "windows/StatisticsWindow.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CGamesDialog;

class CGameStatistics : public CStatisticsWindow {
public:
    CGameStatistics();
    ~CGameStatistics() override;

    // Draws the panel's count and the chart shifted by the scroll offsets.
    void PaintChart(platform::DeviceContext& dc, int scrollX, int scrollY);

    // The Result row's percentages from the three seats' summed scores: each seat's balance against
    // the two others as a share of half the balances' absolute sum, truncated; the first inexact
    // share that is not +-100 is rounded away from zero by one.
    static std::array<int, 3> ResultShares(std::int64_t a, std::int64_t b, std::int64_t c);

    CGamesDialog* Panel() const { return panel.get(); }

    static constexpr int kChartWidth = 501;
    static constexpr int kSheetHeight = 476;
    static constexpr int kCompactWidth = 518, kCompactHeight = 172;
    static constexpr int kRowLabels = 18;

protected:
    void Paint(platform::DeviceContext& dc, int xOffset, int yOffset) override;
    bool OnCreateWindow() override;

private:
    std::unique_ptr<CGamesDialog> panel;
    std::string attributesLabel;
    std::array<std::string, kRowLabels> rowLabels;
};
