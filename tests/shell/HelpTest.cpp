// The help menu's four topics and closing, the help folder, and the pages every topic needs.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"
#include "flow/FrameGlobals.h"
#include "shell/ModalReader.h"

#include "match/Profile.h"
#include "platform/core/DesktopServices.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/HelpFolder.h"

#include <filesystem>
#include <fstream>
#include <cctype>
#include <set>
#include <sstream>

namespace {

using testsupport::FrameFixture;

class HelpTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        StartProgram();
    }
    void Command(int id) { Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(id)); }

    platform::DesktopRecorder desktop_;
};

struct TopicCase {
    const char* name;
    int command;
    const char* page;
    const char* anchor;
    int number;
    bool frameTakesFocus;
};

// A failing case names itself, not its bytes.
void PrintTo(const TopicCase& c, std::ostream* out) { *out << c.name; }

class HelpTopicTest : public HelpTest, public ::testing::WithParamInterface<TopicCase> {};

TEST_P(HelpTopicTest, OpensItsPageAndRecordsIt) {
    const TopicCase& c = GetParam();
    // The focus elsewhere first, so that giving it back shows.
    ::SetFocus(g_Frame.hTableWnd);
    Command(c.command);
    ASSERT_EQ(desktop_.HelpRequests().size(), 1u);
    const platform::DesktopRecorder::HelpRequest& request = desktop_.HelpRequests()[0];
    EXPECT_EQ(request.owner, g_Frame.hTableWnd);
    EXPECT_EQ(request.topic.folder, g_Shell.HelpFile);
    EXPECT_EQ(request.topic.page, c.page);
    EXPECT_EQ(request.topic.anchor, c.anchor);
    EXPECT_EQ(g_Profile.HelpTopic, c.number);
    if (c.frameTakesFocus) EXPECT_EQ(::GetFocus(), Frame().Handle());
    else EXPECT_EQ(::GetFocus(), g_Frame.hTableWnd);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HelpTopicTest,
    ::testing::Values(TopicCase{"Instructions", ID_HELP_INSTRUCTIONS, "Anleitung/Spielanleitung.htm", "", 1, true},
                      TopicCase{"Operation", ID_HELP_OPERATING, "Bedienung/Programmbedienung.htm", "", 2, true},
                      TopicCase{"Glossary", ID_HELP_GLOSSARY, "Lexikon/Glossar.htm", "", 3, false},
                      TopicCase{"Keyboard", ID_HELP_RULE, "Bedienung/Tastatur.htm", "help", 4, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpTest, MissingHelpPagesAreNamedAndTheTopicStays) {
    g_Profile.HelpTopic = 3;
    desktop_.SetHelpAvailable(false);
    testsupport::ModalReader reader;
    reader.Start();
    Command(ID_HELP_INSTRUCTIONS);
    ASSERT_EQ(reader.boxTexts.size(), 1u);
    EXPECT_EQ(reader.boxTexts[0], "Error: File\n\n'" + g_Shell.HelpFile + "'\n\n can not be opened");
    EXPECT_EQ(g_Profile.HelpTopic, 3);
}

TEST_F(HelpTest, ClosingKeepsTheTopicUntilTheWindowIsSeenGone) {
    Command(ID_HELP_GLOSSARY);
    Command(ID_HELP_CLOSE);
    EXPECT_EQ(desktop_.HelpClosings(), 1);
    EXPECT_EQ(g_Profile.HelpTopic, 3) << "closing leaves the topic for the next look";
    EXPECT_FALSE(Frame().ForgetClosedHelp());
    EXPECT_EQ(g_Profile.HelpTopic, 0);
}

TEST_F(HelpTest, AWindowClosedByHandIsForgottenOnlyWhenLookedAt) {
    Command(ID_HELP_OPERATING);
    EXPECT_TRUE(Frame().ForgetClosedHelp());
    EXPECT_EQ(g_Profile.HelpTopic, 2) << "still open";
    desktop_.PersonClosesHelp();
    EXPECT_EQ(g_Profile.HelpTopic, 2);
    EXPECT_FALSE(Frame().ForgetClosedHelp());
    EXPECT_EQ(g_Profile.HelpTopic, 0);
}

struct ReopenCase {
    const char* name;
    int storedTopic;
    const char* page;  // "" when nothing opens
    const char* anchor;
};

// A failing case names itself, not its bytes.
void PrintTo(const ReopenCase& c, std::ostream* out) { *out << c.name; }

class HelpReopenTest : public FrameFixture, public ::testing::WithParamInterface<ReopenCase> {
protected:
    platform::DesktopRecorder desktop_;
};

TEST_P(HelpReopenTest, ThePageOpenAtTheLastExitOpensAgain) {
    const ReopenCase& c = GetParam();
    WriteProfileInt("Delay", "Switch", 0);
    WriteProfileInt("Help", "Topic", c.storedTopic);
    StartProgram();
    if (std::string(c.page).empty()) {
        EXPECT_TRUE(desktop_.HelpRequests().empty());
        return;
    }
    ASSERT_EQ(desktop_.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.folder, g_Shell.HelpFile);
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.page, c.page);
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.anchor, c.anchor);
    EXPECT_EQ(g_Profile.HelpTopic, c.storedTopic);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, HelpReopenTest,
    ::testing::Values(ReopenCase{"None", 0, "", ""}, ReopenCase{"Glossary", 3, "Lexikon/Glossar.htm", ""},
                      ReopenCase{"Keyboard", 4, "Bedienung/Tastatur.htm", "help"},
                      ReopenCase{"BiddingRule", 7, "Lexikon/RegelnReizen.htm", "7"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Where the help pages are ------------------------------------------------------------------

TEST(HelpFolderTest, BesideTheProgramElseWhereItIsInstalled) {
    testsupport::TempFolder temp;
    const std::string build = temp.Folder() + "build/";
    std::filesystem::create_directories(build + "help/ge");
    EXPECT_EQ(HelpFolder(build, "ge"), build + "help/ge/");
    EXPECT_EQ(HelpFolder(build.substr(0, build.size() - 1), "ge"), build + "help/ge/") << "without the last slash";
    // No English pages beside it: the installed place, even though it does not exist.
    EXPECT_EQ(HelpFolder(build, "en"), temp.Folder() + "share/kartovan/help/en/");
    EXPECT_EQ(HelpFolder("/usr/bin/", "en"), "/usr/share/kartovan/help/en/");
}

TEST_F(HelpTest, StartupFindsTheEditionsPagesBesideTheProgramFolder) {
    app_.reset();
    const std::string inst = temp_.Folder() + "inst/";
    std::filesystem::create_directories(inst + "help/en");
    WriteProfileString("Paths", "Inst", inst);
    StartProgram();
    EXPECT_EQ(Frame().Files().HelpFilePath, inst + "help/en/");
    EXPECT_EQ(g_Shell.HelpFile, inst + "help/en/");
}

// --- The pages ---------------------------------------------------------------------------------

const std::string kSource = KARTOVAN_SOURCE_DIR;

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsLetterOrDigit(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The topics written in `text`: "::/Folder/Page.htm" with its anchor, if any. An empty anchor
// ("...htm#" followed by a number the code appends) names the page alone.
void CollectTopics(const std::string& text, std::set<std::string>& topics) {
    for (std::size_t at = text.find("::/"); at != std::string::npos; at = text.find("::/", at + 3)) {
        std::size_t end = at + 3;
        while (end < text.size() && IsLetter(text[end])) ++end;
        if (end == at + 3 || end >= text.size() || text[end] != '/') continue;
        const std::size_t page = ++end;
        while (end < text.size() && IsLetter(text[end])) ++end;
        if (end == page || text.compare(end, 4, ".htm") != 0) continue;
        end += 4;
        std::size_t anchorEnd = end;
        if (anchorEnd < text.size() && text[anchorEnd] == '#') {
            ++anchorEnd;
            while (anchorEnd < text.size() && IsLetterOrDigit(text[anchorEnd])) ++anchorEnd;
            if (anchorEnd > end + 1) end = anchorEnd;
        }
        topics.insert(text.substr(at + 3, end - at - 3));
    }
}

// Every topic the program's own code opens.
std::set<std::string> TopicsInCode() {
    std::set<std::string> topics;
    for (const char* folder : {"app", "audio", "computer", "dialogs", "flow", "match", "model", "shell", "windows", "resources"}) {
        const std::filesystem::path root = kSource + "/" + folder;
        if (!std::filesystem::exists(root)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".cpp" || extension == ".h") CollectTopics(ReadText(entry.path()), topics);
        }
    }
    return topics;
}

// The ids="..." of a page.
std::vector<std::string> AnchorsIn(const std::string& text) {
    std::vector<std::string> anchors;
    for (std::size_t at = text.find("id=\""); at != std::string::npos; at = text.find("id=\"", at + 4)) {
        const std::size_t end = text.find('"', at + 4);
        if (end == std::string::npos) break;
        anchors.push_back(text.substr(at + 4, end - at - 4));
    }
    return anchors;
}

TEST(HelpPagesTest, TheScanReadsTopicsAsTheCodeWritesThem) {
    std::set<std::string> topics;
    CollectTopics("a \"::/Bedienung/Audio.htm#test\" b \"::/Lexikon/RegelnReizen.htm#\" + n, \"::/X.htm\", ::/A/B.html", topics);
    EXPECT_EQ(topics, (std::set<std::string>{"Bedienung/Audio.htm#test", "Lexikon/RegelnReizen.htm", "A/B.htm"}));
    EXPECT_EQ(AnchorsIn("<h2 id=\"a\">x</h2><li id=\"b2\">"), (std::vector<std::string>{"a", "b2"}));
}

// The pages and anchors the help must have, whatever the code names today.
const char* const kRequiredTopics[] = {
    "Anleitung/Spielanleitung.htm", "Anleitung/Spielbewertung.htm#gameValues",
    "Bedienung/Programmbedienung.htm", "Bedienung/Ansicht.htm#legend", "Bedienung/Ansicht.htm#back",
    "Bedienung/Ansicht.htm#face", "Bedienung/Ansicht.htm#sort", "Bedienung/Ansicht.htm#gameValue",
    "Bedienung/Audio.htm#test", "Bedienung/Einstellungen.htm", "Bedienung/Kartenstatistik.htm",
    "Bedienung/Kartenzuordnung.htm#load", "Bedienung/Konfiguration.htm#back", "Bedienung/Optionen.htm#delay",
    "Bedienung/Optionen.htm#images", "Bedienung/Optionen.htm#name", "Bedienung/Optionen.htm#riskDisposition",
    "Bedienung/Protokoll.htm", "Bedienung/RamschWertung.htm", "Bedienung/Serie.htm#initialization",
    "Bedienung/Serie.htm#logging", "Bedienung/Serie.htm#termination", "Bedienung/Serie.htm#rename",
    "Bedienung/Serienstart.htm#match", "Bedienung/Spiel.htm#swap1", "Bedienung/Spiel.htm#swap2",
    "Bedienung/Spiel.htm#rename", "Bedienung/SpielAnsagen.htm", "Bedienung/Spieldaten.htm",
    "Bedienung/Spielliste.htm", "Bedienung/Spielstatistik.htm", "Bedienung/Spielstatus.htm",
    "Bedienung/Stichabschaetzung.htm", "Bedienung/Tastatur.htm#help", "Lexikon/Glossar.htm",
    "Lexikon/RegelnReizen.htm",
};

// Why a topic is not served by the edition's pages, or "" when it is.
std::string MissingPart(const std::string& edition, const std::string& topic) {
    const std::size_t hash = topic.find('#');
    const std::string page = topic.substr(0, hash);
    const std::filesystem::path path = kSource + "/resources/help/" + edition + "/" + page;
    if (!std::filesystem::is_regular_file(path)) return "no page " + path.string();
    if (hash == std::string::npos) return {};
    const std::string anchor = topic.substr(hash + 1);
    const std::vector<std::string> anchors = AnchorsIn(ReadText(path));
    if (std::find(anchors.begin(), anchors.end(), anchor) == anchors.end()) return "no anchor #" + anchor + " in " + path.string();
    return {};
}

TEST(HelpPagesTest, EveryTopicHasItsPageAndAnchorInBothEditions) {
    std::set<std::string> topics = TopicsInCode();
    ASSERT_TRUE(topics.count("Bedienung/Tastatur.htm#help")) << "the scan found the help menu's topics";
    topics.insert(std::begin(kRequiredTopics), std::end(kRequiredTopics));
    for (const char* edition : {"ge", "en"})
        for (const std::string& topic : topics) EXPECT_EQ(MissingPart(edition, topic), "") << edition << ": " << topic;
}

TEST(HelpPagesTest, BothEditionsHaveTheSamePagesAndAnchors) {
    auto anchorsOf = [](const std::string& edition) {
        std::set<std::string> found;
        const std::filesystem::path root = kSource + "/resources/help/" + edition;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (!entry.is_regular_file()) continue;
            const std::string page = std::filesystem::relative(entry.path(), root).generic_string();
            found.insert(page);
            for (const std::string& anchor : AnchorsIn(ReadText(entry.path()))) found.insert(page + "#" + anchor);
        }
        return found;
    };
    const std::set<std::string> german = anchorsOf("ge");
    const std::set<std::string> english = anchorsOf("en");
    EXPECT_GE(german.size(), std::size(kRequiredTopics));
    // The glossary's entries may be named in each language; every other anchor is shared.
    auto withoutGlossary = [](std::set<std::string> all) {
        for (auto it = all.begin(); it != all.end();)
            it = it->rfind("Lexikon/Glossar.htm#", 0) == 0 ? all.erase(it) : std::next(it);
        return all;
    };
    EXPECT_EQ(withoutGlossary(german), withoutGlossary(english));
}

TEST(HelpPagesTest, PagesAreUtf8HtmlInTheirLanguage) {
    for (const auto& [edition, language] : {std::pair{"ge", "de"}, std::pair{"en", "en"}}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/resources/help/" + edition)) {
            if (!entry.is_regular_file()) continue;
            const std::string text = ReadText(entry.path());
            EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos) << entry.path();
            EXPECT_NE(text.find(std::string("<html lang=\"") + language + "\">"), std::string::npos) << entry.path();
            EXPECT_NE(text.find("</html>"), std::string::npos) << entry.path();
        }
    }
}

}  // namespace
