#include "dialogs/ModelessDialog.h"

#include "dialogs/DialogServices.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/TableServices.h"
#include "platform/core/WindowApi.h"
#include "tavlo/CardDeckApi.h"

namespace {

// A bar whose edition lacks its template is built from this one; CreateBar never gets that far.
const platform::DialogTemplate kNoTemplate{};

const platform::DialogTemplate& TemplateFor(int templateId) {
    const platform::DialogTemplate* found = platform::FindDialog(templateId);
    return found ? *found : kNoTemplate;
}

}  // namespace

std::optional<platform::Rect> PlaceOnTableRect(const platform::Rect& frame, const platform::Rect& bar,
                                               const TablePlacementMetrics& metrics, int adjust,
                                               const NarrowingRule& rule) {
    // Step 1: nothing before the table has been laid out.
    if (metrics.tableTop == 0) return std::nullopt;
    // Step 2: the sizes; every halving truncates towards zero.
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;
    const int halfBorder = metrics.borderWidth / 2;
    // Step 3: centred over the frame.
    const int x = (frame.left + frame.right - width) / 2;
    int right = x + width;
    // Step 4: between the table's middle rows and its lower margin, half a card lower.
    const int top = frame.top + 3 * (metrics.rowHeight + 32) + metrics.borderHeight + metrics.middleRow +
                    metrics.tableTop - halfBorder;
    const int bottom = frame.bottom - (metrics.lowerMargin + halfBorder);
    const int y = top + metrics.cardHeight / 2 + (bottom - height - top) / 2;
    // Step 5: the width adjustment.
    if (adjust < 0) {
        right += adjust;
    } else if (adjust >= 1 && adjust <= 1000) {
        const bool handGame = rule.handAnnounced && rule.gameType != 5 && rule.gameType != 7;
        if (!rule.suggestOn || handGame) right -= adjust;
    } else if (adjust > 1000) {
        right += adjust - 1000;
    }
    // Step 6: the new window rectangle; an adjustment wider than the bar leaves it no width rather
    // than a negative one.
    if (right < x) right = x;
    return platform::Rect{x, y, right, y + height};
}

CModelessDialog::CModelessDialog(int id, int cutUnits)
    : platform::Dialog(TemplateFor(id)), templateId(id), cut(cutUnits) {}

bool CModelessDialog::CreateBar(HWND owner) { return Create(owner, platform::Lifetime::Engine); }

void CModelessDialog::PlaceOnTable(int adjust) {
    const HWND frame = g_DialogFrame.FrameWindow();
    if (!frame || !IsAlive()) return;
    TablePlacementMetrics metrics;
    if (!g_DialogFrame.TableLayout(metrics)) return;
    metrics.cardHeight = WC_GetCardHeight(g_TableServices.Window(), 0);
    const NarrowingRule rule{g_Settings.Options.Suggest != 0, g_Game.HandAnnounced != 0, g_Game.GameType};
    platform::Rect frameRect;
    if (!::GetWindowRect(frame, &frameRect)) return;
    if (std::optional<platform::Rect> placed = PlaceOnTableRect(frameRect, WindowRect(), metrics, adjust, rule))
        MoveWindow(*placed, true);
}

void CModelessDialog::PlaceInitially() {
    // A negative cut keeps the template's position (the information panels).
    if (cut < 0) return;
    if (cut > 0) PlaceOnTable(MapDialogRect({0, 0, cut, 0}).Width());
    PlaceOnTable(0);
}

bool CModelessDialog::OnInitDialog() {
    PlaceInitially();
    return true;
}

void CModelessDialog::OnCancel() { FocusFrame(); }

void CModelessDialog::OnClose() {
    // A panel's close button is its cancel: the panel stays open and the keys go to the frame.
    if (cut < 0) {
        OnCancel();
        return;
    }
    ShowWindow(SW_HIDE);
}
