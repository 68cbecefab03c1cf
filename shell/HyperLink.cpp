#include "shell/HyperLink.h"

#include "platform/core/DesktopServices.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Dialog.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowScrollBars.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

#include <cstdio>

namespace {

// The result a failed opening reports: the desktop has nothing that opens the link.
constexpr int kNoAssociation = 31;

}  // namespace

std::string HyperlinkErrorText(int result) {
    std::string text = "Unable to open hyperlink:\n\n";
    switch (result) {
        case 0: return text + "The operating system is out\nof memory or resources.";
        case 2: return text + "The specified file was not found.";
        case 3: return text + "The specified path was not found.";
        case 5: return text + "The operating system denied\naccess to the specified file.";
        case 8: return text + "There was not enough memory to complete the operation.";
        case 11: return text + "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        case 26: return text + "A sharing violation occurred. ";
        case 27: return text + "The filename association is\nincomplete or invalid.";
        case 28: return text + "The DDE transaction could not\nbe completed because the request timed out.";
        case 29: return text + "The DDE transaction failed.";
        case 30:
            return text + "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
        case 31: return text + "There is no application associated\nwith the given filename extension.";
        case 32: return text + "The specified dynamic-link library was not found.";
        default: {
            char unknown[48];
            std::snprintf(unknown, sizeof unknown, "Unknown Error (%d) occurred.", result);
            return text + unknown;
        }
    }
}

CHyperLink::CHyperLink(unsigned style) : platform::Static(style) {}

CHyperLink* CHyperLink::Attach(platform::Dialog& dialog, int id) {
    platform::Control* label = dialog.GetControl(id);
    if (!label || label->GetKind() != platform::ControlKind::Static) return nullptr;
    const platform::Rect rect = label->WindowRect();
    const std::string text = label->Title();
    const unsigned style = label->Style();
    // The label's own font, else the dialog's.
    platform::LogFont font;
    if (label->Font()) {
        font = *label->Font();
    } else {
        font.face = dialog.Font().face;
        font.height = -(dialog.Font().pointSize * 96 + 36) / 72;
    }
    label->DestroyWindow();
    // The engine owns controls: the link lives as long as its window.
    auto* link = new CHyperLink(style);
    if (!link->CreateChild(dialog.Handle(), id, text, rect)) return nullptr;  // the engine has let it go
    link->SendMessage(WM_SETFONT, 0, reinterpret_cast<LPARAM>(&font));
    link->SetUp();
    return link;
}

void CHyperLink::SetUp() {
    // Step 1: an empty target is the text, an empty text shows the target.
    if (m_url.empty()) m_url = Title();
    if (Title().empty()) SetWindowText(m_url);
    // Step 2: the normal font is the label's, the underlined one the same with a line.
    if (Font()) m_normalFont = *Font();
    m_underlinedFont = m_normalFont;
    m_underlinedFont.underline = true;
    if (m_underline == 1) SendMessage(WM_SETFONT, 0, reinterpret_cast<LPARAM>(&m_underlinedFont));
    // Step 3: fitted to its text, with the hand over it.
    m_setUp = true;
    FitToText();
    if (!m_linkCursor) m_linkCursor = LoadCursor(SYSTEM_CURSOR_HAND);
    ::SetCursor(Handle(), m_linkCursor);
    // Step 4: the target as the tooltip.
    ::SetToolTip(Handle(), m_url);
    ShowState();
}

void CHyperLink::SetURL(const std::string& url) {
    m_url = url;
    if (!m_setUp || !IsAlive()) return;
    FitToText();
    ::SetToolTip(Handle(), m_url);
}

// The link takes the room of its text, measured underlined, keeping the edge (or the centre) its
// alignment names.
void CHyperLink::FitToText() {
    if (!m_adjustToFit || !IsAlive()) return;
    platform::DeviceContext* dc = ::GetDC(Handle());
    if (!dc) return;
    dc->SelectFont(m_underlinedFont);
    const platform::Size extent = dc->GetTextExtent(Title());
    ::ReleaseDC(Handle(), dc);
    platform::Rect rect = WindowRect();
    const int width = extent.cx;
    if (Style() & platform::CTL_RIGHT) {
        rect.left = rect.right - width;
    } else if (Style() & platform::CTL_CENTER) {
        const int centre = (rect.left + rect.right) / 2;
        rect.left = centre - width / 2;
        rect.right = rect.left + width;
    } else {
        rect.right = rect.left + width;
    }
    rect.bottom = rect.top + extent.cy;
    MoveWindow(rect, true);
}

// The colour the link shows now: hovered, else visited, else fresh.
void CHyperLink::ShowState() {
    SetTextColour(m_overLink ? m_hoverColour : m_visited ? m_visitedColour : m_linkColour);
}

// A tick of the hover timer: once the mouse has left, the link looks as before.
void CHyperLink::CheckHover() {
    platform::Point mouse;
    ::GetCursorPos(&mouse);
    ::ScreenToClient(Handle(), &mouse);
    if (ClientRect().Contains(mouse)) return;
    m_overLink = false;
    KillTimer(kHoverTimer);
    if (m_underline != 1) SendMessage(WM_SETFONT, 0, reinterpret_cast<LPARAM>(&m_normalFont));
    ShowState();
    Invalidate();
}

void CHyperLink::OpenTarget() {
    m_overLink = false;
    KillTimer(kHoverTimer);
    if (m_underline != 1) SendMessage(WM_SETFONT, 0, reinterpret_cast<LPARAM>(&m_normalFont));
    // Only the desktop's opener: anything it will not open (not http, https or mailto, or no
    // program for it) counts as having no program associated.
    const platform::ShellResult opened = platform::OpenUrl(m_url);
    if (opened.done) {
        m_visited = true;
        ShowState();
        return;
    }
    ShowState();
    ::MessageBox(GetParent(), HyperlinkErrorText(kNoAssociation), platform::LoadString(IDS_PRODUCT_NAME),
                 platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!m_overLink) {
                m_overLink = true;
                if (m_underline == -1) SendMessage(WM_SETFONT, 0, reinterpret_cast<LPARAM>(&m_underlinedFont));
                ShowState();
                SetTimer(kHoverTimer, kHoverTicks);
            }
            return 0;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                CheckHover();
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            OpenTarget();
            return 0;
        case WM_DESTROY:
            KillTimer(kHoverTimer);
            break;
        default: break;
    }
    return platform::Static::WindowProc(message, wParam, lParam);
}
