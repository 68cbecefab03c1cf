// What every rule sheet of the trick estimation window does first (the block, the panel, the font,
// the frame) and the hot-spot box the three painters share.
#include "resources/FlowIds.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "windows/EstimationSheetDrawing.h"
#include "windows/TrickEstimation.h"
#include "windows/TrickEstimationDialog.h"

platform::LogFont CTrickEstimation::BeginSheet(platform::DeviceContext& dc, int xOffset, int yOffset) {
    // The block of the view; without a shown player every word reads empty.
    Sheet = BlockOfView(View);
    // The columns as this context measures the texts.
    LayOutColumns(dc);
    const int right = Columns.right;
    ShowPanel(xOffset, yOffset);
    // The sheet is drawn in its own coordinates: the scroll offsets shift the origin.
    dc.SetViewportOrg(-xOffset, -yOffset);
    const platform::LogFont previous = dc.SelectFont(SheetFont());
    dc.SetTextColor(platform::Rgb(0, 0, 0));
    dc.SetBkMode(platform::BkMode::Transparent);
    // The outer frame and the rule under the top boxes.
    const int y0 = PanelHeight;
    dc.MoveTo(0, y0);
    dc.LineTo(right, y0);
    dc.LineTo(right, y0 + 595);
    dc.LineTo(0, y0 + 595);
    dc.LineTo(0, y0);
    estimation::Rule(dc, 0, right, y0 + 68);
    return previous;
}

void CTrickEstimation::ShowPanel(int xOffset, int yOffset) {
    if (!Panel) return;
    Panel->FillPlayerCombo();
    Panel->MoveTo(-xOffset, -yOffset, SheetWidth(), PanelHeight);
    Panel->SetPhaseText(FlowStateName(g_Game.FlowState));
}

void CTrickEstimation::DrawCellText(int x, int y, const std::string& label, platform::DeviceContext& dc) {
    dc.MoveTo(x, y);
    dc.LineTo(x + 20, y);
    dc.LineTo(x + 20, y + 17);
    dc.LineTo(x, y + 17);
    dc.LineTo(x, y);
    if (label.empty()) return;
    const platform::Size size = dc.GetTextExtent(label);
    estimation::WhiteFill(dc, {x + 24, y + 1, x + 24 + size.cx, y + 17});
    dc.TextOut(x + 24, y + 2, label);
}
