// The cards assignment window: the hit test of the deal bands, the highlight that follows the
// pointer without repainting, the click that offers a deal for replay, the size switch, the wheel
// over the bands, and the drawing of results, numbers and the editions' Jack and Queen.
#include "model/Skat.h"
#include "windows/Store.h"

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/TableState.h"
#include "match/GameList.h"
#include "match/ListTotals.h"
#include "match/StoreRows.h"
#include "platform/core/WindowScrollBars.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "tavlo/SymbolApi.h"
#include "support/FrameGameAccess.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using testsupport::FrameFixture;

TEST(CardsAssignmentHitTest, BandsAndGaps) {
    const struct {
        int x, y, deal;
    } cases[] = {
        {51, 50, 0},  {52, 50, 1},  {442, 50, 1}, {443, 50, 0},   // left and right edges
        {100, 31, 0}, {100, 32, 1}, {100, 104, 1}, {100, 105, 0},  // top and bottom of band 1
        {100, 110, 0}, {100, 123, 0}, {100, 124, 2}, {100, 196, 2},  // the gap, band 2
        {100, 0, 0},  {100, -60, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(CStore::DealAt(c.x, c.y), c.deal) << c.x << ", " << c.y;
}

class CardsAssignmentTest : public FrameFixture {
protected:
    void SetUp() override {
        TraceOn();
        StartProgram();
        g_Game.GameCount = 0;
        g_Game.StoreCount = 0;
        g_GameList.Games.clear();
        g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
    }

    // Books n games with one fixed deal: the Jack (11) and Queen (12) of Clubs in the skat, the
    // other 30 cards in the hands, so that four Jacks and four Queens are drawn.
    void Book(int n) {
        CSkat& game = FrameGameAccess::Game(Frame());
        std::vector<int> others;
        for (int base : {0, 13, 26, 39})
            for (int v : {1, 7, 8, 9, 10, 11, 12, 13})
                if (base + v != 11 && base + v != 12) others.push_back(base + v);
        for (int i = 0; i < n; ++i) {
            const int skat[2] = {11, 12};
            game.SetDeal(others.data(), skat);
            g_Game.GameCount += 1;
            g_Game.StoreCount += 1;
            g_Game.Soloist = 1;
            g_Game.Leader = 0;
            g_Game.GameType = 0;
            AddGameToList(-24, "Gd24", 3);
            CStore::AddDeal(1, game);
        }
    }

    CStore& Open(const platform::Rect& rect = {418, 100, 902, 756}) {
        WriteProfileInt("RectStore", "Left", rect.left);
        WriteProfileInt("RectStore", "Top", rect.top);
        WriteProfileInt("RectStore", "Right", rect.right);
        WriteProfileInt("RectStore", "Bottom", rect.bottom);
        Frame().SendMessage(WM_COMMAND, ID_LIST_STORE);
        store_ = dynamic_cast<CStore*>(WindowFromHandle(Frame().FramePanels().SideWindow(ID_LIST_STORE)));
        EXPECT_NE(store_, nullptr);
        host_->PumpUntilIdle();
        return *store_;
    }
    void Move(int x, int y) { SendMessage(store_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    std::vector<std::string> DrawnTexts() {
        platform::RecordingDC dc(platform::Size{600, 2000});
        store_->DrawList(dc, 0, 0);
        std::vector<std::string> texts;
        for (const auto& r : dc.Records())
            if (r.kind == platform::DrawKind::Text) texts.push_back(r.text);
        return texts;
    }

    CStore* store_ = nullptr;
};

TEST_F(CardsAssignmentTest, ThePointerSelectsTheBandUnderItWithoutRepainting) {
    Book(3);
    CStore& store = Open();
    const int paints = store.PaintCount();
    Move(100, 50);
    EXPECT_EQ(store.Selection, 1);
    EXPECT_EQ(store.HighlightedDeal, 1);
    Move(100, 140);
    EXPECT_EQ(store.Selection, 2);
    EXPECT_EQ(store.HighlightedDeal, 2);
    Move(100, 110);  // the gap between deals 1 and 2
    EXPECT_EQ(store.Selection, 0);
    EXPECT_EQ(store.HighlightedDeal, 0);
    Move(100, 32 + 92 * 3 + 10);  // past the stored deals
    EXPECT_EQ(store.Selection, 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(store.PaintCount(), paints);
}

TEST_F(CardsAssignmentTest, AClickOffersTheSelectedDealAndASecondClickTheSameOne) {
    Book(3);
    TraceOn();
    CStore& store = Open();
    // Each offer is a question; No keeps the table as it is.
    host_->Answers().PushMessageBoxAnswer(IDNO);
    host_->Answers().PushMessageBoxAnswer(IDNO);
    Move(100, 140);
    SendMessage(store.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(100, 140));
    EXPECT_EQ(store.Selection, -2);
    EXPECT_FALSE(store.HelpShown());
    SendMessage(store.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(100, 140));
    EXPECT_EQ(store.Selection, 2);
    const auto lines = LogBodies();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "CMainFrame::LoadFromStore(2)"), 2);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    // After the store shrank, a click on the gone deal does nothing; a click on no deal is the help.
    g_Game.StoreCount = 1;
    SendMessage(store.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(100, 140));
    const auto after = LogBodies();
    EXPECT_EQ(std::count(after.begin(), after.end(), "CMainFrame::LoadFromStore(2)"), 2);
    Move(20, 20);
    SendMessage(store.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(store.HelpShown());
}

TEST_F(CardsAssignmentTest, RightClicksAlternateFullAndCompactHeights) {
    Book(2);
    CStore& store = Open();
    SendMessage(store.Handle(), WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(store.WindowRect().Height(), 656);
    EXPECT_EQ(store.WindowRect().Width(), 484);
    SendMessage(store.Handle(), WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(store.WindowRect().Height(), 336);
    EXPECT_EQ(CStore::CompactHeight(6), 656);
}

TEST_F(CardsAssignmentTest, WheelOverTheBandsDoesNotScroll) {
    Book(8);
    CStore& store = Open({418, 100, 902, 400});
    ASSERT_TRUE(store.VScrollShown());
    SetScrollPos(store.Handle(), SB_VERT, 100, true);
    const platform::Rect rect = store.WindowRect();
    auto wheelAt = [&](int clientX) {
        SendMessage(store.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<unsigned>(-120) & 0xFFFF),
                    MAKELPARAM(rect.left + clientX, rect.top + 50));
        host_->PumpUntilIdle();
        return GetScrollPos(store.Handle(), SB_VERT);
    };
    EXPECT_EQ(wheelAt(200), 100);
    EXPECT_EQ(store.WheelRest(), 0);
    EXPECT_EQ(wheelAt(20), 118);
    EXPECT_EQ(wheelAt(450), 136);
}

TEST_F(CardsAssignmentTest, ResultsOnlyWhenTheCountsAgree) {
    Book(2);
    Open();
    auto texts = DrawnTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "C1: Gd24 C2: -24"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Cards Assignment"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2"), texts.end());
    g_Game.GameCount = 3;
    texts = DrawnTexts();
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "C1: Gd24 C2: -24"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2"), texts.end());
}

TEST_F(CardsAssignmentTest, EditionsDrawTheirOwnJackAndQueen) {
    Book(1);
    Open();
    auto count = [](const std::vector<std::string>& texts, const char* text) { return std::count(texts.begin(), texts.end(), text); };
    auto english = DrawnTexts();
    EXPECT_EQ(count(english, "J"), 4);
    EXPECT_EQ(count(english, "Q"), 4);
    EXPECT_EQ(count(english, "B"), 0);
    UseEdition(GermanResources());
    auto german = DrawnTexts();
    EXPECT_EQ(count(german, "B"), 4);
    EXPECT_EQ(count(german, "D"), 4);
    EXPECT_EQ(count(german, "J"), 0);
    EXPECT_EQ(count(german, "Q"), 0);
    EXPECT_NE(std::find(german.begin(), german.end(), "Kartenzuordnung"), german.end());
    UseEdition(EnglishResources());
}

TEST_F(CardsAssignmentTest, CloseBoxStoresTheRectangleOnceAndUnchecksTheItem) {
    Book(1);
    CStore& store = Open({300, 200, 784, 500});
    const HWND hwnd = store.Handle();
    MoveWindow(hwnd, 310, 210, 484, 300, true);
    SendMessage(hwnd, WM_CLOSE);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_STORE), nullptr);
    EXPECT_EQ(g_Settings.View.ListStore, 0);
    EXPECT_EQ(GetProfileInt("RectStore", "Left", 0), 310);
    EXPECT_EQ(GetProfileInt("RectStore", "Bottom", 0), 510);
    ASSERT_NE(Frame().Table().MainMenu, nullptr);
    const platform::MenuItem* item = Frame().Table().MainMenu->FindCommand(ID_LIST_STORE);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->IsChecked());
    // Reopened, it stands where it was closed.
    CStore& again = Open({310, 210, 794, 510});
    EXPECT_EQ(again.WindowRect(), (platform::Rect{310, 210, 794, 510}));
}

}  // namespace

