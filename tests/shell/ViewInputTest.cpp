// The table view's input: what each key and mouse event reaches on the frame, dragging the current
// game out as files, and a file drag entering the table.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "match/Profile.h"

#include "platform/core/DragDrop.h"
#include "platform/core/FileIo.h"
#include "platform/headless/DesktopRecorder.h"

#include <algorithm>

namespace {

using testsupport::FrameFixture;

class ViewInputTest : public FrameFixture {
public:
    void Key(int key) { host_->Key(host_->NowMs(), key); }

    void Press(UINT message, platform::Point client) {
        platform::InputEvent event;
        event.message = message;
        event.screenPoint = platform::HeadlessHost::ScreenPoint(View().Handle(), client);
        host_->Input(host_->NowMs(), event);
    }

protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        TraceOn();
        // The view's lines and the frame's input lines are verbose lines.
        WriteProfileInt("View", "LogLevelV", LOG_VIEW | LOG_MAINFRAME);
        StartProgram();
        View().SetFocus();
        host_->PumpUntilIdle();
    }

    CSkatView& View() { return *g_Shell.pView; }

    // Runs the scripted input that is due now.
    void Run() { host_->PumpFor(10); }

    int CountLines(const std::string& body) const {
        const std::vector<std::string> lines = LogBodies();
        return static_cast<int>(std::count(lines.begin(), lines.end(), body));
    }

    // A file of that name in the work folder.
    std::string WorkFile(const std::string& name) {
        const std::string path = g_Profile.Work + name;
        EXPECT_TRUE(platform::WriteFileAtomic(path, std::string_view("x")).ok) << path;
        return path;
    }

    platform::DesktopRecorder desktop_;
};

// One scripted input and the frame's call it reaches.
struct InputCase {
    const char* name;
    std::function<void(ViewInputTest&)> script;
    std::vector<std::string> reached;   // in this order
    std::vector<std::string> notReached;
};

// A failing case names itself, not its bytes.
void PrintTo(const InputCase& c, std::ostream* out) { *out << c.name; }

class ViewForwardingTest : public ViewInputTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(ViewForwardingTest, ReachesTheFramesCall) {
    const InputCase& c = GetParam();
    c.script(*this);
    Run();
    int from = 0;
    for (const std::string& line : c.reached) {
        const int at = FindLine(line, from);
        EXPECT_GE(at, 0) << line << "\n" << LogText();
        if (at >= 0) from = at + 1;
    }
    for (const std::string& line : c.notReached) EXPECT_EQ(FindLine(line), -1) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ViewForwardingTest,
    ::testing::Values(
        InputCase{"KeyA_Voices", [](ViewInputTest& t) { t.Key('A'); },
                  {"CView::OnKeyDown(65)", "CMainFrame::ToggleAudio(0)", "CMainFrame::KeyUp(65)"},
                  {"CMainFrame::KeyDown(65)"}},
        InputCase{"KeyS_SoundEffects", [](ViewInputTest& t) { t.Key('S'); },
                  {"CMainFrame::ToggleAudio(1)"}, {"CMainFrame::KeyDown(83)"}},
        InputCase{"KeyB_CardBackOnly", [](ViewInputTest& t) { t.Key('B'); },
                  {"CView::OnKeyDown(66)", "CMainFrame::KeyUp(66)"}, {"CMainFrame::KeyDown(66)"}},
        InputCase{"OtherKey", [](ViewInputTest& t) { t.Key('X'); },
                  {"CView::OnKeyDown(88)", "CMainFrame::KeyDown(88)", "CView::OnKeyUp(88)", "CMainFrame::KeyUp(88)"},
                  {}},
        InputCase{"ArrowKey", [](ViewInputTest& t) { t.Key(VK_LEFT); },
                  {(std::string("CMainFrame::KeyDown(") += std::to_string(VK_LEFT)) += ")"}, {}},
        InputCase{"LeftClick",
                  [](ViewInputTest& t) {
                      t.Press(WM_LBUTTONDOWN, {100, 120});
                      t.Press(WM_LBUTTONUP, {100, 120});
                  },
                  {"CView::OnLButtonDown(x:100:y:120)", "CMainFrame::LButtonDown(x:100:y:120)",
                   "CView::OnLButtonUp(x:100:y:120)", "CMainFrame::LButtonUp(x:100:y:120)"},
                  {}},
        InputCase{"RightClick", [](ViewInputTest& t) { t.Press(WM_RBUTTONDOWN, {7, 9}); },
                  {"CView::OnRButtonDown()", "CMainFrame::RButtonDown(x:7:y:9,0)"}, {}},
        // A press on the empty table took no card: the move after it drags the game file out.
        InputCase{"MoveAfterPress",
                  [](ViewInputTest& t) {
                      t.Press(WM_LBUTTONDOWN, {50, 60});
                      t.Press(WM_MOUSEMOVE, {55, 66});
                  },
                  {"CMainFrame::LButtonDown(x:50:y:60)", "CView::BeginDrag()"},
                  {"CMainFrame::MouseMove(x:55:y:66)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewInputTest, TheSecondReleaseOfADoubleClickIsSwallowed) {
    Press(WM_LBUTTONDOWN, {30, 40});
    Press(WM_LBUTTONUP, {30, 40});
    Press(WM_LBUTTONDBLCLK, {30, 40});
    Press(WM_LBUTTONUP, {30, 41});
    Press(WM_LBUTTONDOWN, {30, 42});
    Press(WM_LBUTTONUP, {30, 42});
    Run();
    EXPECT_EQ(CountLines("CMainFrame::LButtonUp(x:30:y:40)"), 1);
    EXPECT_GE(FindLine("CView::OnLButtonUp(x:30:y:41)"), 0);
    EXPECT_EQ(FindLine("CMainFrame::LButtonUp(x:30:y:41)"), -1);
    // Only that one release: the next click is forwarded again.
    EXPECT_GE(FindLine("CMainFrame::LButtonUp(x:30:y:42)"), 0) << LogText();
    EXPECT_FALSE(View().DoubleClickFlag);
}

TEST_F(ViewInputTest, PaintGoesThroughThePersonsHandTest) {
    View().Invalidate();
    host_->PumpUntilIdle();
    const std::vector<std::string> lines = LogBodies();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.starts_with("CView::OnPaint(top:"); }))
        << LogText();
}

