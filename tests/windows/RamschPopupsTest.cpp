// The Ramsch view's popups on the play block of an evaluated hand: the alternatives and their help
// topic, the classes with the cards held, the malus lines, the bonus adjustments and the weak
// holdings, and the game type put back on every path.

#include "PopupTestSupport.h"

#include "computer/evaluation/EstimationSheetLayout.h"
#include "model/FlowGlobals.h"

namespace {

using popuptest::PopupTest;

class RamschPopupsTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        canvas.mode = kPopupModeRamsch;
        g_Flow.Reset();
    }
    EstimationSheetBlock& Prepare(const std::string& cards) {
        Deal(cards);
        seat0.AnalyseHand(0);
        seat0.PreparePlay();
        return ShowBlock(SHEET_PLAY);
    }
    std::vector<std::string> Show(int spot) {
        canvas.Clear();
        DrawRamschPopup(canvas, spot);
        return canvas.Lines();
    }
};

TEST_F(RamschPopupsTest, AlternativeWithARuleSetsItsHelpTopicAndZeroLeavesIt) {
    EstimationSheetBlock& block = Prepare("CJ HJ C7 C8 S7 S8 S9 H7 D7 D8");
    g_Flow.RuleHelpTopic = "earlier";
    SheetAt(block, PlaySheet::GrandHandRule) = 0;
    EXPECT_EQ(Show(1), std::vector<std::string>{"GdHd: 0"});
    EXPECT_EQ(g_Flow.RuleHelpTopic, "earlier");
    SheetAt(block, PlaySheet::PassOnRule) = 117;
    EXPECT_EQ(Show(2), std::vector<std::string>{"Sb: Regel 117"});
    EXPECT_EQ(g_Flow.RuleHelpTopic, "::/Lexikon/RegelnReizen.htm#117");
    UseEdition(true);
    SheetAt(block, PlaySheet::DurchmarschRule) = 12;
    EXPECT_EQ(Show(3), std::vector<std::string>{"Dm: Rule 12"});
    EXPECT_EQ(g_Flow.RuleHelpTopic, "::/Lexikon/RegelnReizen.htm#12");
}

TEST_F(RamschPopupsTest, RisksInPercent) {
    EstimationSheetBlock& block = Prepare("CJ HJ C7 C8 S7 S8 S9 H7 D7 D8");
    const int values[] = {30, 100, 20, 25};
    for (int k = 0; k < 4; ++k) block[6][2 + k] = values[k];
    EXPECT_EQ(Show(4), std::vector<std::string>{"Ra: 30%"});
    EXPECT_EQ(Show(5), std::vector<std::string>{"GdHd: 100%"});
    EXPECT_EQ(Show(6), std::vector<std::string>{"Sb: 20%"});
    EXPECT_EQ(Show(7), std::vector<std::string>{"Dm: 25%"});
}

TEST_F(RamschPopupsTest, ClassSpotsListTheHeldCardsOfEachSuitOfTheClass) {
    EstimationSheetBlock& block = Prepare("CJ C7 C8 C9 S7 S8 HA HT DK D9");
    for (int s = 0; s < 4; ++s) block[s][PlaySheet::StatusWord] = 12;
    block[CLUBS][PlaySheet::StatusWord] = 1;
    block[SPADES][PlaySheet::StatusWord] = 1;
    EXPECT_EQ(Show(8), (std::vector<std::string>{"1 bonus<C>9 + <C>8 + <C>7", "<S>8 + <S>7"}));
    ASSERT_EQ(canvas.boxes.size(), 1u);
    EXPECT_EQ(canvas.boxes[0].height, 24);
    EXPECT_EQ(Show(16), (std::vector<std::string>{"9 unfit<H>A + <H>10", "<D>K + <D>9"}));
    EXPECT_EQ(Show(12), std::vector<std::string>{"5 risk: 0"});
    block[HEARTS][PlaySheet::StatusWord] = 3;
    EXPECT_EQ(Show(11), std::vector<std::string>{"4 caution<H>A + <H>10"});
}

TEST_F(RamschPopupsTest, MalusSuitsAndJackMalusTakeTwoLinesInsideTheBox) {
    EstimationSheetBlock& block = Prepare("CJ SJ HJ C7 C8 C9 CQ CK S7 S8");
    block[CLUBS][PlaySheet::MalusWord] = 1;
    block[CLUBS][PlaySheet::CardCountWord] = 5;
    SheetAt(block, PlaySheet::JacksMalus) = 1;
    EXPECT_EQ(Show(9), (std::vector<std::string>{"2 malus: 5<C>", "<C>B + <S>B + <H>B"}));
    ASSERT_EQ(canvas.boxes.size(), 1u);
    EXPECT_EQ(canvas.boxes[0].height, 24);
    // The second line is the wider one: the box holds it whole.
    int right = 0;
    for (const auto& record : canvas.dc.Records())
        if (record.kind == platform::DrawKind::Text) right = std::max(right, record.bounds.right);
    for (const auto& symbol : canvas.symbols) right = std::max(right, symbol.x + 14);
    EXPECT_LE(right, canvas.boxes[0].rect.right);
    SheetAt(block, PlaySheet::JacksMalus) = 0;
    EXPECT_EQ(Show(9), std::vector<std::string>{"2 malus: 5<C>"});
    EXPECT_EQ(canvas.boxes[0].width, 63 + 33 - 12);
    block[CLUBS][PlaySheet::MalusWord] = 0;
    EXPECT_EQ(Show(9), std::vector<std::string>{"2 malus: 0"});
}

