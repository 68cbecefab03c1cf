#pragma once
// CGamesDialog: the control panel at the top of the game statistics (template 318). It picks the
// game type and whether only the current match counts, shows how many games that selection holds,
// clears the counters of the period shown and switches the window's size. It sits in the window as
// a child and scrolls with the chart.

#include "windows/StatisticsWindow.h"

class CGameStatistics;
struct CStatisticsBlock;

class CGamesDialog : public CStatisticsPanel {
public:
    static constexpr int kTemplateId = 318;
    // Controls beside the count, reset and size buttons.
    static constexpr int kType = 1081;
    static constexpr int kPerMatch = 1116;

    explicit CGamesDialog(CGameStatistics* owner);

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;

    // The selection's count of games in the count field.
    void ShowCount();
    // The counts and all counters of every type in the period shown to 0; the other period stays.
    void ClearGameTable();

private:
    CStatisticsBlock* block = nullptr;
};
