#include "platform/core/RegistryFile.h"

#include "platform/FileTestSupport.h"
#include "platform/core/FileIo.h"
#include "platform/core/Folders.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::RegistryKey;

// Two trees hold the same keys and values; the message names the first difference.
::testing::AssertionResult SameTree(const RegistryKey& a, const RegistryKey& b, const std::string& path = "") {
    if (a.Values() != b.Values()) return ::testing::AssertionFailure() << "values differ under [" << path << "]";
    if (a.Children().size() != b.Children().size())
        return ::testing::AssertionFailure() << "sub-keys differ under [" << path << "]";
    for (const auto& [name, child] : a.Children()) {
        auto other = b.Children().find(name);
        if (other == b.Children().end() || other->first != name)
            return ::testing::AssertionFailure() << "missing key " << path << "\\" << name;
        if (auto result = SameTree(*child, *other->second, path + "\\" + name); !result) return result;
    }
    return ::testing::AssertionSuccess();
}

class RegistryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::CurrentUserRegistry().Clear();
        platform::SetRegistryKey("Kartovan+", "skat");
    }
    void TearDown() override { platform::CurrentUserRegistry().Clear(); }

    testsupport::TempFolder temp_;
    std::string path_ = temp_.File("registry.reg");
};

TEST_F(RegistryFileTest, EveryValueReadsBackExactly) {
    RegistryKey tree;
    RegistryKey& paths = tree.Create("Software\\Kartovan+\\skat\\Paths");
    paths.SetString("Desk", "C:\\Users\\Jürgen \"Jü\" Müßig\\");
    paths.SetString("Empty", "");
    paths.SetString("Lines", "first\r\nsecond\ttab\x01\x7f end\\");
    paths.SetString("a \"quoted\" = name\\", "€ ½ ÿ");
    paths.SetString("", "unnamed value");
    RegistryKey& view = tree.Create("Software\\Kartovan+\\skat\\View");
    view.SetNumber("Zero", 0);
    view.SetNumber("Max", 0xFFFFFFFFu);
    view.SetNumber("High", 0x80000000u);
    tree.Create("Software\\Kartovan+\\skat\\Empty key");
    tree.Create("Software\\Other\\Deep\\Deeper\\Deepest").SetNumber("n", 7);
    tree.SetString("at the root", "r");

    ASSERT_TRUE(platform::SaveRegistryFile(path_, tree));
    RegistryKey back;
    platform::RegistryLoad load = platform::LoadRegistryFile(path_, back);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(load.message, "");
    EXPECT_TRUE(SameTree(tree, back));
    EXPECT_TRUE(SameTree(back, tree));
    EXPECT_EQ(back.Find("Software\\Kartovan+\\skat\\Paths")->String("Desk"), "C:\\Users\\Jürgen \"Jü\" Müßig\\");
}

TEST_F(RegistryFileTest, ProfileNumbersAtTheLimitsSurviveTheFile) {
    WriteProfileInt("View", "Min", INT_MIN);
    WriteProfileInt("View", "Max", INT_MAX);
    WriteProfileInt("View", "MinusOne", -1);
    WriteProfileString("Player", "Name0", "Jürgen");
    ASSERT_TRUE(platform::SaveRegistryFile(path_, platform::CurrentUserRegistry()));
    platform::CurrentUserRegistry().Clear();
    ASSERT_EQ(platform::LoadRegistryFile(path_, platform::CurrentUserRegistry()).message, "");
    EXPECT_EQ(GetProfileInt("View", "Min", 0), INT_MIN);
    EXPECT_EQ(GetProfileInt("View", "Max", 0), INT_MAX);
    EXPECT_EQ(GetProfileInt("View", "MinusOne", 0), -1);
    EXPECT_EQ(GetProfileString("Player", "Name0"), "Jürgen");
}

TEST_F(RegistryFileTest, FileTextHasTheRegistryExportLayout) {
    RegistryKey tree;
    RegistryKey& view = tree.Create("Software\\Kartovan+\\skat\\View");
    view.SetNumber("Log", 0xFFFFFFFEu);
    view.SetString("Text", "a\\b\"c");
    EXPECT_EQ(platform::FormatRegistryFile(tree),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Kartovan+]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Kartovan+\\skat]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Kartovan+\\skat\\View]\n"
              "\"Log\"=dword:fffffffe\n"
              "\"Text\"=\"a\\\\b\\\"c\"\n"
              "\n");
}

TEST_F(RegistryFileTest, MissingFileIsAFirstStart) {
    RegistryKey tree;
    tree.SetNumber("stale", 1);
    platform::RegistryLoad load = platform::LoadRegistryFile(path_, tree);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(load.message, "");
    EXPECT_TRUE(tree.Empty());
}

