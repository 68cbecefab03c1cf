// The game suggestion's text for fixed option records: the lines of suit, Grand and Null games,
// the player without a game, the dropping of games the evaluation advises against, the Null raise,
// the overbid mark and the rule links beside the lines.
#include "flow/GameSuggestion.h"

#include "computer/evaluation/GameOption.h"
#include "resources/FlowIds.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "platform/core/Resources.h"
#include "platform/core/RichTextReader.h"
#include "resources/Editions.h"
#include "resources/ids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kRejectCode = 1405;
constexpr int kGoodCode = 1201;

struct Option {
    int index, value, probability, rule;
    int hand = 0, ouvert = 0, schneider = 0, schwarz = 0, tricks = 0;
};

class GameSuggestionTest : public ::testing::Test {
protected:
    GameSuggestionTest() { platform::SetResources(&EnglishResources()); }
    ~GameSuggestionTest() override { platform::SetResources(nullptr); }

    // Every option off, then the listed ones on with a base value.
    void Fill(const std::vector<Option>& list) {
        std::memset(options, 0, sizeof options);
        for (const Option& o : list) {
            int* record = options[o.index];
            record[OPT_BASE] = 12;
            record[OPT_VALUE] = o.value;
            record[OPT_PROBABILITY] = o.probability;
            record[OPT_RULE] = o.rule;
            record[OPT_HAND] = o.hand;
            record[OPT_OUVERT] = o.ouvert;
            record[OPT_SCHNEIDER] = o.schneider;
            record[OPT_SCHWARZ] = o.schwarz;
            record[OPT_TRICKS] = o.tricks;
        }
    }
    // The body: the text between the heading and the closing brace.
    static std::string Body(const CGameSuggestion& suggestion, const std::string& heading) {
        const std::string text = suggestion.Text();
        const std::size_t at = text.find(heading);
        if (at == std::string::npos || text.back() != '}') return "<no heading or no end>";
        return text.substr(at + heading.size(), text.size() - at - heading.size() - 1);
    }

    int options[9][13] = {};
    GameSuggestionContext context;
};

struct LineCase {
    const char* name;
    std::vector<Option> options;
    int variantMode;
    const char* body;
    const char* trace;
};

