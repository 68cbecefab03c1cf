// The rule configuration and the Ramsch scoring, run modally with the person's scripted actions:
// OK writes what the dialog shows, Cancel only what an arrow already changed, a refused number beeps,
// shows "?" selected and stores nothing.
#include "SettingsDialogFixture.h"

#include "dialogs/RuleOptionDialogs.h"
#include "dialogs/SettingsIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/ComboBox.h"
#include "platform/core/Edit.h"
#include "platform/core/ListBox.h"
#include "platform/core/WindowApi.h"

#include <cstring>

namespace {

using testsupport::DialogAction;
using C = CConfigurationDialog;
using R = CRamschEvalModeDialog;

bool SameSettings(const CSettings& a, const CSettings& b) { return std::memcmp(&a, &b, sizeof(CSettings)) == 0; }

class ConfigurationDialogTest : public testsupport::SettingsDialogFixture {
protected:
    void SetUp() override {
        g_Game.BockRounds = 3;
        g_Game.RamschRounds = 2;
    }
};

TEST_F(ConfigurationDialogTest, RuleThenOkGivesTheOfficialRules) {
    Answer(IDD_CONFIGURATION, {DialogAction::Press(C::kRule), DialogAction::Press(IDOK)});
    C dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const auto& v = g_Settings.Variants;
    EXPECT_EQ((std::array{v.Kontra, v.Ramsch, v.PassOn, v.GrandHand, v.Revolution}), (std::array{0, 0, 0, 0, 0}));
    EXPECT_EQ(v.Schneider, 1);
    EXPECT_EQ(v.Ouvert, 3);
    EXPECT_EQ(v.RamschStock, 0);
    EXPECT_EQ(v.NullOuvert, 0);
    EXPECT_EQ(v.Hand, 1);
    EXPECT_EQ(v.Extra, 0);
    EXPECT_EQ(v.IfExtra, 0);
    EXPECT_EQ(g_Game.BockRounds, 3);  // the number fields stay
}

TEST_F(ConfigurationDialogTest, StandardThenOkGivesTheProgramsDefaults) {
    g_Settings.Variants = {};
    g_Settings.Variants.Kontra = 0;
    g_Settings.Variants.IfExtra = 5;
    g_Settings.Variants.Ouvert = 3;
    g_Settings.Variants.Extra = 0;
    Answer(IDD_CONFIGURATION, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
    C dialog;
    dialog.DoModal();
    const auto& v = g_Settings.Variants;
    EXPECT_EQ((std::array{v.Kontra, v.Ramsch, v.PassOn, v.GrandHand, v.Revolution}), (std::array{1, 1, 1, 1, 1}));
    EXPECT_EQ(v.Schneider, 0);
    EXPECT_EQ(v.Ouvert, 2);
    EXPECT_EQ(v.Hand, 1);
    EXPECT_EQ(v.Extra, 3);
    EXPECT_EQ(v.IfExtra, 63);
}

TEST_F(ConfigurationDialogTest, OkRightAfterOpeningKeepsEverySetting) {
    g_Settings.Variants.IfExtra = 0b100101;
    g_Settings.Variants.Ouvert = 1;
    g_Settings.Variants.Extra = 2;
    g_Settings.Variants.Revolution = 0;
    const CSettings before = g_Settings;
    Answer(IDD_CONFIGURATION, {DialogAction::Press(IDOK)});
    C dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(SameSettings(before, g_Settings));
    EXPECT_EQ(g_Game.BockRounds, 3);
    EXPECT_EQ(g_Game.RamschRounds, 2);
}

TEST_F(ConfigurationDialogTest, TheListShowsTheCausesWithoutRichTextAndTheirBits) {
    g_Settings.Variants.IfExtra = 0b010010;
    C dialog;
    ASSERT_TRUE(dialog.Create());
    const auto* list = dialog.GetControlAs<platform::ListBox>(C::kIfExtra);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Items().Count(), 6);
    EXPECT_EQ(list->Items().Text(0), "verlorenes Spiel mit 60 Punkten");
    EXPECT_EQ(list->Items().Text(2), "gewonnener Grand Hand ");
    EXPECT_EQ(list->Items().Text(5), "Serienschluss");
    for (int item = 0; item < 6; ++item) EXPECT_EQ(list->IsSelected(item), item == 1 || item == 4) << item;
    dialog.DestroyWindow();
}

TEST_F(ConfigurationDialogTest, ChangesAtOkOnlyAndArrowsAtOnceEvenAfterCancel) {
    const CSettings before = g_Settings;
    Answer(IDD_CONFIGURATION, {DialogAction::Check(C::kKontra, 0), DialogAction::Choose(C::kExtra, 1),
                               DialogAction::Choose(C::kIfExtra, 0), DialogAction::Press(C::kBockUp),
                               DialogAction::Press(C::kRamschDown), DialogAction::Press(C::kRamschDown),
                               DialogAction::Press(C::kRamschDown), DialogAction::Press(IDCANCEL)});
    C dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(SameSettings(before, g_Settings));
    EXPECT_EQ(g_Game.BockRounds, 4);
    EXPECT_EQ(g_Game.RamschRounds, 0);  // the third press down at 0 beeps
    EXPECT_EQ(Beeps(), 1u);
}

TEST_F(ConfigurationDialogTest, ArrowsAtTheEndsOfTheRoundsBeep) {
    g_Game.BockRounds = 0;
    g_Game.RamschRounds = 9999;
    Answer(IDD_CONFIGURATION, {DialogAction::Press(C::kBockDown), DialogAction::Press(C::kRamschUp),
                               DialogAction::Press(IDCANCEL)});
    C dialog;
    dialog.DoModal();
    EXPECT_EQ(g_Game.BockRounds, 0);
    EXPECT_EQ(g_Game.RamschRounds, 9999);
    EXPECT_EQ(Beeps(), 2u);
}

TEST_F(ConfigurationDialogTest, ARefusedRoundNumberStoresNothingAndStaysOpen) {
    // The field takes digits only from the keyboard, so a sign never reaches it.
    const char* refused[] = {"", "10000", "99999999999"};
    for (const char* text : refused) {
        const CSettings before = g_Settings;
        host->ClearBeeps();
        bool open = false;
        std::string shown;
        int selectedTo = -1;
        testsupport::AfterOk<C> dialog;
            Answer(IDD_CONFIGURATION, {DialogAction::Check(C::kKontra, 0), DialogAction::TypeText(C::kRamschRounds, text),
                                   DialogAction::Press(IDOK)});
        dialog.afterOk = [&] {
            open = dialog.IsRunningModal();
            shown = dialog.GetDlgItemText(C::kRamschRounds);
            selectedTo = dialog.GetControlAs<platform::Edit>(C::kRamschRounds)->SelectionEnd();
            dialog.EndDialog(IDCANCEL);
        };
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << text;
        EXPECT_TRUE(open) << text;
        EXPECT_EQ(shown, "?") << text;
        EXPECT_EQ(selectedTo, 1) << text;
        EXPECT_GE(Beeps(), 1u) << text;
        EXPECT_TRUE(SameSettings(before, g_Settings)) << text;
        EXPECT_EQ(g_Game.RamschRounds, 2) << text;
    }
}

TEST_F(ConfigurationDialogTest, TypedRoundNumbersReachTheLimitsAtOk) {
    Answer(IDD_CONFIGURATION, {DialogAction::TypeText(C::kBock, "12"), DialogAction::TypeText(C::kRamschRounds, "0"),
                               DialogAction::Press(IDOK)});
    C dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_Game.BockRounds, 12);
    EXPECT_EQ(g_Game.RamschRounds, 0);
}

