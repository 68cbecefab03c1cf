#include "platform/core/Image.h"

#include "platform/core/ControlMessages.h"

namespace platform {

int Image::SetImage(int imageId) {
    int previous = m_imageId;
    m_imageId = imageId;
    if (previous != imageId) Invalidate();
    return previous;
}

LRESULT Image::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case STM_SETIMAGE: return SetImage(static_cast<int>(wParam));
        case STM_GETIMAGE: return m_imageId;
        default: return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform
