#include "platform/qt/QtInput.h"

namespace platform {

std::optional<int> VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = (modifiers & Qt::KeypadModifier) != 0;
    switch (qtKey) {
        case Qt::Key_Backspace: return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Shift: return VK_SHIFT;
        case Qt::Key_Control: return VK_CONTROL;
        case Qt::Key_Alt:
        case Qt::Key_AltGr: return VK_MENU;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        case Qt::Key_PageUp: return VK_PRIOR;
        case Qt::Key_PageDown: return VK_NEXT;
        case Qt::Key_Home: return VK_HOME;
        case Qt::Key_End: return VK_END;
        case Qt::Key_Insert: return VK_INSERT;
        case Qt::Key_Delete: return VK_DELETE;
        case Qt::Key_Plus: return keypad ? VK_ADD : VK_OEM_PLUS;
        case Qt::Key_Minus: return keypad ? VK_SUBTRACT : VK_OEM_MINUS;
        default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + (qtKey - Qt::Key_F1);
    // Printable ASCII: Qt's codes are the characters themselves, letters as capitals, as ours.
    if (qtKey >= 0x20 && qtKey <= 0x7E) return qtKey;
    return std::nullopt;
}

std::optional<UINT> MouseMessageFromQt(QEvent::Type type, Qt::MouseButton button) {
    const bool press = type == QEvent::MouseButtonPress;
    const bool release = type == QEvent::MouseButtonRelease;
    const bool twice = type == QEvent::MouseButtonDblClick;
    if (!press && !release && !twice) return std::nullopt;
    switch (button) {
        case Qt::LeftButton: return press ? WM_LBUTTONDOWN : release ? WM_LBUTTONUP : WM_LBUTTONDBLCLK;
        case Qt::RightButton: return press ? WM_RBUTTONDOWN : release ? WM_RBUTTONUP : WM_RBUTTONDBLCLK;
        // The middle button has no double-click message: its second press is a press.
        case Qt::MiddleButton: return release ? WM_MBUTTONUP : WM_MBUTTONDOWN;
        default: return std::nullopt;
    }
}

bool NativeControlTakesKey(ControlKind kind, unsigned style, int qtKey, Qt::KeyboardModifiers modifiers) {
    // Modifier presses and Alt combinations always reach our key state and mnemonics.
    if (qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt || qtKey == Qt::Key_AltGr ||
        (modifiers & Qt::AltModifier))
        return false;
    // Tab and Esc are always the dialog's.
    if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab || qtKey == Qt::Key_Escape) return false;
    const bool enter = qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
    const bool vertical = qtKey == Qt::Key_Up || qtKey == Qt::Key_Down || qtKey == Qt::Key_PageUp ||
                          qtKey == Qt::Key_PageDown;
    const bool along = qtKey == Qt::Key_Left || qtKey == Qt::Key_Right || qtKey == Qt::Key_Home ||
                       qtKey == Qt::Key_End;
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            // Space clicks; the arrows move through the group by our dialog's rules.
            return qtKey == Qt::Key_Space;
        case ControlKind::Edit:
            if (enter) return (style & CTL_MULTILINE) != 0;
            if (vertical) return (style & CTL_MULTILINE) != 0;
            return true;  // typing, editing and moving within the text
        case ControlKind::RichText:
            return vertical || along || (modifiers & Qt::ControlModifier);  // reading and copying
        case ControlKind::IconList:
            return vertical || along;
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
            return !enter && (vertical || along || (qtKey >= 0x20 && qtKey <= 0x7E && qtKey != Qt::Key_Space));
        case ControlKind::ScrollBar:
        case ControlKind::Slider:
            return vertical || along;
        case ControlKind::GroupBox:
        case ControlKind::Static:
        case ControlKind::Image:
            return false;
    }
    return false;
}

}  // namespace platform
