// A seed deals exactly these cards: the random source's first draws and the hands and skat of
// CSkat::DealAll (seats 0, 1, 2, then the skat, each slot by slot) for a few seeds. A change to
// the generator or to the deal shows here first, since every seeded game hangs on them.

#include "model/PlayerData.h"
#include "ModelFixture.h"
#include "model/GameTypeLookups.h"
#include "model/Skat.h"
#include "support/WholeDeal.h"

#include <string>

namespace {

// "CA S7 HT ..." for the cards of a row in slot order.
std::string RowText(const CCards& row, int slots) {
    std::string text;
    for (int slot = 0; slot < slots; ++slot) {
        const int card = row.cards[static_cast<std::size_t>(slot)];
        if (!text.empty()) text += ' ';
        if (!IsCardCode(card)) {
            text += "--";
            continue;
        }
        text += "CSHD"[GetCardSuit(card, true)];
        text += "A789TJQK"[GetCardRank(card)];
    }
    return text;
}

struct GoldenDeal {
    unsigned seed;
    int draws[6];
    const char* hands[3];
    const char* skat;
};

const GoldenDeal kGoldenDeals[] = {
    {1u,
     {9051, 7073, 28806, 4945, 13655, 16787},
     {"S9 C7 CQ H7 HK H9 H8 CJ D8 S7", "SK SJ D9 DQ C9 HA CT CK HJ HQ", "HT CA SQ DT DA SA ST DJ C8 DK"},
     "D7 S8"},
    {42u,
     {2719, 22302, 8730, 21940, 29529, 7599},
     {"SK SQ S8 HT S7 DK SJ CA S9 C8", "SA DQ HQ CQ ST HK CK H7 D8 CT", "H9 DT D9 DA C7 D7 HA CJ HJ DJ"},
     "C9 H8"},
    {4711u,
     {28460, 22007, 24214, 31674, 9147, 8750},
     {"DT HK HQ S8 S9 DQ HT SQ C8 H9", "DA CT S7 H7 CJ ST C9 C7 DJ CK", "D8 SJ HA D9 D7 DK H8 SK SA CQ"},
     "CA HJ"},
    {123456789u,
     {20863, 15426, 1566, 14401, 26667, 17153},
     {"SK C8 SQ C7 D9 CQ CT HA S9 SJ", "HK DK S8 SA H9 DQ DA C9 DT HQ", "H7 H8 DJ CK D8 HJ ST HT S7 CJ"},
     "D7 CA"},
};

class GoldenDealTest : public ModelTest {};

TEST_F(GoldenDealTest, ASeedGivesTheseFirstDraws) {
    for (const GoldenDeal& golden : kGoldenDeals) {
        SCOPED_TRACE(golden.seed);
        SeedRand(golden.seed);
        for (int draw : golden.draws) EXPECT_EQ(Rand(), draw);
    }
}

TEST_F(GoldenDealTest, ASeedDealsTheseHandsAndThisSkat) {
    CSkat game;
    for (const GoldenDeal& golden : kGoldenDeals) {
        SCOPED_TRACE(golden.seed);
        SeedRand(golden.seed);
        testsupport::DealAll(game);
        for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(RowText(*game.Player(seat), 10), golden.hands[seat]) << seat;
        EXPECT_EQ(RowText(game, 2), golden.skat);
    }
}

}  // namespace
