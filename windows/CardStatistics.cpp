#include "windows/CardStatistics.h"

#include "match/Statistics.h"
#include "model/Settings.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "tavlo/SymbolApi.h"
#include "windows/CardStatisticsPanel.h"
#include "windows/PastelBrushes.h"
#include "windows/StatisticsPainting.h"
#include "windows/WindowFrameServices.h"

#include <string>

namespace {

const SideWindowTraits kCardStatisticsTraits =
    CStatisticsWindow::Traits(ID_LIST_CARD_STATISTICS, "CCardStatistics", "RectCardStatistics",
                              "::/Bedienung/Kartenstatistik.htm", CCardStatistics::kGridWidth);

constexpr int kColumn = 88, kHalf = 44, kRow = 19, kRows = 34;
const platform::Brush kWhite = platform::Brush::Solid(platform::Rgb(255, 255, 255));

// The grid's drawing shifted by the scroll positions, below the panel's height H.
struct GridPainter : statistics::ScrolledDrawing {
    const int H;

    void Lines();
    void Headings(const std::string& cardsLabel, const std::string& absLabel, const std::string& relLabel);
    void RowSymbols(HWND window);
    void PanelShowsView(CCardsDialog* panel, CStatisticsBlock& cards, int view);
    void Cells(CStatisticsBlock& cards, int view);
};

// 3. The grid's lines; the second starts right of the corner cell, which spans two rows.
void GridPainter::Lines() {
    for (int i = 0; i <= kRows; ++i) {
        dc.MoveTo(X(i == 1 ? kColumn : 0), Y(H + kRow * i));
        dc.LineTo(X(CCardStatistics::kGridWidth), Y(H + kRow * i));
    }
    for (int x = 0; x <= 5 * kColumn; x += kColumn) {
        dc.MoveTo(X(x), Y(H));
        dc.LineTo(X(x), Y(H + kRow * kRows));
    }
    for (int k = 0; k < 4; ++k) {
        const int x = kColumn * (k + 1) + kHalf;
        dc.MoveTo(X(x), Y(H + kRow));
        dc.LineTo(X(x), Y(H + kRow * kRows));
    }
}

void GridPainter::Headings(const std::string& cardsLabel, const std::string& absLabel, const std::string& relLabel) {
    // 4. The corner cell.
    Fill(1, H + 1, kColumn, H + 38, kWhite);
    Text((kColumn - Width(cardsLabel)) / 2, H + 10, cardsLabel);
    // 5. The columns' names: the three seats and the skat, each cut to its column.
    for (int k = 0; k < 4; ++k) {
        std::string name = k < 3 ? g_SideWindowFrame.GetPlayerName(k) : platform::LoadString(IDS_STATISTICS_SKAT);
        name = statistics::ShortenToWidth(dc, name, kColumn);
        Fill(89 + kColumn * k, H + 1, 176 + kColumn * k, H + 19, kWhite);
        Text((264 + 176 * k - Width(name)) / 2, H + 1, name);
    }
    // 6. "abs" and "rel" over each column's halves.
    for (int k = 0; k < 4; ++k) {
        Fill(89 + kColumn * k, H + 20, 132 + kColumn * k, H + 38, kWhite);
        Fill(133 + kColumn * k, H + 20, 176 + kColumn * k, H + 38, kWhite);
        Text((222 + 176 * k - Width(absLabel)) / 2, H + 20, absLabel);
        Text((310 + 176 * k - Width(relLabel)) / 2, H + 20, relLabel);
    }
}

// 7. Each row's suit and rank; the German edition has its own Jack and Queen.
void GridPainter::RowSymbols(HWND window) {
    const bool german = statistics::GermanEdition();
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 8; ++p) {
            const int y = H + 40 + kRow * (8 * s + p);
            int rank = 13 + CCardStatistics::CardRankRowOrder[static_cast<std::size_t>(p)];
            if (german && rank == 18) rank = 21;
            if (german && rank == 19) rank = 22;
            WS_DrawSymbol(window, 9 + s, X(32), Y(y), &dc);
            WS_DrawSymbol(window, rank, X(46), Y(y), &dc);
        }
    }
}

