#pragma once
// The pictures of the panels' size buttons, drawn in code and alike in both editions: a small
// window whose sheet shows only its first rows (compact size), and a tall one showing the whole
// sheet (full size). 16 x 16 pixels on the button face's grey, so they sit on any button.

#include "platform/core/Bitmap.h"

namespace resources {

namespace size_button_drawing {

constexpr int kSide = 16;
constexpr platform::Color kFace{212, 208, 200};
constexpr platform::Color kFrame{0, 0, 0};
constexpr platform::Color kCaption{0, 0, 128};
constexpr platform::Color kPaper{255, 255, 255};
constexpr platform::Color kRow{128, 128, 128};

inline void Fill(platform::Bitmap& picture, int left, int top, int right, int bottom, platform::Color colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) picture.SetPixel(x, y, colour);
}

// A window from `top` to `bottom`: black frame, dark caption, white sheet with grey rows.
inline platform::Bitmap DrawWindow(int left, int top, int right, int bottom) {
    platform::Bitmap picture(kSide, kSide, kFace);
    Fill(picture, left, top, right, bottom, kFrame);
    Fill(picture, left + 1, top + 1, right - 1, top + 3, kCaption);
    Fill(picture, left + 1, top + 3, right - 1, bottom - 1, kPaper);
    for (int y = top + 5; y < bottom - 2; y += 2) Fill(picture, left + 3, y, right - 3, y + 1, kRow);
    return picture;
}

}  // namespace size_button_drawing

// Compact size: a short window at the top.
inline platform::Bitmap DrawSizeCompactBitmap() { return size_button_drawing::DrawWindow(2, 2, 14, 9); }
// Full size: a window over the whole height.
inline platform::Bitmap DrawSizeFullBitmap() { return size_button_drawing::DrawWindow(2, 0, 14, 16); }

}  // namespace resources
