#pragma once
// The game-event messages the flow runs modally (through CMainFrame::DoModalDialog): a computer's
// declaration with the person's Kontra (CKontraDialog), a plain message (CMessageDialog) and the
// all-passed question of rule Skat (CPassedRuleDialog). Each shows a rich text on a pale ground.

#include "dialogs/DialogIds.h"
#include "dialogs/HelpToggle.h"
#include "match/RichTextEscape.h"
#include "platform/core/Dialog.h"

#include <string>

// The manipulation marks of a shown rule number: a message's or the Rekontra message's, the
// Kontra message's.
inline constexpr int kMarkRuleShown = 32;
inline constexpr int kMarkKontraRuleShown = 256;

// The lines a message text takes in its growing text box: one per line feed, and for rich text at
// least one per paragraph the reader finds (a rich text's "\par" breaks a line without a line feed;
// counting line feeds alone hid the score line of a result), a paragraph in a font above 10 points
// taking two.
int MessageTextLines(const std::string& text);
// The rule numbers and names on the messages' buttons: the application's Arial 12, bold.
inline constexpr int kRuleNumberFont = 12;

// What every message shares: the caption "Spiel <match state>", the text, the rule button.
class CGameMessageDialog : public platform::Dialog {
public:
    CGameMessageDialog(int templateId, std::string text, int ruleNumber);
    const std::string& Text() const { return text; }

protected:
    // Caption and text; returns whether the rule button is shown.
    bool ShowCaptionAndText();
    // The text alone, on its pale ground (the new match's question keeps its own caption).
    void ShowText();
    // A button's caption in one of the application's fonts (a rule number, a seat's name).
    void SetButtonInAppFont(int id, const std::string& caption, int font);
    // The hidden rule button shows the rule number, with suggestions on and a number given; then
    // the game is marked with `cheatMark`. Returns whether it is shown.
    bool ShowRuleButton(int cheatMark);
    void OnRule();
    // Sizes the text box, the controls below it and the window to the number of text lines, or to
    // the text as the host lays it out where that takes more.
    void GrowWithText();
    // How much more the text box needs to hold its text as the host lays it out (0 where the host
    // does not lay it out itself, or where the box holds it).
    int LaidOutGrowth();
    void GrowTextBy(int growth);

    std::string text;
    int ruleNumber = 0;
    CHelpToggle help;
};

class CMessageDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_MESSAGE;
    // pictureFlags: bit 0 shows the left picture, bit 1 the right one; ruleNumber 0: none.
    CMessageDialog(std::string text, int pictureFlags, int ruleNumber, int reserved = 0);
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;

private:
    int pictureFlags = 0;
};

class CKontraDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_KONTRA;
    CKontraDialog(bool kontraAllowed, std::string text, int ruleNumber);
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    bool KontraAllowed() const { return kontraAllowed; }

private:
    bool kontraAllowed = false;
};

class CPassedRuleDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_PASSED_RULE;
    explicit CPassedRuleDialog(std::string text, int reserved = 0);
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // 1 no, 4 yes, + 16 with "&Wiederhole Spiel" checked.
    int ResultWord() const { return result; }

private:
    void Close(int answer);
    int result = 1;
};

