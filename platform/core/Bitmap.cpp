#include "platform/core/Bitmap.h"

#include <algorithm>

namespace platform {

Bitmap::Bitmap(int width, int height, Color fill) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill.ToPixel());
}

Color Bitmap::GetPixel(int x, int y) const {
    return Contains(x, y) ? Color::FromPixel(RawPixel(x, y)) : Color{};
}

void Bitmap::SetPixel(int x, int y, Color color) {
    if (Contains(x, y)) SetRawPixel(x, y, color.ToPixel());
}

void Bitmap::SetAlpha(int x, int y, std::uint8_t alpha) {
    if (!Contains(x, y)) return;
    if (alpha_.empty()) {
        if (alpha == 255) return;
        alpha_.assign(pixels_.size(), 255);
    }
    alpha_[Index(x, y)] = alpha;
}

void Bitmap::Fill(Color color) {
    std::fill(pixels_.begin(), pixels_.end(), color.ToPixel());
}

}  // namespace platform