// What a damaged file leaves in the tree: everything that parsed cleanly, or nothing at all when
// the file is not a registry file.
struct DamagedCase {
    const char* name;
    std::string text;
    std::vector<std::string> kept;     // value names under [HKEY_CURRENT_USER\K]
    std::vector<std::string> dropped;  // value names that must not be there
    const char* fault;                 // part of the message
};

// A failing case names itself, not its bytes.
void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.name; }

class DamagedRegistryFileTest : public RegistryFileTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedRegistryFileTest, GivesWhatParsedCleanlyAndOneMessage) {
    const DamagedCase& c = GetParam();
    ASSERT_TRUE(platform::WriteFileAtomic(path_, c.text));
    RegistryKey tree;
    tree.SetNumber("stale", 1);
    platform::RegistryLoad load = platform::LoadRegistryFile(path_, tree);
    EXPECT_TRUE(load.ok);
    EXPECT_NE(load.message.find(c.fault), std::string::npos) << load.message;
    EXPECT_FALSE(tree.Number("stale"));
    const RegistryKey* key = tree.Find("K");
    for (const auto& name : c.kept) {
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->Values().contains(name)) << name;
    }
    for (const auto& name : c.dropped) {
        EXPECT_TRUE(!key || !key->Values().contains(name)) << name;
    }
    if (c.kept.empty()) {
        EXPECT_TRUE(key == nullptr || key->Values().empty());
    }
    // The damaged file is kept aside, byte for byte, before anything can overwrite it.
    EXPECT_EQ(platform::ReadWholeFile(path_ + ".bad").Text(), c.text);
}

const std::string kHead = "Windows Registry Editor Version 5.00\n\n";

std::string Repeat(std::string_view part, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += part;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedRegistryFileTest,
    ::testing::Values(
        DamagedCase{"Garbage", std::string("\x89PNG\r\n\x1a\n\0\0garbage", 16), {}, {}, "first line"},
        DamagedCase{"WrongHeader", "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"a\"=dword:00000001\n", {}, {"a"},
                    "first line"},
        DamagedCase{"EmptyFile", "", {}, {}, "empty"},
        DamagedCase{"CutOffString", kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=dword:00000001\n\"b\"=\"half", {"a"},
                    {"b"}, "line 5"},
        DamagedCase{"CutOffNumber", kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\"\n\"b\"=dword:0000", {"a"}, {"b"},
                    "line 5"},
        DamagedCase{"CutOffSection", kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\"\n[HKEY_CURRENT_USER\\K\\Su", {"a"},
                    {}, "line 5"},
        DamagedCase{"BadLineInTheMiddle",
                    kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\"\n\"b\"=\"bad \\q escape\"\nnonsense\n\"c\"=dword:0000000c\n",
                    {"a", "c"}, {"b"}, "line 5"},
        DamagedCase{"ValuesUnderABadSection",
                    kHead + "[HKEY_LOCAL_MACHINE\\K]\n\"a\"=\"x\"\n[HKEY_CURRENT_USER\\K]\n\"b\"=\"y\"\n", {"b"}, {"a"},
                    "line 3"},
        DamagedCase{"TextAfterTheValue", kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\"junk\n\"b\"=\"y\"\n", {"b"},
                    {"a"}, "line 4"},
        // 50,000 levels in 100 KB: refused before a single key of it is made.
        DamagedCase{"DeepKeyPath",
                    kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\"\n[HKEY_CURRENT_USER" + Repeat("\\A", 50000) +
                        "]\n\"b\"=\"y\"\n",
                    {"a"}, {"b"}, "line 5 names a key more than 64 levels deep"},
        DamagedCase{"CarriageReturnInAKeyName",
                    kHead + "[HKEY_CURRENT_USER\\K\\Sub\rKey]\n\"b\"=\"y\"\n[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\"\n",
                    {"a"}, {"b"}, "line 3 names a key with a control character"},
        DamagedCase{"TabInAKeyName", kHead + "[HKEY_CURRENT_USER\\K\tL]\n\"b\"=\"y\"\n", {}, {"b"},
                    "line 3 names a key with a control character"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryFileTest, ReadsAFileWithWindowsLineEndsAndByteOrderMark) {
    ASSERT_TRUE(platform::WriteFileAtomic(
        path_, "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"a\"=\"x\"\r\n"));
    RegistryKey tree;
    EXPECT_EQ(platform::LoadRegistryFile(path_, tree).message, "");
    EXPECT_EQ(tree.Find("K")->String("a"), "x");
    EXPECT_FALSE(platform::FileExists(path_ + ".bad"));
}

TEST_F(RegistryFileTest, SaveLeavesNoTemporaryBehind) {
    RegistryKey tree;
    tree.Create("K").SetString("a", "first");
    ASSERT_TRUE(platform::SaveRegistryFile(path_, tree));
    tree.Create("K").SetString("a", "second");
    ASSERT_TRUE(platform::SaveRegistryFile(path_, tree));
    EXPECT_EQ(temp_.Entries(), (std::map<std::string, bool>{{"registry.reg", false}}));
    RegistryKey back;
    platform::LoadRegistryFile(path_, back);
    EXPECT_EQ(back.Find("K")->String("a"), "second");
}

// The settings path leads to a regular file whose reading fails with an input/output error, as a
// failing disk does: the process's own memory file, read at address 0, which is never mapped. File
// rights would not stop the superuser (and CI runs as one); this error stops everybody.
TEST_F(RegistryFileTest, UnreadableFileIsNeverReplacedByDefaults) {
    const std::string failing = "/proc/self/mem";
    ASSERT_EQ(::symlink(failing.c_str(), path_.c_str()), 0);

    RegistryKey tree;
    platform::RegistryLoad load = platform::LoadRegistryFile(path_, tree);
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.message.find("cannot be read"), std::string::npos) << load.message;
    EXPECT_TRUE(tree.Empty());
    tree.Create("K").SetString("a", "default");
    platform::FileStatus saved = platform::SaveRegistryFile(path_, tree);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("not saved"), std::string::npos) << saved.error;

    // Still the same link: nothing was written in its place.
    char target[64] = {};
    ASSERT_EQ(::readlink(path_.c_str(), target, sizeof target - 1), static_cast<ssize_t>(failing.size()));
    EXPECT_EQ(std::string(target), failing);
    EXPECT_FALSE(platform::FileExists(path_ + ".bad"));
}

