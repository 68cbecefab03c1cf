// The match end, the trace log, the general settings and the export confirmation, run modally with
// the person's scripted actions.
#include "SettingsDialogFixture.h"

#include "dialogs/MatchSettingsDialogs.h"
#include "dialogs/SettingsIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Edit.h"
#include "platform/core/Registry.h"
#include "platform/core/WindowApi.h"
#include "shell/SkatApp.h"

#include <cstring>

namespace {

using testsupport::DialogAction;
using T = CTerminationDialog;
using L = CLoggingDialog;
using S = CSettingsDialog;

bool SameSettings(const CSettings& a, const CSettings& b) { return std::memcmp(&a, &b, sizeof(CSettings)) == 0; }

class TerminationDialogTest : public testsupport::SettingsDialogFixture {
protected:
    void SetUp() override {
        g_Settings.Game.MaxRounds = 12;
        g_Settings.Game.MaxTime = 1800;
        g_Settings.Game.CountDown = 1200;
        g_Settings.Game.MaxCredit = 501;
        g_Game.MatchMode = 0;
    }
};

TEST_F(TerminationDialogTest, ThirtyMinutesAreShownAndStoredTwiceInSeconds) {
    T dialog(false);
    Answer(IDD_TERMINATION, {DialogAction::Check(T::kDuration), DialogAction::Press(IDOK)});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_Settings.Game.MaxTime, 1800);
    EXPECT_EQ(g_Settings.Game.CountDown, 1800);
    EXPECT_EQ(g_Game.MatchMode, 1);
    T shown(false);
    ASSERT_TRUE(shown.Create());
    EXPECT_EQ(shown.GetDlgItemText(T::kMinutes), "30");
    EXPECT_TRUE(::IsWindowEnabled(shown.GetDlgItem(T::kMinutes)));
    EXPECT_FALSE(::IsWindowEnabled(shown.GetDlgItem(T::kRounds)));
    shown.DestroyWindow();
}

TEST_F(TerminationDialogTest, ARaisedCreditRaisesEveryBalanceByTheDifference) {
    int balances[3] = {501, 120, -30};
    Answer(IDD_TERMINATION, {DialogAction::Check(T::kBierlachs), DialogAction::TypeText(T::kCredit, "601"),
                             DialogAction::Press(IDOK)});
    T dialog(false, {&balances[0], &balances[1], &balances[2]});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(g_Settings.Game.MaxCredit, 601);
    EXPECT_EQ(balances[0], 601);
    EXPECT_EQ(balances[1], 220);
    EXPECT_EQ(balances[2], 70);
    EXPECT_EQ(g_Game.MatchMode, 2);
}

TEST_F(TerminationDialogTest, EachRefusedFieldStoresNothingAndStaysOpen) {
    const int fields[] = {T::kRounds, T::kMinutes, T::kCredit};
    const char* refused[] = {"0", "-1", "abc", "99999999999", "", "100000"};
    for (int field : fields) {
        for (const char* text : refused) {
            int balance = 501;
            host->ClearBeeps();
            bool open = false;
            std::string shown;
            testsupport::AfterOk<T> dialog(false, {&balance, nullptr, nullptr});
            dialog.afterOk = [&] {
                open = dialog.IsRunningModal();
                shown = dialog.GetDlgItemText(field);
                dialog.EndDialog(IDCANCEL);
            };
            // A field takes typing only while its mode is chosen; every field is read at OK all the same.
            const int mode = field == T::kRounds ? T::kSeries : field == T::kMinutes ? T::kDuration : T::kBierlachs;
            Answer(IDD_TERMINATION, {DialogAction::Check(T::kSeries), DialogAction::TypeText(T::kRounds, "20"),
                                     DialogAction::Check(T::kDuration), DialogAction::TypeText(T::kMinutes, "45"),
                                     DialogAction::Check(T::kBierlachs), DialogAction::TypeText(T::kCredit, "700"),
                                     DialogAction::Check(mode), DialogAction::TypeText(field, text),
                                     DialogAction::Check(T::kUnlimited), DialogAction::Press(IDOK)});
            dialog.DoModal();
            EXPECT_TRUE(open) << field << " " << text;
            EXPECT_EQ(shown, "?") << field << " " << text;
            EXPECT_GE(Beeps(), 1u);
            const auto& g = g_Settings.Game;
            EXPECT_EQ((std::array{g.MaxRounds, g.MaxTime, g.CountDown, g.MaxCredit}), (std::array{12, 1800, 1200, 501}))
                << field << " " << text;
            EXPECT_EQ(balance, 501);
            EXPECT_EQ(g_Game.MatchMode, 0);
        }
    }
}

