// SIGTERM, SIGINT and SIGHUP become one close request from Qt's event processing; a later signal
// is the same request again and never ends the program; SDL's sound leaves the signals to the program.
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

// A failing case names itself, not its bytes.
void PrintTo(const SignalCase& c, std::ostream* out) { *out << c.name; }

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

// A second signal while the first request is taken (the program writing its settings and files)
// is the same request again: the program goes on and ends its own way (in a child process, so
// that a signal that killed it would not take the test program with it).
TEST(CloseSignalsDeathTest, ASecondSignalDoesNotEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            int requests = 0;
            QtCloseSignals closeSignals([&requests] { ++requests; });
            std::raise(SIGTERM);
            std::raise(SIGINT);
            ProcessUntil([&requests] { return requests > 0; });
            std::raise(SIGHUP);
            ProcessUntil([&requests] { return requests > 1; });
            std::_Exit(requests == 2 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
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
