#include "platform/core/Dialog.h"

#include "platform/core/Button.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/DialogNavigation.h"
#include "platform/core/Host.h"
#include "platform/core/WindowSystem.h"
#include "platform/core/WindowApi.h"

#include <charconv>
#include <vector>

namespace platform {

namespace {

// The dialog's controls as the navigation sees them, in tab (creation) order.
struct NavigationSnapshot {
    std::vector<HWND> handles;
    std::vector<std::string> texts;
    std::vector<NavigationItem> items;

    int IndexOf(HWND hwnd) const {
        for (std::size_t i = 0; i < handles.size(); ++i) {
            if (handles[i] == hwnd) return static_cast<int>(i);
        }
        return -1;
    }
    HWND At(int index) const { return index >= 0 ? handles[static_cast<std::size_t>(index)] : nullptr; }
};

// Without texts (withTexts false) the items carry none: enough for the tab order, which reads no
// mnemonic, and no title is copied.
NavigationSnapshot Snapshot(HWND dialog, int defaultId, bool withTexts = true) {
    NavigationSnapshot s;
    const std::vector<HWND> children = GetChildWindows(dialog);
    s.handles.reserve(children.size());
    s.texts.reserve(children.size());
    s.items.reserve(children.size());
    for (HWND child : children) {
        Control* control = ControlFromHandle(child);
        if (!control) continue;
        s.handles.push_back(child);
        s.texts.push_back(withTexts ? control->Title() : std::string());
    }
    for (std::size_t i = 0; i < s.handles.size(); ++i) {
        Control* control = ControlFromHandle(s.handles[i]);
        unsigned style = control->Style() & ~CTL_DEFAULT;
        if (control->GetKind() == ControlKind::PushButton && defaultId != 0 && control->GetDlgCtrlID() == defaultId)
            style |= CTL_DEFAULT;
        auto* button = dynamic_cast<Button*>(control);
        s.items.push_back({control->GetDlgCtrlID(), control->GetKind(), style, ::IsWindowEnabled(s.handles[i]),
                           ::IsWindowVisible(s.handles[i]), button && button->GetCheck() == static_cast<int>(BST_CHECKED),
                           s.texts[i]});
    }
    return s;
}

bool KeyHeld(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

// Destroys a modal dialog's window however DoModal is left (a failing wait in tests throws).
struct DestroyOnExit {
    Window& window;
    ~DestroyOnExit() {
        if (window.IsAlive()) window.DestroyWindow();
    }
};

}  // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate)
    : m_template(&dialogTemplate), m_caption(dialogTemplate.caption ? dialogTemplate.caption : ""),
      m_font(dialogTemplate.font), m_units(MeasureDialogFont(dialogTemplate.font)) {}

Dialog::Dialog(std::string caption, DialogFont font)
    : m_caption(std::move(caption)), m_font(font), m_units(MeasureDialogFont(font)) {}

Dialog::~Dialog() {
    // Destroy here, while the object is still a Dialog, so WM_DESTROY and the children's teardown
    // see the dialog's own handler.
    if (IsAlive()) DestroyWindow();
}

Rect Dialog::InitialRect(HWND owner) const {
    Rect client = m_template ? MapDialogRect(m_template->rect) : Rect{};
    Rect ownerRect;
    bool hasOwner = owner && ::GetWindowRect(owner, &ownerRect);
    if (m_template && (m_template->style & DLG_CENTER) && hasOwner) {
        int left = ownerRect.left + (ownerRect.Width() - client.Width()) / 2;
        int top = ownerRect.top + (ownerRect.Height() - client.Height()) / 2;
        return {left, top, left + client.Width(), top + client.Height()};
    }
    // Template positions count from the owner's top-left corner.
    if (hasOwner) client.Offset(ownerRect.left, ownerRect.top);
    return client;
}

void Dialog::CreateControls() {
    if (!m_template) return;
    for (const ControlTemplate& item : m_template->controls) {
        Control* control = CreateControl(item, Handle(), MapDialogRect(item.rect), m_units.y);
        if (control && item.kind == ControlKind::PushButton && (item.style & CTL_DEFAULT)) m_defaultId = item.id;
    }
}

bool Dialog::CreateWindowAndControls(HWND owner, Lifetime lifetime, HWND parent) {
    m_ended = false;
    m_result = 0;
    m_focusControl = nullptr;
    m_units = MeasureDialogFont(m_font);  // the host may have learnt its fonts since construction
    CreateParams params;
    if (parent) {
        // A child lies in its parent's client area, where the template puts it.
        params.kind = WindowKind::Child;
        params.parent = parent;
        params.rect = m_template ? MapDialogRect(m_template->rect) : Rect{};
    } else {
        params.kind = WindowKind::Popup;
        params.owner = ::IsWindow(owner) ? owner : nullptr;
        params.rect = InitialRect(params.owner);
    }
    params.title = m_caption;
    params.lifetime = lifetime;
    if (!Window::Create(params)) return false;
    CreateControls();
    if (SendMessage(WM_INITDIALOG, 0, 0) != 0 && !m_focusControl) m_focusControl = FirstTabStop();
    return IsAlive();
}

bool Dialog::Create(HWND owner, Lifetime lifetime) {
    m_modal = false;
    return CreateWindowAndControls(owner, lifetime);
}

bool Dialog::CreateChild(HWND parent, Lifetime lifetime) {
    m_modal = false;
    if (!::IsWindow(parent)) return false;
    return CreateWindowAndControls(nullptr, lifetime, parent);
}

void Dialog::SetDefaultOwner(HWND owner) { s_defaultOwner = owner; }

int Dialog::DoModal(HWND owner) {
    m_modal = true;
    if (!owner) owner = s_defaultOwner;
    if (!CreateWindowAndControls(owner, Lifetime::Caller)) {
        m_modal = false;
        return -1;
    }
    DestroyOnExit guard{*this};
    // A test's answer is done by the person inside the loop, as real clicks and typing would be.
    if (Host* host = WindowSystem::Instance().AttachedHost(); host && m_template) {
        m_scripted = host->TakeDialogAnswer(m_template->id);
        if (m_scripted) PostMessage(DM_SCRIPTED);
    }
    int result = ::RunModalLoop(*this);
    m_modal = false;
    return result;
}

void Dialog::EndDialog(int result) {
    m_result = result;
    if (m_modal) {
        if (!m_ended) ::EndModalLoop(*this, result);
        m_ended = true;
        return;
    }
    m_ended = true;
    ShowWindow(SW_HIDE);
}

bool EndDialog(HWND dialog, int result) {
    auto* target = dynamic_cast<Dialog*>(::WindowFromHandle(dialog));
    if (!target) return false;
    target->EndDialog(result);
    return true;
}

bool Dialog::OnCommand(int id, unsigned code, HWND control) {
    (void)control;
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog() ? 1 : 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), HandleFromValue(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_NEXTDLGCTL: {
            if (lParam) {
                GotoDlgCtrl(HandleFromValue(wParam));
            } else {
                NavigationSnapshot s = Snapshot(Handle(), m_defaultId);
                int next = NextTabStop(s.items, s.IndexOf(::GetFocus()), wParam != 0);
                if (next >= 0) MoveFocusTo(s.At(next));
            }
            return 0;
        }
        case DM_GETDEFID:
            return m_defaultId;
        case DM_SETDEFID:
            SetDefID(static_cast<int>(wParam));
            return 1;
        case DM_SCRIPTED:
            if (m_scripted) {
                DialogActions actions = std::move(*m_scripted);
                m_scripted.reset();
                ApplyActions(actions);
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus && focus != Handle() && ::IsChild(Handle(), focus)) m_focusControl = focus;
            } else {
                RestoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

HWND Dialog::FirstTabStop() const {
    NavigationSnapshot s = Snapshot(Handle(), m_defaultId, false);
    return s.At(NextTabStop(s.items, -1, false));
}

void Dialog::RestoreFocus() {
    HWND focus = ::GetFocus();
    if (focus && focus != Handle() && ::IsChild(Handle(), focus)) return;  // already on a control
    HWND target = m_focusControl;
    if (!::IsWindow(target) || !::IsWindowEnabled(target) || !::IsWindowVisible(target)) target = FirstTabStop();
    if (target) MoveFocusTo(target);
}

void Dialog::MoveFocusTo(HWND control) {
    if (!::IsWindow(control) || !::IsChild(Handle(), control)) return;
    m_focusControl = control;
    // A hidden dialog keeps the choice; it takes effect when the dialog is activated.
    if (IsVisibleFlag()) ::SetFocus(control);
}

void Dialog::GotoDlgCtrl(HWND control) {
    Control* target = ControlFromHandle(control);
    if (!target || !::IsChild(Handle(), control)) return;
    if (target->GetKind() == ControlKind::PushButton) SetDefID(target->GetDlgCtrlID());
    MoveFocusTo(control);
}

void Dialog::SetDefID(int id) {
    if (id == m_defaultId) return;
    if (auto* old = GetControlAs<Button>(m_defaultId)) old->SetDefault(false);
    m_defaultId = id;
    if (auto* now = GetControlAs<Button>(id)) now->SetDefault(true);
}

bool Dialog::PreTranslateMessage(Message& message) {
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) return IsDialogMessage(message);
    return false;
}

HWND ButtonEnterPresses(HWND dialog) {
    const auto* target = dynamic_cast<const Dialog*>(::WindowFromHandle(dialog));
    if (!target) return nullptr;
    const NavigationSnapshot s = Snapshot(dialog, target->GetDefID());
    const int button = DefaultButton(s.items, s.IndexOf(::GetFocus()));
    return button >= 0 && CanTakeFocus(s.items[static_cast<std::size_t>(button)]) ? s.At(button) : nullptr;
}

bool Dialog::IsDialogMessage(Message& message) {
    if (!IsAlive() || !(message.hwnd == Handle() || ::IsChild(Handle(), message.hwnd))) return false;
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;

    NavigationSnapshot s = Snapshot(Handle(), m_defaultId);
    int focused = s.IndexOf(message.hwnd);
    Control* focusControl = focused >= 0 ? ControlFromHandle(s.At(focused)) : nullptr;
    int key = static_cast<int>(message.wParam);

    if (message.message == WM_SYSKEYDOWN) {
        int target = FindMnemonicTarget(s.items, static_cast<char32_t>(key), focused);
        if (target < 0) return false;
        HWND hwnd = s.At(target);
        ControlKind kind = s.items[static_cast<std::size_t>(target)].kind;
        if (kind != ControlKind::PushButton) MoveFocusTo(hwnd);
        if (IsButtonKind(kind)) ::SendMessage(hwnd, BM_CLICK);
        return true;
    }
    if (KeyHeld(VK_CONTROL)) return false;

    switch (key) {
        case VK_TAB: {
            int next = NextTabStop(s.items, focused, KeyHeld(VK_SHIFT));
            if (next >= 0) MoveFocusTo(s.At(next));
            return true;
        }
        case VK_RETURN: {
            if (focusControl && (focusControl->Style() & CTL_MULTILINE)) break;
            int button = DefaultButton(s.items, focused);
            if (button < 0) {
                ::SendMessage(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                              static_cast<LPARAM>(HandleValue(GetDlgItem(IDOK))));
            } else if (CanTakeFocus(s.items[static_cast<std::size_t>(button)])) {
                ::SendMessage(Handle(), WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(s.items[static_cast<std::size_t>(button)].id), BN_CLICKED),
                              static_cast<LPARAM>(HandleValue(s.At(button))));
            }
            return true;
        }
        case VK_ESCAPE:
            ::SendMessage(Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                          static_cast<LPARAM>(HandleValue(GetDlgItem(IDCANCEL))));
            return true;
        case VK_SPACE:
            if (focusControl && IsButtonKind(focusControl->GetKind())) {
                ::SendMessage(s.At(focused), BM_CLICK);
                return true;
            }
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (focusControl && focusControl->WantsArrows()) break;
            int next = NextInGroup(s.items, focused, key == VK_LEFT || key == VK_UP);
            if (next < 0) return true;
            MoveFocusTo(s.At(next));
            const NavigationItem& item = s.items[static_cast<std::size_t>(next)];
            if (item.kind == ControlKind::RadioButton && (item.style & CTL_AUTO)) ::SendMessage(s.At(next), BM_CLICK);
            return true;
        }
        default:
            break;
    }
    // Anything else (typing into a field, keys a list or slider takes) goes to the focus window.
    return false;
}

