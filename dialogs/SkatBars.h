#pragma once
// The bars of the person's skat: pick up or play Hand (CSkatDialog), end the exchange of a game
// (CEndSwapGameDialog) and of the Revolution exchange (CEndSwapRevolutionDialog).

#include "dialogs/DialogIds.h"
#include "dialogs/ModelessDialog.h"

class CSkatDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_SKAT;
    CSkatDialog();
    // The Hand button, for the keyboard focus of the person as soloist.
    HWND HandButton() const { return GetDlgItem(IDC_HAND); }
    bool OnCommand(int id, unsigned code, HWND control) override;
};

class CEndSwapGameDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_END_SWAP_GAME;
    CEndSwapGameDialog();
    bool OnCommand(int id, unsigned code, HWND control) override;
};

class CEndSwapRevolutionDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_END_SWAP_REVOLUTION;
    static constexpr int kCut = 84;
    CEndSwapRevolutionDialog();
    bool OnCommand(int id, unsigned code, HWND control) override;
};