TEST_F(ConfigurationDialogTest, AStoredChoiceTheListLacksSelectsItsFirstItem) {
    g_Settings.Variants.Ouvert = 7;
    C dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetControlAs<platform::ComboBox>(C::kOuvert)->Items().Selection(), 0);
    dialog.DestroyWindow();
}

// --- Ramsch scoring -------------------------------------------------------------------------------

class RamschEvalModeDialogTest : public testsupport::SettingsDialogFixture {};

TEST_F(RamschEvalModeDialogTest, OkStoresWhatTheDialogShows) {
    Answer(IDD_RAMSCH_EVAL_MODE, {DialogAction::Check(R::kByFixedPoints), DialogAction::Check(R::kAddFixed),
                                  DialogAction::TypeText(R::kGame, "120"), DialogAction::TypeText(R::kPassOn, "1"),
                                  DialogAction::TypeText(R::kJungfrau, "30"), DialogAction::TypeText(R::kDurchmarsch, "75"),
                                  DialogAction::Press(IDOK)});
    R dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const auto& r = g_Settings.Ramsch;
    EXPECT_EQ(r.EvalMode, 1);
    EXPECT_EQ(r.Scale, 2);
    EXPECT_EQ((std::array{r.Game, r.PassOn, r.Jungfrau, r.Durchmarsch}), (std::array{120, 1, 30, 75}));
}

TEST_F(RamschEvalModeDialogTest, StandardGivesGamePointsDoublingAndFifty) {
    g_Settings.Ramsch = {1, 1, 7, 8, 9, 10};
    Answer(IDD_RAMSCH_EVAL_MODE, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
    R dialog;
    dialog.DoModal();
    const auto& r = g_Settings.Ramsch;
    EXPECT_EQ((std::array{r.EvalMode, r.Scale, r.Game, r.PassOn, r.Jungfrau, r.Durchmarsch}),
              (std::array{0, 0, 50, 50, 50, 50}));
}

TEST_F(RamschEvalModeDialogTest, ARefusedFieldShowsItsQuestionMarkAndNothingIsStored) {
    const int fields[] = {R::kGame, R::kPassOn, R::kJungfrau, R::kDurchmarsch};
    const char* refused[] = {"0", "121", "-1", "abc", "99999999999", ""};
    for (int field : fields) {
        for (const char* text : refused) {
            g_Settings.Ramsch = {0, 0, 40, 41, 42, 43};
            host->ClearBeeps();
            std::string game, shown;
            bool open = false;
            testsupport::AfterOk<R> dialog;
            dialog.afterOk = [&] {
                open = dialog.IsRunningModal();
                game = dialog.GetDlgItemText(R::kGame);
                shown = dialog.GetDlgItemText(field);
                dialog.EndDialog(IDCANCEL);
            };
            Answer(IDD_RAMSCH_EVAL_MODE, {DialogAction::Check(R::kByFixedPoints), DialogAction::TypeText(R::kGame, "60"),
                                          DialogAction::TypeText(field, text), DialogAction::Press(IDOK)});
            dialog.DoModal();
            EXPECT_TRUE(open) << field << " " << text;
            EXPECT_EQ(shown, "?") << field << " " << text;
            if (field != R::kGame) {
                EXPECT_EQ(game, "60") << field << " " << text;  // the accepted Game field stays
            }
            EXPECT_GE(Beeps(), 1u);
            const auto& r = g_Settings.Ramsch;
            EXPECT_EQ((std::array{r.EvalMode, r.Game, r.PassOn, r.Jungfrau, r.Durchmarsch}), (std::array{0, 40, 41, 42, 43}))
                << field << " " << text;
        }
    }
}

}  // namespace