// --- Dragging the game out ------------------------------------------------------------------

TEST_F(ViewInputTest, ADragCarriesTheCurrentGameFile) {
    const std::string game = WorkFile("cards~.skt");
    View().FileDragFlag = 1;
    Press(WM_MOUSEMOVE, {20, 20});
    Run();
    ASSERT_EQ(desktop_.DragsOut().size(), 1u);
    EXPECT_EQ(desktop_.DragsOut()[0].from, View().Handle());
    EXPECT_EQ(desktop_.DragsOut()[0].paths, std::vector<std::string>{game});
    EXPECT_EQ(View().FileDragFlag, 0);  // the drag is over
    EXPECT_GE(FindLine("CView::BeginDrag()"), 0);
    EXPECT_EQ(FindLine("CMainFrame::MouseMove(x:20:y:20)"), -1);
}

TEST_F(ViewInputTest, WithCtrlTheDragCarriesTheMatchListThenTheStoredDeals) {
    const std::string deals = WorkFile("cards~.sks");
    const std::string list = WorkFile("cards~.skm");
    View().FileDragFlag = 2;
    View().BeginDrag();
    ASSERT_EQ(desktop_.DragsOut().size(), 1u);
    EXPECT_EQ(desktop_.DragsOut()[0].paths, (std::vector<std::string>{list, deals}));
}

TEST_F(ViewInputTest, OnlyWrittenFilesAreDraggedAndWithoutAnyThereIsNoDrag) {
    View().FileDragFlag = 1;
    View().BeginDrag();
    EXPECT_TRUE(desktop_.DragsOut().empty());
    EXPECT_EQ(View().FileDragFlag, 0);

    // A match list that cannot be written (a folder stands in its place) is left out.
    const std::string deals = WorkFile("cards~.sks");
    std::filesystem::create_directory(g_Profile.Work + "cards~.skm");
    View().FileDragFlag = 2;
    View().BeginDrag();
    ASSERT_EQ(desktop_.DragsOut().size(), 1u);
    EXPECT_EQ(desktop_.DragsOut()[0].paths, std::vector<std::string>{deals});
}

TEST_F(ViewInputTest, TheViewsOwnDragDroppedOnItOpensNothing) {
    WorkFile("cards~.skt");
    desktop_.SetDragDropTarget(View().Handle(), {40, 50});
    View().FileDragFlag = 1;
    View().BeginDrag();
    EXPECT_GE(FindLine("CView::OnDragEnter()"), 0) << LogText();
    EXPECT_GE(FindLine("CView::OnDrop(filesDragDrop:1)"), 0) << LogText();
    EXPECT_EQ(FindLine((std::string("CMainFrame::Start(") += g_Profile.Work) += "cards~.skt)"), -1);
    EXPECT_EQ(View().FileDragFlag, 0);
}

TEST_F(ViewInputTest, ThePreviousDragsFilesGoExceptTheProgramsOwn) {
    const std::string other = WorkFile("mine.skt");
    const std::string own = WorkFile("CARDS~.SKM");
    View().DragFileNames[0] = other;
    View().DragFileNames[1] = own;
    View().ToRemove();
    EXPECT_FALSE(platform::FileExists(other));
    EXPECT_TRUE(View().DragFileNames[0].empty());
    EXPECT_TRUE(platform::FileExists(own));
    EXPECT_EQ(View().DragFileNames[1], own);
    EXPECT_GE(FindLine((std::string("CView::ToRemove(") += other) += ")"), 0);
}

// --- A file drag entering the table ---------------------------------------------------------

TEST_F(ViewInputTest, AFileDragEnteringTheTableActsAsARightClick) {
    EXPECT_TRUE(platform::DeliverDragEnter(View().Handle(), {30, 40}));
    EXPECT_GE(FindLine("CView::OnDragEnter()"), 0);
    EXPECT_GE(FindLine("CMainFrame::RButtonDown(x:30:y:40,1)"), 0) << LogText();
    EXPECT_TRUE(View().DragEnterFlag);
    // The frame takes no files: it is told nothing.
    EXPECT_FALSE(platform::DeliverDragEnter(Frame().Handle(), {30, 40}));
}

}  // namespace
