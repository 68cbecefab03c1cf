#pragma once
// platform::Button: push button, check box (two or three states) and radio button. A click by the
// person (press and release inside, while it takes input) or BM_CLICK toggles an auto check box,
// checks an auto radio button and unchecks the other radio buttons of its group, then notifies the
// parent with BN_CLICKED. Setting the check from code (BM_SETCHECK) notifies nobody.

#include "platform/core/Control.h"

namespace platform {

class Button : public Control {
public:
    Button(ControlKind kind, unsigned style) : Control(kind, style) {}

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE (three-state check boxes only).
    int GetCheck() const { return m_check; }
    void SetCheck(int check);
    // The dialog's default push button draws with a heavier frame; Enter presses it.
    bool IsDefault() const { return (Style() & CTL_DEFAULT) != 0; }
    void SetDefault(bool isDefault) { SetStyleFlag(CTL_DEFAULT, isDefault); }
    bool IsPressed() const { return m_pressed; }
    // The picture shown on a push button instead of its text (an image id the host draws; 0 none).
    // The text stays: it carries the mnemonic.
    int ImageId() const { return m_imageId; }
    int SetImage(int imageId);

    // What a click does, as the person's click or BM_CLICK.
    void Click();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UncheckGroupSiblings();

    int m_check = 0;
    int m_imageId = 0;
    bool m_pressed = false;
};

// The radio buttons and other controls of `control`'s group among its parent's children: from the
// control with CTL_GROUP at or before it to the one before the next CTL_GROUP.
std::vector<HWND> GroupOf(HWND control);

}  // namespace platform
