#pragma once
// platform::QtGroupBox: a group's labelled frame as the dialog templates place it. The frame's top
// line runs through the middle of the title, half a line below the group's top, so that the first
// row of the group, a little below that top, stands inside the frame; a style that puts the title
// above the frame would draw its line through that row.

#include <QGroupBox>
#include <QRect>

namespace platform {

class QtGroupBox final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // The frame's outline, in the group's coordinates.
    QRect FrameRect() const;
    // The room the title takes over the frame's top line (the line is left out behind it).
    QRect TitleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
