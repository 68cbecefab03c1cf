// A bitmap's content id names its pixels: copies share it, any change gives a new one, a moved
// bitmap takes it along, and no two different pictures ever share one.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/core/Bitmap.h"

namespace {

using platform::Bitmap;
using platform::Color;

TEST(BitmapContentId, CopiesShareItAndEveryChangeGivesANewOne) {
    const Bitmap original(4, 3, Color{10, 20, 30});
    const Bitmap copy = original;
    EXPECT_EQ(copy.ContentId(), original.ContentId());
    EXPECT_NE(original.ContentId(), 0u);
    EXPECT_EQ(original.ContentId(), original.ContentId()) << "asking again names the same pixels";

    struct Change {
        const char* what;
        std::function<void(Bitmap&)> apply;
    };
    const Change changes[] = {
        {"a pixel set", [](Bitmap& b) { b.SetPixel(1, 1, Color{255, 0, 0}); }},
        {"a raw pixel set", [](Bitmap& b) { b.SetRawPixel(0, 2, 0x00FF00u); }},
        {"filled", [](Bitmap& b) { b.Fill(Color{0, 0, 255}); }},
        {"an alpha set", [](Bitmap& b) { b.SetAlpha(2, 0, 128); }},
        {"assigned another picture", [](Bitmap& b) { b = Bitmap(4, 3, Color{1, 2, 3}); }},
    };
    for (const Change& change : changes) {
        Bitmap changed = original;
        const std::uint64_t before = changed.ContentId();
        change.apply(changed);
        EXPECT_NE(changed.ContentId(), before) << change.what;
        EXPECT_EQ(original.ContentId(), before) << change.what << ": the original is untouched";
    }
}

TEST(BitmapContentId, TwoPicturesNeverShareOneAndAMoveTakesItAlong) {
    // Made the same way, yet each is a picture of its own (either may change later).
    Bitmap first(2, 2), second(2, 2);
    EXPECT_NE(first.ContentId(), second.ContentId());
    EXPECT_EQ(first, second) << "equal pixels compare equal whatever their names";

    const std::uint64_t id = first.ContentId();
    Bitmap moved = std::move(first);
    EXPECT_EQ(moved.ContentId(), id);
    // The bitmap moved from is empty and names no picture it no longer holds.
    EXPECT_TRUE(first.IsEmpty());  // NOLINT(bugprone-use-after-move)
    EXPECT_NE(first.ContentId(), id);
    Bitmap assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.ContentId(), id);
    EXPECT_TRUE(moved.IsEmpty());  // NOLINT(bugprone-use-after-move)
    EXPECT_NE(moved.ContentId(), id);
}

}  // namespace
