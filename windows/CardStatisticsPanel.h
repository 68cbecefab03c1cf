#pragma once
// CCardsDialog: the control panel at the top of the card statistics (template 316). It picks the
// table shown (the match, all deals, the test deals), shows how many deals it holds, clears the
// shown table, deals a test deal into the test table and switches the window's size. It sits in
// the window as a child and scrolls with the grid; the grid's painter sets its buttons and count.

#include "platform/core/Dialog.h"

class CCardStatistics;
struct CStatisticsBlock;

class CCardsDialog : public platform::Dialog {
public:
    static constexpr int kTemplateId = 316;
    // Controls.
    static constexpr int kCount = 1050;
    static constexpr int kSeries = 1009;
    static constexpr int kUnlimited = 1051;
    static constexpr int kTest = 1175;
    static constexpr int kDeal = 1047;
    static constexpr int kReset = 1082;
    static constexpr int kCompact = 1292;
    static constexpr int kFull = 1291;

    explicit CCardsDialog(CCardStatistics* owner);

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    // The panel has no OK or Cancel: Enter and Esc leave it as it is.
    void OnOK() override {}
    void OnCancel() override {}

    // The count of recorded deals and the current view to 0; the other two views stay.
    void ClearCardStatisticsView();

private:
    // Shows the test deal's button only in the test view, selects the view and redraws the window.
    void SelectView(int view);

    CCardStatistics* owner;
    CStatisticsBlock* block = nullptr;
};
