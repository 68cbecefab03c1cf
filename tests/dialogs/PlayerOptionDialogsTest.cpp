// The bidding risk, the delays and the names, run modally with the person's scripted actions.
#include "SettingsDialogFixture.h"

#include "computer/evaluation/ComputerState.h"
#include "dialogs/PlayerOptionDialogs.h"
#include "dialogs/SettingsIds.h"
#include "model/Settings.h"
#include "platform/core/ComboBox.h"
#include "platform/core/WindowApi.h"

#include <cstring>

namespace {

using testsupport::DialogAction;
using Risk = CRiskDispositionDialog;
using Delay = CDelayDialog;
using Names = CNameDialog;

class RiskDispositionDialogTest : public testsupport::SettingsDialogFixture {
protected:
    void SetUp() override {
        // Seat 0 shows Hearts, seat 1 Spades, seat 2 Diamonds.
        g_Settings.RiskSuit.Suit = 2 + 256 * 1 + 65536 * 3;
        g_Risk.RiskSuit[0] = 0x03020106;  // Clubs 6, Spades 1, Hearts 2, Diamonds 3
        g_Risk.RiskSuit[1] = 0x04040404;
        g_Risk.RiskSuit[2] = 0x0B000507;
        g_Risk.RiskGrand[0] = 5;
        g_Risk.RiskNull[2] = 11;
    }
    static int Selected(const Risk& dialog, int id) { return dialog.GetControlAs<platform::ComboBox>(id)->Items().Selection(); }
};

TEST_F(RiskDispositionDialogTest, OpeningShowsEachRowsSuitAndItsRisk) {
    Risk dialog("Anna", "Bernd", "Du");
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(1064), "Anna:");
    EXPECT_EQ(Selected(dialog, Risk::kSuit[0]), 2);
    EXPECT_EQ(Selected(dialog, Risk::kSuitRisk[0]), 2);
    EXPECT_EQ(Selected(dialog, Risk::kSuit[2]), 3);
    EXPECT_EQ(Selected(dialog, Risk::kSuitRisk[2]), 11);
    EXPECT_EQ(Selected(dialog, Risk::kGrand[0]), 5);
    EXPECT_EQ(Selected(dialog, Risk::kNull[2]), 11);
    EXPECT_EQ(dialog.GetControlAs<platform::ComboBox>(Risk::kSuit[1])->Items().Text(0), "Kreuz");
    dialog.DestroyWindow();
}

TEST_F(RiskDispositionDialogTest, ARiskChangedForOneSuitSurvivesSwitchingSuits) {
    // Hearts of seat 0 to 9, over to Spades (its 1 shows), back to Hearts (9 again).
    Answer(IDD_RISK_DISPOSITION, {DialogAction::Choose(Risk::kSuitRisk[0], 9), DialogAction::Choose(Risk::kSuit[0], 1),
                                  DialogAction::Choose(Risk::kSuitRisk[0], 7), DialogAction::Choose(Risk::kSuit[0], 2),
                                  DialogAction::Press(IDOK)});
    Risk dialog("Anna", "Bernd", "Du");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_Risk.RiskSuit[0], 0x03090706);
    EXPECT_EQ(g_Risk.RiskSuit[1], 0x04040404);
    EXPECT_EQ(g_Risk.RiskSuit[2], 0x0B000507);
    EXPECT_EQ(g_Settings.RiskSuit.Suit, 2 + 256 * 1 + 65536 * 3);
}

TEST_F(RiskDispositionDialogTest, TheShownSuitsArePackedOneBytePerSeat) {
    Answer(IDD_RISK_DISPOSITION, {DialogAction::Choose(Risk::kSuit[0], 0), DialogAction::Choose(Risk::kSuit[1], 3),
                                  DialogAction::Choose(Risk::kSuit[2], 2), DialogAction::Press(IDOK)});
    Risk dialog("Anna", "Bernd", "Du");
    dialog.DoModal();
    EXPECT_EQ(g_Settings.RiskSuit.Suit, 0 + 256 * 3 + 65536 * 2);
}