Control* Dialog::GetControl(int id) const { return ControlFromHandle(GetDlgItem(id)); }

void Dialog::CheckDlgButton(int id, int check) {
    if (auto* button = GetControlAs<Button>(id)) button->SetCheck(check);
}

int Dialog::IsDlgButtonChecked(int id) const {
    auto* button = GetControlAs<Button>(id);
    return button ? button->GetCheck() : 0;
}

void Dialog::CheckRadioButton(int first, int last, int check) {
    for (HWND child : GetChildWindows(Handle())) {
        auto* button = dynamic_cast<Button*>(ControlFromHandle(child));
        int id = button ? button->GetDlgCtrlID() : 0;
        if (button && id >= first && id <= last) button->SetCheck(id == check ? BST_CHECKED : BST_UNCHECKED);
    }
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
    if (HWND item = GetDlgItem(id)) ::SetWindowText(item, text);
}

std::string Dialog::GetDlgItemText(int id) const {
    HWND item = GetDlgItem(id);
    return item ? ::GetWindowText(item) : std::string();
}

void Dialog::SetDlgItemInt(int id, int value) { SetDlgItemText(id, std::to_string(value)); }

std::optional<int> Dialog::GetDlgItemInt(int id) const {
    std::string text = GetDlgItemText(id);
    std::size_t begin = text.find_first_not_of(' ');
    std::size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    int value = 0;
    auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc() || stop != last) return std::nullopt;
    return value;
}

bool Dialog::EnableDlgItem(int id, bool enable) {
    HWND item = GetDlgItem(id);
    if (!item) return false;
    ::EnableWindow(item, enable);
    return true;
}

bool Dialog::ShowDlgItem(int id, bool show) {
    HWND item = GetDlgItem(id);
    if (!item) return false;
    ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
    return true;
}

}  // namespace platform
