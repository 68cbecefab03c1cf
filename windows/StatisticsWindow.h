#pragma once
// What the card and game statistics windows share as windows: their side window's values, the
// panel at the top of the content with its count, reset and size buttons, the two sizes its
// buttons switch between, and the labels and block they draw from. CStatisticsWindow is the window,
// CStatisticsPanel the panel; each statistics has its own table and the panel's own controls.

#include "platform/core/Dialog.h"
#include "windows/SideWindow.h"

#include <string>

struct CStatisticsBlock;

class CStatisticsWindow : public CSideWindow {
public:
    // The client sizes of the panel's size buttons, at the same top-left corner, both bars at 0.
    void SetCompactSize();
    void SetFullSize();
    // Invalidates, erases and repaints the window at once (after a panel command).
    void Redraw();

    int PanelHeight() const { return panelHeight; }
    int FrameExtraWidth() const { return frameExtraWidth; }
    int FrameExtraHeight() const { return frameExtraHeight; }

    // The side window's values of a statistics window: the toggle command, the trace's class name,
    // the rectangle's registry section, the help page and the sheet's width.
    static SideWindowTraits Traits(int toggleCommand, const char* className, const char* section, const char* helpTopic,
                                   int sheetWidth);

protected:
    // The sheet's full size and the compact client size.
    struct Sizes {
        int sheetWidth, sheetHeight;
        int compactWidth, compactHeight;
    };

    CStatisticsWindow(const SideWindowTraits& traits, const int* shownFlag, Sizes sizes);

    int SheetHeight() const override { return sizes.sheetHeight; }
    // The frame's extras (what the window measures beyond its client), the "abs" and "rel" labels
    // and the block; then the panel in the window's content, shown and with the focus, the sheet
    // starting below it. False when the panel could not be made: the sheet starts at the top.
    bool OpenPanel(platform::Dialog& panel);

    CStatisticsBlock* block = nullptr;
    std::string absLabel, relLabel;
    int panelHeight = 0;

private:
    const Sizes sizes;
    int frameExtraWidth = 0, frameExtraHeight = 0;
};

class CStatisticsPanel : public platform::Dialog {
public:
    // The controls every statistics panel has.
    static constexpr int kCount = 1050;
    static constexpr int kReset = 1082;
    static constexpr int kCompact = 1292;
    static constexpr int kFull = 1291;

    // The size buttons; anything else goes to the dialog.
    bool OnCommand(int id, unsigned code, HWND control) override;
    // The panel has no OK or Cancel: Enter and Esc leave it as it is.
    void OnOK() override {}
    void OnCancel() override {}

protected:
    // The edition's template of the id (an empty one when it has none).
    CStatisticsPanel(int templateId, CStatisticsWindow* owner);

    // At the top left of the window's content, its size kept; the size buttons' pictures.
    void PlaceAtTop();

    CStatisticsWindow* owner;
};
