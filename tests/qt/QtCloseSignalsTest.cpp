// SIGTERM, SIGINT and SIGHUP become one close request from Qt's event processing; a second signal
// ends the program at once; SDL's sound leaves the signals to the program.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <QCoreApplication>
#include <QTimer>

#include "../platform/FileTestSupport.h"
#include "platform/qt/QtCloseSignals.h"
#include "platform/qt/SdlSound.h"

namespace {

using platform::QtCloseSignals;

// The handler of a signal now in place.
void (*HandlerOf(int number))(int) {
    struct sigaction now = {};
    sigaction(number, nullptr, &now);
    return now.sa_handler;
}

// Runs Qt's event processing until `done` holds; a guard timer ends a wait that would never end.
template <typename Done>
bool ProcessUntil(Done done) {
    bool expired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&expired] { expired = true; });
    guard.start(10000);
    while (!done() && !expired) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return done();
}

struct SignalCase {
    int number;
    const char* name;
};

class CloseSignalTest : public ::testing::TestWithParam<SignalCase> {};

// The handler only records: the request comes from Qt's event processing, exactly once.
TEST_P(CloseSignalTest, ASignalBecomesOneRequestFromQtsEventProcessing) {
    int requests = 0;
    QtCloseSignals closeSignals([&requests] { ++requests; });
    ASSERT_TRUE(closeSignals.Installed());

    ASSERT_EQ(std::raise(GetParam().number), 0);
    EXPECT_EQ(requests, 0);
    EXPECT_TRUE(ProcessUntil([&requests] { return requests > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(requests, 1);
}

INSTANTIATE_TEST_SUITE_P(EachCloseSignal, CloseSignalTest,
                         ::testing::Values(SignalCase{SIGTERM, "Term"}, SignalCase{SIGINT, "Int"},
                                           SignalCase{SIGHUP, "Hup"}),
                         [](const ::testing::TestParamInfo<SignalCase>& info) { return std::string(info.param.name); });

TEST(CloseSignals, ThePreviousHandlersComeBack) {
    const auto before = HandlerOf(SIGTERM);
    {
        QtCloseSignals closeSignals([] {});
        EXPECT_NE(HandlerOf(SIGTERM), before);
        EXPECT_NE(HandlerOf(SIGINT), SIG_DFL);
        EXPECT_NE(HandlerOf(SIGHUP), SIG_DFL);
    }
    EXPECT_EQ(HandlerOf(SIGTERM), before);
}

// A program that has not taken the first request ends at the second signal, by that signal.
TEST(CloseSignalsDeathTest, ASecondSignalEndsTheProgramAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QtCloseSignals closeSignals([] {});
            std::raise(SIGTERM);
            std::raise(SIGTERM);
            std::exit(0);
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

// SDL would install its own handlers for SIGINT and SIGTERM when the sound starts; it must not.
TEST(CloseSignals, SdlSoundLeavesTheSignalsAlone) {
    testsupport::ScopedEnvironment driver("SDL_AUDIODRIVER", std::string("dummy"));
    ASSERT_EQ(HandlerOf(SIGTERM), SIG_DFL);
    ASSERT_EQ(HandlerOf(SIGINT), SIG_DFL);
    platform::SdlSound sound;
    ASSERT_TRUE(sound.HasDevice());
    EXPECT_EQ(HandlerOf(SIGTERM), SIG_DFL);
    EXPECT_EQ(HandlerOf(SIGINT), SIG_DFL);
}

}  // namespace
