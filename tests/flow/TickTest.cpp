// The 200 ms tick on the virtual clock: the idle hint, the reminder balloon, the bid balloon's
// countdown and the rotation of the status texts.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/FrameGlobals.h"
#include "flow/TableState.h"

namespace {

using testsupport::FrameFixture;

class TickTest : public FrameFixture {
protected:
    void SetUp() override {
        StartProgram();
        // Line the clock up just behind a tick, so that PumpFor(200) is exactly one tick.
        host_->Trace().Clear();
        host_->PumpUntil([this] { return TicksSoFar() > 0; }, 1000);
    }
    int TicksSoFar() const {
        int ticks = 0;
        for (const platform::DispatchRecord& r : host_->Trace().Records())
            if (r.message == WM_TIMER && r.wParam == TM_TICK && r.hwnd == app_->MainFrame()->Handle()) ++ticks;
        return ticks;
    }
    void Ticks(int n) { host_->PumpFor(200LL * n); }
    std::vector<std::int64_t> YourTurnTimes() const {
        std::vector<std::int64_t> times;
        for (const platform::DispatchRecord& r : host_->Trace().Records())
            if (r.message == WM_COMMAND && LOWORD(r.wParam) == CM_YOUR_TURN) times.push_back(r.time);
        return times;
    }
    bool BalloonUp(int id) const { return WB_IsBalloonShown(g_Frame.hTableWnd, id) != 0; }
};

TEST_F(TickTest, IdleHintEveryTwentyTwoTicksInPlay) {
    g_Settings.Options.Suggest = 0;
    g_Game.FlowState = STATE_PLAY;
    Frame().FrameTimers().ResetIdle();
    host_->Trace().Clear();
    // Tick 21 posts nothing yet; tick 22 posts CM_YOUR_TURN; then every 22 ticks again.
    Ticks(21);
    EXPECT_TRUE(YourTurnTimes().empty());
    Ticks(1);
    ASSERT_EQ(YourTurnTimes().size(), 1u);
    Ticks(44);
    const std::vector<std::int64_t> times = YourTurnTimes();
    ASSERT_EQ(times.size(), 3u);
    EXPECT_EQ(times[1] - times[0], 4400);
    EXPECT_EQ(times[2] - times[1], 4400);
}

// No hint while the suggestion option is on, a prompt is open, or outside PLAY.
struct NoHintCase {
    const char* name;
    int state;
    int suggest;
};

// A failing case names itself, not its bytes.
void PrintTo(const NoHintCase& c, std::ostream* out) { *out << c.name; }

class NoIdleHintTest : public TickTest, public ::testing::WithParamInterface<NoHintCase> {};

TEST_P(NoIdleHintTest, PostsNothing) {
    g_Settings.Options.Suggest = GetParam().suggest;
    g_Game.FlowState = GetParam().state;
    host_->Trace().Clear();
    Ticks(50);
    EXPECT_TRUE(YourTurnTimes().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, NoIdleHintTest,
                         ::testing::Values(NoHintCase{"SuggestionOn", STATE_PLAY, 1},
                                           NoHintCase{"Auction", STATE_AUCTION, 0}, NoHintCase{"Idle", STATE_IDLE, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// The reminder comes Delay/Answer seconds after the pause was stamped, stays Delay/Show seconds,
// and comes back.
TEST_F(TickTest, ReminderBalloonComesStaysAndComesBack) {
    g_Settings.Delay.Answer = 10000;
    g_Settings.Delay.Show = 1000;
    Frame().SetPause(1);
    const std::int64_t stamped = host_->NowMs();
    std::vector<std::pair<std::int64_t, bool>> changes;
    bool up = false;
    for (int tick = 0; tick < 150; ++tick) {
        Ticks(1);
        if (BalloonUp(5) != up) {
            up = !up;
            changes.emplace_back(host_->NowMs() - stamped, up);
        }
    }
    ASSERT_GE(changes.size(), 3u);
    // Up about 10 seconds later (the play clock counts whole seconds, so within a second of it),
    // down 1 to 2 seconds later, up again after another Delay/Answer.
    EXPECT_TRUE(changes[0].second);
    EXPECT_GE(changes[0].first, 9000);
    EXPECT_LT(changes[0].first, 11200);
    EXPECT_FALSE(changes[1].second);
    EXPECT_GE(changes[1].first - changes[0].first, 1000);
    EXPECT_LE(changes[1].first - changes[0].first, 2200);
    EXPECT_TRUE(changes[2].second);
    EXPECT_GE(changes[2].first - changes[1].first, 9000);
    EXPECT_LT(changes[2].first - changes[1].first, 11200);
}

TEST_F(TickTest, SettingThePauseTakesTheReminderDown) {
    g_Settings.Delay.Answer = 1000;
    Frame().SetPause(1);
    Ticks(15);
    ASSERT_TRUE(BalloonUp(5));
    Frame().SetPause(3);
    EXPECT_FALSE(BalloonUp(5));
}

TEST_F(TickTest, NoReminderWhileNothingIsAwaited) {
    g_Settings.Delay.Answer = 1000;
    Frame().SetPause(0);
    Ticks(50);
    EXPECT_FALSE(BalloonUp(5));
}

// The bid balloon's countdown: (Delay/Bid + 199) / 200 ticks, at least 2; then the pause level
// drops to 2.
struct CountdownCase {
    int delayBid;
    int balloonSetting;
    int ticks;
};

// A failing case names itself, not its bytes.
void PrintTo(const CountdownCase& c, std::ostream* out) {
    *out << "delay " << c.delayBid << ", balloon " << c.balloonSetting << ", " << c.ticks << " ticks";
}

class BidBalloonTest : public TickTest, public ::testing::WithParamInterface<CountdownCase> {};

TEST_P(BidBalloonTest, RemovedAfterItsTicks) {
    const CountdownCase& c = GetParam();
    g_Settings.Delay.Bid = c.delayBid;
    g_Settings.Settings.Balloon = c.balloonSetting;
    g_Game.FlowState = STATE_AUCTION;
    WB_ShowBalloon(g_Frame.hTableWnd, 6, 10, 10, 20, "passe  18");
    g_Game.PauseLevel = 6;
    Frame().FrameTimers().ResetBalloonTicks();
    Ticks(c.ticks - 1);
    EXPECT_TRUE(BalloonUp(6));
    EXPECT_EQ(g_Game.PauseLevel, 6);
    Ticks(1);
    EXPECT_FALSE(BalloonUp(6));
    EXPECT_EQ(g_Game.PauseLevel, 2);
}

INSTANTIATE_TEST_SUITE_P(Delays, BidBalloonTest,
                         ::testing::Values(CountdownCase{1000, 1, 5}, CountdownCase{1001, 1, 6},
                                           CountdownCase{0, 1, 2}, CountdownCase{200, 1, 2},
                                           CountdownCase{1000, 0, 5}));

// Status rotation: pane 0 every 21 ticks; the hint only with the suggestion option; pane 2 only
// alternates once a Kontra was said.
struct RotationCase {
    const char* name;
    const char* hint;
    const char* demo;
    const char* cheat;
    int suggest;
    int kontra;
    std::vector<std::string> pane0;  // after tick 1, 22, 43, 64
    std::vector<std::string> pane2;
};

// A failing case names itself, not its bytes.
void PrintTo(const RotationCase& c, std::ostream* out) { *out << c.name; }

class StatusRotationTest : public TickTest, public ::testing::WithParamInterface<RotationCase> {};

TEST_P(StatusRotationTest, ShowsTheTextsInTurn) {
    const RotationCase& c = GetParam();
    CMainFrame& frame = Frame();
    frame.FrameTexts().SetStatusText("status");
    frame.FrameTexts().SetHintText(c.hint);
    frame.FrameTexts().SetDemoText(c.demo);
    frame.FrameTexts().SetCheatText(c.cheat);
    frame.FrameTexts().SetKontraText("kontra");
    frame.FrameTexts().SetPointsText("points");
    frame.FrameTexts().SetRuleText("rule");
    g_Settings.Options.Suggest = c.suggest;
    g_Settings.Options.Count = 1;
    g_Game.KontraState = c.kontra;
    frame.FrameTimers().StartStatusRotation();
    frame.FrameTimers().DelayRotation(0);
    frame.FrameTimers().ResetPane2Toggle();
    frame.SetStatusPane(2, "before");
    std::vector<std::string> pane0, pane2;
    Ticks(1);
    for (int turn = 0; turn < 4; ++turn) {
        pane0.push_back(frame.Table().StatusBar.PaneText(0));
        pane2.push_back(frame.Table().StatusBar.PaneText(2));
        Ticks(21);
    }
    EXPECT_EQ(pane0, c.pane0);
    EXPECT_EQ(pane2, c.pane2);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StatusRotationTest,
    ::testing::Values(
        RotationCase{"HintAndCheat", "hint", "", "cheat", 1, KONTRA_NONE,
                     {"hint", "cheat", "status", "hint"}, {"before", "before", "before", "before"}},
        RotationCase{"HintOnlyWithSuggestion", "hint", "", "cheat", 0, KONTRA_NONE,
                     {"cheat", "status", "cheat", "status"}, {"before", "before", "before", "before"}},
        RotationCase{"DemoBeforeCheat", "", "demo", "cheat", 1, KONTRA_NONE,
                     {"demo", "status", "demo", "status"}, {"before", "before", "before", "before"}},
        RotationCase{"NothingElse", "", "", "", 1, KONTRA_NONE,
                     {"status", "status", "status", "status"}, {"before", "before", "before", "before"}},
        RotationCase{"KontraAlternatesPane2", "hint", "", "", 1, KONTRA_SAID,
                     {"hint", "status", "hint", "status"}, {"kontra", "points", "kontra", "points"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The reminder's text by the pause level.
struct ReminderTextCase {
    int level;
    const char* text;
};

// A failing case names itself, not its bytes.
void PrintTo(const ReminderTextCase& c, std::ostream* out) { *out << "level " << c.level; }

class ReminderTextTest : public TickTest, public ::testing::WithParamInterface<ReminderTextCase> {};

TEST_P(ReminderTextTest, NameAndRequest) {
    g_Settings.Delay.Answer = 1000;
    Frame().SetPause(GetParam().level);
    Ticks(15);
    ASSERT_TRUE(BalloonUp(5));
    // The balloon's text is kept by the card-table library; it is drawn into the window.
    platform::RecordingDC* surface = host_->Surface(g_Frame.hTableWnd);
    ASSERT_NE(surface, nullptr);
    const std::string dump = surface->Dump();
    std::string expected = GetParam().text;
    // Balloon lines are drawn one by one.
    std::size_t line = 0;
    while (line < expected.size()) {
        std::size_t end = expected.find('\n', line);
        if (end == std::string::npos) end = expected.size();
        const std::string piece = expected.substr(line, end - line);
        EXPECT_NE(dump.find(piece), std::string::npos) << piece;
        line = end + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, ReminderTextTest,
                         ::testing::Values(ReminderTextCase{1, "Person,\nplease make up\nyour mind!"},
                                           ReminderTextCase{2, "Person,\nplease tell\nsomething!"},
                                           ReminderTextCase{3, "Person,\nplease play\na card!"}));

}  // namespace
