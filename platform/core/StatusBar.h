#pragma once
// The status bar at the foot of the frame: a row of panes, each with a fixed width in pixels except
// one that stretches over what the others leave, showing one line of text each in the bar's font.
// This is its state and layout; the host draws it.

#include "platform/core/DialogUnits.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct StatusPaneSpec {
    int width = 0;         // pixels; ignored for the stretching pane
    bool stretch = false;  // at most one pane of a bar stretches
};

class StatusBar {
public:
    // Frame of the bar around the panes and the gap between neighbouring panes, in pixels.
    static constexpr int kBorder = 2;
    static constexpr int kGap = 2;

    // Replaces the panes; their texts start empty. False (and no change) when more than one pane
    // stretches or a width is negative.
    bool SetPanes(const std::vector<StatusPaneSpec>& panes);
    int PaneCount() const { return static_cast<int>(panes_.size()); }

    // Sets a pane's text; with `update` the bar is redrawn at once, otherwise at the next paint.
    // False for a pane that does not exist.
    bool SetPaneText(int pane, std::string text, bool update = true);
    // The pane's text; empty for a pane that does not exist.
    const std::string& PaneText(int pane) const;

    // The application font the bar draws with (an id into the application's font table).
    void SetFont(int fontId);
    int Font() const { return fontId_; }

    // The longest texts a fixed pane shows (say every rule name of the rule pane), so that a host
    // that measures text can size the pane for them before they come. False for a pane that does
    // not exist.
    bool SetPaneSamples(int pane, std::vector<std::string> samples);

    // The width a host's text measure (text in the bar's font -> pixels the pane needs for it,
    // frame included) gives a fixed pane: its own width, widened to its widest sample and its
    // current text. Without a measure, or for the stretching pane: the width it was given.
    using TextMeasure = std::function<int(const std::string& text)>;
    int PaneWidth(int pane, const TextMeasure& measure) const;

    // Pane rectangles inside a bar of this size, left to right: the fixed panes keep their widths
    // (widened by the measure, when there is one), the stretching pane takes the rest (never less
    // than 0). Panes that no longer fit are cut at the bar's right border.
    std::vector<Rect> Layout(int width, int height, const TextMeasure& measure = {}) const;

    // Told about every text change: which pane, and whether it wants an immediate redraw.
    void OnTextChanged(std::function<void(int pane, bool immediate)> listener) { listener_ = std::move(listener); }
    // Told whenever the panes are replaced or the font changes, so that the host lays the bar out
    // anew.
    void OnShapeChanged(std::function<void()> listener) { shapeListener_ = std::move(listener); }

private:
    struct Pane {
        StatusPaneSpec shape;
        std::string text;
        std::vector<std::string> samples;
    };
    std::vector<Pane> panes_;
    int fontId_ = 0;
    std::function<void(int, bool)> listener_;
    std::function<void()> shapeListener_;
};

}  // namespace platform