namespace {

class CardsAssignmentPrintTest : public CardsAssignmentTest {
protected:
    int TitlesPrinted(int orientation) {
        g_Settings.Print.Orient = orientation;
        platform::RecordingDC dc(platform::Size{2000, 8000});
        dc.SetPrinting(true);
        store_->DrawList(dc, 0, 0);
        int titles = 0;
        for (const auto& r : dc.Records())
            if (r.kind == platform::DrawKind::Text && r.text == "Cards Assignment") ++titles;
        return titles;
    }
};

TEST_F(CardsAssignmentPrintTest, PagesOfTenInPortraitAndThirtyInLandscape) {
    Book(11);
    Open();
    EXPECT_EQ(TitlesPrinted(1), 2);
    EXPECT_EQ(TitlesPrinted(2), 1);
    Book(20);
    EXPECT_EQ(TitlesPrinted(2), 2);
    EXPECT_EQ(TitlesPrinted(1), 4);
}

}  // namespace

namespace {

TEST_F(CardsAssignmentTest, DamagedCardsDrawNothingAndTimesReadUnsigned) {
    Book(1);
    Open();
    auto rankTexts = [](const std::vector<std::string>& texts) {
        return std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
            return t == "A" || t == "7" || t == "8" || t == "9" || t == "10" || t == "J" || t == "Q" || t == "K";
        });
    };
    EXPECT_EQ(rankTexts(DrawnTexts()), 32);
    g_StoreRows.SetDealWord(1, DEAL_HAND_0 + 3, -1);
    g_StoreRows.SetDealWord(1, DEAL_HAND_0 + 4, 99);
    g_StoreRows.SetDealWord(1, DEAL_SKAT, 0);
    EXPECT_EQ(rankTexts(DrawnTexts()), 29);
    // A word 5 with its top bit set is a time after 2038, not before 1970.
    g_StoreRows.SetDealWord(1, DEAL_TIME, -1);
    const auto texts = DrawnTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2106-02-07  06:28:15"), texts.end());
}

}  // namespace
