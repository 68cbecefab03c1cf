// Files dropped onto a window: WM_DROPFILES to windows that take files, the names read through the
// drop handle while the handler runs, and names from outside checked on the way in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineFixture.h"
#include "platform/core/DragDrop.h"
#include "platform/headless/DesktopRecorder.h"

using namespace platform;
using enginetest::TestWindow;

namespace {

struct SeenDrop {
    HDROP handle = nullptr;
    std::vector<std::string> names;
    Point point;
};

// What a handler sees of a drop, read the way the program reads it.
SeenDrop ReadDrop(WPARAM wParam) {
    SeenDrop seen;
    seen.handle = DropHandleOf(wParam);
    const UINT count = DragQueryFile(seen.handle, kDropFileCount, nullptr);
    for (UINT i = 0; i < count; ++i) {
        std::string name;
        const UINT length = DragQueryFile(seen.handle, i, &name);
        EXPECT_EQ(length, name.size());
        seen.names.push_back(name);
    }
    DragQueryPoint(seen.handle, &seen.point);
    return seen;
}

class DroppedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDragDrop();
        ASSERT_TRUE(frame.Create(enginetest::TopLevel(WindowKind::Overlapped, "frame", {0, 0, 400, 300})));
        ASSERT_TRUE(view.Create(enginetest::ChildOf(frame.Handle(), 1, {0, 0, 300, 200})));
        view.On(WM_DROPFILES, 0, [this](WPARAM wParam, LPARAM) {
            drops.push_back(ReadDrop(wParam));
            if (duringDrop) duringDrop(wParam);
            return LRESULT{0};
        });
    }
    void TearDown() override { ResetDragDrop(); }

    HeadlessHost host;
    DesktopRecorder desktop;
    TestWindow frame;
    TestWindow view;
    std::vector<SeenDrop> drops;
    std::function<void(WPARAM)> duringDrop;
};

TEST_F(DroppedFiles, AcceptingWindowReadsEveryNameInOrderAndThePoint) {
    DragAcceptFiles(view.Handle(), true);
    const std::vector<std::string> names{"/home/a/Spiel 1.skt", "/home/a/Liste.skm", "/home/a/ü.sks"};
    ASSERT_TRUE(DeliverDroppedFiles(view.Handle(), names, {12, 34}));

    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].names, names);
    EXPECT_EQ(drops[0].point, (Point{12, 34}));
    std::string untouched = "kept";
    EXPECT_EQ(DragQueryFile(drops[0].handle, 3, &untouched), 0u) << "past the last name";
    EXPECT_EQ(untouched, "kept");
}

TEST_F(DroppedFiles, RefusedUnlessTheWindowTakesFilesNow) {
    const std::vector<std::string> names{"/tmp/a.skt"};
    EXPECT_FALSE(DeliverDroppedFiles(view.Handle(), names, {})) << "never asked for files";
    DragAcceptFiles(frame.Handle(), true);
    EXPECT_FALSE(DeliverDroppedFiles(view.Handle(), names, {})) << "only the window that asked takes drops";

    DragAcceptFiles(view.Handle(), true);
    DragAcceptFiles(view.Handle(), false);
    EXPECT_FALSE(DeliverDroppedFiles(view.Handle(), names, {})) << "stopped taking files";

    DragAcceptFiles(view.Handle(), true);
    const HWND gone = view.Handle();
    view.DestroyWindow();
    EXPECT_FALSE(AcceptsDroppedFiles(gone));
    EXPECT_FALSE(DeliverDroppedFiles(gone, names, {})) << "a window that is gone";
    EXPECT_TRUE(drops.empty());

    const std::vector<DesktopRecorder::AcceptChange> told{
        {frame.Handle(), true}, {gone, true}, {gone, false}, {gone, true}};
    EXPECT_EQ(desktop.AcceptChanges(), told) << "the host hears of every change to show drop targets";
}

TEST_F(DroppedFiles, NamesFromOutsideAreCheckedAndBounded) {
    DragAcceptFiles(view.Handle(), true);
    const std::string longest = std::string(1, '/').append(kMaxDropNameBytes - 1, 'x');
    const std::vector<std::string> names{
        "relative/a.skt", "", "/tmp/line\nbreak.skt", "/tmp/tab\t.skt", "/tmp/del\x7F.skt",
        longest + "y",  // one byte too long
        longest, "/tmp/good.skt"};
    ASSERT_TRUE(DeliverDroppedFiles(view.Handle(), names, {}));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].names, (std::vector<std::string>{longest, "/tmp/good.skt"}));

    EXPECT_FALSE(DeliverDroppedFiles(view.Handle(), {"a.skt", "/tmp/\x01"}, {})) << "nothing acceptable left";
    EXPECT_FALSE(DeliverDroppedFiles(view.Handle(), {}, {}));
    EXPECT_EQ(drops.size(), 1u);

    std::vector<std::string> many;
    for (std::size_t i = 0; i < kMaxDropFiles + 5; ++i) many.push_back(std::string("/tmp/").append(std::to_string(i)).append(".skt"));
    ASSERT_TRUE(DeliverDroppedFiles(view.Handle(), many, {}));
    ASSERT_EQ(drops[1].names.size(), kMaxDropFiles);
    EXPECT_EQ(drops[1].names.back(), many[kMaxDropFiles - 1]);
}

TEST_F(DroppedFiles, HandleIsFreedWhenTheHandlerReturns) {
    DragAcceptFiles(view.Handle(), true);
    ASSERT_TRUE(DeliverDroppedFiles(view.Handle(), {"/tmp/a.skt"}, {1, 2}));
    ASSERT_TRUE(DeliverDroppedFiles(view.Handle(), {"/tmp/b.skt"}, {3, 4}));
    ASSERT_EQ(drops.size(), 2u);
    EXPECT_NE(drops[0].handle, drops[1].handle);

    for (const SeenDrop& kept : drops) {
        std::string name;
        Point point{-1, -1};
        EXPECT_EQ(DragQueryFile(kept.handle, kDropFileCount, nullptr), 0u);
        EXPECT_EQ(DragQueryFile(kept.handle, 0, &name), 0u);
        EXPECT_TRUE(name.empty());
        EXPECT_FALSE(DragQueryPoint(kept.handle, &point));
        EXPECT_EQ(point, (Point{-1, -1}));
    }
    EXPECT_EQ(DragQueryFile(nullptr, kDropFileCount, nullptr), 0u);
}

TEST_F(DroppedFiles, DropDuringADropHandlerKeepsBothHandlesApart) {
    DragAcceptFiles(view.Handle(), true);
    std::vector<std::string> outerAfterInner;
    duringDrop = [&](WPARAM wParam) {
        if (drops.size() != 1) return;
        ASSERT_TRUE(DeliverDroppedFiles(view.Handle(), {"/tmp/inner.skt"}, {}));
        outerAfterInner = ReadDrop(wParam).names;
    };
    ASSERT_TRUE(DeliverDroppedFiles(view.Handle(), {"/tmp/outer.skt"}, {}));
    ASSERT_EQ(drops.size(), 2u);
    EXPECT_EQ(drops[1].names, (std::vector<std::string>{"/tmp/inner.skt"}));
    EXPECT_EQ(outerAfterInner, (std::vector<std::string>{"/tmp/outer.skt"})) << "the inner drop freed only its own";
}

}  // namespace
