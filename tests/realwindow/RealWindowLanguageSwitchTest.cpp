// The language switch with seven windows open, under openbox, with the real programs: the English
// edition, left by the person with the score sheet, the cards assignment, both statistics and the
// three panels open, switches to German through the Language menu; the German edition starts and
// reopens all seven. Then Ctrl+N brings the bidding bar, and the desktop is calm: the active window
// stays as it is, and neither the program nor the window manager uses more than a twentieth of a
// processor while nobody does anything.

#include <csignal>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "qt/QtTestSupport.h"
#include "realwindow/RealWindowSupport.h"

namespace {

using realwindow::ActiveWindow;
using realwindow::TypeKey;

// What the person had open when the English edition last closed: the seven windows the switch
// hands over.
constexpr const char* kSettingsWithSevenWindows =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Kartovan+\\skat\\View]\n"
    "\"ListScore\"=dword:00000001\n"
    "\"ListStore\"=dword:00000001\n"
    "\"ListCardStatistics\"=dword:00000001\n"
    "\"ListGameStatistics\"=dword:00000001\n"
    "\"ListData\"=dword:00000001\n"
    "\"ListGameValue\"=dword:00000001\n"
    "\"ListState\"=dword:00000001\n";

// The shown top-level windows of a process, as the window manager's clients.
std::set<unsigned long> ShownWindows(qint64 pid) {
    const std::string answer = qttest::RunTool(
        QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                    QString::number(pid)});
    std::set<unsigned long> windows;
    std::size_t at = 0;
    while (at < answer.size()) {
        std::size_t end = answer.find('\n', at);
        if (end == std::string::npos) end = answer.size();
        if (end > at) windows.insert(std::stoul(answer.substr(at, end - at)));
        at = end + 1;
    }
    return windows;
}

// The process that shows a window, 0 when it names none.
qint64 ProcessOf(unsigned long window) {
    const std::string answer =
        qttest::RunTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowpid"), QString::number(window)});
    return answer.empty() ? 0 : std::atoll(answer.c_str());
}

// The main window of a process: its shown window titled with the product's name and version.
unsigned long MainWindowOf(qint64 pid) {
    const std::string answer = qttest::RunTool(
        QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                    QString::number(pid), QStringLiteral("--name"), QStringLiteral("^Kartovan\\+ +[0-9]")});
    return answer.empty() ? 0 : std::stoul(answer);
}

// Processor time a process has used so far, in clock ticks (user and system, from /proc).
long ProcessorTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command's closing parenthesis: state is the 3rd, utime the 14th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return -1;
    return fields[11].toLong() + fields[12].toLong();
}

bool Alive(qint64 pid) { return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0; }

// The program the language switch started: the one showing a main window other than `first`.
qint64 OtherProgram(qint64 first, unsigned long& main) {
    const std::string answer = qttest::RunTool(
        QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Kartovan\\+ +[0-9]")});
    std::size_t at = 0;
    while (at < answer.size()) {
        std::size_t end = answer.find('\n', at);
        if (end == std::string::npos) end = answer.size();
        if (end > at) {
            const unsigned long window = std::stoul(answer.substr(at, end - at));
            const qint64 pid = ProcessOf(window);
            if (pid != 0 && pid != first) {
                main = window;
                return pid;
            }
        }
        at = end + 1;
    }
    return 0;
}

// Waits in real time until `condition` holds, checking every 100 ms, at most `limitMs`.
template <typename Condition>
bool WaitFor(Condition condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (condition()) return true;
        if (clock.elapsed() > limitMs) return false;
        QThread::msleep(100);
    }
}

// What the 3 s after a step showed: every active window seen, and the processor time used.
struct Calm {
    std::set<unsigned long> activeWindows;
    double programShare = 0;        // of one processor
    double windowManagerShare = 0;
};

// The 3 s that follow, once the work the last step started (painting the windows it opened) is
// done: a second in which both processes use at most a twentieth of a processor, waited for at
// most 30 s. A program and a window manager that answer each other never reach it.
Calm Observe(qint64 program, qint64 windowManager) {
    Calm calm;
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    const long quietTicks = ticksPerSecond / 20;
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 30000) {
        const long programAt = ProcessorTicks(program);
        const long managerAt = ProcessorTicks(windowManager);
        QThread::msleep(1000);
        if (ProcessorTicks(program) - programAt <= quietTicks && ProcessorTicks(windowManager) - managerAt <= quietTicks)
            break;
    }
    const long programBefore = ProcessorTicks(program);
    const long managerBefore = ProcessorTicks(windowManager);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000) calm.activeWindows.insert(ActiveWindow());
    const double seconds = double(clock.elapsed()) / 1000.0;
    calm.programShare = double(ProcessorTicks(program) - programBefore) / double(ticksPerSecond) / seconds;
    calm.windowManagerShare = double(ProcessorTicks(windowManager) - managerBefore) / double(ticksPerSecond) / seconds;
    return calm;
}

