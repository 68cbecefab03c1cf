// Waiting in the Qt host: nested waits, the main loop and Sleep block in Qt's event processing
// until something comes, without spinning the processor, and a busy engine still lets Qt run.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>

#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

constexpr WPARAM kCommand = 4711;

class QtHostWait : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(qttest::CreateWindowOf(window, WindowKind::Overlapped, {0, 0, 200, 100}, nullptr, false));
    }
    bool GotCommand() const {
        for (const auto& m : window.messages)
            if (m.message == WM_COMMAND && m.wParam == kCommand) return true;
        return false;
    }

    QtHost host;
    RecordingWindow window;
};

// A nested wait (the program's PeekMessage loop) idles in short blocking waits: it ends when a
// command posted from a Qt timer arrives, having used a small part of the time on the processor.
TEST_F(QtHostWait, NestedWaitEndsOnPostedCommandWithoutSpinning) {
    const HWND hwnd = window.Handle();
    const double cpuBefore = qttest::ProcessCpuSeconds();
    const double wallBefore = qttest::WallSeconds();
    QTimer::singleShot(120, Qt::PreciseTimer, [hwnd] { PostMessage(hwnd, WM_COMMAND, kCommand, 0); });
    int polls = 0;
    const bool ended = WaitWhile([&] {
        ++polls;
        return !GotCommand() && qttest::WallSeconds() - wallBefore < 5.0;
    });
    const double wall = qttest::WallSeconds() - wallBefore;
    const double cpu = qttest::ProcessCpuSeconds() - cpuBefore;

    EXPECT_TRUE(ended);
    EXPECT_TRUE(GotCommand());
    EXPECT_GE(wall, 0.1);
    EXPECT_LT(wall, 2.0);
    EXPECT_LT(cpu, wall * 0.4) << "cpu " << cpu << " s over " << wall << " s, " << polls << " polls";
    // With nothing of ours due, an empty poll blocked until Qt brought something: a few polls in
    // all, where a poll that woke every few milliseconds to look would have made dozens.
    EXPECT_LT(polls, 12);
}

// The main loop blocks until a timer is due or Qt delivers something: three ticks of a 40 ms timer
// take about 120 ms and little processor time; WM_QUIT ends the loop with its code.
TEST_F(QtHostWait, MainLoopSleepsUntilTimersAndQuits) {
    int ticks = 0;
    window.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_TIMER && ++ticks == 3) PostQuitMessage(7);
    };
    // The clock starts before the timer is armed: its ticks are due 40, 80 and 120 ms after arming,
    // so a busy machine that delays the start of the loop cannot make the wait look shorter.
    const double cpuBefore = qttest::ProcessCpuSeconds();
    const double wallBefore = qttest::WallSeconds();
    SetTimer(window.Handle(), 1, 40);
    const int code = host.Run();
    const double wall = qttest::WallSeconds() - wallBefore;
    const double cpu = qttest::ProcessCpuSeconds() - cpuBefore;

    EXPECT_EQ(code, 7);
    EXPECT_EQ(ticks, 3);
    EXPECT_GE(wall, 0.115);
    EXPECT_LT(wall, 2.0);
    EXPECT_LT(cpu, wall * 0.4) << "cpu " << cpu << " s over " << wall << " s";
}

// A main loop with nothing to do waits for Qt: a quit posted from a Qt timer ends it.
TEST_F(QtHostWait, MainLoopWithNoTimersWakesForQt) {
    // The clock starts before the Qt timer is armed, so that a busy machine cannot shorten the wait seen.
    const double cpuBefore = qttest::ProcessCpuSeconds();
    const double wallBefore = qttest::WallSeconds();
    QTimer::singleShot(60, Qt::PreciseTimer, [] { PostQuitMessage(3); });
    EXPECT_EQ(host.Run(), 3);
    const double wall = qttest::WallSeconds() - wallBefore;
    EXPECT_GE(wall, 0.055);
    EXPECT_LT(qttest::ProcessCpuSeconds() - cpuBefore, wall * 0.4);
}

