#pragma once
// Checks of a side window's screenshot against the same window painted on the recording surface:
// the shot is not blank, every text has ink in its box, every tinted cell shows its tint, every
// filled shape (a card's suit) shows its colour.

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include "QtTestImages.h"
#include "platform/headless/RecordingDC.h"

namespace qttest {

inline bool Dark(platform::Color c) { return c.red < 100 && c.green < 100 && c.blue < 100; }
inline bool Near(platform::Color a, platform::Color b) {
    return std::abs(a.red - b.red) <= 8 && std::abs(a.green - b.green) <= 8 && std::abs(a.blue - b.blue) <= 8;
}

// Not blank: the shot holds black ink and more than a few colours.
inline void ExpectNotBlank(const QImage& shot) {
    ASSERT_FALSE(shot.isNull());
    std::vector<QRgb> colours;
    int ink = 0;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) {
            const QRgb pixel = shot.pixel(x, y);
            ink += Dark(At(shot, x, y)) ? 1 : 0;
            if (colours.size() < 16 && std::find(colours.begin(), colours.end(), pixel) == colours.end())
                colours.push_back(pixel);
        }
    EXPECT_GT(ink, 50);
    EXPECT_GE(colours.size(), 4u);
}

// The window painted on a recording surface the size of the shot.
template <class Paint>
std::vector<platform::DrawRecord> RecordAsShot(const QImage& shot, Paint paint) {
    platform::RecordingDC recording(platform::Size{shot.width(), shot.height()});
    paint(recording);
    return recording.Records();
}

inline QRect BoxOf(const platform::DrawRecord& r) {
    return QRect(r.bounds.left, r.bounds.top, r.bounds.Width(), r.bounds.Height());
}

// The painting on the recording surface and on the screen agree: every text wholly in the shot has
// ink in its box, every tinted cell shows its tint. Returns the texts and tinted cells seen.
struct ShotAgreement {
    int texts = 0;
    int tints = 0;
};
inline ShotAgreement ExpectShotFollowsRecording(const QImage& shot, const std::vector<platform::DrawRecord>& records) {
    ShotAgreement seen;
    const QRect inside = shot.rect();
    for (const platform::DrawRecord& r : records) {
        const QRect box = BoxOf(r);
        if (!inside.contains(box)) continue;
        if (r.kind == platform::DrawKind::Text && !r.text.empty() && r.text != " ") {
            // The text's box; a centred text may sit a little apart, as the screen's font
            // measures it otherwise than the recording surface.
            int ink = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) ink += Dark(At(shot, x, y)) ? 1 : 0;
            EXPECT_GT(ink, 0) << "text \"" << r.text << "\" at " << box.x() << "," << box.y();
            ++seen.texts;
        } else if (r.kind == platform::DrawKind::Fill && box.width() > 6 && box.height() > 6) {
            const platform::Color tint = r.brush.color;
            if (tint == platform::Color{255, 255, 255} || Dark(tint)) continue;
            const QPoint centre = box.center();
            // A text may lie over the centre: a tint is seen in a corner of the cell too.
            const bool shown = Near(At(shot, centre.x(), centre.y()), tint) ||
                               Near(At(shot, box.left() + 2, box.top() + 2), tint) ||
                               Near(At(shot, box.right() - 2, box.bottom() - 2), tint);
            EXPECT_TRUE(shown) << "tint at " << box.x() << "," << box.y();
            ++seen.tints;
        }
    }
    EXPECT_GT(seen.texts, 5);
    return seen;
}

// Every filled shape (ellipse or polygon) wholly in the shot shows its brush's colour in its box.
// Returns the shapes seen.
inline int ExpectShapesShown(const QImage& shot, const std::vector<platform::DrawRecord>& records) {
    int shapes = 0;
    const QRect inside = shot.rect();
    for (const platform::DrawRecord& r : records) {
        if (r.kind != platform::DrawKind::Ellipse && r.kind != platform::DrawKind::Polygon) continue;
        const QRect box = BoxOf(r);
        if (!inside.contains(box) || r.brush.color == platform::Color{255, 255, 255}) continue;
        int coloured = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) coloured += Near(At(shot, x, y), r.brush.color) ? 1 : 0;
        EXPECT_GT(coloured, 0) << "shape at " << box.x() << "," << box.y();
        ++shapes;
    }
    return shapes;
}

// Ink only where the recording surface draws: every dark pixel of the shot lies in the box of a
// drawing, grown by `slack` pixels, a text's also by a quarter of its run, as the screen's font
// measures it otherwise. A sheet drawn before at another scroll position or size and never
// cleared shows here.
inline void ExpectNoStrayInk(const QImage& shot, const std::vector<platform::DrawRecord>& records, int slack = 3) {
    std::vector<QRect> boxes;
    for (const platform::DrawRecord& r : records) {
        if (r.kind == platform::DrawKind::Scroll) continue;
        QRect box = BoxOf(r);
        const int grow = slack + (r.kind == platform::DrawKind::Text ? std::max(box.width(), box.height()) / 4 : 0);
        boxes.push_back(box.adjusted(-grow, -grow, grow, grow));
    }
    int stray = 0;
    QPoint first;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            if (!Dark(At(shot, x, y))) continue;
            const QPoint p(x, y);
            if (std::any_of(boxes.begin(), boxes.end(), [&](const QRect& box) { return box.contains(p); })) continue;
            if (stray++ == 0) first = p;
        }
    EXPECT_EQ(stray, 0) << "the first at " << first.x() << "," << first.y();
}

}  // namespace qttest