// One player's lines in the English edition, each game in its bold red title with its
// announcements, its value and chance, as the dialog shows them.
TEST_F(GameSuggestionTest, LinesOfOnePlayer) {
    const LineCase cases[] = {
        {"suit with Hand and Schneider",
         {{GAME_CLUBS, 48, 80, kGoodCode, 1, 0, 1, 0, 7}},
         VARIANT_OFFICIAL,
         "\\b\\cf2 Clubs\\b0\\cf1 \\b\\cf2  Hand\\b0\\cf1 , \\b\\cf2 Schneider announced\\b0\\cf1 "
         "\\b  (48)\\b0 ,\\par Tricks 7, Chance 80%\\par\\par\n",
         "Person:KzHdSnAn(48)"},
        {"Schwarz stands alone",
         {{GAME_SPADES, 66, 70, kGoodCode, 1, 0, 1, 1, 10}},
         VARIANT_OFFICIAL,
         "\\b\\cf2 Spades\\b0\\cf1 \\b\\cf2  Hand\\b0\\cf1 , \\b\\cf2 Schwarz announced\\b0\\cf1 "
         "\\b  (66)\\b0 ,\\par Tricks 10, Chance 70%\\par\\par\n",
         "Person:PkHdSwAn(66)"},
        {"Ouvert under official rules drops Hand and Schneider",
         {{GAME_HEARTS, 70, 95, kGoodCode, 1, 1, 1, 0, 10}},
         VARIANT_OFFICIAL,
         "\\b\\cf2 Hearts\\b0\\cf1 \\b\\cf2  Ouvert\\b0\\cf1 \\b  (70)\\b0 ,\\par Tricks 10, Chance 95%\\par\\par\n",
         "Person:HzOv(70)"},
        {"Ouvert in variant Skat keeps Hand and Schneider",
         {{GAME_HEARTS, 70, 95, kGoodCode, 1, 1, 1, 0, 10}},
         VARIANT_SKAT,
         "\\b\\cf2 Hearts\\b0\\cf1 \\b\\cf2  Hand\\b0\\cf1 \\b\\cf2  Ouvert\\b0\\cf1 , "
         "\\b\\cf2 Schneider announced\\b0\\cf1 \\b  (70)\\b0 ,\\par Tricks 10, Chance 95%\\par\\par\n",
         "Person:HzHdOvSnAn(70)"},
        {"Grand and Null side by side",
         {{GAME_NULL, 23, 40, kGoodCode}, {GAME_GRAND, 48, 65, kGoodCode, 0, 0, 0, 0, 6}},
         VARIANT_OFFICIAL,
         "\\b\\cf2 Null\\b0\\cf1 \\b  (23)\\b0 ,\\par Chance 40%\\par\\par\n"
         "\\b\\cf2 Grand\\b0\\cf1 \\b  (48)\\b0 ,\\par Tricks 6, Chance 65%\\par\\par\n",
         "Person:Nl(23):Gd(48)"},
        {"Null Ouvert Hand: Ouvert before Hand",
         {{GAME_NULL, 59, 90, kGoodCode, 1, 1}},
         VARIANT_OFFICIAL,
         "\\b\\cf2 Null\\b0\\cf1 \\b\\cf2  Ouvert\\b0\\cf1 \\b\\cf2  Hand\\b0\\cf1 \\b  (59)\\b0 ,\\par Chance 90%\\par\\par\n",
         "Person:NlOvHd(59)"},
        {"no game: pass", {}, VARIANT_OFFICIAL, "pass\\par\\par ", "Person:pass"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(c.options);
        context = GameSuggestionContext{};
        context.flowState = STATE_AUCTION;
        context.variantMode = c.variantMode;
        CGameSuggestion suggestion;
        suggestion.AddPlayer("Person", options, context);
        EXPECT_EQ(Body(suggestion, "\\fs17\\qc Possible Games:\\par\\par "), c.body);
        EXPECT_EQ(suggestion.Trace(), c.trace);
        EXPECT_EQ(suggestion.Text().rfind(platform::LoadString(IDS_RICH_TEXT_HEAD) + "\\par\\par\\par", 0), 0u);
    }
}

// The German edition's words, and the heading that names the player when all three are listed.
TEST_F(GameSuggestionTest, GermanLinesAndTheHeadingWithTheName) {
    platform::SetResources(&GermanResources());
    Fill({{GAME_DIAMONDS, 27, 55, kGoodCode, 0, 0, 0, 0, 6}});
    context.flowState = STATE_AUCTION;
    CGameSuggestion alone;
    alone.AddPlayer("Ich", options, context);
    EXPECT_EQ(Body(alone, "\\fs17\\qc Mögliche Spiele:\\par\\par "),
              "\\b\\cf2 Karo\\b0\\cf1 \\b  (27)\\b0 ,\\par Stiche 6, Chance 55%\\par\\par\n");

    Fill({});
    context.listAll = true;
    CGameSuggestion all;
    all.AddPlayer("Ich", options, context);
    EXPECT_EQ(Body(all, "\\fs17\\qc Mögliche Spiele: \\b Ich\\b0\\par\\par "), "passe \\par\\par \\par");
}

// A player without a game reads as the heading, then the pass word in a paragraph of its own, in
// both editions, alone and with the player's name in the heading: the reader the dialog shows the
// text with keeps the word.
TEST_F(GameSuggestionTest, APlayerWithoutAGameReadsAsThePassWord) {
    struct Case {
        const platform::ResourceSet* edition;
        bool listAll;
        const char* heading;
        const char* pass;
    };
    const Case cases[] = {
        {&EnglishResources(), false, "Possible Games:", "pass"},
        {&EnglishResources(), true, "Possible Games: Person", "pass"},
        {&GermanResources(), false, "Mögliche Spiele:", "passe"},
        {&GermanResources(), true, "Mögliche Spiele: Person", "passe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        platform::SetResources(c.edition);
        Fill({});
        context = GameSuggestionContext{};
        context.flowState = STATE_AUCTION;
        context.listAll = c.listAll;
        CGameSuggestion suggestion;
        suggestion.AddPlayer("Person", options, context);
        std::vector<std::string> lines;
        for (const platform::RichTextParagraph& paragraph : platform::ReadRichText(suggestion.Text()).paragraphs) {
            std::string line;
            for (const platform::RichTextRun& run : paragraph.runs) line += run.text;
            while (!line.empty() && line.back() == ' ') line.pop_back();
            while (!line.empty() && line.front() == ' ') line.erase(line.begin());
            if (!line.empty()) lines.push_back(line);
        }
        EXPECT_EQ(lines, (std::vector<std::string>{c.heading, c.pass}));
    }
}

struct DropCase {
    const char* name;
    int flowState, variantMode, variantsRamsch;
    std::vector<Option> options;
    const char* trace;  // the games left
};

// Games the evaluation advises against: dropped beside a good game; without one, dropped from
// Diamonds up until none is left, or one where passing out leads to Ramsch; a single one always
// stays; with the skat in hand (or being picked up) nothing is dropped.
TEST_F(GameSuggestionTest, GamesAdvisedAgainstAreDropped) {
    const DropCase cases[] = {
        {"beside a good game", STATE_AUCTION, VARIANT_OFFICIAL, 0,
         {{GAME_CLUBS, 24, 30, kRejectCode}, {GAME_GRAND, 48, 70, kGoodCode}}, "Person:Gd(48)"},
        {"no good game, official rules", STATE_AUCTION, VARIANT_OFFICIAL, 1,
         {{GAME_CLUBS, 24, 30, kRejectCode}, {GAME_DIAMONDS, 18, 20, kRejectCode}}, "Person:pass"},
        {"no good game, variants without Ramsch", STATE_AUCTION, VARIANT_SKAT, 0,
         {{GAME_CLUBS, 24, 30, kRejectCode}, {GAME_DIAMONDS, 18, 20, kRejectCode}}, "Person:pass"},
        {"no good game, variants with Ramsch: Clubs stays", STATE_AUCTION, VARIANT_SKAT, 1,
         {{GAME_CLUBS, 24, 30, kRejectCode}, {GAME_SPADES, 22, 25, kRejectCode}, {GAME_DIAMONDS, 18, 20, kRejectCode}},
         "Person:Not pass out(24)"},
        {"a single one stays", STATE_AUCTION, VARIANT_OFFICIAL, 0,
         {{GAME_HEARTS, 20, 30, kRejectCode}}, "Person:Not pass out(20)"},
        {"Hand game: nothing dropped", STATE_HAND, VARIANT_OFFICIAL, 0,
         {{GAME_CLUBS, 24, 30, kRejectCode}, {GAME_DIAMONDS, 18, 20, kRejectCode}}, "Person:Kz(24):Ka(18)"},
        {"pick-up counts no advice", STATE_PICKUP, VARIANT_OFFICIAL, 0,
         {{GAME_CLUBS, 24, 30, kRejectCode}, {GAME_GRAND, 48, 70, kGoodCode}}, "Person:Kz(24):Gd(48)"},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(c.options);
        context = GameSuggestionContext{};
        context.flowState = c.flowState;
        context.variantMode = c.variantMode;
        context.variantsRamsch = c.variantsRamsch;
        CGameSuggestion suggestion;
        suggestion.AddPlayer("Person", options, context);
        EXPECT_EQ(suggestion.Trace(), c.trace);
    }
}

struct NullRaiseCase {
    int bid, hand, nullValue;
    int value, ouvert;
};

// No game reaches the value on the table: Null is offered at the next Null value that does.
TEST_F(GameSuggestionTest, NullIsRaisedToTheNextNullValue) {
    const NullRaiseCase cases[] = {
        {24, 0, 23, 46, 1}, {27, 1, 23, 35, 0}, {35, 1, 23, 35, 0}, {36, 1, 23, 59, 1},
        // A game that reaches the bid leaves Null alone.
        {18, 0, 23, 23, 0},
    };
    for (const NullRaiseCase& c : cases) {
        SCOPED_TRACE("bid " + std::to_string(c.bid) + " hand " + std::to_string(c.hand));
        Fill({{GAME_NULL, c.nullValue, 50, kGoodCode, c.hand}});
        context = GameSuggestionContext{};
        context.flowState = STATE_AUCTION;
        context.bidValue = c.bid;
        context.handAnnounced = c.hand;
        CGameSuggestion suggestion;
        suggestion.AddPlayer("Person", options, context);
        EXPECT_EQ(options[GAME_NULL][OPT_VALUE], c.value);
        EXPECT_EQ(options[GAME_NULL][OPT_OUVERT], c.ouvert);
        EXPECT_NE(suggestion.Text().find("\\b  (" + std::to_string(c.value) + ")"), std::string::npos);
    }
}

// While the skat is being picked up, a game below the bid carries the overbid mark.
TEST_F(GameSuggestionTest, OverbidMarkOnlyWhilePickingUp) {
    for (int state : {STATE_PICKUP, STATE_AUCTION}) {
        SCOPED_TRACE(state);
        Fill({{GAME_CLUBS, 24, 40, kGoodCode, 0, 0, 0, 0, 6}, {GAME_GRAND, 48, 60, kGoodCode, 0, 0, 0, 0, 7}});
        context = GameSuggestionContext{};
        context.flowState = state;
        context.bidValue = 30;
        CGameSuggestion suggestion;
        suggestion.AddPlayer("Person", options, context);
        const std::string text = suggestion.Text();
        EXPECT_EQ(text.find("(24, overbid)") != std::string::npos, state == STATE_PICKUP);
        EXPECT_NE(text.find("(48)"), std::string::npos);
    }
}

// Each game's rule (without its variant bit) stands beside its line; the lines lie 42 pixels
// apart from 82 on, a player without a game takes 28, and all three listed add a gap; the dialog's
// eight links are never exceeded.
TEST_F(GameSuggestionTest, RuleLinksBesideTheLinesAtMostEight) {
    context.flowState = STATE_AUCTION;
    context.listAll = true;
    CGameSuggestion suggestion;
    Fill({{GAME_CLUBS, 24, 40, 16384 + 1201}, {GAME_GRAND, 48, 60, 1702}});
    suggestion.AddPlayer("Person", options, context);
    Fill({});
    suggestion.AddPlayer("Comp1", options, context);
    Fill({{GAME_CLUBS, 24, 40, 1}, {GAME_SPADES, 22, 40, 2}, {GAME_HEARTS, 20, 40, 3}, {GAME_DIAMONDS, 18, 40, 4},
          {GAME_NULL, 23, 40, 5}, {GAME_GRAND, 48, 40, 6}, {GAME_RAMSCH, 0, 40, 7}});
    suggestion.AddPlayer("Comp2", options, context);
    const std::vector<RuleLink>& links = suggestion.Links();
    ASSERT_EQ(links.size(), 8u);
    const RuleLink expected[8] = {{1201, 82}, {1702, 124}, {1, 278}, {2, 320}, {3, 362}, {4, 404}, {5, 446}, {6, 488}};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(links[i].rule, expected[i].rule) << i;
        EXPECT_EQ(links[i].top, expected[i].top) << i;
    }
    // The ninth game is listed without a link.
    EXPECT_NE(suggestion.Text().find("\\b\\cf2 Ramsch\\b0\\cf1 "), std::string::npos);
}

}  // namespace
