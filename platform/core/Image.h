#pragma once
// platform::Image: a picture in a dialog (a card back, a card face, the program's icon), held as
// the id of an image the host knows how to draw. It takes no input.

#include "platform/core/Control.h"

namespace platform {

class Image : public Control {
public:
    explicit Image(unsigned style) : Control(ControlKind::Image, style) {}

    int ImageId() const { return m_imageId; }
    // Shows another image; returns the previous id.
    int SetImage(int imageId);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_imageId = 0;
};

}  // namespace platform
