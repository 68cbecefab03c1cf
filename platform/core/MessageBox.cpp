#include "platform/core/MessageBox.h"

#include "platform/core/TextFormat.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

std::string g_language = "en";
std::vector<MessageBoxDialog*> g_openBoxes;

}  // namespace

void SetMessageBoxLanguage(std::string language) { g_language = std::move(language); }
const std::string& MessageBoxLanguage() { return g_language; }

MessageBoxDialog* ActiveMessageBox() { return g_openBoxes.empty() ? nullptr : g_openBoxes.back(); }

MessageBoxDialog::MessageBoxDialog(std::string text, std::string caption, unsigned flags, std::string_view language)
    : Dialog(std::move(caption), DialogFont{}), m_text(std::move(text)), m_kind(DescribeMessageBox(flags, language)) {}

MessageBoxLayout MessageBoxDialog::Layout() const {
    const Size text = MeasureDialogText(Font(), m_text);
    const int width = text.cx;
    const int height = text.cy;
    std::vector<int> captions;
    for (const MessageBoxButton& button : m_kind.buttons)
        captions.push_back(static_cast<int>(button.text.size()) * BaseUnits().x);
    return LayoutMessageBox(m_kind, width, height, captions, BaseUnits());
}

Rect MessageBoxDialog::InitialRect(HWND owner) const {
    MessageBoxLayout layout = Layout();
    Rect ownerRect;
    if (owner && ::GetWindowRect(owner, &ownerRect)) {
        int left = ownerRect.left + (ownerRect.Width() - layout.width) / 2;
        int top = ownerRect.top + (ownerRect.Height() - layout.height) / 2;
        return {left, top, left + layout.width, top + layout.height};
    }
    return {0, 0, layout.width, layout.height};
}

void MessageBoxDialog::CreateControls() {
    MessageBoxLayout layout = Layout();
    int line = BaseUnits().y;
    if (m_kind.icon != MessageBoxIcon::None) {
        Control* icon = CreateControl({ControlKind::Image, kIconId, "", {}, 0}, Handle(), layout.icon, line);
        if (icon) icon->SendMessage(STM_SETIMAGE, static_cast<WPARAM>(m_kind.icon));
    }
    CreateControl({ControlKind::Static, kTextId, m_text.c_str(), {}, 0}, Handle(), layout.text, line);
    for (std::size_t i = 0; i < m_kind.buttons.size(); ++i) {
        unsigned style = CTL_TABSTOP | (i == 0 ? CTL_GROUP : 0u);
        if (static_cast<int>(i) == m_kind.defaultButton) style |= CTL_DEFAULT;
        const MessageBoxButton& button = m_kind.buttons[i];
        Control* control = CreateControl({ControlKind::PushButton, button.id, button.text.c_str(), {}, style}, Handle(),
                                         layout.buttons[i], line);
        if (control && (style & CTL_DEFAULT)) SetDefID(button.id);
    }
}

bool MessageBoxDialog::OnCommand(int id, unsigned code, HWND control) {
    (void)control;
    if (code != BN_CLICKED) return false;
    for (const MessageBoxButton& button : m_kind.buttons) {
        if (button.id == id) {
            EndDialog(id);
            return true;
        }
    }
    // Esc and the close box: the box's escape answer (Cancel, No, or the one OK).
    if (id == IDCANCEL && m_kind.escapeResult) EndDialog(*m_kind.escapeResult);
    return true;
}

void MessageBoxDialog::OnClose() { OnCommand(IDCANCEL, BN_CLICKED, nullptr); }

}  // namespace platform

int MessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags) {
    using namespace platform;
    Host* host = WindowSystem::Instance().AttachedHost();
    if (!host) return 0;
    if (std::optional<int> answer = host->TakeMessageBoxAnswer()) return *answer;

    MessageBoxDialog box(text, caption, flags, MessageBoxLanguage());
    g_openBoxes.push_back(&box);
    struct Unlist {
        MessageBoxDialog* box;
        ~Unlist() { g_openBoxes.erase(std::find(g_openBoxes.begin(), g_openBoxes.end(), box)); }
    } unlist{&box};
    return box.DoModal(owner);
}

int MessageBox(HWND owner, std::string_view pattern, std::initializer_list<std::string_view> arguments,
               const std::string& caption, unsigned flags) {
    return MessageBox(owner, platform::FormatText(pattern, arguments), caption, flags);
}