TEST_F(RegistryFileTest, PathThatCannotBeReadAsAFileIsLeftAlone) {
    ASSERT_TRUE(platform::EnsureFolder(path_));
    ASSERT_TRUE(platform::WriteFileAtomic(path_ + "/inside", std::string_view("kept")));
    RegistryKey tree;
    EXPECT_FALSE(platform::LoadRegistryFile(path_, tree).ok);
    platform::FileStatus saved = platform::SaveRegistryFile(path_, tree);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("not saved"), std::string::npos) << saved.error;
    EXPECT_EQ(platform::ReadWholeFile(path_ + "/inside").Text(), "kept");
}

TEST_F(RegistryFileTest, KeysUpToSixtyFourLevelsReadBackAndDeeperOnesAreNotWritten) {
    RegistryKey tree;
    const std::string deepest = "L" + Repeat("\\L", 63);  // 64 levels
    tree.Create(deepest).SetNumber("n", 64);
    tree.Create(deepest + "\\Beyond\\AndMore").SetNumber("n", 66);
    const std::string text = platform::FormatRegistryFile(tree);
    EXPECT_EQ(text.find("Beyond"), std::string::npos);
    RegistryKey back;
    EXPECT_EQ(platform::ParseRegistryFile(text, back), "");
    ASSERT_NE(back.Find(deepest), nullptr);
    EXPECT_EQ(back.Find(deepest)->Number("n"), 64u);
    EXPECT_TRUE(back.Find(deepest)->Children().empty());

    RegistryKey refused;
    EXPECT_NE(platform::ParseRegistryFile(kHead + "[HKEY_CURRENT_USER\\" + deepest + "\\Beyond]\n", refused)
                  .find("more than 64 levels"),
              std::string::npos);
    EXPECT_TRUE(refused.Empty());
}

// A file far larger than any the program writes: what parsed of its start is kept, the file itself
// is moved aside whole, and the message says why, once.
TEST_F(RegistryFileTest, OversizeFileKeepsWhatParsedAndIsMovedAside) {
    std::string text = kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\"\n";
    const std::string filler = "; " + std::string(1000, '-') + "\n";
    while (text.size() <= platform::kMaxRegistryFileBytes) text += filler;
    text += "\"b\"=\"y\"\n";
    ASSERT_TRUE(platform::WriteFileAtomic(path_, text));

    RegistryKey tree;
    platform::RegistryLoad load = platform::LoadRegistryFile(path_, tree);
    EXPECT_TRUE(load.ok);
    EXPECT_NE(load.message.find("larger than 4 MiB"), std::string::npos) << load.message;
    EXPECT_NE(load.message.find(path_ + ".bad"), std::string::npos) << load.message;
    ASSERT_NE(tree.Find("K"), nullptr);
    EXPECT_EQ(tree.Find("K")->String("a"), "x");
    EXPECT_FALSE(tree.Find("K")->String("b"));
    EXPECT_FALSE(platform::FileExists(path_));
    EXPECT_EQ(platform::FileSize(path_ + ".bad"), text.size());
    // The next save writes a fresh file of what was kept.
    ASSERT_TRUE(platform::SaveRegistryFile(path_, tree));
    RegistryKey back;
    EXPECT_EQ(platform::LoadRegistryFile(path_, back).message, "");
    EXPECT_EQ(back.Find("K")->String("a"), "x");
}

