#pragma once
// CGameValueDialog: the game value panel. A list of the 64 bid values; for the chosen one a table
// of every game worth exactly that value (game, tops, announced, reached in play, factor, rung).
// The box grows and shrinks with the number of rows, and the window with it. The auction keeps
// the choice on the current bid while the panel is open.

#include "dialogs/HelpToggle.h"
#include "dialogs/ModelessDialog.h"

class CGameValueDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = 298;
    static constexpr int kValue = 1171, kTable = 1173, kText = 1022;
    static constexpr unsigned kGround = 0xe0ffff;

    CGameValueDialog();

    // Rebuilds the table for the value chosen in the list.
    void OnSelchangeGame();
    // The table of one rung (0..63), the box, the buttons and the window sized to its rows.
    void FillValueTable(int ladderIndex);

    int RowHeight() const { return rowHeight; }
    int Margin() const { return margin; }

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;

private:
    CHelpToggle help;  // "&Tabelle" and "&Hilfe" share it
    int rowHeight = 0, margin = 0;
    int templateWidth = 0;  // the box's width in the template: it never gets narrower
};
