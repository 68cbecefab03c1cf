// Kontra said after play has started belongs to the game's record as much as one said at the
// declaration: the person's Kontra at his first card and a computer defender's Kontra at its first
// card both stand in the game's line, which then scores as the program scored the game; taken
// back with the first trick the Kontra leaves the line, brought again it is back.
#include "flow/TrickPlay.h"
#include "flow/StoredDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "model/PlayerData.h"

#include "DemoMatch.h"
#include "GameLine.h"
#include "ScoreLine.h"

#include "dialogs/DialogIds.h"
#include "platform/core/Menu.h"
#include "platform/core/Resources.h"
#include "resources/Editions.h"
#include "resources/ids.h"
#include "support/ProgramGlobals.h"

#include <string>
#include <vector>

namespace {

using testsupport::SpadesDeal;
using testsupport::StoredDealFixture;

// A field of a KGL1 line ("decl", "result"), without its name.
std::string Field(const std::string& line, const std::string& name) {
    const std::size_t at = line.find(" " + name + "=");
    if (at == std::string::npos) return "";
    const std::size_t from = at + name.size() + 2;
    const std::size_t to = line.find(' ', from);
    return line.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

std::string WithoutResult(const std::string& line) { return line.substr(0, line.find(" result=")); }

// The word the line gives a Kontra state.
std::string KontraWord(int state) { return state == KONTRA_REKONTRA ? ",rekontra" : ",kontra"; }

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class KontraRecordTest : public StoredDealFixture {
protected:
    bool Scored() { return Frame().Series().Record.scored; }
    bool AtBar() {
        return g_Game.FlowState == STATE_PLAY && Frame().TrickPlay().PlayStep == 3 &&
               ::IsWindow(Frame().Prompts().ContinuePrompt);
    }
    void WaitForTurn() {
        host_->PumpUntil([this] { return Scored() || Frame().FrameTrickPlay().PersonMayPlay() || AtBar(); }, 60000);
    }
    void Command(int id) {
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(id));
        host_->PumpUntilIdle();
    }
    bool Enabled(int id) {
        platform::CommandState state(id);
        Frame().UpdateCommand(state);
        return state.Enabled();
    }
    std::string Line() { return FormatGameLine(Frame().Series().Record, 0); }
};

TEST_F(KontraRecordTest, ThePersonsKontraAtHisFirstCardStaysInTheLineThroughUndoAndRedo) {
    WriteProfileInt("Variants", "Variant", 1);
    WriteProfileInt("Options", "Suggest", 0);
    // The continue bar waits after each trick, so that the first one can be taken back.
    WriteProfileInt("Options", "Continue", 0);
    Start();
    PlayDeal(SpadesDeal(false));
    BidOnceThenPass();
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay() || Scored(); }, 60000));
    ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay()) << LogText();
    ASSERT_EQ(g_Game.Soloist, 1);
    ASSERT_EQ(Person().count, 10);
    ASSERT_EQ(Frame().Series().Record.kontraState, KONTRA_NONE);
    ASSERT_NE(::GetDlgItem(Bar(), IDC_KONTRA), nullptr) << "the Kontra bar at the person's first card";
    Press(IDC_KONTRA);
    const int said = g_Game.KontraState;
    ASSERT_NE(said, KONTRA_NONE);
    EXPECT_EQ(Frame().Series().Record.kontraState, said);
    EXPECT_TRUE(EndsWith(Field(Line(), "decl"), KontraWord(said))) << Line();
    // The first trick ends under its bar; taken back, play starts again without Kontra.
    ClickCard(FirstLegalCard());
    ASSERT_TRUE(host_->PumpUntil([this] { return AtBar(); }, 60000));
    ASSERT_EQ(Frame().TrickPlay().HistoryPosition, 1);
    ASSERT_TRUE(Enabled(ID_UNDO));
    Command(ID_UNDO);
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    EXPECT_EQ(Frame().Series().Record.kontraState, KONTRA_NONE);
    EXPECT_EQ(Field(Line(), "decl").find("kontra"), std::string::npos) << Line();
    // Brought again, the trick comes with its Kontra.
    ASSERT_TRUE(Enabled(ID_RECOVER));
    Command(ID_RECOVER);
    EXPECT_EQ(g_Game.KontraState, said);
    EXPECT_EQ(Frame().Series().Record.kontraState, said);
    // Played out: the line names the Kontra, and scoring it again gives the program's own result.
    for (int guard = 0; guard < 40 && !Scored(); ++guard) {
        WaitForTurn();
        if (Scored()) break;
        if (Frame().FrameTrickPlay().PersonMayPlay()) ClickCard(FirstLegalCard());
        else if (AtBar()) Command(CM_NEXT_TRICK);
    }
    ASSERT_TRUE(Scored());
    const std::string line = Line();
    EXPECT_TRUE(EndsWith(Field(line, "decl"), KontraWord(said))) << line;
    EXPECT_EQ(Frame().Series().Record.cards.size(), 30u);
    platform::SetResources(&EnglishResources());
    const ScoredLine again = ScoreGameLine(WithoutResult(line));
    EXPECT_EQ(again.error, "");
    EXPECT_EQ(Field(again.line, "result"), Field(line, "result")) << line;
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

class KontraLinesTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
    void TearDown() override {
        platform::SetResources(nullptr);
        testsupport::ResetProgramGlobals();
    }
};

// Demonstration games under the Ramsch-only rule: the games that are not Ramsch are Grand Hand
// games, where a defender may give Kontra at his first card. Every such line scores again as the
// program scored the game, and some carry the Kontra.
TEST_F(KontraLinesTest, AComputersKontraAtItsFirstCardIsInTheLineAndScoresAsPlayed) {
    std::vector<std::string> lines;
    DemoMatchOptions options;
    options.games = 150;
    options.seed = 90001;
    options.variantMode = 2;
    options.line = [&lines](const std::string& line) { lines.push_back(line); };
    const DemoMatchResult result = PlayDemoMatch(options);
    ASSERT_TRUE(result.ok()) << result.fault;
    platform::SetResources(&EnglishResources());
    int kontras = 0;
    for (const std::string& line : lines) {
        const std::string decl = Field(line, "decl");
        if (decl.rfind("-:", 0) == 0) continue;
        kontras += decl.find("kontra") != std::string::npos ? 1 : 0;
        const ScoredLine again = ScoreGameLine(WithoutResult(line));
        EXPECT_EQ(again.error, "") << line;
        EXPECT_EQ(Field(again.line, "result"), Field(line, "result")) << line;
    }
    EXPECT_GT(kontras, 0) << "no game with Kontra among the lines";
}

}  // namespace
