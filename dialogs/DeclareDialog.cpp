#include "dialogs/DeclareDialog.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"

namespace {

constexpr const char* kHelpTopic = "::/Bedienung/SpielAnsagen.htm";
// The application font of the declaration bar (Arial 14, bold).
constexpr int kDeclareBarFont = 8;

// The rules forbid Ouvert together with Schneider or Schwarz: rule Skat, and variant Skat whose
// Ouvert setting is 3.
bool OuvertExcludesSchneider() {
    return g_Game.VariantMode == VARIANT_OFFICIAL ||
           (g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Ouvert == 3);
}

std::string Mode(bool on) { return on ? "true" : "false"; }

}  // namespace

CDeclareDialog::CDeclareDialog() : CModelessDialog(kTemplateId, 0) {}

bool CDeclareDialog::OnInitDialog() {
    PlaceInitially();
    help.Reset();
    // The skat suggestion is pending from the start while suggestions are on.
    const bool suggest = g_Settings.Options.Suggest != 0;
    SetBox(IDC_SUGGEST_SKAT_BOX, suggest ? 1 : 0);
    command = suggest ? CM_SUGGEST_SKAT : CM_DECLARE;
    // Revolution is a Hand game of variant Skat.
    EnableDlgItem(IDC_REVOLUTION, g_Game.VariantMode != VARIANT_OFFICIAL && g_Settings.Variants.Revolution != 0 &&
                                      g_Game.HandAnnounced != 0);
    UpdateSuggestButton();
    const int suitPictures[4][2] = {{IDC_CLUBS, IDB_SUIT_CLUBS},
                                    {IDC_SPADES, IDB_SUIT_SPADES},
                                    {IDC_HEARTS, IDB_SUIT_HEARTS},
                                    {IDC_DIAMONDS, IDB_SUIT_DIAMONDS}};
    for (const auto& [button, picture] : suitPictures)
        ::SendMessage(GetDlgItem(button), BM_SETIMAGE, static_cast<WPARAM>(picture), 0);
    // The games without a suit picture name themselves in the declaration bar's font.
    if (const platform::LogFont* font = g_DialogFrame.AppFont(kDeclareBarFont)) {
        for (int button : {IDC_NULL, IDC_NULL_OUVERT, IDC_GRAND, IDC_REVOLUTION})
            ::SendMessage(GetDlgItem(button), WM_SETFONT, 0, reinterpret_cast<LPARAM>(font));
    }
    const bool declareBest = g_Settings.Options.Suggest != 0 || g_Game.HandAnnounced != 0;
    ArmDemoTimer(declareBest ? TM_DEMO_DECLARE : TM_DEMO_SUGGEST_SKAT);
    return true;
}

// --- The boxes ------------------------------------------------------------------------------

void CDeclareDialog::SetBox(int id, int check) { CheckDlgButton(id, check); }
bool CDeclareDialog::IsBoxChecked(int id) const { return IsDlgButtonChecked(id) != 0; }

void CDeclareDialog::UncheckAnnouncementBoxes() {
    SetBox(IDC_SCHNEIDER, 0);
    SetBox(IDC_SCHWARZ, 0);
    SetBox(IDC_OUVERT, 0);
}

bool CDeclareDialog::CheckSuggestedGame() {
    // Step 1: a game other than the suggested one drops the suggestion's announcements first (no
    // frame, no suggestion).
    if (g_Settings.Options.Suggest && g_DialogFrame.SuggestedGame() != -1 &&
        g_DialogFrame.SuggestedGame() != g_Game.GameType && g_DialogFrame.SuggestedAnnouncements() != 0) {
        UncheckAnnouncementBoxes();
        g_DialogFrame.DropAnnouncements();
        g_DialogFrame.ForgetSuggestedGame();
        return false;
    }
    // Step 2: a pending skat suggestion is taken now; the next click declares.
    if (command == CM_SUGGEST_SKAT) {
        SetBox(IDC_SUGGEST_SKAT_BOX, 0);
        command = CM_DECLARE;
    }
    return true;
}

void CDeclareDialog::UpdateSuggestButton() {
    const bool suggest = g_Settings.Options.Suggest != 0;
    if (g_Game.HandAnnounced == 1 || !suggest) {
        ShowDlgItem(IDC_SUGGEST_SKAT_BOX, false);
        (void)CheckSuggestedGame();
    } else {
        ShowDlgItem(IDC_SUGGEST_SKAT_BOX, true);
        if (command == CM_DECLARE) {
            SetBox(IDC_SUGGEST_SKAT_BOX, 1);
            command = CM_SUGGEST_SKAT;
        }
    }
    ShowDlgItem(IDC_SUGGEST_GAME, suggest);
}

