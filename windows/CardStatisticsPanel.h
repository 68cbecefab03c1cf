#pragma once
// CCardsDialog: the control panel at the top of the card statistics (template 316). It picks the
// table shown (the match, all deals, the test deals), shows how many deals it holds, clears the
// shown table, deals a test deal into the test table and switches the window's size. It sits in
// the window as a child and scrolls with the grid; the grid's painter sets its buttons and count.

#include "windows/StatisticsWindow.h"

class CCardStatistics;
struct CStatisticsBlock;

class CCardsDialog : public CStatisticsPanel {
public:
    static constexpr int kTemplateId = 316;
    // Controls beside the count, reset and size buttons.
    static constexpr int kSeries = 1009;
    static constexpr int kUnlimited = 1051;
    static constexpr int kTest = 1175;
    static constexpr int kDeal = 1047;

    explicit CCardsDialog(CCardStatistics* owner);

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;

    // The count of recorded deals and the current view to 0; the other two views stay.
    void ClearCardStatisticsView();

private:
    // Shows the test deal's button only in the test view, selects the view and redraws the window.
    void SelectView(int view);

    CStatisticsBlock* block = nullptr;
};
