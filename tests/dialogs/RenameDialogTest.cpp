// The rename dialog: the default name of a game from its course, the "&Standard" cycle for games and
// matches, and what OK hands on.
#include "SettingsDialogFixture.h"

#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsIds.h"
#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/WindowApi.h"

namespace {

using testsupport::DialogAction;
using R = CRenameDialog;

GameNameFacts Facts(int seat, int gameType, int leader, bool english = false) {
    GameNameFacts f;
    f.seat = seat;
    f.gameType = gameType;
    f.leader = leader;
    f.soloistTricks = 6;
    f.soloistPoints = 70;
    f.positionNames = english ? std::array<std::string, 3>{"Fh", "Mh", "Rh"} : std::array<std::string, 3>{"Vh", "Mh", "Hh"};
    return f;
}

class DefaultNameTest : public testsupport::SettingsDialogFixture {};

TEST_F(DefaultNameTest, DefaultNamesOfGames) {
    struct Case {
        GameNameFacts facts;
        const char* name;
    };
    std::vector<Case> cases;
    {
        GameNameFacts f = Facts(0, 6, 0);
        f.hand = true;
        cases.push_back({f, "C1GdHdVh"});
        GameNameFacts english = Facts(0, 6, 0, true);
        english.hand = true;
        cases.push_back({english, "C1GdHdFh"});
    }
    {
        GameNameFacts f = Facts(1, 4, 0);
        f.ouvert = f.hand = true;
        f.soloistTricks = 0;
        f.soloistPoints = 0;
        cases.push_back({f, "C2NlOvHdMh"});  // a won Null is no Schwarz
    }
    {
        GameNameFacts f = Facts(2, 2, 1);
        f.hand = f.schneiderAnnounced = f.kontra = true;
        f.kontraSeat = 1;
        f.soloistTricks = 10;
        f.soloistPoints = 120;
        cases.push_back({f, "PHzHdSnAnMh-C2Ko-C1C2Sw"});
    }
    {
        GameNameFacts f = Facts(1, 0, 1);
        f.kontra = f.rekontra = true;
        f.kontraSeat = 0;
        f.soloistPoints = 95;
        cases.push_back({f, "C2KzReVh-C1Ko-PC1Sn"});
    }
    {
        GameNameFacts f = Facts(0, 3, 2);
        f.soloistTricks = 0;
        f.soloistPoints = 0;
        cases.push_back({f, "C1KaSwMh"});  // the soloist took no trick
        f.soloistTricks = 2;
        f.soloistPoints = 30;
        cases.push_back({f, "C1KaSnMh"});
        f.inPlay = true;  // nothing is decided while the game runs
        cases.push_back({f, "C1KaMh"});
    }
    {
        GameNameFacts f = Facts(0, 6, 0);
        f.hand = f.grandHandInsteadOfRamsch = true;
        f.schwarzAnnounced = f.schneiderAnnounced = f.ouvert = true;
        cases.push_back({f, "C1GdHdOvRaSwAnVh"});
        cases.push_back({Facts(0, 5, 0), "C1RvVh"});
    }
    {
        GameNameFacts f = Facts(2, 7, 0);
        f.tricks = {10, 0, 0};
        f.passedOn = {true, false, true};
        cases.push_back({f, "PRaSbJfHh-C1SbDm-C2Jf"});
        GameNameFacts quiet = Facts(2, 7, 2);
        quiet.tricks = {4, 3, 3};
        cases.push_back({quiet, "PRaVh"});  // seats without a mark add nothing
    }
    GameNameFacts none = Facts(3, 6, 0);
    cases.push_back({none, ""});
    for (const Case& c : cases) EXPECT_EQ(R::BuildDefaultName(c.facts), c.name) << c.name;
}

class RenameDialogTest : public testsupport::SettingsDialogFixture {
protected:
    // The texts "&Standard" shows, press after press.
    std::vector<std::string> Cycle(R& dialog, int presses) {
        std::vector<std::string> shown;
        for (int press = 0; press < presses; ++press) {
            dialog.OnStandard();
            shown.push_back(dialog.GetDlgItemText(R::kName));
        }
        return shown;
    }
};

TEST_F(RenameDialogTest, TheGameCycleRunsEmptyOwnNameBuiltName) {
    g_Game.FlowState = STATE_IDLE;
    g_Game.GameType = 6;
    g_Game.HandAnnounced = 1;
    g_Game.Soloist = 0;
    g_Game.Leader = 0;
    g_Game.PartyTricks[0] = 7;
    g_Game.PartyPoints[0] = 80;
    R dialog(0, "Abend.skg", true);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Title(), "Spiel umbenennen");
    EXPECT_EQ(dialog.GetDlgItemText(R::kName), "Abend");
    EXPECT_EQ(Cycle(dialog, 4), (std::vector<std::string>{"C1GdHdVh", "", "Abend", "C1GdHdVh"}));
    // A typed name takes the person's place in the cycle.
    dialog.SetDlgItemText(R::kName, "Mein Spiel");
    EXPECT_EQ(Cycle(dialog, 3), (std::vector<std::string>{"", "Mein Spiel", "C1GdHdVh"}));
    dialog.DestroyWindow();
}

TEST_F(RenameDialogTest, ATemporaryFileShowsAnEmptyFieldAndTheCycleStartsWithTheOwnName) {
    R dialog(0, "CARDS~.skg", false);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(R::kName), "");
    // No game on record: the built name is empty too.
    EXPECT_EQ(Cycle(dialog, 3), (std::vector<std::string>{"", "", ""}));
    dialog.DestroyWindow();
}

TEST_F(RenameDialogTest, TheMatchCycleOffersVariantModeAndDeck) {
    UseEdition(EnglishResources());
    g_Game.VariantMode = 2;
    g_Settings.Variants.PassOn = 1;
    g_Game.MatchMode = 2;
    g_Settings.View.CardFace = 9;
    R dialog(1, "Sonntag.skm", false);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.Title(), "Rename match");
    EXPECT_EQ(Cycle(dialog, 6),
              (std::vector<std::string>{"Schieberamsch", "Bierlachs", "Tournament B", "", "Sonntag", "Schieberamsch"}));
    dialog.DestroyWindow();
}

TEST_F(RenameDialogTest, AShortTitleWithoutExtensionKeepsEveryCharacter) {
    R dialog(1, "ab", false);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetDlgItemText(R::kName), "ab");
    dialog.DestroyWindow();
}

TEST_F(RenameDialogTest, OkHandsTheNameToTheCheckAndAnEmptyNameIsCards) {
    std::vector<std::string> asked;
    bool accept = false;
    auto check = [&](int kind, std::string& name) {
        asked.push_back(std::to_string(kind) + ":" + name);
        return accept;
    };
    Answer(IDD_RENAME, {DialogAction::TypeText(R::kName, ""), DialogAction::Press(IDOK), DialogAction::Press(IDCANCEL)});
    R refused(0, "Abend.skg", false, check);
    EXPECT_EQ(refused.DoModal(), IDCANCEL);  // the refused name kept it open
    EXPECT_EQ(refused.Name, "");
    accept = true;
    Answer(IDD_RENAME, {DialogAction::TypeText(R::kName, "Neu"), DialogAction::Press(IDOK)});
    R taken(1, "Abend.skm", false, check);
    EXPECT_EQ(taken.DoModal(), IDOK);
    EXPECT_EQ(taken.Name, "Neu");
    EXPECT_EQ(asked, (std::vector<std::string>{"0:cards~", "1:Neu"}));
}

}  // namespace
