// The rule sheets of the trick estimation window on the recording surface, for hands evaluated by
// the real evaluator and for blocks written by hand, and the popup machinery on a rendering
// surface: the hit test, the placement and the save-under that puts the pixels back exactly.
#include "model/Skat.h"
#include "windows/TrickEstimation.h"

#include "computer/ComputerTestSupport.h"
#include "computer/evaluation/GameEvaluation.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "windows/PastelBrushes.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using testsupport::FrameFixture;

class EstimationSheetTest : public FrameFixture {
protected:
    void SetUp() override {
        // Every window draws into a surface that keeps its pixels, wide enough for the sheet as the
        // recording measure lays it out.
        host_->SetSurfaceFactory([this](HWND hwnd) -> platform::DeviceContext* {
            auto& surface = surfaces_[hwnd];
            if (!surface)
                surface =
                    std::make_unique<platform::RecordingDC>(platform::Bitmap(1400, 900, platform::Rgb(255, 255, 255)));
            return surface.get();
        });
        StartProgram();
        g_Settings.View.Player = 0x22;  // the person's own sheet: no question
        Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
        host_->PumpUntilIdle();
        window_ = Frame().FramePanels().TrickEstimationWindow();
        ASSERT_NE(window_, nullptr);
    }

    // The person's hand is given card by card: the sheet is checked for chosen hands no deal gives.
    CPlayer& Person() { return SkatTestAccess::Player(FrameGameAccess::Game(Frame()), 2); }
    void Give(const char* cards) {
        CPlayer& person = Person();
        for (auto& card : person.cards) card = NO_CARD;
        for (auto& flag : person.present) flag = 0;
        int slot = 0;
        for (int card : ParseCards(cards)) {
            person.cards[static_cast<std::size_t>(slot)] = card;
            person.present[static_cast<std::size_t>(slot)] = 1;
            ++slot;
        }
        person.count = slot;
    }