TEST_F(TerminationDialogTest, BierlachsWithExtraRoundsPendingAsksAndNoLeavesTheFields) {
    host->Answers().PushMessageBoxAnswer(IDNO);
    bool creditEnabled = true;
    // Look at the fields after the answer, before Cancel.
    Answer(IDD_TERMINATION, {DialogAction::Check(T::kBierlachs), DialogAction::Press(IDCANCEL)});
    struct Probe : T {
        using T::T;
        bool* creditEnabled = nullptr;
        void OnCancel() override {
            *creditEnabled = ::IsWindowEnabled(GetDlgItem(kCredit));
            T::OnCancel();
        }
    } probe(true);
    probe.creditEnabled = &creditEnabled;
    probe.DoModal();
    EXPECT_EQ(host->Answers().PendingMessageBoxAnswers(), 0u);  // asked once
    EXPECT_FALSE(creditEnabled);
    // Without rounds pending nothing is asked and the credit field opens.
    host->Answers().PushMessageBoxAnswer(IDNO);
    Answer(IDD_TERMINATION, {DialogAction::Check(T::kBierlachs), DialogAction::Press(IDCANCEL)});
    Probe quiet(false);
    quiet.creditEnabled = &creditEnabled;
    quiet.DoModal();
    EXPECT_EQ(host->Answers().PendingMessageBoxAnswers(), 1u);
    EXPECT_TRUE(creditEnabled);
}

