#pragma once
// A picture in memory: width x height pixels of 32 bits (0x00RRGGBB), owned, row by row from the
// top. Portraits, masks and card pictures are bitmaps, and blits copy from them. A bitmap may carry
// an alpha channel (a card's rounded corners are transparent): the blend blit (RasterOp::SrcAlpha)
// lays it over what lies below; every other blit copies its colours alone. A bitmap copied from a
// surface on a scaled screen holds that screen's pixels, several to a unit of the surface.

#include <cstdint>
#include <vector>

#include "platform/core/DrawingObjects.h"
#include "platform/core/Geometry.h"

namespace platform {

class Bitmap {
public:
    // Larger sides are refused (the bitmap stays empty): no picture of the program comes near,
    // and the pixel count must not overflow.
    static constexpr int kMaxSide = 16384;

    Bitmap() = default;
    // A width x height bitmap filled with one colour; a side below 1 or above kMaxSide gives an
    // empty bitmap.
    Bitmap(int width, int height, Color fill = Color{});
    // A copy shares the picture's content id.
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    // The bitmap moved from is left empty and without a name for its pixels.
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    Size Dimensions() const { return {width_, height_}; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool IsEmpty() const { return pixels_.empty(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Outside the bitmap GetPixel reads black and SetPixel does nothing.
    Color GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Color color);
    // Raw access for fast loops; the caller checks Contains first.
    std::uint32_t RawPixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetRawPixel(int x, int y, std::uint32_t pixel) {
        pixels_[Index(x, y)] = pixel & 0xFFFFFFu;
        contentId_ = 0;
    }

    void Fill(Color color);
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

    // Coverage of a pixel, 0 (transparent) to 255 (opaque); the colour stays unmixed. A bitmap
    // without an alpha channel is opaque everywhere; the first SetAlpha gives it one.
    bool HasAlpha() const { return !alpha_.empty(); }
    std::uint8_t Alpha(int x, int y) const { return HasAlpha() && Contains(x, y) ? alpha_[Index(x, y)] : 255; }
    void SetAlpha(int x, int y, std::uint8_t alpha);
    // Row by row like Pixels; empty without an alpha channel.
    const std::vector<std::uint8_t>& AlphaChannel() const { return alpha_; }

    // Pixels per unit each way: 1 for a picture made in pixels; 2 for a copy of a surface on a
    // screen scaled twice (a save-under), which a blit reads in the surface's units, so that it
    // goes back pixel for pixel. Below 1 counts as 1.
    double PixelRatio() const { return pixelRatio_; }
    void SetPixelRatio(double ratio) { pixelRatio_ = ratio > 1.0 ? ratio : 1.0; }
    // The size in those units: the size a dialog shows the picture at.
    Size UnitSize() const;

    // A number that names the present pixels and alpha: copies share it, every change gives the
    // bitmap a new one, and no two different pictures share one. A host keeps what it converted a
    // bitmap into under this number, so a picture shown again and again is converted once.
    std::uint64_t ContentId() const;

    // Equal pixels and alpha, whatever their names.
    friend bool operator==(const Bitmap& a, const Bitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixelRatio_ == b.pixelRatio_ &&
               a.pixels_ == b.pixels_ && a.alpha_ == b.alpha_;
    }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint8_t> alpha_;  // empty: opaque
    double pixelRatio_ = 1.0;
    mutable std::uint64_t contentId_ = 0;  // 0: not named since the last change
};

}  // namespace platform
