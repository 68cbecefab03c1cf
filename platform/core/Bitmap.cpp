#include "platform/core/Bitmap.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <utility>

namespace platform {

namespace {
// The last name given to a bitmap's pixels; names are never given twice.
std::atomic<std::uint64_t> g_lastContentId{0};
}  // namespace

Bitmap::Bitmap(int width, int height, Color fill) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill.ToPixel());
}

Bitmap::Bitmap(const Bitmap& other)
    : width_(other.width_),
      height_(other.height_),
      pixels_(other.pixels_),
      alpha_(other.alpha_),
      pixelRatio_(other.pixelRatio_),
      contentId_(other.IsEmpty() ? 0 : other.ContentId()) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this == &other) return *this;
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    alpha_ = other.alpha_;
    pixelRatio_ = other.pixelRatio_;
    contentId_ = other.IsEmpty() ? 0 : other.ContentId();
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)),
      alpha_(std::move(other.alpha_)),
      pixelRatio_(std::exchange(other.pixelRatio_, 1.0)),
      contentId_(std::exchange(other.contentId_, 0)) {
    other.pixels_.clear();
    other.alpha_.clear();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    alpha_ = std::move(other.alpha_);
    pixelRatio_ = std::exchange(other.pixelRatio_, 1.0);
    contentId_ = std::exchange(other.contentId_, 0);
    other.pixels_.clear();
    other.alpha_.clear();
    return *this;
}

Size Bitmap::UnitSize() const {
    return {static_cast<int>(std::lround(width_ / pixelRatio_)), static_cast<int>(std::lround(height_ / pixelRatio_))};
}

std::uint64_t Bitmap::ContentId() const {
    if (contentId_ == 0) contentId_ = ++g_lastContentId;
    return contentId_;
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
    contentId_ = 0;
}

void Bitmap::Fill(Color color) {
    std::fill(pixels_.begin(), pixels_.end(), color.ToPixel());
    contentId_ = 0;
}

}  // namespace platform
