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

const SideWindowTraits kCardStatisticsTraits = [] {
    SideWindowTraits traits;
    traits.toggleCommand = ID_LIST_CARD_STATISTICS;
    traits.className = "CCardStatistics";
    traits.section = "RectCardStatistics";
    traits.helpTopic = "::/Bedienung/Kartenstatistik.htm";
    traits.sheetWidth = CCardStatistics::kGridWidth;
    traits.horizontalRangeWidth = CCardStatistics::kGridWidth;
    traits.lineX = 14;
    traits.lineY = 14;
    traits.verticalOnlyWhileShown = false;
    traits.wheelOnlyWhileShown = true;
    traits.rangesAlways = false;
    return traits;
}();

constexpr int kColumn = 88, kHalf = 44, kRow = 19, kRows = 34;
const platform::Brush kWhite = platform::Brush::Solid(platform::Rgb(255, 255, 255));

}  // namespace

CCardStatistics::CCardStatistics() : CSideWindow(kCardStatisticsTraits, &g_Settings.View.ListCardStatistics) {}

CCardStatistics::~CCardStatistics() = default;

bool CCardStatistics::OnCreateWindow() {
    // The frame's extras: what the window measures beyond its client (nothing around ours).
    frameExtraWidth = WindowRect().Width() - ClientRect().Width();
    frameExtraHeight = WindowRect().Height() - ClientRect().Height();
    cardsLabel = platform::LoadString(IDS_STATISTICS_CARDS);
    absLabel = platform::LoadString(IDS_STATISTICS_ABS);
    relLabel = platform::LoadString(IDS_STATISTICS_REL);
    block = &statistics::FrameBlock();
    // The panel sits in the window's content, shown and with the focus; the grid starts below it.
    panel = std::make_unique<CCardsDialog>(this);
    if (panel->CreateChild(Handle())) {
        panel->ShowWindow(SW_SHOW);
        panel->SetFocus();
        panelHeight = panel->WindowRect().Height();
    } else {
        panel.reset();
        panelHeight = 0;
    }
    WS_NewSymbolDeck(Handle());
    return true;
}

void CCardStatistics::OnPlainClose() { WS_DeleteSymbolDeck(Handle()); }

// Both positions as they stand: a hidden bar's position is 0.
void CCardStatistics::Paint(platform::DeviceContext& dc, int, int) {
    PaintGrid(dc, HorizontalBar().position, VerticalBar().position);
}

void CCardStatistics::Redraw() { statistics::RedrawNow(Handle()); }

void CCardStatistics::SetCompactSize() {
    SwitchSize(kCompactWidth + frameExtraWidth, kCompactHeight + frameExtraHeight, true);
}

void CCardStatistics::SetFullSize() { SwitchSize(kGridWidth + frameExtraWidth, kSheetHeight + frameExtraHeight, false); }