    // Paints the view into a fresh recording and returns the drawn numbers by their origin.
    std::map<std::pair<int, int>, std::string> PaintView(int view) {
        window_->View = view;
        platform::RecordingDC dc(platform::Size{700, 900});
        if (view <= VIEW_GRAND) window_->PaintSuitGrandSheet(dc, 0, 0);
        else if (view == VIEW_NULL) window_->PaintNullSheet(dc, 0, 0);
        else window_->PaintRamschSheet(dc, 0, 0);
        records_ = dc.Records();
        std::map<std::pair<int, int>, std::string> texts;
        for (const auto& r : records_)
            if (r.kind == platform::DrawKind::Text && !r.points.empty()) texts[std::make_pair(r.points[0].x, r.points[0].y)] = r.text;
        return texts;
    }
    // The number written in the value box at (x, y) (centred over it at y + 2), if any.
    std::optional<std::string> BoxText(const std::map<std::pair<int, int>, std::string>& texts, platform::Point box) {
        for (const auto& [at, text] : texts)
            if (at.second == box.y + 2 && at.first > box.x && at.first < box.x + 20 && !text.empty() &&
                (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-'))
                return text;
        return std::nullopt;
    }
    // The colour the inside of the box at (x, y) was filled with last.
    std::optional<platform::Color> BoxFill(platform::Point box) {
        std::optional<platform::Color> colour;
        for (const auto& r : records_)
            if (r.kind == platform::DrawKind::Fill && r.bounds.left == box.x + 1 && r.bounds.top == box.y + 1 &&
                r.bounds.right == box.x + 20)
                colour = r.brush.color;
        return colour;
    }
    static std::string At(const std::map<std::pair<int, int>, std::string>& texts, int x, int y) {
        const auto found = texts.find({x, y});
        return found == texts.end() ? std::string() : found->second;
    }
    int CountSpots(int mode) {
        int n = 0;
        for (int spot = 0; spot < kHotSpots; ++spot)
            if (window_->HotSpots[mode][spot].x != 0 || window_->HotSpots[mode][spot].y != 0) ++n;
        return n;
    }

    std::map<HWND, std::unique_ptr<platform::RecordingDC>> surfaces_;
    std::vector<platform::DrawRecord> records_;
    CTrickEstimation* window_ = nullptr;
};

TEST_F(EstimationSheetTest, SuitSheetsShowTheEvaluatorsWordsAndTheEstimate) {
    const struct {
        const char* name;
        const char* hand;
        int type, view;
    } cases[] = {
        {"strong Clubs", "CJ SJ CA CT CK CQ C9 SA HA D7", GAME_CLUBS, VIEW_CLUBS},
        {"weak Hearts", "DJ H7 H8 H9 C7 C8 S7 S8 D8 D9", GAME_HEARTS, VIEW_HEARTS},
        {"Grand with two Jacks", "CJ HJ CA CT SA ST HA HK D7 D8", GAME_GRAND, VIEW_GRAND},
        {"Grand without Jacks", "CA CT CK SA ST SK HA HT DA DT", GAME_GRAND, VIEW_GRAND},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Give(c.hand);
        g_Game.Forehand = 2;
        Person().AnalyseHand(0);
        const int estimate = Person().EstimateTricks(c.type);
        auto texts = PaintView(c.view);
        const bool grand = c.view == VIEW_GRAND;
        const int mode = grand ? kPopupModeGrand : kPopupModeSuit;
        const auto& rows = SheetOf(Person()).Rows[ViewToBlock(c.view)];
        // The $ box (suit spot 3, Grand spot 2) is the estimate before the rule lines: the sum
        // of the tricks before the Jacks and the Jacks.
        const int before = grand ? rows[2][0] : rows[3][0];
        EXPECT_EQ(BoxText(texts, window_->HotSpots[mode][grand ? 2 : 3]), std::to_string(before + rows[0][0]));
        EXPECT_GE(estimate, -1);
        // The top boxes show their rows.
        EXPECT_EQ(BoxText(texts, window_->HotSpots[mode][0]), std::to_string(rows[4][0]));  // F0
        EXPECT_EQ(BoxText(texts, window_->HotSpots[mode][grand ? 4 : 5]), std::to_string(rows[0][0]));  // B
        // Every valued rule line shows its row, an empty row an empty box in colour 0.
        const int firstValued = grand ? 5 : 6;
        const int lastSpot = grand ? 34 : 33;
        for (int spot = firstValued; spot <= lastSpot; ++spot) {
            if (grand && spot == 17) continue;  // the W line has no value row
            const int row = grand ? (spot < 17 ? spot + 1 : spot) : spot;
            const platform::Point box = window_->HotSpots[mode][spot];
            if (rows[row][0] == SHEET_EMPTY) {
                EXPECT_EQ(BoxText(texts, box), std::nullopt) << "spot " << spot;
                EXPECT_EQ(BoxFill(box), PastelBrushes[0].color) << "spot " << spot;
            } else {
                EXPECT_EQ(BoxText(texts, box), std::to_string(rows[row][0])) << "spot " << spot;
            }
        }
    }
}

TEST_F(EstimationSheetTest, HotSpotsOfEveryViewAtTheirPlaces) {
    const int y0 = window_->PanelHeight;
    // The boxes of the rule lines stand where the texts leave them.
    const int box = window_->Columns.box;
    const struct {
        int view, mode, spots;
        int spot;
        platform::Point at;
    } cases[] = {
        {VIEW_CLUBS, kPopupModeSuit, 34, 1, {232, y0 + 17}},
        {VIEW_CLUBS, kPopupModeSuit, 34, 6, {box, y0 + 51 + 17}},
        {VIEW_CLUBS, kPopupModeSuit, 34, 17, {box, y0 + 51 + 17 * 13}},  // after the heading line 12
        {VIEW_GRAND, kPopupModeGrand, 35, 1, {box, y0 + 17}},
        {VIEW_GRAND, kPopupModeGrand, 35, 17, {box, y0 + 51 + 17 * 13}},  // the W line
        {VIEW_NULL, kPopupModeNull, 32, 3, {box, y0 + 85 + 17}},
        {VIEW_NULL, kPopupModeNull, 32, 31, {box, y0 + 85 + 17 * 29}},
        {VIEW_RAMSCH, kPopupModeRamsch, 33, 7, {box + 60, y0 + 51}},
        {VIEW_RAMSCH, kPopupModeRamsch, 33, 23, {box, y0 + 51 + 34 + 17 * 16}},
        {VIEW_RAMSCH, kPopupModeRamsch, 33, 24, {box, y0 + 51 + 51 + 17 * 17}},
    };
    for (const auto& c : cases) {
        for (auto& spot : window_->HotSpots[c.mode]) spot = {};
        PaintView(c.view);
        EXPECT_EQ(CountSpots(c.mode), c.spots) << "view " << c.view;
        EXPECT_EQ(window_->HotSpots[c.mode][c.spot], c.at) << "view " << c.view << " spot " << c.spot;
    }
}

TEST_F(EstimationSheetTest, ANeverEvaluatedBlockPaintsEveryViewEmpty) {
    SheetOf(Person()) = TrickEstimationSheet{};
    for (int view = 0; view < kEstimationViews; ++view) {
        auto texts = PaintView(view);
        if (view <= VIEW_CLUBS) {
            EXPECT_EQ(BoxFill(window_->HotSpots[kPopupModeSuit][6]), PastelBrushes[0].color);
        }
        EXPECT_FALSE(records_.empty()) << view;
    }
}

TEST_F(EstimationSheetTest, NullClassesWriteTheirCountsAndRunningTotals) {
    auto& block = SheetOf(Person()).Rows[SHEET_NULL];
    SheetOf(Person()) = TrickEstimationSheet{};
    // Clubs and Spades of class 4 (safe, drop one), Hearts of class 6, Diamonds of class 3; the
    // plain variant; no bonus.
    const int classes[4] = {4, 4, 6, 3};
    for (int s = 0; s < 4; ++s) block[s][0] = classes[s];
    block[4][0] = 1;
    block[7][0] = 80;
    block[8][0] = 0;
    auto texts = PaintView(VIEW_NULL);
    // The suit columns and the boxes stand right of their narrowest place by the same shift.
    const int dx = window_->Columns.Shift();
    const int y0 = window_->PanelHeight;
    auto line = [&](int j) { return y0 + 85 + 17 * j + 2; };
    // Line 4 (drop): counts 1 in both columns, the total ends at 2.
    EXPECT_EQ(At(texts, dx + 222, line(4)), "1");
    EXPECT_EQ(At(texts, dx + 270, line(4)), "1");
    EXPECT_EQ(At(texts, dx + 402, line(4)), "2");
    // Line 5 (caution2): both Clubs and Spades, then Diamonds' class 3 on line 2 counts its own.
    EXPECT_EQ(At(texts, dx + 402, line(5)), "2");
    EXPECT_EQ(At(texts, dx + 318, line(9)), "1");  // Hearts, class 6, caution1
    EXPECT_EQ(At(texts, dx + 366, line(2)), "1");  // Diamonds, class 3, caution2 from 2 to 3
    EXPECT_EQ(At(texts, dx + 402, line(2)), "3");
    // The bonus lines end with the passes' 0.
    EXPECT_EQ(At(texts, dx + 402, line(1)), "0");
    EXPECT_EQ(At(texts, dx + 402, line(8)), "0");
    // The chance box.
    EXPECT_EQ(BoxText(texts, window_->HotSpots[kPopupModeNull][2]), "80");
}

TEST_F(EstimationSheetTest, RamschWeakLinesAndTheJacksOnlyColumn) {
    SheetOf(Person()) = TrickEstimationSheet{};
    auto& block = SheetOf(Person()).Rows[SHEET_PLAY];
    for (int s = 0; s < 4; ++s) {
        block[s][0] = 1;  // RAMSCH_OK
        block[s][2] = s == 0 ? 1 : 0;  // Clubs carries a malus
        block[s][4] = 102 + s;  // weak lines 18 to 21
        block[s][6] = 2;
        block[s][7] = 1;
    }
    block[4][2] = 108;  // the Jacks' weak code, count and value
    block[4][4] = 3;
    block[4][5] = 2;
    const int y3 = window_->PanelHeight + 51;
    auto weakLine = [&](int j) { return y3 + 51 + 17 * j + 1; };
    auto texts = PaintView(VIEW_RAMSCH);
    const int dx = window_->Columns.Shift();
    EXPECT_EQ(At(texts, dx + 222, weakLine(18)), "2");  // Clubs' count on WEAK_ACE_TEN_EIGHT
    EXPECT_EQ(At(texts, dx + 189, weakLine(24)), "3");  // the Jacks' count on WEAK_JACK
    // Class 1 with malus: 1 on line 0 and on line 1 of the Clubs column.
    EXPECT_EQ(At(texts, dx + 222, y3 + 34 + 1), "1");
    EXPECT_EQ(At(texts, dx + 222, y3 + 34 + 17 + 1), "1");
    EXPECT_EQ(At(texts, dx + 402, y3 + 34 + 1), "4");  // four suits of bonus
    // Four Jacks' count: only the Jacks' column of the weak lines.
    block[4][4] = 4;
    texts = PaintView(VIEW_RAMSCH);
    EXPECT_EQ(texts.count(std::make_pair(dx + 222, weakLine(18))), 0u);
    EXPECT_EQ(At(texts, dx + 189, weakLine(24)), "4");
}

// The columns follow the texts as the context measures them: the boxes stand right of the longest
// condition that runs across the sheet, every text stands inside the frame, and with short texts
// the sheet keeps its narrowest layout.
TEST_F(EstimationSheetTest, TheColumnsFollowTheMeasuredTexts) {
    platform::RecordingDC measure(platform::Size{700, 900});
    measure.SelectFont(SheetFont());
    auto conditionEnd = [&](const std::string& row) {
        return 10 + measure.GetTextExtent(row.substr(0, row.find(';'))).cx;
    };
    int longest = 0;
    for (std::size_t i = 0; i < 62; ++i) longest = std::max(longest, conditionEnd(window_->RuleRows[i]));
    for (std::size_t i = 102; i <= 109; ++i) longest = std::max(longest, conditionEnd(window_->RuleRows[i]));
    ASSERT_GT(longest, 394) << "the recording measure is wider than the screen's fonts";
    for (const int view : {VIEW_CLUBS, VIEW_GRAND, VIEW_NULL, VIEW_RAMSCH}) {
        PaintView(view);
        const estimation::SheetColumns& c = window_->Columns;
        EXPECT_EQ(c.box, longest + 6) << view;
        EXPECT_EQ(window_->SheetWidth(), c.right + 1);
        for (const auto& r : records_)
            if (r.kind == platform::DrawKind::Text && !r.points.empty()) {
                const int end = r.points[0].x + measure.GetTextExtent(r.text).cx;
                EXPECT_GE(r.points[0].x, 1) << view << " \"" << r.text << "\"";
                EXPECT_LT(end, c.right) << view << " \"" << r.text << "\"";
            }
    }
    // Short texts: the boxes at 394, the frame at 506.
    for (auto& row : window_->RuleRows) row = row.empty() ? row : "a;100;b";
    for (auto& label : window_->HeaderLabels) label = label.empty() ? label : "h";
    for (auto& label : window_->ShortLabels) label = label.empty() ? label : "s";
    PaintView(VIEW_CLUBS);
    EXPECT_EQ(window_->Columns.box, 394);
    EXPECT_EQ(window_->Columns.right, 506);
    EXPECT_EQ(window_->SheetWidth(), kEstimationSheetWidth);
}

// ---- The popup machinery ----

class PopupMachineryTest : public EstimationSheetTest {
protected:
    platform::RecordingDC& Surface() { return *surfaces_.at(window_->Handle()); }
    const platform::Bitmap& Pixels() { return *Surface().Surface(); }
    void Move(int x, int y) { ::SendMessage(window_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    // Shows a popup of the given text size at a spot as a family would, unless the family drew
    // one on the move already.
    void ShowPopup(int mode, int spot, int width, int height) {
        if (window_->PopupSize.cx != 0) return;
        platform::DeviceContext* dc = ::GetDC(window_->Handle());
        window_->CurrentSpot = spot;
        window_->PopupSize = {width, height};
        window_->PopupRect = window_->DrawPopupBox(mode, spot, width, height, 0, *dc);
        ::ReleaseDC(window_->Handle(), dc);
    }
};

TEST_F(PopupMachineryTest, EnteringMarksTheSpotAndLeavingPutsThePixelsBackExactly) {
    window_->View = VIEW_CLUBS;
    ::RedrawWindow(window_->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    host_->PumpUntilIdle();
    const platform::Point spot = window_->HotSpots[kPopupModeSuit][8];
    ASSERT_NE(spot.x, 0);
    const platform::Bitmap before = Pixels();
    Move(spot.x + 5, spot.y + 5);
    EXPECT_EQ(window_->CurrentSpot, 8);
    ShowPopup(kPopupModeSuit, 8, 120, 14);  // the box a family would draw there
    EXPECT_NE(Pixels(), before);
    Move(spot.x + 10, spot.y + 16);  // still inside
    EXPECT_EQ(window_->CurrentSpot, 8);
    Move(5, 5);
    EXPECT_EQ(window_->CurrentSpot, -1);
    EXPECT_EQ(Pixels(), before);
}

TEST_F(PopupMachineryTest, TheSpotsEdgesAreInsideAndANeighbourComesOnTheNextMove) {
    window_->View = VIEW_CLUBS;
    for (auto& spot : window_->HotSpots[kPopupModeSuit]) spot = {-100, -100};
    window_->HotSpots[kPopupModeSuit][6] = {100, 100};
    window_->HotSpots[kPopupModeSuit][7] = {100, 118};
    window_->HotSpots[kPopupModeSuit][9] = {110, 105};  // overlaps spot 6
    const struct {
        int x, y, spot;
    } edges[] = {{100, 100, 6}, {120, 117, 6}, {121, 100, -1}, {99, 100, -1}, {100, 118, 7}, {115, 110, 6}, {125, 110, 9}};
    for (const auto& e : edges) {
        window_->CurrentSpot = -1;
        Move(e.x, e.y);
        EXPECT_EQ(window_->CurrentSpot, e.spot) << e.x << ", " << e.y;
    }
    window_->CurrentSpot = -1;
    Move(105, 105);
    ASSERT_EQ(window_->CurrentSpot, 6);
    Move(105, 125);  // straight onto spot 7: this move only erases
    EXPECT_EQ(window_->CurrentSpot, -1);
    Move(105, 126);
    EXPECT_EQ(window_->CurrentSpot, 7);
}

TEST_F(PopupMachineryTest, BoxesStandAboveTheirSpotLeftOrRightByMode) {
    const struct {
        int mode, spot;
        platform::Rect expected;
    } cases[] = {
        {kPopupModeSuit, 2, {202, 186, 306, 204}},    // left-hand: from the spot's left + 2
        {kPopupModeSuit, 6, {98, 186, 202, 204}},     // right-hand: its right edge at the left one
        {kPopupModeGrand, 2, {98, 186, 202, 204}},
        {kPopupModeNull, 2, {202, 186, 306, 204}},
        {kPopupModeRamsch, 7, {98, 186, 202, 204}},
    };
    for (const auto& c : cases) {
        window_->HotSpots[c.mode][c.spot] = {200, 200};
        platform::RecordingDC dc(platform::Bitmap(400, 400));
        EXPECT_EQ(window_->DrawPopupBox(c.mode, c.spot, 100, 14, 0, dc), c.expected) << c.mode << "/" << c.spot;
    }
}

TEST_F(PopupMachineryTest, ARepaintWhileAPopupShowsEndsItAndTheNextMoveCopiesNothingOld) {
    window_->View = VIEW_CLUBS;
    ::RedrawWindow(window_->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    host_->PumpUntilIdle();
    const platform::Point spot = window_->HotSpots[kPopupModeSuit][10];
    Move(spot.x + 2, spot.y + 2);
    ShowPopup(kPopupModeSuit, 10, 80, 14);
    ASSERT_EQ(window_->CurrentSpot, 10);
    // The sheet changes under the popup and is painted again.
    SheetOf(Person()).Rows[0][10][0] = 7;
    ::RedrawWindow(window_->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    host_->PumpUntilIdle();
    EXPECT_EQ(window_->CurrentSpot, -1);
    const platform::Bitmap repainted = Pixels();
    Move(5, 5);
    EXPECT_EQ(Pixels(), repainted);
}

TEST_F(PopupMachineryTest, ASpotWithoutAPopupBecomesCurrentAndItsLeavingCopiesNothing) {
    window_->View = VIEW_NULL;
    ::RedrawWindow(window_->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    host_->PumpUntilIdle();
    window_->HotSpots[kPopupModeNull][33] = {300, 30};  // Null has no popup at 33
    for (int spot = 0; spot < 33; ++spot) window_->HotSpots[kPopupModeNull][spot] = {-100, -100};
    const platform::Bitmap before = Pixels();
    Move(305, 35);
    EXPECT_EQ(window_->CurrentSpot, 33);
    Move(5, 5);
    EXPECT_EQ(window_->CurrentSpot, -1);
    EXPECT_EQ(Pixels(), before);
}

}  // namespace

namespace {

// The families' popups through the window: an evaluated hand, a hover over a spot of every view,
// the popup drawn, and the pixels back exactly when the mouse leaves; the game type and the
// running trump count stay as they were in the middle of a game.
TEST_F(PopupMachineryTest, EveryViewsPopupIsDrawnAndErasedWithTheGameTypeKept) {
    Give("CJ HJ CA CT C9 SA S7 HK D8 D7");
    g_Game.Forehand = 2;
    CGameEvaluation(Person()).AnalyseAndEvaluate(0);
    Person().PreparePlay();
    const struct {
        int view, mode, spot;
    } cases[] = {
        {VIEW_CLUBS, kPopupModeSuit, 0}, {VIEW_CLUBS, kPopupModeSuit, 2}, {VIEW_GRAND, kPopupModeGrand, 1},
        {VIEW_NULL, kPopupModeNull, 2}, {VIEW_RAMSCH, kPopupModeRamsch, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view * 100 + c.spot);
        g_Game.GameType = GAME_SPADES;
        g_Game.TrumpCount = 6;
        window_->View = c.view;
        ::RedrawWindow(window_->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        host_->PumpUntilIdle();
        const platform::Bitmap before = Pixels();
        const platform::Point spot = window_->HotSpots[c.mode][c.spot];
        Move(spot.x + 3, spot.y + 3);
        EXPECT_EQ(window_->CurrentSpot, c.spot);
        EXPECT_GT(window_->PopupSize.cx, 0);
        EXPECT_NE(Pixels(), before);
        EXPECT_EQ(g_Game.GameType, GAME_SPADES);
        EXPECT_EQ(g_Game.TrumpCount, 6);
        Move(2, 300);
        EXPECT_EQ(window_->CurrentSpot, -1);
        EXPECT_EQ(Pixels(), before);
    }
}

}  // namespace

namespace {

// A box at the surface's edge: the popup reaches past the top and the left, the parts outside are
// clipped, and the erase puts back exactly what was inside.
TEST_F(PopupMachineryTest, APopupPastTheEdgeIsClippedAndErasedExactly) {
    Give("CJ HJ CA CT C9 SA S7 HK D8 D7");
    CGameEvaluation(Person()).AnalyseAndEvaluate(0);
    window_->View = VIEW_CLUBS;
    ::RedrawWindow(window_->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    host_->PumpUntilIdle();
    for (int spot = 1; spot < kHotSpots; ++spot) window_->HotSpots[kPopupModeSuit][spot] = {-100, -100};
    window_->HotSpots[kPopupModeSuit][0] = {0, 2};
    const platform::Bitmap before = Pixels();
    Move(0, 2);
    ASSERT_EQ(window_->CurrentSpot, 0);
    ShowPopup(kPopupModeSuit, 0, 60, 14);
    EXPECT_LT(window_->PopupRect.top, 0);
    EXPECT_NE(Pixels(), before);
    Move(21, 2);  // one past the right edge
    EXPECT_EQ(window_->CurrentSpot, -1);
    EXPECT_EQ(Pixels(), before);
}

}  // namespace

namespace {

// A scrolled sheet records its hot spots where the boxes are on the client, so the mouse finds
// them; the panel moves up with the sheet.
TEST_F(EstimationSheetTest, AScrolledSheetRecordsItsSpotsWhereTheBoxesAre) {
    const struct {
        int view, mode, spot;
    } cases[] = {{VIEW_CLUBS, kPopupModeSuit, 8}, {VIEW_GRAND, kPopupModeGrand, 20}, {VIEW_NULL, kPopupModeNull, 5},
                 {VIEW_RAMSCH, kPopupModeRamsch, 25}};
    for (const auto& c : cases) {
        window_->View = c.view;
        PaintView(c.view);
        const platform::Point unscrolled = window_->HotSpots[c.mode][c.spot];
        platform::RecordingDC dc(platform::Size{700, 900});
        if (c.view <= VIEW_GRAND) window_->PaintSuitGrandSheet(dc, 30, 120);
        else if (c.view == VIEW_NULL) window_->PaintNullSheet(dc, 30, 120);
        else window_->PaintRamschSheet(dc, 30, 120);
        EXPECT_EQ(window_->HotSpots[c.mode][c.spot], (platform::Point{unscrolled.x - 30, unscrolled.y - 120})) << c.view;
        // The box's frame is drawn there too.
        bool framed = false;
        for (const auto& r : dc.Records())
            if (r.kind == platform::DrawKind::Line && r.points.size() == 2 && r.points[0] == window_->HotSpots[c.mode][c.spot] &&
                r.points[1] == platform::Point{unscrolled.x - 10, unscrolled.y - 120})
                framed = true;
        EXPECT_TRUE(framed) << c.view;
    }
}

}  // namespace
