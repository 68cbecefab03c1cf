// Settings no dialog would give: every number of the profile just outside its range or at either
// end of an int, and paths that name a named pipe, a folder, a device, a link to one or a relative
// place. The program starts, deals, plays a demonstration game and stops, and nothing hangs.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "match/Profile.h"
#include "model/Settings.h"
#include "platform/core/Registry.h"

#include <climits>
#include <filesystem>

#include <sys/stat.h>

namespace {

// The demonstration plays the next game to its end; then the program goes. A day of the virtual
// clock is far more than a game at the longest delays takes.
void PlayOneDemoGame(testsupport::FlowFixture& test, platform::HeadlessHost& host, testsupport::ModalAnswerer& answerer,
                     const std::function<void()>& start, const std::function<CMainFrame&()>& frame) {
    // The game must be dealt and played: the demonstration on, a match without end.
    WriteProfileInt("Options", "Demo", 1);
    WriteProfileInt("Game", "Mode", 3);
    // Whatever the start-up asks is answered.
    answerer.answer = IDOK;
    answerer.Start();
    host.SetTimeLimitMs(host.NowMs() + 3LL * 24 * 3600 * 1000);
    start();
    const int before = g_Game.GameCount;
    frame().PostMessage(WM_COMMAND, ID_NEW);
    host.SetTimeLimitMs(host.NowMs() + 3LL * 24 * 3600 * 1000);
    EXPECT_TRUE(host.PumpUntil([&] { return g_Game.GameCount > before; }, 2LL * 24 * 3600 * 1000));
    (void)test;
}

enum class Stored { BelowMinimum, AboveMaximum, IntMax, IntMin };

// A failing case names what was stored, not its bytes.
void PrintTo(Stored stored, std::ostream* out) {
    static const char* const kNames[] = {"BelowMinimum", "AboveMaximum", "IntMax", "IntMin"};
    *out << kNames[static_cast<int>(stored)];
}

int Hostile(Stored stored, int low, int high) {
    switch (stored) {
        case Stored::BelowMinimum: return low == INT_MIN ? INT_MIN : low - 1;
        case Stored::AboveMaximum: return high == INT_MAX ? INT_MAX : high + 1;
        case Stored::IntMax: return INT_MAX;
        case Stored::IntMin: break;
    }
    return INT_MIN;
}

class HostileNumbersTest : public testsupport::FlowFixture, public ::testing::WithParamInterface<Stored> {};

TEST_P(HostileNumbersTest, EveryNumberOutsideItsRangeStillPlaysAGame) {
    const Stored stored = GetParam();
    // The side windows' flags load as flags (the profile's own test); opened all at once, their
    // questions are more than this game's answerer knows, so they stay as they are here.
    for (const SettingRange& r : ProfileNumberRanges())
        if ((r.Section + "/" + r.Key).rfind("View/List", 0) != 0)
            WriteProfileInt(r.Section.c_str(), r.Key.c_str(), Hostile(stored, r.Low, r.High));
    for (const char* key : {"BockNumber", "RamschNumber"}) WriteProfileInt("Actual", key, Hostile(stored, 0, 999999));
    for (const char* key : {"Cheat", "Cond"}) WriteProfileInt("Game", key, Hostile(stored, 0, 1023));
    for (const char* section : {"RectAnnotation", "RectData", "RectState", "RectGameValue", "RectScore", "RectStore",
                                "RectLog", "RectLegend", "RectCardStatistics", "RectGameStatistics"})
        for (const char* edge : {"Left", "Top", "Right", "Bottom"})
            WriteProfileInt(section, edge, Hostile(stored, -32767, 32767));
    PlayOneDemoGame(*this, *host_, answerer_, [this] { StartProgram(); }, [this]() -> CMainFrame& { return Frame(); });
}

INSTANTIATE_TEST_SUITE_P(Settings, HostileNumbersTest,
                         ::testing::Values(Stored::BelowMinimum, Stored::AboveMaximum, Stored::IntMax, Stored::IntMin));

struct PathCase {
    const char* name;
    const char* section;
    const char* key;
    const char* path;  // below the test's folder unless it starts with '/' or is relative ("rel:")
};

// A failing case names itself, not its bytes.
void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }

class HostilePathsTest : public testsupport::FlowFixture, public ::testing::WithParamInterface<PathCase> {};

TEST_P(HostilePathsTest, PathsThatAreNoFilesHoldNothingUp) {
    const PathCase& c = GetParam();
    const std::string base = temp_.Folder();
    std::filesystem::create_directories(base + "desk");
    std::filesystem::create_directories(base + "folder.bmp");
    ASSERT_EQ(::mkfifo((base + "pipe.bmp").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((base + "desk/Kartovan+.log").c_str(), 0600), 0);
    std::filesystem::create_symlink(base + "pipe.bmp", base + "link.bmp");
    const std::string path = std::string(c.path).rfind("rel:", 0) == 0 ? std::string(c.path).substr(4)
                             : c.path[0] == '/'                       ? std::string(c.path)
                                                                      : base + c.path;
    WriteProfileString(c.section, c.key, path);
    for (const char* show : {"ShowComputer1", "ShowComputer2", "ShowPerson1", "ShowPerson2"}) WriteProfileInt("Image", show, 1);
    WriteProfileInt("View", "Log", 1);
    WriteProfileInt("View", "LogList", 1);
    WriteProfileInt("View", "LogDelete", 0);
    PlayOneDemoGame(*this, *host_, answerer_, [this] { StartProgram(); }, [this]() -> CMainFrame& { return Frame(); });
    app_.reset();
    // The pipes are still pipes: nothing wrote over them or moved them.
    struct stat info {};
    EXPECT_EQ(::stat((base + "pipe.bmp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(::stat((base + "desk/Kartovan+.log").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, HostilePathsTest,
    ::testing::Values(PathCase{"PipePortrait", "Image", "ImageComputer1", "pipe.bmp"},
                      PathCase{"DevicePortrait", "Image", "ImageComputer2", "/dev/zero"},
                      PathCase{"FolderPortrait", "Image", "ImagePerson1", "folder.bmp"},
                      PathCase{"LinkToPipePortrait", "Image", "ImagePerson2", "link.bmp"},
                      PathCase{"RelativePortrait", "Image", "ImageComputer1", "rel:bilder/links.bmp"},
                      PathCase{"PipeTraceLog", "Paths", "Desk", "desk/"},
                      PathCase{"PipeWorkFolder", "Paths", "Work", "pipe.bmp"},
                      PathCase{"DeviceWorkFolder", "Paths", "Work", "/dev/null"},
                      PathCase{"LinkToPipeWorkFolder", "Paths", "Work", "link.bmp"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
