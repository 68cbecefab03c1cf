#include "windows/CardStatisticsPanel.h"

#include "match/Statistics.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "windows/CardStatistics.h"
#include "windows/StatisticsPainting.h"
#include "windows/WindowFrameServices.h"

CCardsDialog::CCardsDialog(CCardStatistics* ownerWindow) : CStatisticsPanel(kTemplateId, ownerWindow) {}

bool CCardsDialog::OnInitDialog() {
    PlaceAtTop();
    block = &statistics::FrameBlock();
    // A view from an older or damaged file that names no table shows the match.
    if (block->CardView() < 0 || block->CardView() >= kCardTables) block->CardView() = 0;
    // The buttons and the count follow the view on every paint of the grid.
    return true;
}

bool CCardsDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CStatisticsPanel::OnCommand(id, code, control);
    switch (id) {
        case kSeries: SelectView(CARDS_MATCH); return true;
        case kUnlimited: SelectView(CARDS_ALL_TIME); return true;
        case kTest: SelectView(CARDS_TEST); return true;
        case kDeal:
            // One random deal of 10, 10, 10 and 2 cards into the test table; the table's cards stay.
            g_SideWindowFrame.DealStatisticsTest();
            if (owner) owner->Redraw();
            return true;
        case kReset:
            ClearCardStatisticsView();
            if (owner) owner->Redraw();
            return true;
        default: return CStatisticsPanel::OnCommand(id, code, control);
    }
}

void CCardsDialog::SelectView(int view) {
    ShowDlgItem(kDeal, view == CARDS_TEST);
    if (block) block->CardView() = view;
    if (owner) owner->Redraw();
}

void CCardsDialog::ClearCardStatisticsView() {
    if (!block) return;
    const int view = block->CardView() >= 0 && block->CardView() < kCardTables ? block->CardView() : 0;
    block->CardCount(view) = 0;
    for (int holder = 0; holder < kCardRows; ++holder)
        for (int card = 0; card < kCardColumns; ++card) block->CardCounter(view, holder, card) = 0;
}
