#pragma once
// The legend picture (bitmap 267), drawn in code and alike in both editions: 567 x 331, a heading
// band, nine rows with a box for each row's tick, the table's two colours below. The legend
// window writes the edition's texts over it and lays the tick (the mask bitmap's corner) into the
// boxes.

#include "platform/core/Bitmap.h"

inline constexpr int kLegendWidth = 567;
inline constexpr int kLegendHeight = 331;
inline constexpr int kLegendRows = 9;
inline constexpr int kLegendTickX = 287;
inline constexpr int kLegendTickSize = 20;
// The top of row i.
constexpr int LegendRowTop(int row) { return 21 + 24 * row; }
// Where the notes of the rows begin, right of the tick boxes.
inline constexpr int kLegendNoteX = 320;
// The table's colours below the rows: the swatches' left edge and their tops.
inline constexpr int kLegendSwatchX = 10;
inline constexpr int kLegendGreenTop = 268;
inline constexpr int kLegendRedTop = 298;

namespace resources {

namespace legend_drawing {

constexpr platform::Color kPaper{255, 255, 240};
constexpr platform::Color kBand{220, 220, 220};
constexpr platform::Color kLine{128, 128, 128};
constexpr platform::Color kBoxFrame{64, 64, 64};
constexpr platform::Color kWhite{255, 255, 255};
constexpr platform::Color kGreen{0, 128, 0};
constexpr platform::Color kDarkRed{128, 0, 0};

inline void Fill(platform::Bitmap& picture, int left, int top, int right, int bottom, platform::Color colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) picture.SetPixel(x, y, colour);
}

inline void Frame(platform::Bitmap& picture, int left, int top, int right, int bottom, platform::Color colour) {
    Fill(picture, left, top, right, top + 1, colour);
    Fill(picture, left, bottom - 1, right, bottom, colour);
    Fill(picture, left, top, left + 1, bottom, colour);
    Fill(picture, right - 1, top, right, bottom, colour);
}

}  // namespace legend_drawing

inline platform::Bitmap DrawLegendBitmap() {
    using namespace legend_drawing;
    platform::Bitmap picture(kLegendWidth, kLegendHeight, kPaper);
    // The heading band over the rows.
    Fill(picture, 0, 0, kLegendWidth, 18, kBand);
    // Nine rows, a line under each, and the white box the tick goes into.
    for (int row = 0; row < kLegendRows; ++row) {
        const int top = LegendRowTop(row);
        Fill(picture, 4, top + 22, kLegendWidth - 4, top + 23, kLine);
        Fill(picture, kLegendTickX, top, kLegendTickX + kLegendTickSize, top + kLegendTickSize, kWhite);
        Frame(picture, kLegendTickX - 1, top - 1, kLegendTickX + kLegendTickSize + 1, top + kLegendTickSize + 1, kBoxFrame);
    }
    // The notes' column.
    Fill(picture, kLegendNoteX - 6, 18, kLegendNoteX - 5, LegendRowTop(kLegendRows), kLine);
    // The table's colours: the heading band and two swatches.
    const int colours = LegendRowTop(kLegendRows) + 4;
    Fill(picture, 0, colours, kLegendWidth, colours + 18, kBand);
    Fill(picture, kLegendSwatchX, kLegendGreenTop, kLegendSwatchX + 40, kLegendGreenTop + 20, kGreen);
    Fill(picture, kLegendSwatchX, kLegendRedTop, kLegendSwatchX + 40, kLegendRedTop + 20, kDarkRed);
    Frame(picture, 0, 0, kLegendWidth, kLegendHeight, kLine);
    return picture;
}

}  // namespace resources
