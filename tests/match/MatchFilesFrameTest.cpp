// The match files through the running program: what one run leaves, the next one finds; damaged
// files are moved aside; the title names the person's own files.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTexts.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "FileFixtures.h"
#include "match/GameList.h"
#include "match/ListSettingsTable.h"
#include "match/MatchEnd.h"
#include "match/Statistics.h"
#include "match/StoreRows.h"
#include "match/StoredDealFile.h"
#include "match/GameFile.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"

#include <algorithm>
#include <filesystem>

namespace {

using fixtures::ByteImage;

class MatchFilesFrameTest : public testsupport::FrameFixture {
protected:
    std::string Work() const { return temp_.Folder() + "data/kartovan/"; }
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::filesystem::create_directories(Work());
        ASSERT_TRUE(platform::WriteFileAtomic(Work() + name, bytes));
    }
    std::vector<std::uint8_t> Read(const std::string& name) const { return platform::ReadWholeFile(Work() + name).bytes; }
    void EndProgram() {
        app_.reset();
    }
};

constexpr int kDeal[32] = {1,  7,  8,  9,  10, 11, 12, 13, 40, 46, 14, 20, 21, 22, 23, 24,
                           25, 26, 47, 48, 27, 33, 34, 35, 36, 37, 38, 39, 49, 50, 51, 52};

ByteImage ThreeGameList() {
    ByteImage image = fixtures::ListHeader();
    fixtures::PutListRow(image, 0, {1, -1, -1}, 48, "Kr", 1);
    fixtures::PutListRow(image, 1, {-1, 1, -1}, -96, "Gr", 2);
    fixtures::PutListRow(image, 2, {5, -1, -1}, -15, "Ra", 0);
    fixtures::AppendListTrailer(image);
    return image;
}

ByteImage ThreeDeals() {
    ByteImage image;
    image.PutText(0, "Kartenzuordnung\nCards Assignment");
    for (int deal = 0; deal < 3; ++deal) {
        const std::size_t at = 40 + 160 * static_cast<std::size_t>(deal);
        image.Put32(at + 20, 1700000000 + deal).Put32(at + 24, 1).Put32(at + 28, deal + 1);
        for (int word = 8; word < 40; ++word) image.Put32(at + 4 * word, kDeal[(word + deal) % 32]);
    }
    return image;
}

TEST_F(MatchFilesFrameTest, ARestartFindsTheListTheGameTheStoredDealsAndTheStatistics) {
    const ByteImage list = ThreeGameList();
    const ByteImage deals = ThreeDeals();
    ByteImage game;
    for (int i = 0; i < 32; ++i) game.Put32(4 * static_cast<std::size_t>(i), kDeal[i]);
    game.Append("Notiz");
    ByteImage statistics(4200);
    statistics.Put32(8 + 4 * 7, 12).Put32(2664 + 4 * 33, 5).Put32(56 + 144 * 6 + 4, -40);
    Write("cards~.skm", list.Bytes());
    Write("cards~.sks", deals.Bytes());
    Write("cards~.skt", game.Bytes());
    Write("statistics2", statistics.Bytes());

    StartProgram();
    EXPECT_EQ(g_Game.GameCount, 3);
    EXPECT_EQ(g_Game.StoreCount, 3);
    EXPECT_EQ(g_Profile.Names[0], "Jürgen");
    EXPECT_EQ(g_Game.Forehand, (1 + 3) % 3);  // the match began with seat 1, three games later
    EXPECT_EQ(Frame().GameObject().Player(1)->dealt[0], kDeal[10]);
    EXPECT_EQ(Frame().Texts().AnnotationText, "Notiz");
    ASSERT_TRUE(g_pStatistics);
    EXPECT_EQ(g_pStatistics->Count(3, 1), 12);
    EXPECT_EQ(g_pStatistics->Counter(STAT_SCORE, 0, 0, 1), -40);
    EXPECT_EQ(GetWindowText(Frame().Handle()), "Kartovan+  5.8");

    EndProgram();
    // The games and the stored deals are written back as they were read; the statistics too.
    const std::vector<std::uint8_t> listAfter = Read("cards~.skm");
    ASSERT_GE(listAfter.size(), 352u + 3 * 44);
    EXPECT_TRUE(std::equal(list.Bytes().begin() + 352, list.Bytes().begin() + 352 + 3 * 44, listAfter.begin() + 352));
    EXPECT_EQ(Read("cards~.sks"), deals.Bytes());
    EXPECT_EQ(Read("statistics2"), statistics.Bytes());
}

