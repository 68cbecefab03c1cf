// The score sheet: its window (sizes, bars after a resize and after a refresh, the window menu's
// options, the help toggle, the wheel remainder kept across a reopening) and its drawing on the
// recording surface (decoded lines, numbering, running values, settlement, tints).
#include "windows/Score.h"
#include "flow/MatchSeries.h"
#include "flow/FramePanels.h"

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "match/GameList.h"
#include "match/ListTotals.h"
#include "match/WindowSections.h"
#include "platform/core/SystemMenu.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "windows/PastelBrushes.h"
#include "windows/SideWindowGlobals.h"

#include <string>
#include <vector>

namespace {

using testsupport::FrameFixture;

struct Game {
    int soloist, score;
    const char* text;
    int forehand = 0;
};

class ScoreSheetTest : public FrameFixture {
protected:
    void SetUp() override {
        StartProgram();
        g_Game.GameCount = 0;
        g_GameList.Games.clear();
        g_GameList.Header.SetText(LIST_TITLE, 56, "Spielliste\nScoresheet");
    }
    void TearDown() override {
        if (score_ && IsWindow(scoreHandle_)) {
            g_Settings.View.ListScore = 0;
            SendMessage(scoreHandle_, WM_CLOSE);
        }
    }

    static void Book(const std::vector<Game>& games) {
        for (const Game& game : games) {
            g_Game.GameType = std::string(game.text).rfind("Ra", 0) == 0 ? 7 : 0;
            g_Game.Soloist = game.soloist;
            g_Game.Leader = game.forehand;
            g_Game.GameCount += 1;
            AddGameToList(game.score, game.text, 3);
        }
    }

    // Opens the sheet as the toggle does: flag set, rectangle, shown.
    CScore& Open(const platform::Rect& rect = {418, 316, 1058, 614}) {
        g_Settings.View.ListScore = 1;
        score_ = new CScore();
        EXPECT_TRUE(score_->CreateSideWindow(Frame().Handle(), rect, "Kartovan+", true));
        scoreHandle_ = score_->Handle();
        return *score_;
    }
    void CloseByToggle() {
        g_Settings.View.ListScore = 0;
        SendMessage(scoreHandle_, WM_CLOSE);
        EXPECT_FALSE(IsWindow(scoreHandle_));
        score_ = nullptr;
    }

    // Draws a hidden sheet into a recording surface and answers the texts.
    static std::vector<platform::DrawRecord> Draw(bool highlight = false, bool forehand = false) {
        CScore sheet;
        sheet.Highlight = highlight;
        sheet.ShowForehand = forehand;
        platform::RecordingDC dc(platform::Size{1400, 2400});
        sheet.DrawList(dc, 0, 0);
        return dc.Records();
    }
    static std::vector<std::string> Texts(const std::vector<platform::DrawRecord>& records) {
        std::vector<std::string> texts;
        for (const auto& r : records)
            if (r.kind == platform::DrawKind::Text) texts.push_back(r.text);
        return texts;
    }
    // The texts drawn on the game line whose top is `top` (16 pixels high), left to right.
    static std::vector<std::string> LineTexts(const std::vector<platform::DrawRecord>& records, int index) {
        const int top = 5 + 72 + 121 + 16 * index;
        std::vector<std::pair<int, std::string>> found;
        for (const auto& r : records)
            if (r.kind == platform::DrawKind::Text && r.bounds.top >= top && r.bounds.bottom <= top + 16 && !r.text.empty())
                found.emplace_back(r.bounds.left, r.text);
        std::sort(found.begin(), found.end());
        std::vector<std::string> texts;
        for (auto& f : found) texts.push_back(f.second);
        return texts;
    }

