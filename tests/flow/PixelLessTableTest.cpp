// The table on windows that keep nothing drawn (the self-play's) is the table the program's windows
// show: the same games, and after every message the same table, each card where it lies and how it
// shows, each balloon's bounds and words, each symbol's place, the place of the notice, the bids
// seen. And the person's clicks there, also right after a key has laid the hand out anew, hit the
// cards where the table has just put them.
#include "flow/TrickPlay.h"
#include "DemoMatch.h"
#include "flow/MatchSeries.h"

#include "flow/FixedDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "support/ProgramGlobals.h"
#include "tavlo/Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

namespace {

std::string RectText(const platform::Rect& r) {
    std::ostringstream out;
    out << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
    return out.str();
}

// Everything of the table a later step or a click reads.
std::string TableState(const CMainFrame* frame) {
    std::ostringstream out;
    const tavlo::Table* table = tavlo::FindTable(g_Frame.hTableWnd);
    if (!table) return "no table";
    if (table->cards) {
        const tavlo::CardDeck& deck = table->cards->deck;
        out << "size " << deck.CardSize().cx << 'x' << deck.CardSize().cy << ';';
        for (const tavlo::CardDeck::Dealt& dealt : deck.Stacking()) {
            out << ' ' << dealt.card << '@' << dealt.position.x << ',' << dealt.position.y
                << (deck.IsFaceUp(dealt.card) ? 'u' : 'd') << (deck.IsHighlighted(dealt.card) ? "h" : "");
        }
    }
    if (table->balloons) {
        for (const auto& [id, balloon] : table->balloons->shown)
            out << " balloon " << id << ' ' << RectText(balloon.bounds) << " '" << balloon.text << '\'';
    }
    if (table->symbols) {
        for (const auto& [id, place] : table->symbols->shown)
            out << " symbol " << id << '@' << place.x << ',' << place.y;
    }
    if (frame) {
        const TableLayout& layout = frame->Table().Layout;
        out << " notice " << layout.NoticeX << ',' << layout.NoticeY;
    }
    out << " bids " << g_Game.HasBid[0] << g_Game.HasBid[1] << g_Game.HasBid[2];
    return out.str();
}

struct SurfaceMatch {
    friend void PrintTo(const SurfaceMatch& c, std::ostream* out) { *out << c.name; }
    const char* name;
    int variantMode;
    long games;
};

class PixelLessDemoTest : public ::testing::TestWithParam<SurfaceMatch> {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
    void TearDown() override { testsupport::ResetProgramGlobals(); }

    // Every game's line, and the table after each message where it has changed.
    std::vector<std::string> Play(bool keepDrawing, std::uint64_t& signature) {
        testsupport::ResetProgramGlobals();
        std::vector<std::string> games;
        DemoMatchOptions options;
        options.games = GetParam().games;
        options.seed = 11;
        options.variantMode = GetParam().variantMode;
        options.keepDrawing = keepDrawing;
        const CMainFrame* frame = nullptr;
        options.started = [&frame](CMainFrame& made) { frame = &made; };
        options.betweenMessages = [&games, &frame] {
            std::string state = TableState(frame);
            if (games.empty() || games.back() != state) games.push_back(std::move(state));
        };
        options.line = [&games](const std::string& line) { games.push_back(line); };
        const DemoMatchResult result = PlayDemoMatch(options);
        EXPECT_TRUE(result.ok()) << result.fault;
        EXPECT_EQ(result.games, GetParam().games);
        signature = result.signature;
        return games;
    }
};

TEST_P(PixelLessDemoTest, TheGamesAndTheTableAreThoseOfWindowsThatKeepTheirPixels) {
    std::uint64_t kept = 0, dropped = 0;
    const std::vector<std::string> shown = Play(true, kept);
    const std::vector<std::string> unseen = Play(false, dropped);
    EXPECT_EQ(dropped, kept);
    ASSERT_EQ(unseen.size(), shown.size());
    for (std::size_t at = 0; at < shown.size(); ++at) {
        ASSERT_EQ(unseen[at], shown[at]) << "step " << at << ", after " << (at > 0 ? shown[at - 1] : "the start");
    }
    // The states compared hold cards, a balloon and symbols on the table (a balloon is mostly up
    // while the program waits inside a message, between the states seen here).
    for (const char* part : {"@", "balloon 5", "symbol "}) {
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [part](const std::string& s) {
            return s.find(part) != std::string::npos;
        })) << part;
    }
}

INSTANTIATE_TEST_SUITE_P(Matches, PixelLessDemoTest,
                         ::testing::Values(SurfaceMatch{"Official", 0, 8}, SurfaceMatch{"Variant", 1, 8},
                                           SurfaceMatch{"Ramsch", 2, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

class PixelLessClickTest : public testsupport::FixedDealFixture {};

// The person plays a whole game by clicks on a table whose window keeps nothing; before every
// card a key changes the card faces, which deals his hand out anew. Each click takes the card it
// was aimed at out of his hand.
TEST_F(PixelLessClickTest, EveryClickHitsTheCardWhereTheTableHasJustPutIt) {
    host_->SetKeepDrawing(false);
    DealAndHold(4711);
    ASSERT_FALSE(SurfaceKeepsPixels(g_Frame.hTableWnd));
    StartAuction(2, 0, 18, VARIANT_OFFICIAL);
    PressPass();
    ASSERT_EQ(g_Game.Soloist, 1);
    int played = 0;
    for (int guard = 0; guard < 40 && !Frame().Series().Record.scored && !HasFailure(); ++guard) {
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
        if (Frame().Series().Record.scored) break;
        // The next face design: every card of the hand is dealt again where the design puts it.
        ::SetFocus(g_Frame.hTableWnd);
        host_->Key(host_->NowMs() + 10, 'V');
        host_->PumpFor(50);
        ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
        const CPerson& person = Frame().GameObject().Person();
        const int before = person.count;
        int aimed = 0;
        for (int slot = 0; slot < person.capacity && !aimed; ++slot) {
            if (person.present[slot] && person.ValidCard(slot, Frame().GameObject().Trick())) aimed = person.cards[slot];
        }
        ASSERT_NE(aimed, 0);
        ClickFirstAllowedCard();
        ASSERT_TRUE(host_->PumpUntil([&] { return person.count < before || Frame().Series().Record.scored; }, 5000))
            << "the click on card " << aimed << " took nothing";
        EXPECT_FALSE(person.HasCard(aimed)) << "card " << aimed;
        ++played;
    }
    EXPECT_TRUE(Frame().Series().Record.scored);
    // His last card goes into the trick by itself.
    EXPECT_EQ(played, 9) << "the person played " << played << " cards by click";
}

}  // namespace
