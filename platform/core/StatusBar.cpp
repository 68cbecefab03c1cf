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
    for (const StatusPaneSpec& shape : panes) panes_.push_back({shape, {}});
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

const std::string& StatusBar::PaneText(int pane) const {
    if (pane < 0 || pane >= PaneCount()) return kNoText;
    return panes_[pane].text;
}

std::vector<Rect> StatusBar::Layout(int width, int height) const {
    std::vector<Rect> rects;
    if (panes_.empty()) return rects;
    int inner = std::max(0, width - 2 * kBorder);
    int fixed = kGap * (PaneCount() - 1);
    for (const Pane& pane : panes_) {
        if (!pane.shape.stretch) fixed += pane.shape.width;
    }
    int stretchWidth = std::max(0, inner - fixed);
    int rightEdge = kBorder + inner;
    int top = std::min(kBorder, height);
    int bottom = std::max(top, height - kBorder);
    int x = kBorder;
    for (const Pane& pane : panes_) {
        int w = pane.shape.stretch ? stretchWidth : pane.shape.width;
        int left = std::min(x, rightEdge);
        int right = std::min(x + w, rightEdge);
        rects.push_back({left, top, right, bottom});
        x += w + kGap;
    }
    return rects;
}

}  // namespace platform