TEST_F(RiskDispositionDialogTest, CancelKeepsEveryRisk) {
    const RiskSettings before = g_Risk;
    const int suits = g_Settings.RiskSuit.Suit;
    Answer(IDD_RISK_DISPOSITION, {DialogAction::Choose(Risk::kSuitRisk[0], 9), DialogAction::Choose(Risk::kGrand[1], 0),
                                  DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDCANCEL)});
    Risk dialog("Anna", "Bernd", "Du");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(std::memcmp(&before, &g_Risk, sizeof before), 0);
    EXPECT_EQ(g_Settings.RiskSuit.Suit, suits);
}

TEST_F(RiskDispositionDialogTest, StandardGivesFortyPercentEverywhereAndClubs) {
    Answer(IDD_RISK_DISPOSITION, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
    Risk dialog("Anna", "Bernd", "Du");
    dialog.DoModal();
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(g_Risk.RiskSuit[seat], 0x04040404) << seat;
        EXPECT_EQ(g_Risk.RiskGrand[seat], 4) << seat;
        EXPECT_EQ(g_Risk.RiskNull[seat], 4) << seat;
    }
    EXPECT_EQ(g_Settings.RiskSuit.Suit, 0);
}

TEST_F(RiskDispositionDialogTest, StoredValuesOutsideTheListsSelectAValidItem) {
    g_Risk.RiskGrand[1] = 40;
    g_Risk.RiskNull[1] = -3;
    g_Settings.RiskSuit.Suit = 9 << 8;
    Risk dialog("Anna", "Bernd", "Du");
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(Selected(dialog, Risk::kGrand[1]), 11);
    EXPECT_EQ(Selected(dialog, Risk::kNull[1]), 0);
    EXPECT_EQ(Selected(dialog, Risk::kSuit[1]), 0);
    dialog.DestroyWindow();
}

TEST(SuitRiskWord, OneBytePerSuit) {
    EXPECT_EQ(SuitRiskOf(0x0B000507, 0), 7);
    EXPECT_EQ(SuitRiskOf(0x0B000507, 3), 11);
    EXPECT_EQ(WithSuitRisk(0x0B000507, 1, 9), 0x0B000907);
    EXPECT_EQ(WithSuitRisk(0x0B000507, 3, 0), 0x00000507);
}

// --- Delays ----------------------------------------------------------------------------------------

class DelayDialogTest : public testsupport::SettingsDialogFixture {
protected:
    std::array<int, Delay::kFieldCount> values{1000, 10000, 1000, 500, 1000, 100, 100, 100, 100, 100};
    std::array<int*, Delay::kFieldCount> Pointers() {
        std::array<int*, Delay::kFieldCount> pointers{};
        for (std::size_t i = 0; i < values.size(); ++i) pointers[i] = &values[i];
        return pointers;
    }
};

TEST_F(DelayDialogTest, ArrowsStepAtOnceAndBeepAtTheEnds) {
    struct Case {
        std::size_t field;
        int from;
        bool up;
        int to;
        std::size_t beeps;
    };
    const Case cases[] = {
        {0, 50, false, 50, 1},        {0, 100, false, 0, 0},        {0, 99899, true, 99999, 0},
        {0, 99900, true, 99900, 1},   {5, 99989, true, 99999, 0},   {5, 99990, true, 99990, 1},
        {9, 10, false, 0, 0},         {9, 5, false, 5, 1},
    };
    for (const Case& c : cases) {
        values[c.field] = c.from;
        host->ClearBeeps();
        Answer(IDD_DELAY, {DialogAction::Press(c.up ? Delay::kUp[c.field] : Delay::kDown[c.field]),
                           DialogAction::Press(IDCANCEL)});
        Delay dialog(Pointers());
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        // The integer moved at once, and Cancel does not take it back.
        EXPECT_EQ(values[c.field], c.to) << c.from;
        EXPECT_EQ(Beeps(), c.beeps) << c.from;
    }
}