TEST_F(RamschPopupsTest, BonusChainOfTheAdjustmentRules) {
    EstimationSheetBlock& block = Prepare("CJ C7 C8 C9 S7 S8 HA HT DK D9");
    const int classes[] = {1, 3, 10, 12};
    for (int s = 0; s < 4; ++s) block[s][PlaySheet::StatusWord] = classes[s];
    std::int32_t* row6 = block[6];
    row6[6] = 2;                     // the bonus before the rules
    row6[8] = 1 | 16;                // rule 10: a long OK suit, the bonus 1 after it
    row6[9] = 2;                     // rule 11 applied
    row6[10] = row6[11] = row6[12] = 0;
    row6[13] = 4;                    // rule 15 applied: the bonus becomes 4
    row6[14] = 0;
    row6[15] = 1;
    row6[16] = 1;
    row6[17] = HEARTS;
    row6[18] = 3;
    row6[19] = DIAMONDS;
    struct Case {
        int spot;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {17, {"bonus: 2", "malus: 1", "10 bonus: 2 - 1"}},
        {18, {"bonus: 1", "unfit: 1", "caution: 1", "drop: 1", "B$: RAMSCH_UNFIT", "Vh: 1", "11 bonus: 1 + 1"}},
        {19, {"bonus: 2", "unfit: 1", "risk: 0", "venture: 0", "drop: 1", "12 Extra: 0"}},
        {21, {"bonus: 2", "unfit: 1", "risk: 0", "venture: 0", "drop: 1", "N: 1 <H>", "14 Extra: 0"}},
        {22, {"bonus: 2", "unfit: 1", "venture: 0", "drop: 1", "safe: 0", "risk: 0", "15 bonus: 4"}},
        {23, {"bonus: 4", "unfit: 1", "N: 3 <D>", "16 Extra: 0"}},
    };
    SheetAt(block, PlaySheet::JacksStatus) = 12;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "spot " << c.spot);
        EXPECT_EQ(Show(c.spot), c.lines);
        ASSERT_EQ(canvas.boxes.size(), 1u);
        EXPECT_EQ(canvas.boxes[0].height, 12 * static_cast<int>(c.lines.size()));
    }
}

TEST_F(RamschPopupsTest, WeakRowsReadTheJacksCodeWhereThePlanWritesIt) {
    // Clubs and Hearts Jack: the Jacks lose a trick, code 108 in row 4 word 2.
    EstimationSheetBlock& block = Prepare("CJ HJ CA CT C9 SA ST S9 HA D7");
    ASSERT_EQ(SheetAt(block, PlaySheet::JacksWeakCode), 108);
    EXPECT_EQ(Show(31), std::vector<std::string>{"8 malus: B: <C> + <H>"});
    SheetAt(block, PlaySheet::JacksWeakCode) = 101;
    EXPECT_EQ(Show(31), std::vector<std::string>{"8 malus: 0"});
    // Unfit Jacks: the weak rows show their 0 line, the last row the Jacks with their label.
    SheetAt(block, PlaySheet::JacksWeakCode) = 109;
    EXPECT_EQ(Show(24), std::vector<std::string>{"1 safe: 0"});
    EXPECT_EQ(Show(32), std::vector<std::string>{"9 malus: <C>B + <H>B"});
    // Suits by their weak code.
    SheetAt(block, PlaySheet::JacksWeakCode) = 101;
    for (int s = 0; s < 4; ++s) block[s][PlaySheet::WeakCodeWord] = 102;
    block[SPADES][PlaySheet::WeakCodeWord] = 101;
    EXPECT_EQ(Show(24), std::vector<std::string>{"1 safe<S>A + <S>10 + <S>9"});
    EXPECT_EQ(Show(25), (std::vector<std::string>{"2 malus<C>A + <C>10 + <C>9", "<H>A", "<D>7"}));
    block[SPADES][PlaySheet::WeakCodeWord] = 102;
    EXPECT_EQ(Show(24), std::vector<std::string>{"1 safe: B: <C> + <H>"});
    // Codes outside 101..109 list nothing.
    for (int s = 0; s < 4; ++s) block[s][PlaySheet::WeakCodeWord] = 0;
    EXPECT_EQ(Show(32), std::vector<std::string>{"9 malus: 0"});
}

TEST_F(RamschPopupsTest, GameTypeAndTrumpCountComeBackOnEveryPath) {
    Prepare("CJ HJ CA CT C9 SA ST S9 HA D7");
    for (int spot = 0; spot <= 34; ++spot) {
        g_Game.GameType = GAME_SPADES;
        g_Game.TrumpCount = 6;
        Show(spot);
        EXPECT_EQ(g_Game.GameType, GAME_SPADES) << "spot " << spot;
        EXPECT_EQ(g_Game.TrumpCount, 6) << "spot " << spot;
    }
    canvas.block = nullptr;
    g_Game.GameType = GAME_RAMSCH;
    g_Game.TrumpCount = 2;
    EXPECT_TRUE(Show(9).empty());
    EXPECT_EQ(g_Game.TrumpCount, 2);
}

TEST_F(RamschPopupsTest, EnglishEditionNamesTheForehandAndTheJack) {
    UseEdition(true);
    EstimationSheetBlock& block = Prepare("CJ C7 C8 C9 S7 S8 HA HT DK D9");
    block[6][9] = 2;
    SheetAt(block, PlaySheet::IsForehand) = 1;
    const std::vector<std::string> lines = Show(18);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4].rfind("J$: RAMSCH_", 0), 0u);
    EXPECT_EQ(lines[5], "Fh: 1");
}

}  // namespace