    CScore* score_ = nullptr;
    HWND scoreHandle_ = nullptr;
};

TEST_F(ScoreSheetTest, SheetAndSwitchHeights) {
    EXPECT_EQ(CScore::SheetHeightFor(0, 0), 229);
    EXPECT_EQ(CScore::SheetHeightFor(0, 2), 261);
    EXPECT_EQ(CScore::SheetHeightFor(50, 1), 64 * 16 + 5);
    EXPECT_EQ(CScore::CompactHeight(0), 272);
    EXPECT_EQ(CScore::CompactHeight(50), 848);
    EXPECT_EQ(CScore::CompactHeight(50), CScore::kFullHeight);
}

TEST_F(ScoreSheetTest, SizeSwitchGoesFullFirstThenCompactWithBarsAtZero) {
    Book({{0, 24, "Gd24"}, {1, -48, "Gr24"}});
    CScore& sheet = Open({100, 100, 740, 300});
    ASSERT_TRUE(sheet.VScrollShown());
    SendMessage(scoreHandle_, WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(sheet.WindowRect(), (platform::Rect{100, 100, 748, 948}));
    EXPECT_EQ(sheet.VerticalBar().position, 0);
    EXPECT_EQ(sheet.HorizontalBar().position, 0);
    EXPECT_FALSE(sheet.VScrollShown());
    SendMessage(scoreHandle_, platform::WM_SYSCOMMAND, ID_SCORE_OPTIMIZE, 0);
    EXPECT_EQ(sheet.WindowRect(), (platform::Rect{100, 100, 748, 100 + 2 * 16 + 272}));
}

TEST_F(ScoreSheetTest, NarrowClientShowsTheBarAfterAResizeNotAfterARefresh) {
    CScore& sheet = Open({0, 0, 607, 900});
    EXPECT_TRUE(sheet.HScrollShown());  // 607 < 610
    sheet.UpdateScrollRange(true);
    EXPECT_FALSE(sheet.HScrollShown());  // 607 >= 605: the drawn sheet ends at 605
}

TEST_F(ScoreSheetTest, AnAppendScrollsToTheNewLine) {
    Book(std::vector<Game>(20, {0, 24, "Gd24"}));
    CScore& sheet = Open({0, 0, 640, 300});
    const int before = sheet.VerticalBar().high;
    Book({{1, -24, "Gd24"}});
    sheet.UpdateScrollRange(true);
    EXPECT_EQ(sheet.VerticalBar().high, before + 16);
    EXPECT_EQ(sheet.VerticalBar().position, sheet.VerticalBar().high);
    EXPECT_EQ(sheet.VerticalOffset(), sheet.VerticalBar().high);
}

TEST_F(ScoreSheetTest, HighlightIsKeptForehandComesBackFromTheProfile) {
    CScore& sheet = Open();
    EXPECT_FALSE(sheet.Highlight);
    EXPECT_TRUE(sheet.ShowForehand);
    SendMessage(scoreHandle_, platform::WM_SYSCOMMAND, ID_SCORE_HIGHLIGHT, 0);
    SendMessage(scoreHandle_, platform::WM_SYSCOMMAND, ID_SCORE_FOREHAND, 0);
    EXPECT_TRUE(sheet.Highlight);
    EXPECT_FALSE(sheet.ShowForehand);
    CloseByToggle();
    EXPECT_EQ(ReadWindowFlag("RectScore", "Highlight"), 1);
    CScore& again = Open();
    EXPECT_TRUE(again.Highlight);
    EXPECT_TRUE(again.ShowForehand);
}

TEST_F(ScoreSheetTest, WindowMenuHasTheThreeItemsWhereTheyAreCounted) {
    Open();
    platform::Menu* menu = platform::GetSystemMenu(scoreHandle_);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items().size(), 10u);
    EXPECT_EQ(menu->Items()[1].id, ID_SCORE_HIGHLIGHT);
    EXPECT_EQ(menu->Items()[2].id, ID_SCORE_FOREHAND);
    EXPECT_EQ(menu->Items()[7].id, ID_SCORE_OPTIMIZE);
    EXPECT_EQ(menu->Items()[7].text, "Optimize");
    EXPECT_EQ(menu->Items()[0].id, platform::SC_RESTORE);
    // Choosing Highlight in the menu reaches the window.
    EXPECT_TRUE(platform::ChooseSystemMenuItem(scoreHandle_, 1));
    EXPECT_TRUE(score_->Highlight);
}

TEST_F(ScoreSheetTest, LeftClicksAlternateTheHelp) {
    CScore& sheet = Open();
    const bool states[] = {true, false, true};
    for (bool expected : states) {
        SendMessage(scoreHandle_, WM_LBUTTONDOWN, 0, 0);
        EXPECT_EQ(sheet.HelpShown(), expected);
    }
}

TEST_F(ScoreSheetTest, WheelRestSurvivesAReopening) {
    Open();
    SendMessage(scoreHandle_, WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
    EXPECT_EQ(score_->WheelRest(), 60);
    CloseByToggle();
    CScore& again = Open();
    EXPECT_EQ(again.WheelRest(), 60);
    SendMessage(scoreHandle_, WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
    EXPECT_EQ(again.WheelRest(), 0);
}

TEST_F(ScoreSheetTest, DecodedLinesAndNumbering) {
    g_GameList.Header.SetInt(LIST_COUNTING, 0);
    g_Game.VariantMode = 1;
    Book({{0, 24, "+2HdSnGd24"}, {1, -30, "RaSbSbJf"}, {2, 0, "KoRe"}, {0, 10, "BoRa"}, {1, 5, ":note"},
          {3, 0, ""}, {0, 18, "12345678901234567890123"}});
    const auto records = Draw();
    EXPECT_EQ(LineTexts(records, 0), (std::vector<std::string>{"1.1", "24", " 2", "x", "x", "24", "24", "0", "0"}));
    const std::vector<std::string> ramsch = LineTexts(records, 1);
    EXPECT_EQ(ramsch[0], "1.2");
    EXPECT_NE(std::find(ramsch.begin(), ramsch.end(), "2Sb"), ramsch.end());
    EXPECT_NE(std::find(ramsch.begin(), ramsch.end(), "Jf"), ramsch.end());
    const std::vector<std::string> passed = LineTexts(records, 5);
    EXPECT_EQ(passed.front(), "2.3");
    EXPECT_NE(std::find(passed.begin(), passed.end(), "x"), passed.end());
    EXPECT_EQ(LineTexts(records, 6).front(), "3.1");
    // Counted straight through, game 7 is 7.
    g_GameList.Header.SetInt(LIST_COUNTING, 1);
    EXPECT_EQ(LineTexts(Draw(), 6).front(), "7");
}

TEST_F(ScoreSheetTest, BierlachsRunsDownTheOtherSeats) {
    g_GameList.Header.SetInt(LIST_COUNTING, 0);  // numbered by rounds
    g_Game.MatchMode = 2;
    g_Settings.Game.MaxCredit = 100;
    g_Game.VariantMode = 1;
    Book({{0, 24, "Gd24"}, {1, 18, "Kz18"}});
    const auto records = Draw();
    // Line 0: seat 0 keeps its 100, seats 1 and 2 lose 24.
    EXPECT_EQ(LineTexts(records, 0), (std::vector<std::string>{"1.1", "24", "24", "100", "76", "76"}));
    // Line 1: seat 1 won 18; seats 0 and 2 lose it, seat 1 shows "-".
    EXPECT_EQ(LineTexts(records, 1), (std::vector<std::string>{"1.2", "18", "18", "82", "-", "58"}));
}

TEST_F(ScoreSheetTest, RuleVariantZeroShowsMagnitudeInitialsAndSign) {
    g_GameList.Header.SetInt(LIST_COUNTING, 0);  // numbered by rounds
    g_Game.VariantMode = 0;
    Book({{1, -48, "Gd24"}});
    const auto line = LineTexts(Draw(), 0);
    EXPECT_EQ(line, (std::vector<std::string>{"1.1", "24", "48", "0", "-48", "0", "Gd", "-"}));
}

TEST_F(ScoreSheetTest, SettlementTwoGivesFourLinesDifferingByTheBonusTerms) {
    g_GameList.Header.SetInt(LIST_SETTLEMENT, 2);
    Book({{0, 24, "Gd24"}});
    Frame().MatchSeries().RestoreSoloistCounts(0, 1, 0, 1);
    const auto texts = Texts(Draw());
    auto count = [&](const std::string& text) { return std::count(texts.begin(), texts.end(), text); };
    EXPECT_EQ(count("Game Points: "), 1);
    EXPECT_EQ(count("Weighted Points:"), 1);
    EXPECT_EQ(count("Calculation: "), 2);
    // Game points 24, 0, 0 settle as 48, -24, -24; weighted 74 (24 + 50), 0, 0 as 148, -74, -74.
    EXPECT_EQ(count("48"), 1);
    EXPECT_EQ(count("-24"), 2);
    EXPECT_EQ(count("74"), 1);
    EXPECT_EQ(count("148"), 1);
    EXPECT_EQ(count("-74"), 2);
}

TEST_F(ScoreSheetTest, HighlightTintsTheChangedSeatCells) {
    Book({{0, 24, "Gd24"}, {1, -48, "Gr24"}});
    const auto plain = Draw(false);
    const auto tinted = Draw(true);
    auto fills = [](const std::vector<platform::DrawRecord>& records, const platform::Brush& brush) {
        return std::count_if(records.begin(), records.end(), [&](const platform::DrawRecord& r) {
            return r.kind == platform::DrawKind::Fill && r.brush == brush;
        });
    };
    EXPECT_EQ(fills(plain, PastelBrushes[5]) + fills(plain, PastelBrushes[0]), 0);
    // Seat 0's 24 green, seat 1's -48 red (the 0 of line 0 stays plain); the settlement's cells
    // by their sign: 24, -48, 0 and 96, -120, 24.
    EXPECT_EQ(fills(tinted, PastelBrushes[5]), 1 + 4);
    EXPECT_EQ(fills(tinted, PastelBrushes[0]), 1 + 2);
}

TEST_F(ScoreSheetTest, StartTimeFollowsTheClockUntilTheFirstGame) {
    g_Game.Leader = 2;
    Draw();
    EXPECT_EQ(g_GameList.Header.Int(LIST_START_TIME), static_cast<std::int32_t>(Time64()));
    EXPECT_EQ(g_GameList.Header.Int(LIST_FIRST_FOREHAND), 2);
    Book({{0, 24, "Gd24"}});
    g_GameList.Header.SetInt(LIST_START_TIME, 1767225600 + 13 * 3600 + 5 * 60);
    const auto texts = Texts(Draw());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Start: 2026-01-01 13:05"), texts.end());
    EXPECT_EQ(g_GameList.Header.Int(LIST_START_TIME), 1767225600 + 13 * 3600 + 5 * 60);
    // Seat 2 was forehand in the first game: it is Seat 1, seat 0 Seat 2, seat 1 Seat 3.
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Seat 2"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Seat 3"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Seat 1"), texts.end());
}

TEST_F(ScoreSheetTest, TitleAndForehandMark) {
    Book({{0, 24, "Gd24", 1}});
    const auto records = Draw(false, true);
    const auto texts = Texts(records);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Scoresheet"), texts.end());
    // The forehand mark sits in seat 1's column, white on black.
    const auto mark = std::find_if(records.begin(), records.end(), [](const platform::DrawRecord& r) {
        return r.kind == platform::DrawKind::Text && r.text == "Fh";
    });
    ASSERT_NE(mark, records.end());
    EXPECT_EQ(mark->bounds.left, 5 + 36 + 32 + 36 + 114 + 32 + 86 + 2);
    EXPECT_EQ(mark->bkMode, platform::BkMode::Opaque);
}

}  // namespace

namespace {

class ScoreSheetPrintTest : public ScoreSheetTest {
protected:
    // The records of a printout of the whole sheet (one tall drawing; the print route shows a page
    // height of it per page).
    static std::vector<platform::DrawRecord> Print(int orientation) {
        g_Settings.Print.Orient = orientation;
        CScore sheet;
        platform::RecordingDC dc(platform::Size{2000, 4000});
        dc.SetPrinting(true);
        sheet.DrawList(dc, 0, 0);
        return dc.Records();
    }
    static std::vector<platform::DrawRecord> TextsNamed(const std::vector<platform::DrawRecord>& records, const std::string& text) {
        std::vector<platform::DrawRecord> found;
        for (const auto& r : records)
            if (r.kind == platform::DrawKind::Text && r.text == text) found.push_back(r);
        return found;
    }
};

TEST_F(ScoreSheetPrintTest, FortyNineGamesTakeTwoPortraitPagesOrOneLandscapePage) {
    g_GameList.Header.SetInt(LIST_COUNTING, 1);
    Book(std::vector<Game>(49, {0, 24, "Gd24"}));
    // Portrait: a second page 1108 lower with the title again, game 49 on it.
    auto portrait = Print(1);
    auto titles = TextsNamed(portrait, "Scoresheet");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1].bounds.top - titles[0].bounds.top, 1108);
    const auto game49 = TextsNamed(portrait, "49");
    ASSERT_EQ(game49.size(), 1u);
    EXPECT_GT(game49[0].bounds.top, titles[1].bounds.top);
    EXPECT_LT(game49[0].bounds.top, 1108 + 400);
    // Landscape: one page; game 49 starts the second block 680 to the right, level with game 1.
    auto landscape = Print(2);
    ASSERT_EQ(TextsNamed(landscape, "Scoresheet").size(), 1u);
    const auto first = TextsNamed(landscape, "1");
    const auto last = TextsNamed(landscape, "49");
    ASSERT_FALSE(first.empty());
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].bounds.top, first[0].bounds.top);
    EXPECT_GT(last[0].bounds.left, first[0].bounds.left + 600);
}

}  // namespace

