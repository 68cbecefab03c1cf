#pragma once
// CAuctionDialog: the auction bar. The bid button bids or holds the value shown (the bid index plus
// the pending raise), the pass button passes, "&Spiel vorschlagen" asks for a suggested game.
// When a computer must answer the bid, the button sends the command and the computers' whole answer
// runs inside the click; it may end the auction and destroy this bar.

#include "dialogs/DialogIds.h"
#include "dialogs/ModelessDialog.h"

class CAuctionDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_AUCTION;
    static constexpr int kCut = 68;

    CAuctionDialog();

    // Raises (true) or lowers (false) the pending raise by one rung and relabels the bid button;
    // nothing while the bid button is disabled.
    void AlterBidDisplay(bool raise);

    void OnBid();
    void OnPass();
    void OnSuggest();

    bool OnCommand(int id, unsigned code, HWND control) override;

    // The bid button's label for the value at the bid index plus the pending raise:
    // "reiz&e  18" / "halt&e  20" ("%s%4d").
    static std::string BidButtonLabel();
};
