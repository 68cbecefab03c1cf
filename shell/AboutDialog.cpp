#include "shell/AboutDialog.h"

#include "dialogs/DialogServices.h"
#include "flow/MainFrame.h"
#include "model/GameState.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/HyperLink.h"
#include "shell/SkatApp.h"

namespace {

const platform::DialogTemplate& AboutTemplate() {
    static const platform::DialogTemplate none{CAboutDlg::kTemplateId, "", 0, {}, {}, {}};
    const platform::DialogTemplate* found = platform::FindDialog(CAboutDlg::kTemplateId);
    return found ? *found : none;
}

}  // namespace

std::string AboutWebTarget(const std::string& webAddress, const std::string& otherEdition) {
    return webAddress + (otherEdition == "ge" ? "en/skat" : "skat/");
}

CAboutDlg::CAboutDlg() : platform::Dialog(AboutTemplate()) {}

bool CAboutDlg::OnInitDialog() {
    // Step 1: the texts of the edition.
    const std::string date = platform::LoadString(IDS_VERSION_DATE);
    const std::string version = platform::LoadString(IDS_VERSION);
    const std::string other = platform::LoadString(IDS_OTHER_LANGUAGE);
    const std::string mail = platform::LoadString(IDS_ABOUT_MAIL);
    const std::string web = platform::LoadString(IDS_ABOUT_WEB);

    // Step 2: the application's fonts: the product large, the credits medium, the rest small.
    const int notice = GetControl(kNoticeGerman) ? kNoticeGerman : kNoticeEnglish;
    if (g_pApp) {
        const struct {
            int control;
            int font;
        } fonts[] = {{kProduct, 0}, {kCredit1, 5}, {kCredit2, 5}, {kVersion, 10}, {kDate, 10}, {notice, 10}};
        for (const auto& entry : fonts)
            if (HWND control = GetDlgItem(entry.control))
                ::SendMessage(control, WM_SETFONT, 0, reinterpret_cast<LPARAM>(&g_pApp->Font(entry.font)));
    }

    // Step 3: the texts.
    SetDlgItemText(kCredit1, platform::LoadString(IDS_ABOUT_CREDIT1));
    SetDlgItemText(kCredit2, platform::LoadString(IDS_ABOUT_CREDIT2));
    SetDlgItemText(notice, platform::LoadString(IDS_ABOUT_NOTICE));
    SetDlgItemText(kDate, date);
    SetDlgItemText(kVersion, "Version " + version);

    // Step 4: the program's icon.
    if (HWND icon = GetDlgItem(kIcon)) ::SendMessage(icon, STM_SETIMAGE, static_cast<WPARAM>(IDR_MAINFRAME), 0);

    // Step 5: the two links, the mail link first.
    SetDlgItemText(kMailLink, mail);
    SetDlgItemText(kWebLink, web);
    mailLink = CHyperLink::Attach(*this, kMailLink);
    webLink = CHyperLink::Attach(*this, kWebLink);
    if (mailLink) mailLink->SetURL("mailto:" + mail);
    if (webLink) webLink->SetURL(AboutWebTarget(web, other));
    return true;
}

bool CAboutDlg::OnCommand(int id, unsigned code, HWND control) {
    switch (id) {
        case kFeedback:
            ::MessageBox(Handle(), platform::LoadString(IDS_ABOUT_FEEDBACK), platform::LoadString(IDS_PRODUCT_NAME),
                         platform::MB_OK | platform::MB_ICONINFORMATION);
            return true;
        case kSystem:
            DialogSound(SOUND_BUTTON);
            ::MessageBox(Handle(), platform::LoadString(IDS_ABOUT_SYSTEM), platform::LoadString(IDS_PRODUCT_NAME),
                         platform::MB_OK | platform::MB_ICONINFORMATION);
            return true;
        default: return platform::Dialog::OnCommand(id, code, control);
    }
}

// Help > About: the game pauses while the box is open, on the frame whose table lives.
void CSkatApp::OnAppAbout() {
    CMainFrame* frame = Frame && Frame->Run().TableAlive ? Frame.get() : nullptr;
    const int pause = frame ? frame->SetPause(0) : 0;
    CAboutDlg about;
    about.DoModal(frame ? frame->Handle() : nullptr);
    // A close while the box was open let the table go: no pause is given back to it.
    if (frame && frame->Run().TableAlive) frame->SetPause(pause);
}