TEST_F(MatchFilesFrameTest, TheListsOfAnAbandonedGameWinAndGoAtACleanExit) {
    ByteImage kept = fixtures::ListHeader();
    fixtures::PutListRow(kept, 0, {1, -1, -1}, 20, "Kr", 0);
    fixtures::PutListRow(kept, 1, {-1, 1, -1}, 24, "Pi", 1);
    fixtures::PutListRow(kept, 2, {-1, -1, 1}, -40, "Gr", 2);
    Write("cards~.skm", fixtures::ListHeader().Bytes());
    Write("temp~.skm", kept.Bytes());
    Write("temp~.sks", ThreeDeals().Bytes());
    StartProgram();
    EXPECT_EQ(g_Game.GameCount, 3);
    EXPECT_EQ(g_Game.StoreCount, 3);
    EndProgram();
    EXPECT_FALSE(platform::FileExists(Work() + "temp~.skm"));
    EXPECT_FALSE(platform::FileExists(Work() + "temp~.sks"));
    EXPECT_EQ(Read("cards~.sks"), ThreeDeals().Bytes());
}

TEST_F(MatchFilesFrameTest, DamagedFilesAreMovedAsideWithOneMessageAndNothingElseIsLost) {
    const std::vector<std::uint8_t> shortList(100, 0x41);
    ByteImage badGame;
    for (int i = 0; i < 32; ++i) badGame.Put32(4 * static_cast<std::size_t>(i), kDeal[i]);
    badGame.Put32(4, 1);  // the Ace of Clubs twice
    Write("cards~.skm", shortList);
    Write("cards~.sks", ThreeDeals().Bytes());
    Write("cards~.skt", badGame.Bytes());
    host_->Answers().PushMessageBoxAnswer(IDOK);  // the match list is named
    host_->Answers().PushMessageBoxAnswer(IDOK);  // so is the game whose cards are no deal
    StartProgram();
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(g_Game.GameCount, 0);
    EXPECT_EQ(g_Game.StoreCount, 3);  // the stored deals are not touched by a bad list
    EXPECT_EQ(platform::ReadWholeFile(Work() + "cards~.skm.bad").bytes, shortList);
    EXPECT_EQ(platform::ReadWholeFile(Work() + "cards~.skt.bad").bytes, badGame.Bytes());
    EndProgram();
    // A fresh list took the place of the damaged one, which stays aside.
    EXPECT_GE(Read("cards~.skm").size(), 352u + 372u);
    EXPECT_EQ(platform::ReadWholeFile(Work() + "cards~.skm.bad").bytes, shortList);
}

TEST_F(MatchFilesFrameTest, StoredDealsPastTheListGoAtTheStartUnlessTheListIsDamaged) {
    ByteImage oneGame = fixtures::ListHeader();
    fixtures::PutListRow(oneGame, 0, {1, -1, -1}, 48, "Kr", 1);
    fixtures::AppendListTrailer(oneGame);
    const struct {
        const char* name;
        std::optional<std::vector<std::uint8_t>> list;  // none: no list file at all
        bool named;                                     // the list is named as damaged
        int games;
        int deals;  // kept at the start and written back at the exit
    } cases[] = {
        // A new match's first game end cut short after its deal: no game, so no deal either.
        {"no list", std::nullopt, false, 0, 0},
        {"a list of one game", oneGame.Bytes(), false, 1, 1},
        // The games of these deals are in the damaged list moved aside: they stay.
        {"a damaged list", std::vector<std::uint8_t>(100, 0x41), true, 0, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Work());
        if (c.list) Write("cards~.skm", *c.list);
        Write("cards~.sks", ThreeDeals().Bytes());
        if (c.named) host_->Answers().PushMessageBoxAnswer(IDOK);
        StartProgram();
        EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
        EXPECT_EQ(g_Game.GameCount, c.games);
        EXPECT_EQ(g_Game.StoreCount, c.deals);
        EndProgram();
        const std::optional<CStoreRows> written = DecodeStoredDeals(Read("cards~.sks"));
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(StoreRecords(*written), c.deals);
        host_.reset();
        ResetGlobals();
        host_ = std::make_unique<platform::HeadlessHost>();
    }
}

