#pragma once
// CResultDialog: the finished game in rich text, and the person's answer: the next game (4), stay
// at the table (1), show the course (8), each + 16 with "Wiederhole Spiel" checked.

#include "dialogs/MessageDialogs.h"

class CResultDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_RESULT;
    explicit CResultDialog(std::string text);
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    int ResultWord() const { return result; }

private:
    void Close(int answer, bool markEnd);
    int result = 1;
};
