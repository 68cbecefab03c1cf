#include "windows/StatisticsWindow.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "windows/StatisticsPainting.h"

namespace {

const platform::DialogTemplate& PanelTemplate(int templateId) {
    static const platform::DialogTemplate none{};
    const platform::DialogTemplate* found = platform::FindDialog(templateId);
    return found ? *found : none;
}

}  // namespace

SideWindowTraits CStatisticsWindow::Traits(int toggleCommand, const char* className, const char* section,
                                           const char* helpTopic, int sheetWidth) {
    SideWindowTraits traits;
    traits.toggleCommand = toggleCommand;
    traits.className = className;
    traits.section = section;
    traits.helpTopic = helpTopic;
    traits.sheetWidth = sheetWidth;
    traits.horizontalRangeWidth = sheetWidth;
    traits.lineX = 14;
    traits.lineY = 14;
    traits.verticalOnlyWhileShown = false;
    traits.wheelOnlyWhileShown = true;
    traits.rangesAlways = false;
    return traits;
}

CStatisticsWindow::CStatisticsWindow(const SideWindowTraits& traits, const int* shownFlag, Sizes windowSizes)
    : CSideWindow(traits, shownFlag), sizes(windowSizes) {}

bool CStatisticsWindow::OpenPanel(platform::Dialog& panel) {
    frameExtraWidth = WindowRect().Width() - ClientRect().Width();
    frameExtraHeight = WindowRect().Height() - ClientRect().Height();
    absLabel = platform::LoadString(IDS_STATISTICS_ABS);
    relLabel = platform::LoadString(IDS_STATISTICS_REL);
    block = &statistics::FrameBlock();
    if (!panel.CreateChild(Handle())) {
        panelHeight = 0;
        return false;
    }
    panel.ShowWindow(SW_SHOW);
    panel.SetFocus();
    panelHeight = panel.WindowRect().Height();
    return true;
}

void CStatisticsWindow::Redraw() { statistics::RedrawNow(Handle()); }

void CStatisticsWindow::SetCompactSize() {
    SwitchSize(sizes.compactWidth + frameExtraWidth, sizes.compactHeight + frameExtraHeight, true);
}

void CStatisticsWindow::SetFullSize() {
    SwitchSize(sizes.sheetWidth + frameExtraWidth, sizes.sheetHeight + frameExtraHeight, false);
}

CStatisticsPanel::CStatisticsPanel(int templateId, CStatisticsWindow* ownerWindow)
    : platform::Dialog(PanelTemplate(templateId)), owner(ownerWindow) {}

void CStatisticsPanel::PlaceAtTop() {
    const platform::Rect place = WindowRect();
    MoveWindow({0, 0, place.Width(), place.Height()}, true);
    ::SendMessage(GetDlgItem(kCompact), BM_SETIMAGE, IDB_SIZE_COMPACT, 0);
    ::SendMessage(GetDlgItem(kFull), BM_SETIMAGE, IDB_SIZE_FULL, 0);
}

bool CStatisticsPanel::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == kCompact) {
        if (owner) owner->SetCompactSize();
        return true;
    }
    if (code == BN_CLICKED && id == kFull) {
        if (owner) owner->SetFullSize();
        return true;
    }
    return platform::Dialog::OnCommand(id, code, control);
}
