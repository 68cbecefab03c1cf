// The prompt bars with the values the game writes into their buttons, on the Qt host in both
// editions and on screens scaled once and twice: the bid button at the top of the bid ladder, raised
// there by the keys from the lowest bid, as bidder and as holder; the continue button before the
// last trick and after it; every bar's rule button with the longest rule number the computer names;
// the resume button with the longest name a player takes. Each text stands whole in its button.
//
// With KARTOVAN_TEST_PNG_DIR set, each bar is written there as bar-<edition>-<case>-<scale>.png.

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include <gtest/gtest.h>

#include "QtScaledTwice.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "dialogs/AuctionDialog.h"
#include "dialogs/DeclareDialog.h"
#include "dialogs/DialogIds.h"
#include "dialogs/DialogServices.h"
#include "dialogs/PlayBars.h"
#include "dialogs/PlayerOptionDialogs.h"
#include "dialogs/RamschBars.h"
#include "dialogs/SkatBars.h"
#include "flow/TrickPlay.h"
#include "flow/RuleButton.h"
#include "model/BidLadder.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "resources/ids.h"

namespace {

using namespace platform;

// The longest rule number the computer gives a piece of advice.
constexpr int kLongestRule = 6262;

// A player's name as long as the name field takes.
std::string LongName(int) { return "Maximilian Wolfgramm"; }

struct BarCase {
    const char* name;
    std::function<CModelessDialog*()> make;
    // Writes the game's values into the open bar, as the game does.
    std::function<void(CModelessDialog&)> fill;
};

template <class Bar, class... Args>
std::function<CModelessDialog*()> Made(Args... args) {
    return [=] { return CreateBar<Bar>(args...); };
}

void RuleNumber(CModelessDialog& bar) { AppendToRuleButton(bar.Handle(), kLongestRule); }

const std::vector<BarCase>& Cases() {
    static const std::vector<BarCase> cases = {
        {"bid-raised-to-the-top", Made<CAuctionDialog>(),
         [](CModelessDialog& bar) {
             g_Game.AuctionRole = 0;
             g_Game.BidIndex = 0;
             g_Game.PendingRaise = BID_LADDER_SIZE - 1;
             static_cast<CAuctionDialog&>(bar).AlterBidDisplay(true);
         }},
        {"hold-raised-to-the-top", Made<CAuctionDialog>(),
         [](CModelessDialog& bar) {
             g_Game.AuctionRole = 1;
             g_Game.BidIndex = 0;
             g_Game.PendingRaise = BID_LADDER_SIZE - 1;
             static_cast<CAuctionDialog&>(bar).AlterBidDisplay(true);
         }},
        {"hold-the-top", Made<CAuctionDialog>(),
         [](CModelessDialog& bar) {
             g_Game.AuctionRole = 1;
             g_Game.BidIndex = BID_LADDER_SIZE - 1;
             g_Game.PendingRaise = 0;
             bar.SetDlgItemText(IDC_BID, CAuctionDialog::BidButtonLabel());
         }},
        {"continue-to-the-last-trick", Made<CContinueDialog>(),
         [](CModelessDialog& bar) { bar.SetDlgItemText(IDC_CONTINUE, CTrickPlay::ContinueCaption(IDS_PLAY_CARD, 10)); }},
        {"continue-after-the-last-trick", Made<CContinueDialog>(),
         [](CModelessDialog& bar) { bar.SetDlgItemText(IDC_CONTINUE, CTrickPlay::ContinueCaption(IDS_GO_ON, 0)); }},
        {"resume-with-a-long-name", Made<CResumeSwapDialog>(), [](CModelessDialog&) {}},
        {"skat-rule", Made<CSkatDialog>(), RuleNumber},
        {"declare-rule", Made<CDeclareDialog>(), RuleNumber},
        {"end-swap-game-rule", Made<CEndSwapGameDialog>(), RuleNumber},
        {"end-swap-revolution-rule", Made<CEndSwapRevolutionDialog>(), RuleNumber},
        {"grand-hand-rule", Made<CGrandHandDialog>(), RuleNumber},
        {"ramsch-skat-rule", Made<CSkatRamschDialog>(), RuleNumber},
        {"ramsch-end-swap-rule",
         Made<CEndSwapRamschDialog>(), [](CModelessDialog& bar) { AppendToRuleButton(bar.Handle(), kLongestRule, 2); }},
        {"kontra-first-rule", Made<CKontraFirstDialog>(), RuleNumber},
        {"suggest-with-kontra-rule", Made<CSuggestDialog>(true), RuleNumber},
    };
    return cases;
}

void EveryBarShowsItsValuesWhole() {
    QtHost host;
    // What the cases change is put back at the end, for the tests that follow in this program.
    const DialogFrameServices kept = g_DialogFrame;
    const int keptSuggest = g_Settings.Options.Suggest;
    const int keptRole = g_Game.AuctionRole;
    const int keptBid = g_Game.BidIndex;
    const int keptRaise = g_Game.PendingRaise;
    g_DialogFrame.PlayerName = LongName;
    EXPECT_EQ(LongName(0).size(), CNameDialog::kNameLimit);
    // With suggestions on every bar shows all its buttons.
    g_Settings.Options.Suggest = 1;
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        for (const BarCase& c : Cases()) {
            SCOPED_TRACE(std::string(edition->language) + " " + qttest::ScaleName() + " " + c.name);
            CModelessDialog* bar = c.make();
            ASSERT_NE(bar, nullptr);
            const HWND handle = bar->Handle();
            c.fill(*bar);
            ::ShowWindow(handle, SW_SHOW);
            qttest::PumpFor(40);
            QWidget* window = host.WidgetOf(handle);
            ASSERT_NE(window, nullptr);
            const std::vector<std::string> cut = qttest::CutTexts(window);
            EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);
            qttest::SaveForViewing(window->grab().toImage(),
                                   std::string("bar-") + edition->language + "-" + c.name + "-" + qttest::ScaleName());
            ::DestroyWindow(handle);
            qttest::PumpFor(10);
        }
    }
    SetResources(nullptr);
    g_DialogFrame = kept;
    g_Settings.Options.Suggest = keptSuggest;
    g_Game.AuctionRole = keptRole;
    g_Game.BidIndex = keptBid;
    g_Game.PendingRaise = keptRaise;
}

TEST(QtBarValues, EveryBarShowsItsValuesWhole) { EveryBarShowsItsValuesWhole(); }

TEST(QtBarValues, EveryBarShowsItsValuesWholeScaledTwice) {
    if (qttest::RanAgainScaledTwice("QtBarValues.EveryBarShowsItsValuesWholeScaledTwice")) return;
    EveryBarShowsItsValuesWhole();
}

}  // namespace