TEST_F(DelayDialogTest, AnArrowCountsTheTypedValue) {
    Answer(IDD_DELAY, {DialogAction::TypeText(Delay::kFields[1], "2500"), DialogAction::Press(Delay::kUp[1]),
                       DialogAction::Press(IDCANCEL)});
    Delay dialog(Pointers());
    dialog.DoModal();
    EXPECT_EQ(values[1], 2600);
}

TEST_F(DelayDialogTest, OkTakesEveryFieldAndStandardShowsTheDefaults) {
    values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    Answer(IDD_DELAY, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::TypeText(Delay::kFields[9], "0"),
                       DialogAction::Press(IDOK)});
    Delay dialog(Pointers());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(values, (std::array<int, 10>{1000, 10000, 1000, 500, 1000, 100, 100, 100, 100, 0}));
}

TEST_F(DelayDialogTest, ARefusedFieldKeepsEveryIntegerAndTheDialogOpen) {
    const std::array<int, 10> before = values;
    bool open = false;
    std::string shown;
    testsupport::AfterOk<Delay> dialog(Pointers());
    dialog.afterOk = [&] {
        open = dialog.IsRunningModal();
        shown = dialog.GetDlgItemText(Delay::kFields[6]);
        dialog.EndDialog(IDCANCEL);
    };
    Answer(IDD_DELAY, {DialogAction::TypeText(Delay::kFields[0], "7"), DialogAction::TypeText(Delay::kFields[6], "100000"),
                       DialogAction::Press(IDOK)});
    dialog.DoModal();
    EXPECT_TRUE(open);
    EXPECT_EQ(shown, "?");
    EXPECT_EQ(values, before);
    EXPECT_EQ(Beeps(), 1u);
}

// --- Names -----------------------------------------------------------------------------------------

class NameDialogTest : public testsupport::SettingsDialogFixture {
protected:
    std::string left = "Anna", right = "Bernd", person = "Du";
};

TEST_F(NameDialogTest, OkReplacesTheChangedNamesAndConfirms) {
    Answer(IDD_NAMES, {DialogAction::TypeText(Names::kSeat1, "Jürgen"), DialogAction::Press(IDOK)});
    Names dialog(&left, &right, &person);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.Confirmed);
    EXPECT_EQ(left, "Anna");
    EXPECT_EQ(right, "Jürgen");
    EXPECT_EQ(person, "Du");
}

TEST_F(NameDialogTest, TypingStopsAtTwentyCharacters) {
    Answer(IDD_NAMES, {DialogAction::TypeText(Names::kSeat2, "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßXYZ"), DialogAction::Press(IDOK)});
    Names dialog(&left, &right, &person);
    dialog.DoModal();
    EXPECT_EQ(person, "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü");
}

TEST_F(NameDialogTest, AnUnstorableNameBeepsAndStaysOpenWithNothingChanged) {
    const char* refused[] = {"", "Łukasz", "日本"};
    for (const char* text : refused) {
        host->ClearBeeps();
        bool open = false;
        testsupport::AfterOk<Names> dialog(&left, &right, &person);
        dialog.afterOk = [&] {
            open = dialog.IsRunningModal();
            dialog.EndDialog(IDCANCEL);
        };
        Answer(IDD_NAMES, {DialogAction::TypeText(Names::kSeat0, "Carla"), DialogAction::TypeText(Names::kSeat1, text),
                           DialogAction::Press(IDOK)});
        dialog.DoModal();
        EXPECT_TRUE(open) << text;
        EXPECT_FALSE(dialog.Confirmed) << text;
        EXPECT_EQ(left, "Anna") << text;
        EXPECT_EQ(right, "Bernd") << text;
        EXPECT_EQ(Beeps(), 1u) << text;
    }
}

}  // namespace