// Something at the settings path that is not a regular file is never opened for reading (a named
// pipe would block the start for ever, an endless device would fill the memory) and never replaced.
struct NotAFileCase {
    const char* name;
    std::function<bool(const std::string& path)> make;
};

// A failing case names itself, not its bytes.
void PrintTo(const NotAFileCase& c, std::ostream* out) { *out << c.name; }

class NotARegularFileTest : public RegistryFileTest, public ::testing::WithParamInterface<NotAFileCase> {};

TEST_P(NotARegularFileTest, IsRefusedWithoutBlockingAndLeftAlone) {
    ASSERT_TRUE(GetParam().make(path_));
    struct stat before {};
    ASSERT_EQ(::lstat(path_.c_str(), &before), 0);

    RegistryKey tree;
    platform::RegistryLoad load = platform::LoadRegistryFile(path_, tree);
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.message.find("not a regular file"), std::string::npos) << load.message;
    EXPECT_TRUE(tree.Empty());
    tree.Create("K").SetString("a", "default");
    platform::FileStatus saved = platform::SaveRegistryFile(path_, tree);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("not saved"), std::string::npos) << saved.error;

    struct stat after {};
    ASSERT_EQ(::lstat(path_.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_FALSE(platform::FileExists(path_ + ".bad"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotARegularFileTest,
    ::testing::Values(NotAFileCase{"NamedPipe", [](const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; }},
                      NotAFileCase{"LinkToAnEndlessDevice",
                                   [](const std::string& path) { return ::symlink("/dev/zero", path.c_str()) == 0; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryFileTest, CurrentUserStoreLivesInTheConfigFolder) {
    testsupport::ScopedEnvironment config("XDG_CONFIG_HOME", temp_.Folder() + "config");
    WriteProfileString("Paths", "Desk", "/home/jürgen/");
    ASSERT_TRUE(platform::SaveCurrentUserRegistry());
    EXPECT_TRUE(platform::FileExists(temp_.File("config/kartovan/registry.reg")));

    platform::CurrentUserRegistry().Clear();
    EXPECT_EQ(platform::LoadCurrentUserRegistry().message, "");
    EXPECT_EQ(GetProfileString("Paths", "Desk"), "/home/jürgen/");
}

}  // namespace

namespace {

// Settings another program saved since this one loaded or saved them are that program's: the next
// save keeps them byte for byte and names the file; a file nobody else touched, or one that is
// gone, is saved as before.
TEST_F(RegistryFileTest, SettingsAnotherProgramSavedMeanwhileAreKept) {
    testsupport::ScopedEnvironment config("XDG_CONFIG_HOME", temp_.Folder());
    ASSERT_TRUE(platform::EnsureFolder(platform::ConfigFolder()));
    const std::string path = platform::RegistryFilePath();
    const std::string theirs = std::string(platform::kRegistryFileHeader) + "\n\n; saved by another program\n";
    const struct {
        const char* what;
        bool fileAtLoad;
        std::function<void()> meanwhile;
        bool saved;
    } cases[] = {
        {"nobody touched it", true, [] {}, true},
        {"nobody made one", false, [] {}, true},
        {"someone removed it", true, [&] { ASSERT_TRUE(platform::RemoveFile(path)); }, true},
        {"another program replaced it", true, [&] { ASSERT_TRUE(platform::WriteFileAtomic(path, theirs)); }, false},
        {"another program made one", false, [&] { ASSERT_TRUE(platform::WriteFileAtomic(path, theirs)); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        (void)platform::RemoveFile(path);
        platform::CurrentUserRegistry().Clear();
        if (c.fileAtLoad) {
            platform::CurrentUserRegistry().Create("Software\\Kartovan+\\skat\\View").SetNumber("Log", 0);
            ASSERT_TRUE(platform::SaveRegistryFile(path, platform::CurrentUserRegistry()));
        }
        ASSERT_TRUE(platform::LoadCurrentUserRegistry().ok);
        platform::CurrentUserRegistry().Create("Software\\Kartovan+\\skat\\View").SetNumber("Log", 1);
        c.meanwhile();
        const platform::FileStatus saved = platform::SaveCurrentUserRegistry();
        EXPECT_EQ(static_cast<bool>(saved), c.saved) << saved.error;
        if (c.saved) {
            EXPECT_NE(platform::ReadWholeFile(path).Text().find("\"Log\"=dword:00000001"), std::string::npos);
            // Its own file, saved again, is still its own.
            EXPECT_TRUE(platform::SaveCurrentUserRegistry());
        } else {
            EXPECT_EQ(platform::ReadWholeFile(path).Text(), theirs);
            EXPECT_NE(saved.error.find(path), std::string::npos) << "the message names the file: " << saved.error;
        }
    }
}

}  // namespace
