// The main window's place between runs: stored at the close (RectMain), applied at the next start,
// kept inside the work area, maximised again when it was.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"

#include "match/Profile.h"

namespace {

using testsupport::FrameFixture;

class MainRectTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        g_Shell.WorkArea = {0, 0, 1600, 860};
        g_Shell.Desktop = {0, 0, 1600, 900};
    }

    void Close() {
        g_Game.FlowState = STATE_IDLE;
        Frame().SendMessage(WM_CLOSE);
        ASSERT_FALSE(Frame().IsAlive());
        // The run's quit request goes with it.
        host_->PumpUntilIdle();
    }

    // A new run on the settings the last one left: everything but the registry starts afresh.
    void StartAgain() {
        const platform::Rect work = g_Shell.WorkArea;
        const platform::Rect desktop = g_Shell.Desktop;
        app_.reset();
        testsupport::ResetProgramState();
        g_Shell.WorkArea = work;
        g_Shell.Desktop = desktop;
        StartProgram();
    }

    static void StoreRect(platform::Rect rect, int zoomed) {
        WriteProfileInt("RectMain", "Left", rect.left);
        WriteProfileInt("RectMain", "Top", rect.top);
        WriteProfileInt("RectMain", "Right", rect.right);
        WriteProfileInt("RectMain", "Bottom", rect.bottom);
        WriteProfileInt("RectMain", "Zoomed", zoomed);
    }

    static platform::Rect StoredRect() {
        return {GetProfileInt("RectMain", "Left", -1), GetProfileInt("RectMain", "Top", -1),
                GetProfileInt("RectMain", "Right", -1), GetProfileInt("RectMain", "Bottom", -1)};
    }
};

TEST_F(MainRectTest, TheFrameComesBackWhereItWasClosed) {
    StartProgram();
    // A first start centres the frame.
    const platform::Rect first = Frame().WindowRect();
    EXPECT_EQ(first.left, (1600 - first.Width()) / 2);
    EXPECT_EQ(first.top, (900 - first.Height()) / 2);

    const platform::Rect moved{120, 30, 120 + first.Width() + 40, 30 + first.Height() + 20};
    Frame().MoveWindow(moved, true);
    Close();
    EXPECT_EQ(StoredRect(), moved);
    EXPECT_EQ(GetProfileInt("RectMain", "Zoomed", -1), 0);

    StartAgain();
    EXPECT_EQ(Frame().WindowRect(), moved);
}

// A stored rectangle that no longer fits the screens (they changed since) is brought inside the
// work area with its size, or shrunk to it where it is larger.
struct OffScreenCase {
    const char* name;
    platform::Rect stored;
    platform::Rect placed;
};

// A failing case names itself, not its bytes.
void PrintTo(const OffScreenCase& c, std::ostream* out) { *out << c.name; }

class MainRectOffScreenTest : public MainRectTest, public ::testing::WithParamInterface<OffScreenCase> {};

TEST_P(MainRectOffScreenTest, IsKeptInsideTheWorkArea) {
    StoreRect(GetParam().stored, 0);
    StartProgram();
    EXPECT_EQ(Frame().WindowRect(), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Rects, MainRectOffScreenTest,
    ::testing::Values(OffScreenCase{"Inside", {100, 50, 1100, 800}, {100, 50, 1100, 800}},
                      OffScreenCase{"RightOfTheScreen", {2500, 100, 3500, 850}, {600, 100, 1600, 850}},
                      OffScreenCase{"AboveAndLeft", {-1200, -900, -200, -100}, {0, 0, 1000, 800}},
                      OffScreenCase{"UnderThePanel", {100, 500, 1100, 1300}, {100, 60, 1100, 860}},
                      OffScreenCase{"LargerThanTheWorkArea", {-10, -10, 2000, 1200}, {0, 0, 1600, 860}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainRectTest, AMaximisedFrameStartsMaximisedAndKeepsItsNormalRectangle) {
    const platform::Rect normal{100, 50, 1100, 800};
    StoreRect(normal, 1);
    StartProgram();
    EXPECT_EQ(Frame().WindowRect(), g_Shell.WorkArea);
    EXPECT_TRUE(Frame().IsMaximised());

    Close();
    EXPECT_EQ(GetProfileInt("RectMain", "Zoomed", -1), 1);
    EXPECT_EQ(StoredRect(), normal);

    // Restored by hand before the next close: stored as normal again.
    StartAgain();
    Frame().MoveWindow({200, 100, 1200, 850}, true);
    EXPECT_FALSE(Frame().IsMaximised());
    Close();
    EXPECT_EQ(GetProfileInt("RectMain", "Zoomed", -1), 0);
    EXPECT_EQ(StoredRect(), (platform::Rect{200, 100, 1200, 850}));
}

TEST_F(MainRectTest, TheHostsWindowManagerMaximisesWhereThereIsOne) {
    std::vector<HWND> maximised;
    g_Shell.ShowFrameMaximised = [&maximised](HWND hwnd) { maximised.push_back(hwnd); };
    g_Shell.IsFrameMaximised = [&maximised](HWND hwnd) {
        return std::find(maximised.begin(), maximised.end(), hwnd) != maximised.end();
    };
    StoreRect({100, 50, 1100, 800}, 1);
    StartProgram();
    EXPECT_EQ(maximised, std::vector<HWND>{Frame().Handle()});
    // The host moves the frame as its window manager maximises it; the normal rectangle stays.
    Frame().MoveWindow({0, 0, 1600, 860}, true);
    Close();
    EXPECT_EQ(GetProfileInt("RectMain", "Zoomed", -1), 1);
    EXPECT_EQ(StoredRect(), (platform::Rect{100, 50, 1100, 800}));
}

}  // namespace
