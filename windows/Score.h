#pragma once
// CScore: the score sheet, the side window that lists every game of the match under a title block
// and above the settlement. Its window menu switches Highlight (tinted seat cells) and Forehand
// (the forehand marked in each line) and the size; the owners of the list call UpdateScrollRange
// after every change. A hidden CScore draws the printout with the same DrawList.

#include "windows/SideWindow.h"

namespace platform {
class DeviceContext;
}

// Window menu commands, with the texts of the same ids.
inline constexpr int ID_SCORE_HIGHLIGHT = 32950;
inline constexpr int ID_SCORE_FOREHAND = 32951;
inline constexpr int ID_SCORE_OPTIMIZE = 32952;

class CScore : public CSideWindow {
public:
    CScore();

    // Draws the whole sheet on a device context, shifted by the offsets (the printout passes 0, 0).
    void DrawList(platform::DeviceContext& dc, int xOffset, int yOffset);
    // After a change of the list, its header or the view: ranges, the newest games in view, and
    // with redraw the bars and a repaint.
    void UpdateScrollRange(bool redraw);

    // The sheet's height: a line of 16 pixels per game and for the title, heading and settlement.
    static int SheetHeightFor(int games, int settlement);
    // The compact height for a number of games (up to 36 lines) and the full height.
    static int CompactHeight(int games);
    static constexpr int kFullHeight = 848;
    static constexpr int kWidth = 648;

    bool Highlight = false;
    bool ShowForehand = true;
    bool FullHeight = false;

protected:
    int SheetHeight() const override;
    void Paint(platform::DeviceContext& dc, int xOffset, int yOffset) override;
    bool OnCreateWindow() override;
    std::string CreationTrace() const override;
    void OnPlainClose() override;
    void OnRightClick(platform::Point point) override;
    void OnSysCommand(int id) override;

private:
    void SwitchScoreSize();
};