void CDeclareDialog::OnSize() {
    // Once the controls exist: the skat suggestion stays pending only while the suggestion button is
    // on the menu; the box follows the command.
    if (!GetDlgItem(IDC_SUGGEST_SKAT_BOX)) return;
    const bool menuOn = g_DialogFrame.MenuItemFlags(ID_SUGGEST) != 0;
    command = IsBoxChecked(IDC_SUGGEST_SKAT_BOX) && menuOn ? CM_SUGGEST_SKAT : CM_DECLARE;
    SetBox(IDC_SUGGEST_SKAT_BOX, command == CM_SUGGEST_SKAT ? 1 : 0);
}

void CDeclareDialog::OnSchneider() {
    DialogSound();
    const bool schwarzDropped = g_Game.SchwarzAnnounced != 0;
    g_DialogFrame.ToggleSchneiderAnnounced(OuvertExcludesSchneider());
    SetBox(IDC_SCHNEIDER, g_Game.SchneiderAnnounced);
    if (schwarzDropped) SetBox(IDC_SCHWARZ, 0);
    if (g_Game.SchneiderAnnounced && OuvertExcludesSchneider()) SetBox(IDC_OUVERT, 0);
    g_DialogFrame.ForgetSuggestedGame();
    TraceDialog("CDeclareDialog::OnSchneider(mode:" + Mode(IsBoxChecked(IDC_SCHNEIDER)) + ")", LOG_PLAYER);
}

void CDeclareDialog::OnSchwarz() {
    DialogSound();
    const bool schneiderDropped = g_Game.SchneiderAnnounced != 0;
    g_DialogFrame.ToggleSchwarzAnnounced(OuvertExcludesSchneider());
    SetBox(IDC_SCHWARZ, g_Game.SchwarzAnnounced);
    if (schneiderDropped) SetBox(IDC_SCHNEIDER, 0);
    if (g_Game.SchwarzAnnounced && OuvertExcludesSchneider()) SetBox(IDC_OUVERT, 0);
    g_DialogFrame.ForgetSuggestedGame();
    TraceDialog("CDeclareDialog::OnSchwarz(mode:" + Mode(IsBoxChecked(IDC_SCHWARZ)) + ")", LOG_PLAYER);
}

void CDeclareDialog::OnOuvert() {
    DialogSound();
    g_DialogFrame.ToggleOuvertAnnounced(OuvertExcludesSchneider());
    SetBox(IDC_OUVERT, g_Game.OuvertAnnounced ? 1 : 0);
    if (g_Game.OuvertAnnounced && OuvertExcludesSchneider()) {
        SetBox(IDC_SCHNEIDER, 0);
        SetBox(IDC_SCHWARZ, 0);
    }
    g_DialogFrame.ForgetSuggestedGame();
    TraceDialog("CDeclareDialog::OnOuvert(mode:" + Mode(IsBoxChecked(IDC_OUVERT)) + ")", LOG_PLAYER);
}

void CDeclareDialog::OnSuggestSkat() {
    const bool wasChecked = IsBoxChecked(IDC_SUGGEST_SKAT_BOX);
    DialogSound();
    SetBox(IDC_SUGGEST_SKAT_BOX, wasChecked ? 0 : 1);
    command = wasChecked ? CM_DECLARE : CM_SUGGEST_SKAT;
    TraceDialog(std::string("CDeclareDialog::OnSuggestSkat(mode:") +
                    (command == CM_SUGGEST_SKAT ? "SUGGEST_SKAT" : "DECLARE") + ")",
                LOG_PLAYER);
}

void CDeclareDialog::OnSuggestGame() {
    DialogSound();
    SendFrameCommand(CM_SUGGEST_GAME);
}

void CDeclareDialog::OnHelp() { help.Toggle(kHelpTopic); }

// --- The game buttons -----------------------------------------------------------------------

void CDeclareDialog::SendCommand(int noted) { SendFrameCommand(noted); }

void CDeclareDialog::DeclarePlainGame(const char* name, int gameType, bool sound) {
    const int noted = command;
    if (sound) DialogSound();
    g_DialogFrame.ChangeGameType(gameType);
    TraceDialog(std::string("CDeclareDialog::") + name + "()", LOG_PLAYER);
    if (CheckSuggestedGame()) SendCommand(noted);
}

void CDeclareDialog::OnClubs() { DeclarePlainGame("OnClubs", 0, false); }
void CDeclareDialog::OnSpades() { DeclarePlainGame("OnSpades", 1, true); }
void CDeclareDialog::OnHearts() { DeclarePlainGame("OnHearts", 2, true); }
void CDeclareDialog::OnDiamonds() { DeclarePlainGame("OnDiamonds", 3, true); }
void CDeclareDialog::OnGrand() { DeclarePlainGame("OnGrand", 6, true); }

