#pragma once
// The bars of the card play: Kontra before the first card (CKontraFirstDialog), the suggestion bar
// (CSuggestDialog), the continue bar after a trick (CContinueDialog), and the resume bar of the skat
// swap pause (CResumeSwapDialog), which destroys itself through the frame.

#include "dialogs/DialogIds.h"
#include "dialogs/HelpToggle.h"
#include "dialogs/ModelessDialog.h"

class CKontraFirstDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_KONTRA_FIRST;
    CKontraFirstDialog();
    bool OnCommand(int id, unsigned code, HWND control) override;
};

class CSuggestDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_SUGGEST;
    // kontraAllowed true: all three buttons; false: only "&Vorschlag" (a third of the width).
    explicit CSuggestDialog(bool kontraAllowed);
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    bool KontraAllowed() const { return full; }

private:
    void OnRule();
    bool full = true;
    CHelpToggle help;
};

class CContinueDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_CONTINUE;
    CContinueDialog();
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;

private:
    bool pressed = false;
};

class CResumeSwapDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_RESUME_SWAP;
    CResumeSwapDialog();
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
};

// The person's Kontra from a bar: only while Kontra is open (KontraState 1).
void BarKontra();