// Sleep lets the time pass without dispatching ours, though a message is waiting and Qt events come.
TEST_F(QtHostWait, SleepDispatchesNothing) {
    bool qtTimerRan = false;
    QTimer::singleShot(10, [&] { qtTimerRan = true; });
    PostMessage(window.Handle(), WM_COMMAND, kCommand, 0);
    const double wallBefore = qttest::WallSeconds();
    platform::WindowSystem::Instance().Sleep(60);
    EXPECT_GE(qttest::WallSeconds() - wallBefore, 0.059);
    EXPECT_FALSE(GotCommand());
    EXPECT_TRUE(qtTimerRan);  // Qt itself keeps running (repaints)
    EXPECT_TRUE(qttest::PumpUntil([&] { return GotCommand(); }));
}

// An engine that never runs out of posted work still lets Qt deliver its events now and then.
TEST_F(QtHostWait, BusyEngineStillProcessesQtEvents) {
    bool qtTimerRan = false;
    QTimer::singleShot(20, [&] { qtTimerRan = true; });
    const double wallBefore = qttest::WallSeconds();
    int chained = 0;
    window.onMessage = [&](UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_COMMAND && wParam == 1 && !qtTimerRan && qttest::WallSeconds() - wallBefore < 3.0) {
            ++chained;
            PostMessage(window.Handle(), WM_COMMAND, 1, 0);
        }
    };
    PostMessage(window.Handle(), WM_COMMAND, 1, 0);
    qttest::PumpUntil([&] { return qtTimerRan; });
    EXPECT_TRUE(qtTimerRan);
    EXPECT_GT(chained, 10);
    EXPECT_LT(qttest::WallSeconds() - wallBefore, 1.0);
}

// An action the host runs inside the retrieval (as it runs what Qt reported) ends a modal dialog while
// nothing else is queued: the loop ends there instead of waiting for the next Qt event. The guard
// timer only keeps a loop that would wait from waiting for ever.
TEST_F(QtHostWait, ModalLoopEndedByAHostActionEndsWithoutWaiting) {
    RecordingWindow dialog;
    ASSERT_TRUE(qttest::CreateWindowOf(dialog, WindowKind::Popup, {20, 20, 120, 80}, nullptr, true));
    SetActiveWindow(dialog.Handle());
    auto& system = platform::WindowSystem::Instance();
    qttest::PumpUntil([&] { return !system.HasWork(); });
    // Qt has nothing left to deliver either: a wait now lasts until the guard.
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] { EndModalLoop(dialog, -5); });
    guard.start(3000);

    host.RunAtNextRetrieval([&] { EndModalLoop(dialog, 7); });
    EXPECT_EQ(RunModalLoop(dialog), 7);  // -5: it waited until the guard ended it
}

}  // namespace

// The census of wake-ups (KARTOVAN_WAKE_COUNT) tells what each return from Qt's event processing
// found: a nested wait woken by our timer counts it so, and one ended by a Qt event as another Qt
// event; with nothing of ours due, the wait wakes for nothing else. The table is written when the
// host goes.
TEST(QtWakeCensus, CountsWhatEachWakeFound) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("wake.txt"));
    qputenv("KARTOVAN_WAKE_COUNT", file.toLocal8Bit());
    {
        QtHost host;
        RecordingWindow window;
        ASSERT_TRUE(qttest::CreateWindowOf(window, WindowKind::Overlapped, {0, 0, 200, 100}, nullptr, false));
        const HWND hwnd = window.Handle();
        const auto ticked = [&] {
            for (const auto& m : window.messages)
                if (m.message == WM_TIMER) return true;
            return false;
        };
        SetTimer(hwnd, 1, 30);
        EXPECT_TRUE(WaitWhile([&] { return !ticked(); }));
        KillTimer(hwnd, 1);
        bool qtTimerRan = false;
        QTimer::singleShot(300, [&] { qtTimerRan = true; });
        int polls = 0;
        EXPECT_TRUE(WaitWhile([&] {
            ++polls;
            return !qtTimerRan;
        }));
        EXPECT_LT(polls, 12) << "a wait of 300 ms with nothing of ours due";
    }
    qunsetenv("KARTOVAN_WAKE_COUNT");

    QFile table(file);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    std::map<std::string, long long> counts;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 3) counts[(fields[0] + ' ' + fields[1]).toStdString()] = fields[2].toLongLong();
    }
    EXPECT_EQ(counts.size(), 24u);
    EXPECT_GE(counts["poll our timer"], 1);
    EXPECT_GE(counts["poll other Qt event"], 1);
    EXPECT_EQ(counts["wait our timer"], 0) << "no main loop ran";
}
