// The file commands with scripted file dialogs: the storage folders, a dialog that comes again for
// another extension, Cancel, the folder kept per dialog, saving and loading a match and a game.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include "match/GameList.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/Editions.h"
#include "resources/CommandIds.h"

#include <filesystem>

namespace {

class FileCommandsTest : public testsupport::FrameFixture {
protected:
    std::string Work() const { return temp_.Folder() + "data/kartovan/"; }
    void Command(int id) {
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(id), 0);
        host_->PumpUntilIdle();
    }
};

TEST_F(FileCommandsTest, DialogsOpenInTheStorageFoldersAndKeepEachKindsFolder) {
    StartProgram();
    std::string path;
    host_->Answers().PushFileDialogCancel();
    EXPECT_FALSE(Frame().MatchFiles().SelectFile(1, path));
    EXPECT_EQ(path, "");
    ASSERT_EQ(host_->FileDialogRequests().size(), 1u);
    EXPECT_EQ(host_->FileDialogRequests()[0].folder, Work() + "Storage/Games/");
    EXPECT_TRUE(std::filesystem::is_directory(Work() + "Storage/Games/"));
    EXPECT_FALSE(host_->FileDialogRequests()[0].save);
    EXPECT_EQ(host_->FileDialogRequests()[0].title, "Loading game");

    // Another extension brings the dialog again; the chosen folder is kept for this kind only.
    host_->Answers().PushFileDialogAnswer("/tmp/elsewhere/liga.txt");
    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Liga.SKM");
    EXPECT_TRUE(Frame().MatchFiles().SelectFile(5, path));
    EXPECT_EQ(path, temp_.Folder() + "Liga.SKM");
    ASSERT_EQ(host_->FileDialogRequests().size(), 3u);
    EXPECT_TRUE(host_->FileDialogRequests()[1].save);
    EXPECT_EQ(host_->FileDialogRequests()[1].folder, Work() + "Storage/Matches/");
    EXPECT_EQ(host_->FileDialogRequests()[1].title, "Save match");

    host_->Answers().PushFileDialogCancel();
    EXPECT_FALSE(Frame().MatchFiles().SelectFile(5, path));
    EXPECT_EQ(host_->FileDialogRequests().back().folder, temp_.Folder());
    host_->Answers().PushFileDialogCancel();
    EXPECT_FALSE(Frame().MatchFiles().SelectFile(4, path));
    EXPECT_EQ(host_->FileDialogRequests().back().folder, Work() + "Storage/Matches/");
}

TEST_F(FileCommandsTest, SavingAndLoadingAMatchAndAGame) {
    StartProgram();
    // Save the match under a name of the person's: the list and its stored deals.
    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Liga.skm");
    Command(ID_SAVE_STORE);
    EXPECT_TRUE(platform::FileExists(temp_.Folder() + "Liga.skm"));
    EXPECT_TRUE(platform::FileExists(temp_.Folder() + "Liga.sks"));
    EXPECT_EQ(GetWindowText(Frame().Handle()), "Kartovan+  5.8 (Liga.skm)");

    // Load it back: the current match in the work folder takes it.
    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Liga.skm");
    Command(ID_LOAD_MATCH);
    EXPECT_EQ(host_->Answers().PendingFileDialogAnswers(), 0u);
    EXPECT_TRUE(platform::FileExists(Work() + "cards~.skm"));

    // A game that is refused leaves everything as it was; Cancel changes nothing.
    const std::vector<int> dealt = Frame().GameObject().Player(0)->dealt;
    host_->Answers().PushFileDialogCancel();
    Command(ID_LOAD);
    EXPECT_EQ(Frame().GameObject().Player(0)->dealt, dealt);
}

// A loaded match is played on in the work folder's copy, which every start reads: the match keeps
// the name it was loaded under, in the title and the score sheet, after the load's own start-up
// step and after the program's next start.
TEST_F(FileCommandsTest, ALoadedMatchKeepsItsNameThroughARestart) {
    StartProgram();
    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Liga.skm");
    Command(ID_SAVE_STORE);
    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Pokal.skm");
    Command(ID_SAVE_STORE);
    ASSERT_EQ(g_Profile.SkmName, "Pokal.skm");

    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Liga.skm");
    Command(ID_LOAD_MATCH);
    ASSERT_EQ(host_->Answers().PendingFileDialogAnswers(), 0u);
    const auto expectLiga = [this](const char* when) {
        EXPECT_EQ(g_Profile.SkmName, "Liga.skm") << when;
        EXPECT_EQ(g_Profile.SkmFile, temp_.Folder() + "Liga.skm") << when;
        EXPECT_EQ(g_Profile.SksName, "Liga.sks") << when;
        EXPECT_EQ(Frame().MatchFiles().UserFileName(), "Liga") << when;
        EXPECT_EQ(GetWindowText(Frame().Handle()), "Kartovan+  5.8 (Liga.skm)") << when;
    };
    expectLiga("after the load");

    // The person closes the program; the next run starts with the settings it wrote.
    Frame().SendMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    ASSERT_FALSE(Frame().IsAlive());
    app_.reset();
    g_Profile.Reset();
    StartProgram();
    expectLiga("after a restart");
}

