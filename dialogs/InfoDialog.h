#pragma once
// CInfoDialog: an explanation in rich text with up to eight rule links beside its lines. A link
// opens its rule in the help; the same link again closes the help. "&OK" closes with IDCANCEL.

#include "dialogs/MessageDialogs.h"

#include <string>
#include <vector>

// One rule link: the rule's number and the top of its line in the dialog, in pixels.
struct RuleLink {
    int rule = 0;
    int top = 0;
};

class CInfoDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_INFO;
    static constexpr int kMostLinks = IDC_LAST_LINK - IDC_FIRST_LINK + 1;
    // Links beyond the eighth have no button and are not shown.
    CInfoDialog(std::string text, std::vector<RuleLink> links);
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    int LinkCount() const { return static_cast<int>(links.size()); }
    const std::string& OpenAnchor() const { return openAnchor; }

private:
    void OnLink(int id);
    std::vector<RuleLink> links;
    std::string openAnchor;  // the rule last opened in the help, "" when none is open
};
