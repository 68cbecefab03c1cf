#pragma once
// The game-event messages that ask the person for one answer: Rekontra to a computer's Kontra
// (CRekontraDialog), accepting a defender's give-up (CResignDialog) and the all-passed notice of
// variant Skat (CPassedVariantDialog). The creator runs one with DoModal and reads the answer.

#include "dialogs/MessageDialogs.h"

// The person as soloist hears a computer's Kontra. "&Rekontra" (enabled only for the person as
// soloist) says Rekontra through the frame; both buttons close with IDOK.
class CRekontraDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_REKONTRA;
    // ruleNumber: the rule of the computer's Kontra (0 none); rekontraRuleNumber: the rule that
    // would advise Rekontra, shown on the button with suggestions on (0 none).
    CRekontraDialog(std::string text, int ruleNumber, int rekontraRuleNumber);
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;

private:
    void OnRekontra();
    int rekontraRuleNumber = 0;
};

// A defender offers to give the game up: "&Ja" accepts (IDOK, Accepted() 1), "&Nein" or Esc
// refuses (IDCANCEL).
class CResignDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_RESIGN;
    explicit CResignDialog(std::string text);
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    int Accepted() const { return accepted; }

private:
    int accepted = 0;
};

// All passed under variant Skat: the notice's "&OK" closes with IDOK and Accepted() 1.
class CPassedVariantDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_PASSED_VARIANT;
    explicit CPassedVariantDialog(std::string text);
    bool OnInitDialog() override;
    void OnOK() override;
    int Accepted() const { return accepted; }

private:
    int accepted = 0;
};