TEST_F(TerminationDialogTest, StandardShowsTwelveRoundsThirtyMinutesAndCredit501) {
    g_Settings.Game.MaxRounds = 3;
    g_Settings.Game.MaxTime = 600;
    g_Settings.Game.MaxCredit = 99;
    g_Game.MatchMode = 3;
    Answer(IDD_TERMINATION, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
    T dialog(false);
    dialog.DoModal();
    const auto& g = g_Settings.Game;
    EXPECT_EQ((std::array{g.MaxRounds, g.MaxTime, g.MaxCredit}), (std::array{12, 1800, 501}));
    EXPECT_EQ(g_Game.MatchMode, 0);
}

// --- Trace log -------------------------------------------------------------------------------------

class LoggingDialogTest : public testsupport::SettingsDialogFixture {
protected:
    void SetUp() override {
        app = std::make_unique<CSkatApp>();
        app->Log = 0;
        app->LogDelete = 1;
        app->LogLevel = 0b0101;
        app->LogLevelV = 0b1010;
        app->LogList = 0;
        g_pApp = app.get();  // the application object is reached as the running program's
    }
    void TearDown() override {
        g_pApp = nullptr;
        app.reset();
    }
    std::unique_ptr<CSkatApp> app;
};

TEST_F(LoggingDialogTest, ARowIsTracedNormallyOrInDetailNotBoth) {
    // Row 0 (view) normal on: its advanced box is cleared; row 1 (frame) advanced on: its normal cleared.
    Answer(IDD_LOGGING, {DialogAction::Check(L::kAdvanced[0]), DialogAction::Check(L::kNormal[1]), DialogAction::Press(IDOK)});
    L dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(app->LogLevel, 0b0110);
    EXPECT_EQ(app->LogLevelV, 0b1001);
}

TEST_F(LoggingDialogTest, TheFiveValuesAreInTheRegistryRightAfterOk) {
    Answer(IDD_LOGGING, {DialogAction::Check(L::kLogOn), DialogAction::Check(L::kDelete[2]), DialogAction::Check(L::kDisplay),
                         DialogAction::Press(IDOK)});
    L dialog;
    dialog.DoModal();
    EXPECT_EQ(GetProfileInt("View", "Log", -1), 1);
    EXPECT_EQ(GetProfileInt("View", "LogDelete", -1), 2);
    EXPECT_EQ(GetProfileInt("View", "LogLevel", -1), 0b0101);
    EXPECT_EQ(GetProfileInt("View", "LogLevelV", -1), 0b1010);
    EXPECT_EQ(GetProfileInt("View", "LogList", -1), 1);
    EXPECT_EQ(app->Log, 1);
    EXPECT_EQ(app->LogDelete, 2);
    EXPECT_EQ(app->LogList, 1);
}

TEST_F(LoggingDialogTest, StandardLogsNothingDeletesBothAndTracesEveryRowNormally) {
    Answer(IDD_LOGGING, {DialogAction::Check(L::kLogOn), DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
    L dialog;
    dialog.DoModal();
    EXPECT_EQ(app->Log, 0);
    EXPECT_EQ(app->LogDelete, 3);
    EXPECT_EQ(app->LogLevel, 15);
    EXPECT_EQ(app->LogLevelV, 0);
    EXPECT_EQ(app->LogList, 0);  // the display box stays
}

TEST_F(LoggingDialogTest, CancelWritesNothing) {
    Answer(IDD_LOGGING, {DialogAction::Check(L::kLogOn), DialogAction::Press(IDCANCEL)});
    L dialog;
    dialog.DoModal();
    EXPECT_EQ(app->Log, 0);
    EXPECT_EQ(GetProfileInt("View", "Log", -1), -1);
}

// --- General settings ------------------------------------------------------------------------------

class SettingsDialogTest : public testsupport::SettingsDialogFixture {
protected:
    static void Fill(S& dialog) {
        dialog.ListTitle = "Liste";
        dialog.Subtitle = "Sonntag";
        dialog.StoreTitle = "Zuordnung";
        dialog.TitleFlags = 0;
        dialog.Counting = 0;
        dialog.Calculation = 2;
        dialog.Balloon = 0;
    }
};

TEST_F(SettingsDialogTest, OkRightAfterOpeningChangesNothing) {
    const CSettings before = g_Settings;
    Answer(IDD_SETTINGS, {DialogAction::Press(IDOK)});
    S dialog;
    Fill(dialog);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(SameSettings(before, g_Settings));
    EXPECT_FALSE(dialog.Changed);
    EXPECT_EQ(dialog.ListTitle, "Liste");
    EXPECT_EQ((std::array{dialog.TitleFlags, dialog.Counting, dialog.Calculation, dialog.Balloon}), (std::array{0, 0, 2, 0}));
}

TEST_F(SettingsDialogTest, StandardTakesTheEditionsHalfOfTheTitles) {
    struct Case {
        const platform::ResourceSet* edition;
        const char* list;
        const char* subtitle;
        const char* store;
    };
    const Case cases[] = {{&GermanResources(), "Spielliste", "Regelskat", "Kartenzuordnung"},
                          {&EnglishResources(), "Score Sheet", "Rule Skat", "Cards Assignment"}};
    for (const Case& c : cases) {
        UseEdition(*c.edition);
        Answer(IDD_SETTINGS, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
        S dialog;
        Fill(dialog);
        dialog.DoModal();
        EXPECT_EQ(dialog.ListTitle, c.list);
        EXPECT_EQ(dialog.Subtitle, c.subtitle);
        EXPECT_EQ(dialog.StoreTitle, c.store);
        EXPECT_TRUE(dialog.Changed);
        EXPECT_EQ((std::array{dialog.TitleFlags, dialog.Counting, dialog.Calculation, dialog.Balloon}), (std::array{3, 1, 1, 1}));
        const auto& s = g_Settings.Settings;
        EXPECT_EQ((std::array{s.Annotate, s.Deal, s.Zoom, s.Last, s.Safe, s.Abandon, s.Score, s.Rule, s.Suggest}),
                  (std::array{1, 0, 1, 1, 1, 1, 0, 0, 0}));
    }
}

TEST_F(SettingsDialogTest, ATypedTitleOrAnotherCountingIsAChange) {
    struct Case {
        platform::DialogActions actions;
        bool changed;
    };
    const Case cases[] = {
        {{DialogAction::TypeText(S::kStoreTitle, "Neu"), DialogAction::Press(IDOK)}, true},
        {{DialogAction::TypeText(S::kSubtitle, "Sonntag"), DialogAction::Press(IDOK)}, true},  // typed, even if the same
        {{DialogAction::Check(S::kByGame), DialogAction::Press(IDOK)}, true},
        {{DialogAction::Check(S::kListTitleShowsMatch), DialogAction::Press(IDOK)}, true},
        {{DialogAction::Check(S::kZoom, 0), DialogAction::Press(IDOK)}, false},
    };
    for (const Case& c : cases) {
        Answer(IDD_SETTINGS, c.actions);
        S dialog;
        Fill(dialog);
        dialog.DoModal();
        EXPECT_EQ(dialog.Changed != 0, c.changed);
    }
}

TEST_F(SettingsDialogTest, ATitleTheFilesCannotKeepIsRefused) {
    bool open = false;
    testsupport::AfterOk<S> dialog;
    Fill(dialog);
    dialog.afterOk = [&] {
        open = dialog.IsRunningModal();
        dialog.EndDialog(IDCANCEL);
    };
    Answer(IDD_SETTINGS, {DialogAction::TypeText(S::kListTitle, "Łódź"), DialogAction::Press(IDOK)});
    dialog.DoModal();
    EXPECT_TRUE(open);
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_EQ(dialog.ListTitle, "Liste");
}

TEST(EditionHalves, ATextKeepsTheOtherEditionsHalf) {
    EXPECT_EQ(EditionHalf("Spielliste\nScore Sheet", false), "Spielliste");
    EXPECT_EQ(EditionHalf("Spielliste\nScore Sheet", true), "Score Sheet");
    EXPECT_EQ(EditionHalf("Skatabend", true), "Skatabend");
    EXPECT_EQ(WithEditionHalf("Spielliste\nScore Sheet", "Liste", false), "Liste\nScore Sheet");
    EXPECT_EQ(WithEditionHalf("Spielliste\nScore Sheet", "List", true), "Spielliste\nList");
    EXPECT_EQ(WithEditionHalf("Skatabend", "Skat night", true), "Skatabend\nSkat night");
}

TEST_F(SettingsDialogTest, TheExportIsConfirmedOnlyByOk) {
    const std::pair<int, bool> cases[] = {{IDOK, true}, {IDCANCEL, false}};
    for (auto [button, confirmed] : cases) {
        Answer(IDD_SAVE_INIT_VALUES, {DialogAction::Press(button)});
        CSaveInitValuesDialog dialog;
        dialog.DoModal();
        EXPECT_EQ(dialog.Confirmed != 0, confirmed);
    }
}

}  // namespace