TEST_F(FileCommandsTest, DeletingAMatchTakesItsStoredDealsOnlyWhenTheListGoes) {
    StartProgram();
    ASSERT_TRUE(platform::WriteFileAtomic(temp_.Folder() + "Old.skm", std::string(400, 'x')));
    ASSERT_TRUE(platform::WriteFileAtomic(temp_.Folder() + "Old.sks", std::string(80, 'y')));
    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Old.skm");
    host_->Answers().PushMessageBoxAnswer(IDNO);
    Command(ID_DELETE_MATCH);
    EXPECT_TRUE(platform::FileExists(temp_.Folder() + "Old.skm"));
    EXPECT_TRUE(platform::FileExists(temp_.Folder() + "Old.sks"));
    host_->Answers().PushFileDialogAnswer(temp_.Folder() + "Old.skm");
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Command(ID_DELETE_MATCH);
    EXPECT_FALSE(platform::FileExists(temp_.Folder() + "Old.skm"));
    EXPECT_FALSE(platform::FileExists(temp_.Folder() + "Old.sks"));
}

TEST_F(FileCommandsTest, ANewNameIsOneFilesNameInTheSameFolder) {
    StartProgram();
    ASSERT_TRUE(platform::WriteFileAtomic(temp_.Folder() + "Taken.skt", std::string("x")));
    const struct {
        int kind;
        const char* name;
        bool refused;
        const char* result;
    } cases[] = {
        {2, "Grand", false, "Grand.skt"},
        {1, "Liga", false, "Liga.skm"},
        {2, "", true, nullptr},
        {2, " Leer", true, nullptr},
        {2, "../oben", true, nullptr},
        {2, "a\\b", true, nullptr},
        {2, "..", true, nullptr},
        {2, ".", true, nullptr},
        {2, "Zeile\nzwei", true, nullptr},
        {2, "Taken", true, nullptr},
        {2, "Spiel", false, "Spiel.skt"},  // its own name again
    };
    for (const auto& c : cases) {
        std::string path = temp_.Folder() + (c.kind == 1 ? "Spiel.skm" : "Spiel.skt");
        const std::string before = path;
        EXPECT_EQ(Frame().MatchFiles().CheckFileExtension(c.kind, path, c.name), c.refused) << c.name;
        EXPECT_EQ(path, c.refused ? before : temp_.Folder() + c.result) << c.name;
    }
    std::string noTitle = temp_.Folder();
    EXPECT_TRUE(Frame().MatchFiles().CheckFileExtension(2, noTitle, "Grand"));
    std::string game = temp_.Folder() + "Spiel.skt";
    ASSERT_FALSE(Frame().MatchFiles().CheckFileExtension(2, game, "Grand"));
    EXPECT_EQ(g_Profile.SktName, "Grand.skt");  // the game kind names the game
}

// The delete commands' dialogs pick the file to delete, and their button says so in each edition;
// the open and save dialogs keep the host's own button.
struct AcceptLabelCase {
    const char* name;
    bool german;
    int command;
    const char* label;
};

const AcceptLabelCase kAcceptLabelCases[] = {
    {"DeleteGame", false, ID_DELETE_GAME, "&Delete"},
    {"DeleteMatch", false, ID_DELETE_MATCH, "&Delete"},
    {"SpielLoeschen", true, ID_DELETE_GAME, "&Löschen"},
    {"SerieLoeschen", true, ID_DELETE_MATCH, "&Löschen"},
    {"LoadGame", false, ID_LOAD, ""},
    {"LoadMatch", true, ID_LOAD_MATCH, ""},
    {"SaveMatch", false, ID_SAVE_STORE, ""},
};

class AcceptLabelTest : public FileCommandsTest, public ::testing::WithParamInterface<AcceptLabelCase> {};

TEST_P(AcceptLabelTest, TheButtonSaysWhatTheDialogDoes) {
    const AcceptLabelCase& c = GetParam();
    if (c.german) UseEdition(GermanResources());
    StartProgram();
    host_->Answers().PushFileDialogCancel();
    Command(c.command);
    ASSERT_EQ(host_->FileDialogRequests().size(), 1u);
    EXPECT_EQ(host_->FileDialogRequests()[0].acceptLabel, c.label);
}

INSTANTIATE_TEST_SUITE_P(Cases, AcceptLabelTest, ::testing::ValuesIn(kAcceptLabelCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