// The note panel open at the last exit opens again at the start; its close at the exit keeps the
// note with the current game. With no game (a first start, or the game file damaged and moved
// aside) there is nothing to keep: no game file of 32 empty cards that the next start names and
// moves aside, pushing out an older damaged copy.
TEST_F(MatchFilesFrameTest, AnExitBeforeAnyDealWritesNoGameFileTheNextStartRefuses) {
    ByteImage badGame;
    for (int i = 0; i < 32; ++i) badGame.Put32(4 * static_cast<std::size_t>(i), kDeal[i]);
    badGame.Put32(4, 1);  // the Ace of Clubs twice
    const struct {
        const char* name;
        bool damagedGame;
    } cases[] = {{"a first start", false}, {"a damaged game file", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(Work());
        if (c.damagedGame) {
            Write("cards~.skt", badGame.Bytes());
            host_->Answers().PushMessageBoxAnswer(IDOK);
        }
        WriteProfileInt("View", "ListAnnotation", 1);
        StartProgram();
        EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
        ASSERT_TRUE(Frame().FramePanels().PanelWindow(CM_CLOSE_ANNOTATION));
        Frame().SendMessage(WM_CLOSE);
        host_->PumpUntilIdle();
        ASSERT_FALSE(Frame().IsAlive());
        app_.reset();
        EXPECT_FALSE(std::filesystem::exists(Work() + "cards~.skt"));
        // The next start says nothing (an unanswered message would stall it) and keeps one copy.
        g_Profile.Reset();
        StartProgram();
        EXPECT_EQ(platform::ReadWholeFile(Work() + "cards~.skt.bad").bytes,
                  c.damagedGame ? badGame.Bytes() : std::vector<std::uint8_t>());
        EXPECT_FALSE(std::filesystem::exists(Work() + "cards~.skt.bad.1"));
        app_.reset();
        host_.reset();
        ResetGlobals();
        host_ = std::make_unique<platform::HeadlessHost>();
    }
}

// The person's own save with no deal on the table: nothing written and that said, the title
// unchanged.
TEST_F(MatchFilesFrameTest, AGameWithoutADealIsNotSavedUnderTheNameTheDialogGave) {
    StartProgram();
    const std::string before = GetWindowText(Frame().Handle());
    host_->Answers().PushFileDialogAnswer(Work() + "Empty.skt");
    host_->Answers().PushMessageBoxAnswer(IDOK);
    Frame().SendMessage(WM_COMMAND, ID_SAVE_GAME, 0);
    host_->PumpUntilIdle();
    ASSERT_EQ(host_->Answers().PendingFileDialogAnswers(), 0u);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_FALSE(std::filesystem::exists(Work() + "Empty.skt"));
    EXPECT_FALSE(std::filesystem::exists(Work() + "cards~.skt"));
    EXPECT_EQ(GetWindowText(Frame().Handle()), before);
}

TEST_F(MatchFilesFrameTest, UnreadableStatisticsAreNamedAndNeverOverwritten) {
    // A folder where the file should be: it cannot be read as statistics.
    std::filesystem::create_directories(Work() + "statistics2");
    std::filesystem::create_directories(Work() + "statistics2/keep");
    host_->Answers().PushMessageBoxAnswer(IDOK);
    StartProgram();
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EndProgram();
    EXPECT_TRUE(std::filesystem::is_directory(Work() + "statistics2.bad/keep"));
    EXPECT_EQ(Read("statistics2").size(), 4200u);
}

TEST_F(MatchFilesFrameTest, ExitWritesStatisticsOfAFreshInstallation) {
    StartProgram();
    EndProgram();
    const std::vector<std::uint8_t> written = Read("statistics2");
    EXPECT_EQ(written, std::vector<std::uint8_t>(4200, 0));
}

TEST_F(MatchFilesFrameTest, TitleNamesThePersonsOwnFiles) {
    StartProgram();
    const struct {
        const char* path;
        int kind;
        const char* title;
    } cases[] = {
        {"/m/Liga.skm", 1, "Kartovan+  5.8 (Liga.skm)"},
        {"/g/Grand.skt", 2, "Kartovan+  5.8 (Liga.skm : Grand.skt)"},
        {"/w/CARDS~.SKT", 3, "Kartovan+  5.8 (Liga.skm)"},
        {"/w/temp~.skm", 1, "Kartovan+  5.8"},
        {"/g/Null.skt", 3, "Kartovan+  5.8 (Null.skt)"},
        {"/x/other.txt", 0, "Kartovan+  5.8 (Null.skt)"},
    };
    for (const auto& c : cases) {
        Frame().SetTitle(c.path, c.kind);
        EXPECT_EQ(GetWindowText(Frame().Handle()), c.title) << c.path;
    }
    EXPECT_EQ(g_Profile.SktFile, "/g/Grand.skt");  // kind 3 keeps the file, names the game only
    Frame().SetTitle("/m/Liga.skm", 1);
    EXPECT_EQ(Frame().MatchFiles().UserFileName(), "Liga");
    EXPECT_EQ(Frame().MatchFiles().TempFileName(1), "Liga.skm");
    EXPECT_EQ(Frame().MatchFiles().TempFileName(2), "Liga.sks");
    EXPECT_EQ(Frame().MatchFiles().TempFileName(0), "Null.skt");
    Frame().SetTitle("/w/cards~.skm", 1);
    EXPECT_EQ(Frame().MatchFiles().UserFileName(), "");
}

TEST_F(MatchFilesFrameTest, AGameFileThatIsRefusedLeavesTheGameAsItWas) {
    StartProgram();
    ByteImage good;
    for (int i = 0; i < 32; ++i) good.Put32(4 * static_cast<std::size_t>(i), kDeal[i]);
    Write("chosen.skt", good.Bytes());
    ASSERT_TRUE(Frame().MatchFiles().ReadCards(Work() + "chosen.skt", 2));
    const std::vector<int> before = Frame().GameObject().Player(0)->dealt;
    ByteImage cut = good;
    cut.Put32(256, 1001).Resize(400);  // a course that promises more than the file holds
    Write("cut.skt", cut.Bytes());
    host_->Answers().PushMessageBoxAnswer(IDOK);
    EXPECT_FALSE(Frame().MatchFiles().ReadCards(Work() + "cut.skt", 2));
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(Frame().GameObject().Player(0)->dealt, before);
    EXPECT_EQ(g_Profile.SktName, "chosen.skt");
}

TEST_F(MatchFilesFrameTest, AFinishedGameComesBackWithItsCourse) {
    StartProgram();
    // A game written with its course reads back with the same course and result.
    ByteImage image;
    for (int i = 0; i < 32; ++i) image.Put32(4 * static_cast<std::size_t>(i), kDeal[i]);
    for (int seat = 0; seat < 3; ++seat)
        for (int i = 0; i < 10; ++i) image.Put32(128 + 40 * static_cast<std::size_t>(seat) + 4 * static_cast<std::size_t>(i), kDeal[10 * seat + i]);
    image.Put32(248, 51).Put32(252, 52).Put32(256, 1001).Put32(260, 1).Put32(264, -60).Put32(268, 0);
    image.Put32(272, 50).Put32(276, 70).Put32(280, 3).Put32(284, 2).Put32(288, 10).Put32(292, 10).Put32(296, 10);
    image.Put32(300, 10).Put32(328, 3).Put32(332, 7).Put32(340, 2).Put32(344, 0).Put32(348, 1).Resize(528);
    Write("finished.skt", image.Bytes());
    ASSERT_TRUE(Frame().MatchFiles().ReadCards(Work() + "finished.skt", 2));
    EXPECT_EQ(g_Game.GameType, 1);
    EXPECT_EQ(Frame().Series().GameScoreValue, -60);
    EXPECT_EQ(g_Game.KontraState, 2);
    EXPECT_EQ(g_Game.Soloist, 1);
    EXPECT_EQ(Frame().GameObject().CourseRow(2).count, 10);
    EXPECT_EQ(g_Game.GameEndFlags, 8);
    g_Game.FlowState = STATE_IDLE;
    Frame().MatchFiles().SaveFile(Work() + "again.skt", 2);
    const GameFileDecoded again = DecodeGameFile(Read("again.skt"));
    ASSERT_TRUE(again.Record);
    ASSERT_TRUE(again.Record->Course);
    EXPECT_EQ(again.Record->CourseAt(course::ScoreOrLoser), -60);
    EXPECT_EQ(again.Record->CourseAt(course::Soloist), 1);
    EXPECT_EQ(again.Record->CourseAt(course::Kontra), 2);
}

TEST_F(MatchFilesFrameTest, TheHeadersRulesWithAndWithoutThePackedMark) {
    StartProgram();
    const struct {
        int packed, legacyPassOn;
        int ramsch, passOn, grandHand;
    } cases[] = {
        {0x10000000 + 16, 1, 0, 1, 0},  // the mark: the word 272 does not count
        {0x10000000 + 1 + 256, 0, 1, 0, 1},
        {1, 1, 1, 1, 1},                // an older list: Ramsch plain, pass-on beside it
        {0, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        g_Settings.Variants.GrandHand = 1;
        g_GameList.Header.SetInt(268, c.packed);
        g_GameList.Header.SetInt(272, c.legacyPassOn);
        Frame().MatchFiles().RestoreMatch(true);
        EXPECT_EQ(g_Settings.Variants.Ramsch, c.ramsch) << c.packed;
        EXPECT_EQ(g_Settings.Variants.PassOn, c.passOn) << c.packed;
        EXPECT_EQ(g_Settings.Variants.GrandHand, c.grandHand) << c.packed;
    }
}

TEST(MatchEnd, ByModeAndTheFirstSeatWithoutCredit) {
    const int bierlachs[3] = {12, -3, 40};
    const int spent[3] = {-1, -3, 40};
    const int zero[3] = {0, 5, 5};
    const struct {
        int mode, games, maxRounds, countDown;
        const int* balances;
        int message, seat;
    } cases[] = {
        {2, 5, 12, 60, bierlachs, IDS_END_BIERLACHS, 1},
        {2, 5, 12, 60, spent, IDS_END_BIERLACHS, 0},
        {2, 5, 12, 60, zero, 0, 3},  // a balance of 0 is not used up
        {0, 36, 12, 60, zero, IDS_END_ROUNDS_PLAYED, 3},
        {0, 35, 12, 60, zero, 0, 3},
        {1, 0, 12, 0, zero, IDS_END_TIME_EXPIRED, 3},
        {1, 0, 12, 1, zero, 0, 3},
        {3, 999, 1, -5, spent, 0, 3},
    };
    for (const auto& c : cases) {
        const MatchEnd end = MatchEndOfList(c.mode, c.games, c.maxRounds, c.countDown, c.balances);
        EXPECT_EQ(end.Message, c.message) << c.mode << "/" << c.games;
        EXPECT_EQ(end.Seat, c.seat) << c.mode << "/" << c.games;
    }
}

}  // namespace

namespace {

// A match kept under the person's own name (Match > Save): the score sheet's and the cards
// assignment's titles name it; the program's own list names nothing.
TEST_F(MatchFilesFrameTest, TheListWindowsTitlesNameThePersonsMatchFile) {
    StartProgram();
    auto titles = [this] {
        std::vector<std::string> texts;
        for (int toggle : {ID_LIST_SCORE, ID_LIST_STORE}) {
            Frame().SendMessage(WM_COMMAND, toggle);
            host_->PumpUntilIdle();
            const HWND window = Frame().FramePanels().SideWindow(toggle);
            EXPECT_NE(window, nullptr);
            if (const platform::RecordingDC* surface = host_->Surface(window))
                for (const platform::DrawRecord& record : surface->RecordsOfKind(platform::DrawKind::Text))
                    texts.push_back(record.text);
            Frame().SendMessage(WM_COMMAND, toggle);  // closed again
            host_->PumpUntilIdle();
        }
        return texts;
    };
    auto has = [](const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    const std::vector<std::string> before = titles();
    EXPECT_TRUE(has(before, "Score Sheet"));
    EXPECT_TRUE(has(before, "Cards Assignment"));
    // Match > Save under the person's name.
    std::filesystem::create_directories(Work());
    host_->Answers().PushFileDialogAnswer(Work() + "Liga.skm");
    Frame().SendMessage(WM_COMMAND, ID_SAVE_STORE);
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Profile.SkmName, "Liga.skm");
    const std::vector<std::string> after = titles();
    EXPECT_TRUE(has(after, "Score Sheet (Liga)"));
    EXPECT_TRUE(has(after, "Cards Assignment (Liga)"));
}

}  // namespace
