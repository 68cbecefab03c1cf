// Window cursors: the system cursors by id, each window's current cursor, and the changes the host
// hears of.
#include <gtest/gtest.h>

#include <vector>

#include "EngineFixture.h"
#include "platform/core/Cursor.h"

namespace enginetest {
namespace {

TEST(CursorTest, OnlyTheSystemsCursorsLoad) {
    ASSERT_NE(LoadCursor(SYSTEM_CURSOR_ARROW), nullptr);
    ASSERT_NE(LoadCursor(SYSTEM_CURSOR_HAND), nullptr);
    EXPECT_EQ(LoadCursor(SYSTEM_CURSOR_ARROW)->systemId, 32512);
    EXPECT_EQ(LoadCursor(SYSTEM_CURSOR_HAND)->systemId, 32649);
    EXPECT_EQ(LoadCursor(SYSTEM_CURSOR_HAND), LoadCursor(SYSTEM_CURSOR_HAND)) << "one record per system cursor";
    EXPECT_EQ(LoadCursor(0), nullptr);
    EXPECT_EQ(LoadCursor(32513), nullptr);
}

TEST(CursorTest, EachWindowKeepsItsCursorAndTheHostHearsOnlyChanges) {
    World world;
    const HWND view = world.view.Handle();
    EXPECT_EQ(GetWindowCursor(view), LoadCursor(SYSTEM_CURSOR_ARROW)) << "the arrow until set";
    EXPECT_EQ(SetCursor(view, LoadCursor(SYSTEM_CURSOR_HAND)), LoadCursor(SYSTEM_CURSOR_ARROW));
    EXPECT_EQ(SetCursor(view, LoadCursor(SYSTEM_CURSOR_HAND)), LoadCursor(SYSTEM_CURSOR_HAND));
    EXPECT_EQ(GetWindowCursor(view), LoadCursor(SYSTEM_CURSOR_HAND));
    EXPECT_EQ(GetWindowCursor(world.Frame()), LoadCursor(SYSTEM_CURSOR_ARROW)) << "the frame keeps its own";
    EXPECT_EQ(SetCursor(view, nullptr), LoadCursor(SYSTEM_CURSOR_HAND));
    EXPECT_EQ(GetWindowCursor(view), LoadCursor(SYSTEM_CURSOR_ARROW)) << "none means the arrow";
    const std::vector<int> expected{SYSTEM_CURSOR_HAND, SYSTEM_CURSOR_ARROW};
    EXPECT_EQ(world.host.CursorChanges(view), expected);
}

TEST(CursorTest, NoWindowNoCursor) {
    World world;
    const HWND view = world.view.Handle();
    SetCursor(view, LoadCursor(SYSTEM_CURSOR_HAND));
    DestroyWindow(view);
    EXPECT_EQ(SetCursor(view, LoadCursor(SYSTEM_CURSOR_HAND)), nullptr);
    EXPECT_EQ(GetWindowCursor(view), nullptr);
    EXPECT_TRUE(world.host.CursorChanges(view).empty()) << "forgotten with the window";
}

}  // namespace
}  // namespace enginetest
