// The Null view's popups: the bonus mark, the chance, and the card lists of the rule groups under
// both readings of flag F, on the recording surface.

#include "PopupTestSupport.h"

#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/GameEvaluation.h"

namespace {

using popuptest::PopupTest;

class NullPopupsTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        canvas.mode = kPopupModeNull;
    }
    // A Null block with the given classes (suit order, 0 for none) and marks, for the dealt hand.
    EstimationSheetBlock& NullBlock(std::array<int, 4> classes, int reading) {
        seat0.AnalyseHand(0);
        EstimationSheetBlock& block = ShowBlock(SHEET_NULL);
        for (int s = 0; s < 4; ++s) block[s][NullSheet::ClassWord] = classes[s] ? classes[s] : SHEET_EMPTY;
        SheetAt(block, NullSheet::SafeNoForehandMark) = SHEET_EMPTY;
        SheetAt(block, NullSheet::SafeNoAceMark) = SHEET_EMPTY;
        for (int s = 0; s < 4; ++s) {
            if (classes[s] == 3) SheetAt(block, NullSheet::SafeNoForehandMark) = 3;
            if (classes[s] == 6) SheetAt(block, NullSheet::SafeNoAceMark) = 6;
        }
        SheetAt(block, NullSheet::Reading) = reading;
        return block;
    }
    std::string Show(int spot) {
        canvas.Clear();
        DrawNullPopup(canvas, spot);
        return canvas.Text();
    }
};

