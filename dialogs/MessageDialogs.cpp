#include "dialogs/MessageDialogs.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/RichText.h"
#include "platform/core/RichTextReader.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

#include <algorithm>

namespace {

// The pale yellow ground of every message text (0xBBGGRR).
constexpr unsigned kMessageGround = 0xe0ffff;
// A message grows with its text, but never past this many lines of the text box.
constexpr int kMostTextLines = 40;

const platform::DialogTemplate kNoTemplate{};

const platform::DialogTemplate& TemplateFor(int templateId) {
    const platform::DialogTemplate* found = platform::FindDialog(templateId);
    return found ? *found : kNoTemplate;
}

// The Kontra message's pictures: per game type the left and right control and the image.
struct GamePictures {
    int left, right, image;
};
constexpr GamePictures kGamePictures[] = {
    {IDC_KONTRA_CLUBS_LEFT, IDC_KONTRA_CLUBS_RIGHT, IDB_GAME_CLUBS},
    {IDC_KONTRA_SPADES_LEFT, IDC_KONTRA_SPADES_RIGHT, IDB_GAME_SPADES},
    {IDC_KONTRA_HEARTS_LEFT, IDC_KONTRA_HEARTS_RIGHT, IDB_GAME_HEARTS},
    {IDC_KONTRA_DIAMONDS_LEFT, IDC_KONTRA_DIAMONDS_RIGHT, IDB_GAME_DIAMONDS},
    {IDC_KONTRA_NULL_LEFT, IDC_KONTRA_NULL_RIGHT, IDB_GAME_NULL},
    {IDC_KONTRA_REVOLUTION_LEFT, IDC_KONTRA_REVOLUTION_RIGHT, IDB_GAME_REVOLUTION},
    {IDC_KONTRA_GRAND_LEFT, IDC_KONTRA_GRAND_RIGHT, IDB_GAME_GRAND},
};

}  // namespace

// --- What every message shares -------------------------------------------------------------------

CGameMessageDialog::CGameMessageDialog(int templateId, std::string messageText, int rule)
    : platform::Dialog(TemplateFor(templateId)), text(std::move(messageText)), ruleNumber(rule) {}

bool CGameMessageDialog::ShowCaptionAndText() {
    SetWindowText(platform::LoadString(IDS_CAPTION_GAME) + " " + g_DialogFrame.GameNumberText());
    ShowText();
    return true;
}

void CGameMessageDialog::ShowText() {
    ::SendMessage(GetDlgItem(IDC_TEXT), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(kMessageGround));
    SetDlgItemText(IDC_TEXT, text);
}

void CGameMessageDialog::SetButtonInAppFont(int id, const std::string& caption, int font) {
    SetDlgItemText(id, caption);
    if (const platform::LogFont* appFont = g_DialogFrame.AppFont(font))
        ::SendMessage(GetDlgItem(id), WM_SETFONT, 0, reinterpret_cast<LPARAM>(appFont));
}

bool CGameMessageDialog::ShowRuleButton(int cheatMark) {
    if (ruleNumber == 0 || !g_Settings.Options.Suggest) return false;
    SetButtonInAppFont(IDC_HELP, std::to_string(ruleNumber), kRuleNumberFont);
    ShowDlgItem(IDC_HELP, true);
    // The mark follows the shown number only: a hidden button tells the person nothing.
    g_DialogFrame.CheckCheat(cheatMark, 1);
    return true;
}

void CGameMessageDialog::OnRule() {
    DialogSound();
    help.Toggle(RuleHelpTopic(ruleNumber));
}

// --- The plain message -----------------------------------------------------------------------------

CMessageDialog::CMessageDialog(std::string messageText, int flags, int rule, int /*reserved*/)
    : CGameMessageDialog(kTemplateId, std::move(messageText), rule), pictureFlags(flags) {}

bool CMessageDialog::OnInitDialog() {
    help.Reset();
    ShowCaptionAndText();
    ::SendMessage(GetDlgItem(IDC_PICTURE_LEFT), STM_SETIMAGE, IDB_MESSAGE_KONTRA, 0);
    ::SendMessage(GetDlgItem(IDC_PICTURE_RIGHT), STM_SETIMAGE, IDB_MESSAGE_KONTRA, 0);
    ShowDlgItem(IDC_PICTURE_LEFT, (pictureFlags & 1) != 0);
    ShowDlgItem(IDC_PICTURE_RIGHT, (pictureFlags & 2) != 0);
    ShowRuleButton(kMarkRuleShown);
    GrowWithText();
    ArmDemoTimer(TM_DEMO_OK);
    return true;
}

bool CMessageDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_HELP) {
        OnRule();
        return true;
    }
    return CGameMessageDialog::OnCommand(id, code, control);
}

// Its one button ("&OK") closes it as a cancel.
void CMessageDialog::OnOK() {
    DialogSound();
    EndDialog(IDCANCEL);
}

int MessageTextLines(const std::string& text) {
    int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (text.rfind("{\\rtf", 0) != 0) return lines;
    int drawn = 0;
    for (const platform::RichTextParagraph& paragraph : platform::ReadRichText(text).paragraphs) {
        int largest = 0;
        for (const platform::RichTextRun& run : paragraph.runs) largest = std::max(largest, run.halfPoints);
        drawn += largest > 20 ? 2 : 1;
    }
    return std::max(lines, drawn);
}