// 8. The panel shows the view: its radio button, the test deal's button and the count.
void GridPainter::PanelShowsView(CCardsDialog* panel, CStatisticsBlock& cards, int view) {
    if (!panel || !panel->IsAlive()) return;
    panel->CheckRadioButton(CCardsDialog::kSeries, CCardsDialog::kTest,
                            view == 0 ? CCardsDialog::kSeries : view == 1 ? CCardsDialog::kUnlimited : CCardsDialog::kTest);
    panel->ShowDlgItem(CCardsDialog::kDeal, view == 2);
    const std::string count = std::to_string(cards.CardCount(view));
    if (panel->GetDlgItemText(CCardsDialog::kCount) != count) panel->SetDlgItemText(CCardsDialog::kCount, count);
}

// 9. The cells: the count and its share of the view's deals, tinted by the share in tens. A
//    card never there (or a view without deals) is "0" on the first tint.
void GridPainter::Cells(CStatisticsBlock& cards, int view) {
    const std::int64_t deals = cards.CardCount(view);
    for (int c = 0; c < kCardRows; ++c) {
        const int L = kColumn * (c + 1);
        for (int r = 0; r < kCardColumns; ++r) {
            const int top = H + 39 + kRow * r, bottom = top + 18;
            const std::int64_t n = cards.CardCounter(view, c, r);
            if (n > 0 && deals > 0) {
                const int rel = statistics::Percent(n, deals);
                const platform::Brush& brush = PastelBrush(statistics::TintIndex(rel));
                Fill(L + 1, top, L + kHalf, bottom, brush);
                Fill(L + kHalf + 1, top, L + kColumn, bottom, brush);
                const std::string absText = std::to_string(n), relText = std::to_string(rel);
                Text(L + (kHalf - Width(absText)) / 2, top, absText);
                Text(L + kHalf + (kHalf - Width(relText)) / 2, top, relText);
            } else {
                Fill(L + 1, top, L + kHalf, bottom, PastelBrush(0));
                Fill(L + kHalf + 1, top, L + kColumn, bottom, PastelBrush(0));
                Text(L + kHalf + (kHalf - Width("0")) / 2, top, "0");
            }
        }
    }
}

}  // namespace

CCardStatistics::CCardStatistics()
    : CStatisticsWindow(kCardStatisticsTraits, &g_Settings.View.ListCardStatistics,
                        {kGridWidth, kSheetHeight, kCompactWidth, kCompactHeight}) {}

CCardStatistics::~CCardStatistics() = default;

bool CCardStatistics::OnCreateWindow() {
    cardsLabel = platform::LoadString(IDS_STATISTICS_CARDS);
    panel = std::make_unique<CCardsDialog>(this);
    if (!OpenPanel(*panel)) panel.reset();
    WS_NewSymbolDeck(Handle());
    return true;
}

void CCardStatistics::OnPlainClose() { WS_DeleteSymbolDeck(Handle()); }

// Both positions as they stand: a hidden bar's position is 0.
void CCardStatistics::Paint(platform::DeviceContext& dc, int, int) {
    PaintGrid(dc, HorizontalBar().position, VerticalBar().position);
}

void CCardStatistics::PaintGrid(platform::DeviceContext& dc, int scrollX, int scrollY) {
    CStatisticsBlock& cards = block ? *block : statistics::FrameBlock();
    GridPainter grid{{dc, scrollX, scrollY}, panelHeight};

    // 1. Transparent black text in the bold Arial; the context's own objects come back at the end.
    const int saved = statistics::BeginText(dc);
    // 2. The panel scrolls with the grid.
    statistics::PanelFollows(panel.get(), kGridWidth, scrollX, scrollY);
    grid.Lines();
    grid.Headings(cardsLabel, absLabel, relLabel);
    grid.RowSymbols(Handle());
    int view = cards.CardView();
    if (view < 0 || view >= kCardTables) view = 0;
    grid.PanelShowsView(panel.get(), cards, view);
    grid.Cells(cards, view);
    dc.RestoreDC(saved);
}
