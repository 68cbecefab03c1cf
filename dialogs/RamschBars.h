#pragma once
// The bars of the all-passed road: Grand Hand instead of Ramsch (CGrandHandDialog), take or pass on
// the skat in Schieberamsch (CSkatRamschDialog), pass it on after taking it (CEndSwapRamschDialog).
// The Ramsch bars carry the Durchmarsch box, which announces the aim at every trick.

#include "dialogs/DialogIds.h"
#include "dialogs/HelpToggle.h"
#include "dialogs/ModelessDialog.h"

class CGrandHandDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_GRAND_HAND;
    static constexpr int kCut = 60;
    CGrandHandDialog();
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;

private:
    void OnRule();
    CHelpToggle help;
};

// What the two Ramsch bars share: the Durchmarsch box and the Ramsch rule help.
class CRamschBar : public CModelessDialog {
public:
    using CModelessDialog::CModelessDialog;
    bool OnInitDialog() override;

protected:
    // The demonstration's timer of this bar.
    virtual unsigned DemoTimer() const = 0;
    // The box's state becomes the announcement (a timer's press carries no handle and does not
    // toggle the box: it is checked first, so the press announces as a click would).
    void OnDurchmarsch(HWND control);
    void OnRule();
    CHelpToggle help;
};

class CSkatRamschDialog : public CRamschBar {
public:
    static constexpr int kTemplateId = IDD_SKAT_RAMSCH;
    static constexpr int kCut = 120;
    CSkatRamschDialog();
    bool OnCommand(int id, unsigned code, HWND control) override;

protected:
    unsigned DemoTimer() const override;
};

class CEndSwapRamschDialog : public CRamschBar {
public:
    static constexpr int kTemplateId = IDD_END_SWAP_RAMSCH;
    static constexpr int kCut = 192;
    CEndSwapRamschDialog();
    bool OnCommand(int id, unsigned code, HWND control) override;

protected:
    unsigned DemoTimer() const override;
};
