#include "platform/core/StatusBar.h"

#include <algorithm>

namespace platform {

namespace {
const std::string kNoText;
}  // namespace

bool StatusBar::SetPanes(const std::vector<StatusPaneSpec>& panes) {
    int stretching = 0;
    for (const StatusPaneSpec& shape : panes) {
        if (shape.stretch) ++stretching;
        if (!shape.stretch && shape.width < 0) return false;
    }
    if (stretching > 1) return false;
    panes_.clear();
    for (const StatusPaneSpec& shape : panes) panes_.push_back({shape, {}, {}});
    if (shapeListener_) shapeListener_();
    return true;
}

void StatusBar::SetFont(int fontId) {
    fontId_ = fontId;
    if (shapeListener_) shapeListener_();
}

bool StatusBar::SetPaneText(int pane, std::string text, bool update) {
    if (pane < 0 || pane >= PaneCount()) return false;
    panes_[pane].text = std::move(text);
    if (listener_) listener_(pane, update);
    return true;
}

bool StatusBar::SetPaneSamples(int pane, std::vector<std::string> samples) {
    if (pane < 0 || pane >= PaneCount()) return false;
    panes_[pane].samples = std::move(samples);
    if (shapeListener_) shapeListener_();
    return true;
}

int StatusBar::PaneWidth(int pane, const TextMeasure& measure) const {
    if (pane < 0 || pane >= PaneCount()) return 0;
    const Pane& p = panes_[pane];
    if (p.shape.stretch || !measure) return p.shape.width;
    int width = p.shape.width;
    for (const std::string& sample : p.samples) width = std::max(width, measure(sample));
    if (!p.text.empty()) width = std::max(width, measure(p.text));
    return width;
}

const std::string& StatusBar::PaneText(int pane) const {
    if (pane < 0 || pane >= PaneCount()) return kNoText;
    return panes_[pane].text;
}

std::vector<Rect> StatusBar::Layout(int width, int height, const TextMeasure& measure) const {
    std::vector<Rect> rects;
    if (panes_.empty()) return rects;
    std::vector<int> widths;
    for (int pane = 0; pane < PaneCount(); ++pane) widths.push_back(PaneWidth(pane, measure));
    int inner = std::max(0, width - 2 * kBorder);
    int fixed = kGap * (PaneCount() - 1);
    for (int pane = 0; pane < PaneCount(); ++pane) {
        if (!panes_[pane].shape.stretch) fixed += widths[pane];
    }
    int stretchWidth = std::max(0, inner - fixed);
    int rightEdge = kBorder + inner;
    int top = std::min(kBorder, height);
    int bottom = std::max(top, height - kBorder);
    int x = kBorder;
    for (int pane = 0; pane < PaneCount(); ++pane) {
        int w = panes_[pane].shape.stretch ? stretchWidth : widths[pane];
        int left = std::min(x, rightEdge);
        int right = std::min(x + w, rightEdge);
        rects.push_back({left, top, right, bottom});
        x += w + kGap;
    }
    return rects;
}

}  // namespace platform