void CCardStatistics::PaintGrid(platform::DeviceContext& dc, int scrollX, int scrollY) {
    CStatisticsBlock& cards = block ? *block : statistics::FrameBlock();
    const int H = panelHeight;
    const auto X = [&](int x) { return x - scrollX; };
    const auto Y = [&](int y) { return y - scrollY; };
    const auto fill = [&](int left, int top, int right, int bottom, const platform::Brush& brush) {
        dc.FillRect({X(left), Y(top), X(right), Y(bottom)}, brush);
    };
    const auto text = [&](int x, int y, const std::string& s) { dc.TextOut(X(x), Y(y), s); };
    const auto width = [&](const std::string& s) { return statistics::TextWidth(dc, s); };

    // 1. Transparent black text in the bold Arial; the context's own objects come back at the end.
    const int saved = dc.SaveDC();
    dc.SetBkMode(platform::BkMode::Transparent);
    dc.SetTextColor(platform::Rgb(0, 0, 0));
    dc.SelectFont(statistics::TextFont());
    dc.SelectPen(platform::Pen{});

    // 2. The panel scrolls with the grid (moved only when its place changes: a move repaints).
    if (panel && panel->IsAlive()) {
        const platform::Rect place{-scrollX, -scrollY, -scrollX + kGridWidth, -scrollY + panel->WindowRect().Height()};
        if (panel->WindowRect() != place) panel->MoveWindow(place, true);
    }

    // 3. The grid's lines; the second starts right of the corner cell, which spans two rows.
    for (int i = 0; i <= kRows; ++i) {
        dc.MoveTo(X(i == 1 ? kColumn : 0), Y(H + kRow * i));
        dc.LineTo(X(kGridWidth), Y(H + kRow * i));
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

    // 4. The corner cell.
    fill(1, H + 1, kColumn, H + 38, kWhite);
    text((kColumn - width(cardsLabel)) / 2, H + 10, cardsLabel);

    // 5. The columns' names: the three seats and the skat, each cut to its column.
    for (int k = 0; k < 4; ++k) {
        std::string name = k < 3 ? g_SideWindowFrame.GetPlayerName(k) : platform::LoadString(IDS_STATISTICS_SKAT);
        name = statistics::ShortenToWidth(dc, name, kColumn);
        fill(89 + kColumn * k, H + 1, 176 + kColumn * k, H + 19, kWhite);
        text((264 + 176 * k - width(name)) / 2, H + 1, name);
    }

    // 6. "abs" and "rel" over each column's halves.
    for (int k = 0; k < 4; ++k) {
        fill(89 + kColumn * k, H + 20, 132 + kColumn * k, H + 38, kWhite);
        fill(133 + kColumn * k, H + 20, 176 + kColumn * k, H + 38, kWhite);
        text((222 + 176 * k - width(absLabel)) / 2, H + 20, absLabel);
        text((310 + 176 * k - width(relLabel)) / 2, H + 20, relLabel);
    }

    // 7. Each row's suit and rank; the German edition has its own Jack and Queen.
    const bool german = statistics::GermanEdition();
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 8; ++p) {
            const int y = H + 40 + kRow * (8 * s + p);
            int rank = 13 + CardRankRowOrder[static_cast<std::size_t>(p)];
            if (german && rank == 18) rank = 21;
            if (german && rank == 19) rank = 22;
            WS_DrawSymbol(Handle(), 9 + s, X(32), Y(y), &dc);
            WS_DrawSymbol(Handle(), rank, X(46), Y(y), &dc);
        }
    }

    // 8. The panel shows the view: its radio button, the test deal's button and the count.
    int view = cards.CardView();
    if (view < 0 || view >= kCardTables) view = 0;
    if (panel && panel->IsAlive()) {
        panel->CheckRadioButton(CCardsDialog::kSeries, CCardsDialog::kTest,
                                view == 0 ? CCardsDialog::kSeries : view == 1 ? CCardsDialog::kUnlimited : CCardsDialog::kTest);
        panel->ShowDlgItem(CCardsDialog::kDeal, view == 2);
        const std::string count = std::to_string(cards.CardCount(view));
        if (panel->GetDlgItemText(CCardsDialog::kCount) != count) panel->SetDlgItemText(CCardsDialog::kCount, count);
    }

    // 9. The cells: the count and its share of the view's deals, tinted by the share in tens. A
    //    card never there (or a view without deals) is "0" on the first tint.
    const std::int64_t deals = cards.CardCount(view);
    for (int c = 0; c < kCardRows; ++c) {
        const int L = kColumn * (c + 1);
        for (int r = 0; r < kCardColumns; ++r) {
            const int top = H + 39 + kRow * r, bottom = top + 18;
            const std::int64_t n = cards.CardCounter(view, c, r);
            if (n > 0 && deals > 0) {
                const int rel = statistics::Percent(n, deals);
                const platform::Brush& brush = PastelBrush(statistics::TintIndex(rel));
                fill(L + 1, top, L + kHalf, bottom, brush);
                fill(L + kHalf + 1, top, L + kColumn, bottom, brush);
                const std::string absText = std::to_string(n), relText = std::to_string(rel);
                text(L + (kHalf - width(absText)) / 2, top, absText);
                text(L + kHalf + (kHalf - width(relText)) / 2, top, relText);
            } else {
                fill(L + 1, top, L + kHalf, bottom, PastelBrush(0));
                fill(L + kHalf + 1, top, L + kColumn, bottom, PastelBrush(0));
                text(L + kHalf + (kHalf - width("0")) / 2, top, "0");
            }
        }
    }
    dc.RestoreDC(saved);
}
