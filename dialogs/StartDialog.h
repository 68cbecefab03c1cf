#pragma once
// CStartDialog: at the end of a match, who leads the new one. A seat button (or the random choice)
// makes that seat leader and forehand and posts CM_START, so the new match starts once the dialog
// has closed; "&Abbrechen" starts nothing.

#include "dialogs/MessageDialogs.h"

#include <array>

class CStartDialog : public CGameMessageDialog {
public:
    static constexpr int kTemplateId = IDD_START;
    // names: the players of seats 0, 1 and 2, shown on the buttons "&1", "&2" and "&3".
    CStartDialog(std::string text, std::array<std::string, 3> names);
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    // The dialog has no "OK": only a seat starts the match.
    void OnOK() override {}
    int Started() const { return started; }

private:
    void Start(int seat);
    // The seat buttons widen alike until the longest caption stands whole, the window with them.
    void WidenSeatButtons();
    std::array<std::string, 3> names;
    int started = 0;
};