// The text box grows by its template height for every line of the text (one line: twice its
// height), or to the height the host lays the text out in where that is more.
void CGameMessageDialog::GrowWithText() {
    const HWND box = GetDlgItem(IDC_TEXT);
    if (!box) return;
    const int boxHeight = ::WindowFromHandle(box)->WindowRect().Height();
    const int lines = std::min(MessageTextLines(text), kMostTextLines);
    GrowTextBy(std::max(lines * boxHeight, LaidOutGrowth()));
}

int CGameMessageDialog::LaidOutGrowth() {
    const HWND box = GetDlgItem(IDC_TEXT);
    if (!box) return 0;
    const int boxHeight = ::WindowFromHandle(box)->WindowRect().Height();
    // Where the host lays the text out in its own fonts, the box holds all of it as laid out (its
    // larger headings and wrapped lines take more than the count of lines says).
    const std::optional<int> laidOut = platform::RichTextHeight(box);
    return laidOut ? std::max(0, std::min(*laidOut, kMostTextLines * boxHeight) - boxHeight) : 0;
}

// The text box grows by `growth`; everything below it moves down and the window grows with it.
void CGameMessageDialog::GrowTextBy(int growth) {
    const HWND box = GetDlgItem(IDC_TEXT);
    if (!box || growth <= 0) return;
    const platform::Rect boxClient = ::WindowFromHandle(box)->WindowRect();
    for (HWND child : Children()) {
        platform::Window* control = ::WindowFromHandle(child);
        if (!control) continue;
        platform::Rect rect = control->WindowRect();
        if (child == box) {
            rect.bottom += growth;
        } else if (rect.top >= boxClient.bottom) {
            rect.top += growth;
            rect.bottom += growth;
        } else {
            continue;
        }
        control->MoveWindow(rect, true);
    }
    platform::Rect window = WindowRect();
    window.bottom += growth;
    MoveWindow(window, true);
}

// --- Kontra to a computer's declaration ------------------------------------------------------------

CKontraDialog::CKontraDialog(bool allowed, std::string messageText, int rule)
    : CGameMessageDialog(kTemplateId, std::move(messageText), rule), kontraAllowed(allowed) {}

bool CKontraDialog::OnInitDialog() {
    help.Reset();
    ShowCaptionAndText();
    // The declaration keeps the box's size unless the host's fonts need more room for it.
    GrowTextBy(LaidOutGrowth());
    // Kontra is open and nobody has given it yet.
    g_DialogFrame.OpenKontra();
    // The game's picture left and right of the buttons; none in Ramsch.
    for (int type = 0; type < static_cast<int>(std::size(kGamePictures)); ++type) {
        const GamePictures& pictures = kGamePictures[type];
        const bool shown = type == g_Game.GameType;
        for (int id : {pictures.left, pictures.right}) {
            ::SendMessage(GetDlgItem(id), STM_SETIMAGE, static_cast<WPARAM>(pictures.image), 0);
            ShowDlgItem(id, shown);
        }
    }
    // With Kontra allowed the person chooses between "&OK" and "&Kontra"; otherwise only the
    // second "&OK" shows, which closes as a cancel.
    ShowDlgItem(IDC_OK, kontraAllowed);
    ShowDlgItem(IDC_KONTRA, kontraAllowed);
    ShowDlgItem(IDC_CANCEL, !kontraAllowed);
    ShowRuleButton(kMarkKontraRuleShown);
    ArmDemoTimer(g_Game.GameType == 5 ? TM_DEMO_KONTRA_REVOLUTION : TM_DEMO_CLOSE_MESSAGE);
    return true;
}

bool CKontraDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CGameMessageDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_KONTRA:
            DialogSound();
            SendFrameCommand(CM_KONTRA);
            EndDialog(IDOK);
            return true;
        case IDC_HELP: OnRule(); return true;
        default: return CGameMessageDialog::OnCommand(id, code, control);
    }
}

void CKontraDialog::OnOK() {
    DialogSound();
    EndDialog(IDOK);
}

// The second "&OK" (and Esc, and a close) ends it silently.
void CKontraDialog::OnCancel() { EndDialog(IDCANCEL); }

// --- All passed, rule Skat ----------------------------------------------------------------------------

CPassedRuleDialog::CPassedRuleDialog(std::string messageText, int /*reserved*/)
    : CGameMessageDialog(kTemplateId, std::move(messageText), 0) {}

bool CPassedRuleDialog::OnInitDialog() {
    ShowCaptionAndText();
    CheckDlgButton(IDC_REPEAT_BOX, 0);
    result = 1;
    ArmDemoTimer(TM_DEMO_OK);
    return true;
}

void CPassedRuleDialog::Close(int answer) {
    DialogSound();
    result = answer + (IsDlgButtonChecked(IDC_REPEAT_BOX) ? 16 : 0);
    EndDialog(IDOK);
}

void CPassedRuleDialog::OnOK() { Close(4); }
void CPassedRuleDialog::OnCancel() { Close(1); }
