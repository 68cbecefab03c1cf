// The rule behind the advice on the person's Ramsch bars, as the rounds reach them from a chosen
// deal under the Ramsch-only rules: the Grand Hand offer names the Grand rule when Grand Hand is
// advised, the skat bar the Durchmarsch or the pass-on rule, the exchange bar the Durchmarsch rule
// (with its own spacing); each but the exchange bar makes its rule the topic of the H key.
#include "flow/StoredDealFixture.h"

#include "computer/evaluation/GameOption.h"
#include "dialogs/DialogIds.h"
#include "dialogs/RamschBars.h"
#include "model/FlowGlobals.h"
#include "flow/PromptBars.h"
#include "flow/RuleButton.h"
#include "model/PlayerData.h"

#include <string>

namespace {

using testsupport::C;
using testsupport::ChosenDeal;
using testsupport::StoredDealFixture;

// The person holds every Jack with Aces and Tens (Grand Hand, and a Durchmarsch in Ramsch).
ChosenDeal StrongDeal() {
    ChosenDeal deal;
    deal.hands[0] = testsupport::CardsOf("C7 C8 C9 CQ S7 S8 S9 SQ SK H7");
    deal.hands[1] = testsupport::CardsOf("H8 H9 HT HQ HK D7 D8 D9 DT DQ");
    deal.hands[2] = testsupport::CardsOf("CJ SJ HJ DJ CA CT SA ST HA CK");
    deal.skat = testsupport::CardsOf("DK DA");
    return deal;
}

// The person holds only small cards (no Grand Hand; passing the skat on is advised); two Jacks
// lie in the skat.
ChosenDeal SmallDeal() {
    ChosenDeal deal;
    deal.hands[0] = testsupport::CardsOf("HJ CA CT CK SQ H9 HT D9 DT DK");
    deal.hands[1] = testsupport::CardsOf("DJ SA ST SK CQ HA HK HQ DA DQ");
    deal.hands[2] = testsupport::CardsOf("C7 C8 C9 S7 S8 S9 H7 H8 D7 D8");
    deal.skat = testsupport::CardsOf("CJ SJ");
    return deal;
}

struct RuleButtonCase {
    const char* name;
    ChosenDeal (*deal)();
    bool grandHandAdvised;  // the offer names the Grand rule
    int skatRecord;         // the option whose rule the skat bar names: Durchmarsch or Ramsch
    bool durchmarsch;       // the exchange bar names the Durchmarsch rule
};

// A failing case names itself, not its bytes.
void PrintTo(const RuleButtonCase& c, std::ostream* out) { *out << c.name; }

const RuleButtonCase kCases[] = {
    {"GrandHandThenDurchmarsch", StrongDeal, true, GAME_DURCHMARSCH, true},
    {"RamschThenPassOn", SmallDeal, false, GAME_RAMSCH, false},
};

class RamschRuleButtonTest : public StoredDealFixture, public ::testing::WithParamInterface<RuleButtonCase> {
protected:
    std::string Caption() { return ::GetWindowText(::GetDlgItem(Bar(), IDC_RULE)); }
    int Rule(int record) { return ShownRuleNumber(Person().gameOptions[record][OPT_RULE]); }
    static std::string Topic(int rule) { return "::/Lexikon/RegelnReizen.htm#" + std::to_string(rule); }
};

TEST_P(RamschRuleButtonTest, EachBarNamesTheRuleOfItsAdvice) {
    const RuleButtonCase& c = GetParam();
    WriteProfileInt("Variants", "Variant", 2);
    WriteProfileInt("Variants", "PassOn", 1);
    WriteProfileInt("Variants", "GrandHand", 1);
    Start();
    PlayDeal(c.deal());
    // The Grand Hand offer; the person declines.
    ASSERT_TRUE(WaitForThePerson());
    ASSERT_NE(OpenBarAs<CGrandHandDialog>(Frame()), nullptr);
    if (c.grandHandAdvised) {
        const int rule = Rule(GAME_GRAND);
        EXPECT_GE(rule, 0);
        EXPECT_EQ(Caption(), "&Rule " + std::to_string(rule));
        EXPECT_EQ(g_Flow.RuleHelpTopic, Topic(rule));
    } else {
        EXPECT_EQ(Caption(), "&Rule");
        EXPECT_EQ(g_Flow.RuleHelpTopic, "");
    }
    Press(BTN_RAMSCH);
    // The skat bar: the rule of the Durchmarsch or of passing on.
    ASSERT_TRUE(WaitForThePerson());
    ASSERT_NE(OpenBarAs<CSkatRamschDialog>(Frame()), nullptr) << LogText();
    const int skatRule = Rule(c.skatRecord);
    EXPECT_GT(skatRule, 0);
    EXPECT_EQ(Caption(), "&Rule " + std::to_string(skatRule));
    EXPECT_EQ(g_Flow.RuleHelpTopic, Topic(skatRule));
    Press(BTN_PICKUP);
    // The exchange bar: the Durchmarsch rule after two blanks; the topic stays the skat bar's.
    ASSERT_TRUE(WaitForThePerson());
    ASSERT_NE(OpenBarAs<CEndSwapRamschDialog>(Frame()), nullptr);
    if (c.durchmarsch) {
        EXPECT_EQ(Caption(), "Ru&le  " + std::to_string(Rule(GAME_DURCHMARSCH)));
    } else {
        EXPECT_EQ(Caption(), "Ru&le");
    }
    EXPECT_EQ(g_Flow.RuleHelpTopic, Topic(skatRule));
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

INSTANTIATE_TEST_SUITE_P(Cases, RamschRuleButtonTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