namespace {

TEST_F(ScoreSheetTest, ViewMenuOpensItAndTheCloseBoxClosesItThroughTheToggle) {
    TraceOn();
    Frame().SendMessage(WM_COMMAND, ID_LIST_SCORE);
    const HWND hwnd = Frame().FramePanels().SideWindow(ID_LIST_SCORE);
    auto* sheet = dynamic_cast<CScore*>(WindowFromHandle(hwnd));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(g_Settings.View.ListScore, 1);
    EXPECT_EQ(sheet->WindowRect(), (platform::Rect{418, 316, 1058, 614}));
    SendMessage(hwnd, platform::WM_SYSCOMMAND, ID_SCORE_HIGHLIGHT, 0);
    MoveWindow(hwnd, 400, 300, 648, 400, true);
    // The window menu's Close acts as the close box.
    platform::Menu* menu = platform::GetSystemMenu(hwnd);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(platform::ChooseSystemMenuItem(hwnd, static_cast<int>(menu->Items().size()) - 1));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_SCORE), nullptr);
    EXPECT_EQ(g_Settings.View.ListScore, 0);
    EXPECT_EQ(GetProfileInt("RectScore", "Left", 0), 400);
    EXPECT_EQ(GetProfileInt("RectScore", "Bottom", 0), 700);
    EXPECT_EQ(ReadWindowFlag("RectScore", "Highlight"), 1);
}

}  // namespace
