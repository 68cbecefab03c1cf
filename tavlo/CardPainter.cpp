#include "tavlo/CardPainter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/core/Screen.h"
#include "tavlo/CardPictures.h"

namespace tavlo {

namespace {

const platform::Color kFaceColor{255, 255, 255};
const platform::Color kEdgeColor{0, 0, 0};
const platform::Color kHighlightColor{255, 255, 0};

// A back colour per design, far enough apart to tell the placeholders (and samples) apart.
platform::Color BackColor(int design) {
    const int d = design < 0 ? 0 : design % 32;
    return {static_cast<std::uint8_t>(40 + (d * 53) % 160), static_cast<std::uint8_t>(30 + (d * 29) % 120),
            static_cast<std::uint8_t>(90 + (d * 71) % 160)};
}

// A picture laid over the table by its alpha (its rounded corners let the table show); a picture
// of the device's pixels (twice the card's size on a screen scaled twice) fills the card exactly.
void BlitPicture(platform::DeviceContext& dc, const platform::Bitmap& picture, const platform::Rect& area) {
    if (picture.Width() == area.Width() && picture.Height() == area.Height()) {
        dc.BitBlt(area.left, area.top, area.Width(), area.Height(), picture, 0, 0,
                  platform::RasterOp::SrcAlpha);
    } else {
        dc.StretchBlt(area.left, area.top, area.Width(), area.Height(), picture, 0, 0, picture.Width(),
                      picture.Height(), platform::RasterOp::SrcAlpha);
    }
}

// The picture size for a card drawn over `area`: the device's pixels under it.
platform::Size PictureSize(const platform::DeviceContext& dc, const platform::Rect& area) {
    const double ratio = std::clamp(dc.PixelRatio(), 1.0, 8.0);
    return {static_cast<int>(std::lround(area.Width() * ratio)), static_cast<int>(std::lround(area.Height() * ratio))};
}

void DrawPlaceholder(platform::DeviceContext& dc, const CardLook& look, const platform::Rect& area) {
    dc.FillRect(area, platform::Brush::Solid(look.faceUp ? kFaceColor : BackColor(look.backDesign)));
    dc.FrameRect(area, platform::Brush::Solid(kEdgeColor));
    const platform::LogFont font{"Arial", 12, 0, platform::LogFont::kBold};
    const platform::LogFont oldFont = dc.SelectFont(font);
    const platform::BkMode oldMode = dc.SetBkMode(platform::BkMode::Transparent);
    const platform::Color oldColor = dc.SetTextColor(look.faceUp ? kEdgeColor : kFaceColor);
    const unsigned oldAlign = dc.SetTextAlign(platform::TextAlign::Left | platform::TextAlign::Top);
    std::string label = look.faceUp ? "" : "#";
    label += std::to_string(look.faceUp ? look.card : look.backDesign + 1);
    dc.TextOut(area.left + 4, area.top + 4, label);
    dc.SetTextAlign(oldAlign);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
    dc.SelectFont(oldFont);
}

}  // namespace

void DrawCard(platform::DeviceContext& dc, const CardLook& look, const platform::Rect& area) {
    if (area.IsEmpty() || !dc.KeepsPixels()) return;
    const platform::Size size = PictureSize(dc, area);
    const platform::Bitmap* picture = look.faceUp ? Pictures().Face(look.faceDesign, look.card, size)
                                                  : Pictures().Back(look.backDesign, size);
    if (picture && !picture->IsEmpty()) {
        BlitPicture(dc, *picture, area);
    } else {
        DrawPlaceholder(dc, look, area);
    }
    if (look.highlighted) {
        platform::Rect ring = area;
        for (int i = 0; i < 2; ++i) {
            dc.FrameRect(ring, platform::Brush::Solid(kHighlightColor));
            ring.Inflate(-1, -1);
        }
    }
}

int CardOfDeckRow(int row) {
    if (row < 0 || row >= 32) return 0;
    const int block = row / 8;
    const int rank = row % 8;
    return block * 13 + (rank == 0 ? 1 : rank + 6);
}

platform::Bitmap SampleBitmap(int index) {
    if (index < 0 || index >= kSampleCount) return {};
    // In the screen's pixels: on a screen scaled twice the dialog shows a picture of 142 x 192.
    const double ratio = std::clamp(platform::ScreenPixelRatio(), 1.0, 8.0);
    const platform::Size size{static_cast<int>(std::lround(kSampleWidth * ratio)),
                              static_cast<int>(std::lround(kSampleHeight * ratio))};
    const bool back = index < 32;
    const int design = back ? index : (index - 32) / 32;
    const int card = back ? 0 : CardOfDeckRow((index - 32) % 32);
    const platform::Bitmap* picture =
        back ? Pictures().Back(design, size) : Pictures().Face(design, card, size);
    if (picture && picture->Width() == size.cx && picture->Height() == size.cy) {
        platform::Bitmap sample = *picture;
        sample.SetPixelRatio(ratio);
        return sample;
    }

    // No picture of that size: a plain sample in the placeholder's colours, framed in black.
    platform::Bitmap sample(kSampleWidth, kSampleHeight, back ? BackColor(design) : kFaceColor);
    for (int x = 0; x < kSampleWidth; ++x) {
        sample.SetPixel(x, 0, kEdgeColor);
        sample.SetPixel(x, kSampleHeight - 1, kEdgeColor);
    }
    for (int y = 0; y < kSampleHeight; ++y) {
        sample.SetPixel(0, y, kEdgeColor);
        sample.SetPixel(kSampleWidth - 1, y, kEdgeColor);
    }
    return sample;
}

}  // namespace tavlo
