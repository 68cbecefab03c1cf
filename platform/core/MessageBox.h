#pragma once
// MessageBox: the program's modal message box with an icon and OK, OK/Cancel or Yes/No. It runs a
// modal loop like any modal dialog: the owner (the main window when none is given) is disabled,
// timers, posted commands and paints run inside it. It returns the id of the button pressed, the
// escape answer for Esc or the close box (Yes/No boxes have none and must be answered), or the
// result another part of the program ended it with (EndDialog on the box, e.g. 0).
//
// The text comes formatted, or as a resource text whose %1 and %2 the second form fills in.
//
// Scripted answers: when the host has one lined up (the headless host's Answers()), the box returns
// it at once without opening. A headless test that lines up none and does nothing to end the box
// fails with the host's IdleStall instead of hanging. Without a host there is nobody to answer: the
// box returns 0 ("not Yes", as for a box ended from outside).

#include "platform/core/Dialog.h"
#include "platform/core/MessageBoxLayout.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

// The box as a dialog, for hosts and tests that look at it while it runs.
class MessageBoxDialog : public Dialog {
public:
    MessageBoxDialog(std::string text, std::string caption, unsigned flags, std::string_view language);

    const MessageBoxSpec& Kind() const { return m_kind; }
    const std::string& Text() const { return m_text; }
    // The id of the image control showing the icon, and of the text.
    static constexpr int kIconId = 0x7F00;
    static constexpr int kTextId = 0x7F01;

    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnClose() override;

protected:
    Rect InitialRect(HWND owner) const override;
    void CreateControls() override;

private:
    MessageBoxLayout Layout() const;

    std::string m_text;
    MessageBoxSpec m_kind;
};

// The language of the button texts: the edition's code ("ge" German, otherwise English). Selecting
// an edition's resources sets it.
void SetMessageBoxLanguage(std::string language);
const std::string& MessageBoxLanguage();

// The message box open now (innermost), or nullptr.
MessageBoxDialog* ActiveMessageBox();

}  // namespace platform

int MessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags = platform::MB_OK);
// A message box of a resource text with its markers %1, %2, ... filled in from the arguments.
int MessageBox(HWND owner, std::string_view pattern, std::initializer_list<std::string_view> arguments,
               const std::string& caption, unsigned flags = platform::MB_OK);
