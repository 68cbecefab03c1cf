#include "dialogs/InfoDialog.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/TableServices.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/WindowApi.h"

namespace {

// A link lies right of the text box, one text line high (pixels).
constexpr int kLinkLeft = 222;
constexpr int kLinkRight = 252;
constexpr int kLinkHeight = 16;

}  // namespace

CInfoDialog::CInfoDialog(std::string messageText, std::vector<RuleLink> ruleLinks)
    : CGameMessageDialog(kTemplateId, std::move(messageText), 0), links(std::move(ruleLinks)) {
    if (links.size() > static_cast<std::size_t>(kMostLinks)) links.resize(kMostLinks);
}

bool CInfoDialog::OnInitDialog() {
    ShowCaptionAndText();
    // The text box grows first: the links are placed beside the lines the creator measured, so
    // the growth must not carry them down.
    GrowWithText();
    for (int i = 0; i < LinkCount(); ++i) {
        const int id = IDC_FIRST_LINK + i;
        SetButtonInAppFont(id, std::to_string(links[static_cast<std::size_t>(i)].rule), kRuleNumberFont);
        ShowDlgItem(id, true);
        const int top = links[static_cast<std::size_t>(i)].top;
        if (platform::Window* link = ::WindowFromHandle(GetDlgItem(id)))
            link->MoveWindow(platform::Rect{kLinkLeft, top, kLinkRight, top + kLinkHeight}, true);
    }
    ArmDemoTimer(TM_DEMO_OK);
    return true;
}

bool CInfoDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id >= IDC_FIRST_LINK && id < IDC_FIRST_LINK + LinkCount()) {
        OnLink(id);
        return true;
    }
    return CGameMessageDialog::OnCommand(id, code, control);
}

// The link's caption is its rule: the rule open already closes the help, another one replaces it.
void CInfoDialog::OnLink(int id) {
    DialogSound();
    const std::string anchor = GetDlgItemText(id);
    if (anchor == openAnchor) {
        platform::CloseAllHelpWindows();
        openAnchor.clear();
        return;
    }
    platform::ShowHelpTopic(g_TableServices.Window(), g_DialogFrame.HelpFile() + RuleHelpTopic(anchor));
    FocusFrame();
    openAnchor = anchor;
}

// Its one button closes it silently as a cancel.
void CInfoDialog::OnOK() { EndDialog(IDCANCEL); }
