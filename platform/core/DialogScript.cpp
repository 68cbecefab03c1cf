// Dialog::ApplyActions: a test's scripted person at work on a dialog's controls.
#include "platform/core/Button.h"
#include "platform/core/ComboBox.h"
#include "platform/core/Dialog.h"
#include "platform/core/Edit.h"
#include "platform/core/IconList.h"
#include "platform/core/ListBox.h"
#include "platform/core/WindowApi.h"

namespace platform {

namespace {

// The code points of a UTF-8 text (invalid bytes pass as themselves).
std::vector<char32_t> CodePoints(const std::string& text) {
    std::vector<char32_t> points;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
        if (at + static_cast<std::size_t>(length) > text.size()) length = 1;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int i = 1; i < length; ++i) point = (point << 6) | (static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]) & 0x3F);
        points.push_back(point);
        at += static_cast<std::size_t>(length);
    }
    return points;
}

}  // namespace

void Dialog::ApplyActions(const DialogActions& actions) {
    const HWND self = Handle();
    for (const DialogAction& action : actions) {
        if (!::IsWindow(self) || m_ended) return;
        Control* control = GetControl(action.controlId);
        if (!control || !control->AcceptsInput()) continue;
        switch (action.kind) {
            case DialogAction::Kind::Type:
                if (auto* edit = dynamic_cast<Edit*>(control)) {
                    GotoDlgCtrl(edit->Handle());
                    edit->SetSel(0, -1);
                    if (action.text.empty()) edit->Type(VK_BACK);
                    for (char32_t point : CodePoints(action.text)) edit->Type(point);
                }
                break;
            case DialogAction::Kind::Check:
                if (auto* button = dynamic_cast<Button*>(control)) {
                    // A radio button cannot be unchecked by clicking it; two clicks end any box.
                    for (int click = 0; click < 2 && button->GetCheck() != action.value; ++click) button->Click();
                }
                break;
            case DialogAction::Kind::Choose:
                if (auto* combo = dynamic_cast<ComboBox*>(control)) combo->Choose(action.value);
                else if (auto* list = dynamic_cast<ListBox*>(control)) list->Choose(action.value);
                else if (auto* icons = dynamic_cast<IconList*>(control)) icons->Choose(action.value);
                break;
            case DialogAction::Kind::Press:
                if (auto* button = dynamic_cast<Button*>(control)) button->Click();
                break;
        }
    }
}

}  // namespace platform