bool CDeclareDialog::NullAnnouncementsAllowed() const {
    if (IsBoxChecked(IDC_OUVERT)) return false;
    return g_Game.DemoMode || (!IsBoxChecked(IDC_SCHNEIDER) && !IsBoxChecked(IDC_SCHWARZ));
}

void CDeclareDialog::OnNull() {
    const int noted = command;
    DialogSound();
    TraceDialog("CDeclareDialog::OnNull()", LOG_PLAYER);
    if (!NullAnnouncementsAllowed()) {
        UncheckAnnouncementBoxes();
        return;
    }
    g_DialogFrame.DeclareNullGame(false);
    if (CheckSuggestedGame()) SendCommand(noted);
}

void CDeclareDialog::OnNullOuvert() {
    const int noted = command;
    DialogSound();
    TraceDialog("CDeclareDialog::OnNullOuvert()", LOG_PLAYER);
    if (!NullAnnouncementsAllowed()) {
        UncheckAnnouncementBoxes();
        return;
    }
    g_DialogFrame.DeclareNullGame(true);
    if (CheckSuggestedGame()) SendCommand(noted);
}

void CDeclareDialog::OnRevolution() {
    const int noted = command;
    DialogSound();
    TraceDialog("CDeclareDialog::OnRevolution()", LOG_PLAYER);
    g_DialogFrame.DropSchneiderAndSchwarz();
    // Revolution is open by itself: any announcement box refuses the click, in every mode.
    if (IsBoxChecked(IDC_OUVERT) || IsBoxChecked(IDC_SCHNEIDER) || IsBoxChecked(IDC_SCHWARZ)) {
        UncheckAnnouncementBoxes();
        return;
    }
    g_DialogFrame.DeclareRevolutionGame();
    SendCommand(noted);
}

// --- Commands and keys -------------------------------------------------------------------------

bool CDeclareDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CModelessDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_CLUBS: OnClubs(); return true;
        case IDC_SPADES: OnSpades(); return true;
        case IDC_HEARTS: OnHearts(); return true;
        case IDC_DIAMONDS: OnDiamonds(); return true;
        case IDC_GRAND: OnGrand(); return true;
        case IDC_NULL: OnNull(); return true;
        case IDC_NULL_OUVERT: OnNullOuvert(); return true;
        case IDC_REVOLUTION: OnRevolution(); return true;
        case IDC_SCHNEIDER: OnSchneider(); return true;
        case IDC_SCHWARZ: OnSchwarz(); return true;
        case IDC_OUVERT: OnOuvert(); return true;
        case IDC_SUGGEST_SKAT_BOX: OnSuggestSkat(); return true;
        case IDC_SUGGEST_GAME: OnSuggestGame(); return true;
        case IDC_HELP: OnHelp(); return true;
        default: return CModelessDialog::OnCommand(id, code, control);
    }
}

// Enter never declares and never closes the bar: on a box it toggles the box, on Grand and
// "S&piel?" it only sounds; the focus stays where it was.
void CDeclareDialog::OnOK() {
    const HWND focus = ::GetFocus();
    const int id = focus && ::IsChild(Handle(), focus) ? ::GetDlgCtrlID(focus) : 0;
    switch (id) {
        case IDC_OUVERT: OnOuvert(); break;
        case IDC_SCHWARZ: OnSchwarz(); break;
        case IDC_SCHNEIDER: OnSchneider(); break;
        case IDC_SUGGEST_SKAT_BOX: OnSuggestSkat(); break;
        case IDC_GRAND:
            SendMessage(WM_NEXTDLGCTL, 0, 0);
            DialogSound(SOUND_INVALID_CARD);
            break;
        case IDC_SUGGEST_GAME:
            SendMessage(WM_NEXTDLGCTL, 1, 0);
            DialogSound(SOUND_INVALID_CARD);
            break;
        default: break;
    }
    if (focus && IsAlive() && ::IsWindow(focus)) ::SetFocus(focus);
}

LRESULT CDeclareDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CModelessDialog::WindowProc(message, wParam, lParam);
    if (message == WM_SIZE && IsAlive()) OnSize();
    return result;
}

bool CDeclareDialog::PreTranslateMessage(platform::Message& message) {
    // Enter goes to OnOK whatever has the focus: a focused game button is not pressed by it.
    if (message.message == WM_KEYDOWN && static_cast<int>(message.wParam) == VK_RETURN && IsAlive() &&
        (message.hwnd == Handle() || ::IsChild(Handle(), message.hwnd))) {
        OnOK();
        return true;
    }
    return CModelessDialog::PreTranslateMessage(message);
}