// The calm after a step: `window` alone is active and both processes are idle; their shares go to
// the test's report under `when`.
void ExpectCalm(qint64 program, qint64 windowManager, unsigned long window, const std::string& when) {
    const Calm calm = Observe(program, windowManager);
    ::testing::Test::RecordProperty(when + "ProgramShare", std::to_string(calm.programShare));
    ::testing::Test::RecordProperty(when + "WindowManagerShare", std::to_string(calm.windowManagerShare));
    EXPECT_EQ(calm.activeWindows, std::set<unsigned long>{window}) << when;
    EXPECT_LE(calm.programShare, 0.05) << when;
    EXPECT_LE(calm.windowManagerShare, 0.05) << when;
}

class RealWindowLanguageSwitch : public ::testing::Test {
protected:
    void TearDown() override {
        // The German edition was started by the English one, not by us: it is asked to close like
        // any program (SIGTERM), then ended; one still starting when the test stopped is found by
        // its main window.
        const qint64 first = english.processId();
        unsigned long main = 0;
        if (german == 0 && first != 0) WaitFor([&] { return (german = OtherProgram(first, main)) != 0; }, 10000);
        for (qint64 pid : {german, first}) {
            if (!Alive(pid)) continue;
            ::kill(static_cast<pid_t>(pid), SIGTERM);
            if (!WaitFor([pid] { return !Alive(pid); }, 20000)) ::kill(static_cast<pid_t>(pid), SIGKILL);
        }
        english.waitForFinished(5000);
    }

    QProcess english;
    qint64 german = 0;
};

TEST_F(RealWindowLanguageSwitch, SevenWindowsReopenedThenCtrlNBringsTheBiddingBarAndAllStaysCalm) {
    const qint64 windowManager = std::atoll(qgetenv("KARTOVAN_WINDOW_MANAGER_PID").constData());
    ASSERT_TRUE(Alive(windowManager)) << "run under under-window-manager.sh, which names openbox";

    // A home of the test's own, with the settings the English edition was left with.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString config = home.path() + QStringLiteral("/.config");
    ASSERT_TRUE(QDir().mkpath(config + QStringLiteral("/kartovan")));
    QFile settings(config + QStringLiteral("/kartovan/registry.reg"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(kSettingsWithSevenWindows);
    settings.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    english.setProcessEnvironment(environment);
    english.setProcessChannelMode(QProcess::ForwardedChannels);

    // 1. The English edition starts with its seven windows.
    english.start(QStringLiteral(KARTOVAN_PROGRAM_FOLDER "/kartovan-en"), {});
    ASSERT_TRUE(english.waitForStarted(10000));
    const qint64 first = english.processId();
    ASSERT_TRUE(WaitFor([&] { return MainWindowOf(first) != 0 && ShownWindows(first).size() >= 8; }, 60000))
        << "shown: " << ShownWindows(first).size();
    const std::size_t windowCount = ShownWindows(first).size();

    // 2. The person chooses Language > german on the main window; the menu takes its letter once it
    //    is open, so a letter that came too early is tried again.
    const unsigned long firstMain = MainWindowOf(first);
    bool switched = false;
    for (int attempt = 0; attempt < 4 && !switched; ++attempt) {
        qttest::RunTool(QStringLiteral("xdotool"),
                        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(firstMain)});
        TypeKey("alt+l");
        QThread::msleep(500);
        TypeKey("g");
        switched = english.waitForFinished(15000);
        if (!switched) TypeKey("Escape");
    }
    ASSERT_TRUE(switched) << "the English edition did not close for the switch";

    // 3. The German edition reopens the same windows.
    unsigned long secondMain = 0;
    ASSERT_TRUE(WaitFor([&] { return (german = OtherProgram(first, secondMain)) != 0; }, 60000));
    ASSERT_TRUE(WaitFor([&] { return ShownWindows(german).size() >= windowCount; }, 60000))
        << "shown: " << ShownWindows(german).size() << " of " << windowCount;
    // The start's last step gives the keyboard to the table: the main window becomes active, and
    // stays so while nobody does anything.
    ASSERT_TRUE(WaitFor([&] { return ActiveWindow() == secondMain; }, 20000))
        << "active: " << ActiveWindow() << ", main window " << secondMain;
    ExpectCalm(german, windowManager, secondMain, "Started");

    // 4. Ctrl+N deals: the bidding bar shows, a window the program did not show before.
    const std::set<unsigned long> before = ShownWindows(german);
    TypeKey("ctrl+n");
    unsigned long bar = 0;
    ASSERT_TRUE(WaitFor(
        [&] {
            for (unsigned long window : ShownWindows(german))
                if (!before.count(window)) bar = window;
            return bar != 0;
        },
        60000))
        << "no bidding bar after Ctrl+N";
    ASSERT_TRUE(WaitFor([&] { return ActiveWindow() == bar; }, 20000)) << "the bidding bar takes the keyboard";

    // 5. Nobody does anything for 3 s: the active window stays, and both processes are idle.
    ExpectCalm(german, windowManager, bar, "Dealt");
}

}  // namespace
