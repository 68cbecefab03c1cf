#include "dialogs/PlayBars.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/ControlMessages.h"

namespace {

constexpr int kPersonSeat = 2;
// The resume bar's caption keeps at most this many characters of the name.
constexpr std::size_t kNameRoom = 10;

// The suggestion bar's rule help when the person's record has no usable rule.
int SuggestRuleDefault(int gameType) {
    if (gameType == 6) return 200;
    if (gameType >= 0 && gameType <= 3) return 300;
    return 400;
}

}  // namespace

void BarKontra() {
    if (g_Game.KontraState != KONTRA_NONE) return;
    DialogSound();
    g_DialogFrame.SayKontra(kPersonSeat);
}

// --- Kontra before the first card -------------------------------------------------------------

CKontraFirstDialog::CKontraFirstDialog() : CModelessDialog(kTemplateId, 0) {}

bool CKontraFirstDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_KONTRA) {
        BarKontra();
        return true;
    }
    return CModelessDialog::OnCommand(id, code, control);
}

// --- Suggestion ------------------------------------------------------------------------------

CSuggestDialog::CSuggestDialog(bool kontraAllowed) : CModelessDialog(kTemplateId, 0), full(kontraAllowed) {}

bool CSuggestDialog::OnInitDialog() {
    help.Reset();
    // Without Kontra only the first of the three buttons shows: a third of the template width.
    if (!full) {
        platform::Rect rect = WindowRect();
        rect.right = rect.left + rect.Width() / 3;
        MoveWindow(rect, true);
        // The buttons cut off are hidden too: Tab must not take the keys where nobody sees them.
        ShowDlgItem(IDC_KONTRA, false);
        ShowDlgItem(IDC_RULE, false);
    }
    PlaceInitially();
    return true;
}

bool CSuggestDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CModelessDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_SUGGEST:
            DialogSound();
            PostFrameCommand(CM_SUGGEST_CARD);
            return true;
        case IDC_KONTRA: BarKontra(); return true;
        case IDC_RULE: OnRule(); return true;
        default: return CModelessDialog::OnCommand(id, code, control);
    }
}

void CSuggestDialog::OnRule() {
    DialogSound();
    const int gameType = g_Game.GameType;
    help.Toggle(RuleHelpTopic(help.IsOpen() ? 0 : RuleHelpNumber(gameType, SuggestRuleDefault(gameType))));
}

// --- Continue after a trick -------------------------------------------------------------------

CContinueDialog::CContinueDialog() : CModelessDialog(kTemplateId, 0) {}

bool CContinueDialog::OnInitDialog() {
    PlaceInitially();
    ArmDemoTimer(TM_DEMO_CONTINUE);
    return true;
}

bool CContinueDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_CONTINUE) {
        // One trick per bar: a second press, or a timer arriving late, goes nowhere.
        if (pressed) return true;
        pressed = true;
        // With the automatic continue on, the press is the frame's own and stays silent.
        if (!g_Settings.Options.Continue) DialogSound();
        PostFrameCommand(CM_NEXT_TRICK);
        return true;
    }
    return CModelessDialog::OnCommand(id, code, control);
}

// --- Resume after the skat swap pause ---------------------------------------------------------

CResumeSwapDialog::CResumeSwapDialog() : CModelessDialog(kTemplateId, 0) {}

bool CResumeSwapDialog::OnInitDialog() {
    PlaceInitially();
    // The button names the seat that holds the skat, cut to ten characters beyond its own label
    // (whole characters: a name is UTF-8).
    const std::string label = GetDlgItemText(IDC_RESUME);
    const std::string name = g_DialogFrame.PlayerName(g_Game.SkatHolderSeat);
    std::size_t end = 0;
    for (std::size_t characters = 0; end < name.size() && characters < kNameRoom; ++characters) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) ++end;
    }
    SetDlgItemText(IDC_RESUME, label + name.substr(0, end));
    return true;
}

bool CResumeSwapDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_RESUME) {
        DialogSound();
        if (!g_DialogFrame.FrameWindow()) return true;
        g_DialogFrame.EndSwapPause();
        // The frame clears its records before the bar goes; this handler then ends on a live object.
        if (g_DialogFrame.IsOpenPrompt(Handle())) g_DialogFrame.CloseOpenPrompt();
        return true;
    }
    return CModelessDialog::OnCommand(id, code, control);
}