TEST_F(NullPopupsTest, BonusMarkListsTheClassThreeSuitBeforeTheClassSixSuit) {
    Deal("C7 C8 C9 S7 S8 H7 H9 D7 D8 DT");
    struct Case {
        std::array<int, 4> classes;
        int mark5, mark6;  // 0: leave as the classes set it, -1: empty
        const char* text;
        int width;
    };
    const Case cases[] = {
        {{1, 1, 1, 1}, 0, 0, "b: 0", 28},
        {{1, 3, 1, 1}, 0, 0, "b: <S>", 21 + 14},
        {{6, 1, 3, 1}, 0, 0, "b: <H> | <C>", 21 + 28 + 21},
        // Both marks set but no suit of class 3: the class-6 symbol takes the first place.
        {{6, 1, 1, 1}, 3, 0, "b: <C>", 21 + 28 + 21},
        // One mark whose class no suit has: the symbol is left out, the width stays.
        {{1, 1, 1, 1}, 3, 0, "b: ", 21 + 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EstimationSheetBlock& block = NullBlock(c.classes, 0);
        if (c.mark5 > 0) SheetAt(block, NullSheet::SafeNoForehandMark) = c.mark5;
        if (c.mark6 > 0) SheetAt(block, NullSheet::SafeNoAceMark) = c.mark6;
        EXPECT_EQ(Show(1), c.text);
        ASSERT_EQ(canvas.boxes.size(), 1u);
        EXPECT_EQ(canvas.boxes[0].width, c.width);
        EXPECT_EQ(canvas.boxes[0].height, 12);
        EXPECT_EQ(canvas.boxes[0].spot, 1);
        EXPECT_EQ(canvas.boxes[0].mode, kPopupModeNull);
    }
}

TEST_F(NullPopupsTest, ChancePrintsRowSevenAsItStands) {
    Deal("C7 C8 C9 S7 S8 H7 H9 D7 D8 DT");
    EstimationSheetBlock& block = NullBlock({1, 1, 1, 1}, 0);
    SheetAt(block, NullSheet::Chance) = 40;
    EXPECT_EQ(Show(2), "c: 40 %");
    SheetAt(block, NullSheet::Chance) = SHEET_EMPTY;
    EXPECT_EQ(Show(2), "c: 65535 %");
}

TEST_F(NullPopupsTest, FlagFChoosesWhichTermOfAGroupListsItsSuits) {
    Deal("C7 C9 CA S7 S8 H7 H9 D7 D8 DT");
    struct Case {
        int reading, spot;
        const char* text;
    };
    const Case cases[] = {
        {0, 4, "4 caution2: 1: <C>"}, {0, 5, "5 risk1: 0"},
        {1, 4, "4 caution2: 0"},      {1, 5, "5 risk1: <C>A"},
        {0, 11, "11 caution1: 0"},    {0, 20, "20 risk2: 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "F " << c.reading << " spot " << c.spot);
        NullBlock({3, 1, 1, 1}, c.reading);
        EXPECT_EQ(Show(c.spot), c.text);
    }
}

TEST_F(NullPopupsTest, SpotEightShowsTheTwoTopCardsOfEachDropSuit) {
    Deal("HA HT C7 C8 C9 S7 S8 D7 D8 D9");
    NullBlock({1, 1, 5, 1}, 0);
    EXPECT_EQ(Show(8), "8 drop:  2: <H>A + <H>10");
    ASSERT_EQ(canvas.boxes.size(), 1u);
    // "8 drop: " and " 2: ", the texts "A" and "10", two symbols and one joiner.
    EXPECT_EQ(canvas.boxes[0].width, 56 + 28 + 7 + 14 + 28 + 12);
    EXPECT_EQ(canvas.boxes[0].height, 12);
    EXPECT_EQ(canvas.boxes[0].xOffset, 0);

    NullBlock({5, 1, 5, 1}, 0);
    EXPECT_EQ(Show(8), "8 drop:  4: <C>9 + <C>8 + <H>A + <H>10");
    NullBlock({1, 1, 1, 1}, 0);
    EXPECT_EQ(Show(8), "8 drop: 0");
}

TEST_F(NullPopupsTest, BonusTermNamesTheCardAboveTheLowestAndTheLowest) {
    Deal("C7 C9 CK S7 S8 H7 H9 D7 D8 DT");
    NullBlock({3, 1, 1, 1}, 0);
    EXPECT_EQ(Show(3), "3 bonus: 1: <C>9 + <C>7");
    // Class 6 names the highest card of the suit.
    NullBlock({1, 1, 1, 6}, 0);
    EXPECT_EQ(Show(10), "10 bonus: 1: <D>10");
    // Without a class-3 suit the bonus term shows its 0 line with its spot and term.
    NullBlock({1, 1, 1, 1}, 0);
    EXPECT_EQ(Show(3), "3 bonus: 0");
}

TEST_F(NullPopupsTest, ASuitNotHeldShowsItsSkatCardOrTheSymbolAlone) {
    Deal("C7 C8 C9 CT H7 H8 H9 D7 D8 DT", "H7 S8");
    NullBlock({1, 4, 1, 1}, 0);
    EXPECT_EQ(Show(6), "6 drop: <S>8");
    Deal("C7 C8 C9 CT H7 H8 H9 D7 D8 DT", "HA DA");
    NullBlock({1, 4, 1, 1}, 0);
    EXPECT_EQ(Show(6), "6 drop: <S>");
}

TEST_F(NullPopupsTest, VentureAndUnfitGroupsShowTheScoringWordInBothEditions) {
    Deal("C7 C8 C9 CT H7 H8 H9 D7 D8 DA");
    NullBlock({1, 1, 1, 13}, 0);
    EXPECT_EQ(Show(31), "31 drop: <D>Wertung 3");
    NullBlock({1, 1, 10, 1}, 0);
    EXPECT_EQ(Show(21), "21 drop: <H>Wertung 1");
    UseEdition(true);
    EXPECT_EQ(Show(21), "21 drop: <H>Scoring 1");
}

TEST_F(NullPopupsTest, GameTypeAndTrumpCountComeBackOnEveryPath) {
    Deal("HA HT C7 C8 C9 S7 S8 D7 D8 D9");
    NullBlock({1, 1, 5, 1}, 0);
    for (int spot : {3, 4, 5, 6, 8, 14, 31, 32}) {
        g_Game.GameType = GAME_HEARTS;
        g_Game.TrumpCount = 7;
        Show(spot);
        EXPECT_EQ(g_Game.GameType, GAME_HEARTS) << "spot " << spot;
        EXPECT_EQ(g_Game.TrumpCount, 7) << "spot " << spot;
    }
}

TEST_F(NullPopupsTest, NothingIsDrawnWithoutBlockOrPlayerAndSpotsWithoutPopup) {
    Deal("HA HT C7 C8 C9 S7 S8 D7 D8 D9");
    NullBlock({1, 1, 5, 1}, 0);
    for (int spot : {0, 32, 33, 34}) EXPECT_EQ(Show(spot), "") << spot;
    canvas.block = nullptr;
    EXPECT_EQ(Show(8), "");
    EXPECT_TRUE(canvas.boxes.empty());
    NullBlock({1, 1, 5, 1}, 0);
    canvas.player = nullptr;
    EXPECT_EQ(Show(8), "");
}

TEST_F(NullPopupsTest, EvaluatedHandListsEachSuitAtTheSpotsOfItsClass) {
    // A real evaluation: every suit of the block is listed by the term spots of its class and by
    // no other drop spot.
    Deal("C7 C8 C9 S7 S9 SJ H8 HA D7 DK");
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    const EstimationSheetBlock& block = ShowBlock(SHEET_NULL);
    int classified = 0;
    for (int s = 0; s < 4; ++s) {
        const int code = block[s][NullSheet::ClassWord];
        if (code < 3 || code > 13) continue;
        ++classified;
        // The drop or bonus spot of each group in sheet order.
        const int groupSpot[] = {3, 6, 8, 10, 14, 15, 18, 21, 24, 28, 31};
        const int spot = groupSpot[code - 3];
        SheetAt(ShowBlock(SHEET_NULL), NullSheet::Reading) = code == 10 ? 0 : SheetAt(block, NullSheet::Reading);
        const std::string text = Show(spot);
        EXPECT_NE(text.find(std::string("<") + "CSHD"[s] + ">"), std::string::npos) << "suit " << s << " class " << code << ": " << text;
    }
    EXPECT_GT(classified, 0);
}

}  // namespace
