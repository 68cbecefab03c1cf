#pragma once
// platform::Dialog: a dialog window built from a template, run modeless (Create: prompt bars and
// panels, with or without an owner) or modal (DoModal: the owner is disabled while it runs, the
// result comes back). Derived classes handle their controls in OnCommand and set them up in
// OnInitDialog.
//
// Commands. WM_COMMAND reaches OnCommand with the id and notification code alone: a command posted
// or sent for a button id runs the handler for that id whatever the button's enabled or visible
// state, and does not touch the button (a check box keeps its state). IDOK and IDCANCEL go to OnOK
// and OnCancel; WM_CLOSE is Cancel unless OnClose is overridden.
//
// Keyboard (IsDialogMessage; the modal loop and the main loop offer keys for the dialog to it, a
// nested wait does not): Enter presses the focused push button, else the default button (nothing
// when that one is disabled or hidden), else sends IDOK; Esc sends IDCANCEL; Space clicks the
// focused button; Tab and Shift+Tab move through the tab stops; the arrows move inside a group (and
// check an auto radio button they land on); Alt+mnemonic focuses the control, clicking buttons.
// Controls that take the keys themselves (edits, lists, sliders) keep their characters and arrows.

#include "platform/core/Control.h"
#include "platform/core/DialogAnswer.h"
#include "platform/core/DialogTemplate.h"
#include "platform/core/DialogUnits.h"
#include "platform/core/Window.h"

#include <optional>
#include <string>

namespace platform {

class Dialog : public Window {
public:
    explicit Dialog(const DialogTemplate& dialogTemplate);
    ~Dialog() override;

    // Creates the window hidden, with its controls, and runs OnInitDialog; the caller shows it. The
    // owner may be nullptr (a parentless prompt).
    bool Create(HWND owner = nullptr, Lifetime lifetime = Lifetime::Caller);
    // Creates the window hidden as a child of `parent`, at the template's position in the parent's
    // client area (a control panel inside a side window, scrolling with its content), with its
    // controls, and runs OnInitDialog; the caller shows it. False without a living parent.
    bool CreateChild(HWND parent, Lifetime lifetime = Lifetime::Caller);
    // Runs the dialog modally and returns the result of EndDialog (-1 when it could not be created
    // or was destroyed without one). Owner nullptr: the default owner (the main window).
    int DoModal(HWND owner = nullptr);
    // The person's actions, done now in order; stops when one ends the dialog. Unknown controls and
    // actions that do not fit the control are skipped.
    void ApplyActions(const DialogActions& actions);
    // Ends a modal dialog after the current dispatch with this result; a modeless one is hidden.
    void EndDialog(int result);
    bool IsRunningModal() const { return m_modal && !m_ended; }
    std::optional<int> Result() const { return m_ended ? std::optional<int>(m_result) : std::nullopt; }

    // The owner DoModal uses when given none: the program's main window, set at start-up.
    // Out of line, so that the check of what the program reaches finds the start-up's call.
    static void SetDefaultOwner(HWND owner);
    static HWND DefaultOwner() { return s_defaultOwner; }

    // --- Handlers ----------------------------------------------------------------------------------
    // Return true to give the focus to the first tab stop, false when it set the focus itself.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnClose() { OnCommand(IDCANCEL, 0, nullptr); }
    // Returns whether it handled the command. The base handles IDOK and IDCANCEL.
    virtual bool OnCommand(int id, unsigned code, HWND control);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(Message& message) override;
    // The dialog's keyboard handling for a key message aimed at it or one of its controls; true when
    // the message was used up.
    bool IsDialogMessage(Message& message);

    // --- Controls ----------------------------------------------------------------------------------
    Control* GetControl(int id) const;
    template <class T>
    T* GetControlAs(int id) const { return dynamic_cast<T*>(GetControl(id)); }
    void CheckDlgButton(int id, int check);
    int IsDlgButtonChecked(int id) const;
    // Checks `check` and unchecks the other radio buttons with ids first..last.
    void CheckRadioButton(int first, int last, int check);
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, int value);
    // The number in a field; nothing when it holds no (whole, in range) number.
    std::optional<int> GetDlgItemInt(int id) const;
    bool EnableDlgItem(int id, bool enable);
    bool ShowDlgItem(int id, bool show);

    // Focus to the control, as WM_NEXTDLGCTL does; a push button becomes the default button.
    void GotoDlgCtrl(HWND control);
    int GetDefID() const { return m_defaultId; }
    void SetDefID(int id);
    // The control that has (or, while the dialog is inactive, last had) the focus.
    HWND FocusControl() const { return m_focusControl; }

    DialogBaseUnits BaseUnits() const { return m_units; }
    const DialogFont& Font() const { return m_font; }
    Rect MapDialogRect(const DialogRect& rect) const { return DialogRectToPixels(rect, m_units); }
    const DialogTemplate* Template() const { return m_template; }

protected:
    // For dialogs laid out in code (message boxes): no template; they override the two hooks.
    Dialog(std::string caption, DialogFont font);
    // The window's screen rectangle for this owner.
    virtual Rect InitialRect(HWND owner) const;
    // Creates the child controls.
    virtual void CreateControls();

private:
    bool CreateWindowAndControls(HWND owner, Lifetime lifetime, HWND parent = nullptr);
    void MoveFocusTo(HWND control);
    void RestoreFocus();
    HWND FirstTabStop() const;

    const DialogTemplate* m_template = nullptr;
    std::string m_caption;
    DialogFont m_font;
    DialogBaseUnits m_units;
    int m_defaultId = 0;
    HWND m_focusControl = nullptr;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = 0;
    std::optional<DialogActions> m_scripted;  // the actions a test lined up, until the loop runs them

    static inline HWND s_defaultOwner = nullptr;
};

// EndDialog for a window by handle: false when it is no dialog.
bool EndDialog(HWND dialog, int result);

}  // namespace platform
