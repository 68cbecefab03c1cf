#pragma once
// The headless side of tavlo's card pictures: sizes only, no bitmaps, so tavlo draws its framed
// placeholders. A test can give a face design another card size.

#include <array>

#include "tavlo/CardPictures.h"

namespace platform {

class TavloSizesOnly final : public tavlo::CardPictures {
public:
    TavloSizesOnly() { m_sizes.fill({71, 96}); }
    void SetCardSize(int faceDesign, Size size) {
        if (faceDesign >= 0 && faceDesign < static_cast<int>(m_sizes.size())) m_sizes[static_cast<std::size_t>(faceDesign)] = size;
    }
    Size CardSize(int faceDesign) const override {
        return faceDesign >= 0 && faceDesign < static_cast<int>(m_sizes.size()) ? m_sizes[static_cast<std::size_t>(faceDesign)]
                                                                                : Size{71, 96};
    }
    const Bitmap* Face(int, int, Size) override { return nullptr; }
    const Bitmap* Back(int, Size) override { return nullptr; }

private:
    std::array<Size, 10> m_sizes;
};

}  // namespace platform
