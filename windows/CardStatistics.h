#pragma once
// CCardStatistics: the side window that shows how the 32 cards lay over the three seats and the
// skat in the recorded deals, per card and column as a count ("abs") and as a share of the deals
// ("rel"), each cell tinted by the pastel scale. It shows one of three tables (the match, all deals
// without limit, test deals made on demand); its panel, CCardsDialog, picks the table, resets it,
// deals test deals and switches the size. The window owns no statistics: it reads and writes the
// card part of the main frame's statistics block.

#include "windows/StatisticsWindow.h"

#include <array>
#include <memory>
#include <string>

class CCardsDialog;

class CCardStatistics : public CStatisticsWindow {
public:
    CCardStatistics();
    ~CCardStatistics() override;

    // Draws the panel's state and the grid shifted by the scroll positions.
    void PaintGrid(platform::DeviceContext& dc, int scrollX, int scrollY);

    CCardsDialog* Panel() const { return panel.get(); }

    // The rank index (A, 7, 8, 9, 10, J, Q, K = 0..7) of the card at position p of a suit's rows
    // (A, 10, K, Q, J, 9, 8, 7): the row's symbols name the card its counters count.
    static constexpr std::array<int, 8> CardRankRowOrder = {0, 4, 7, 6, 5, 3, 2, 1};
    static constexpr int kGridWidth = 441;
    static constexpr int kSheetHeight = 742;
    static constexpr int kCompactWidth = 458, kCompactHeight = 286;

protected:
    void Paint(platform::DeviceContext& dc, int xOffset, int yOffset) override;
    bool OnCreateWindow() override;
    void OnPlainClose() override;

private:
    std::unique_ptr<CCardsDialog> panel;
    std::string cardsLabel;
};
