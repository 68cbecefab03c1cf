// A seed deals exactly these cards: the random source's first draws and the hands and skat of
// CSkat::DealAll (seats 0, 1, 2, then the skat, each slot by slot) for a few seeds. A change to
// the generator or to the deal shows here first, since every seeded game hangs on them.

#include "ModelFixture.h"
#include "model/Skat.h"

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
     {866, 31813, 3484, 10725, 5697, 25282},
     {"C8 CJ ST C7 H8 SK D7 HA DK CK", "SJ HT H9 DJ CA S8 CT SQ SA DT", "D8 H7 HJ DQ C9 HK S7 D9 HQ S9"},
     "CQ DA"},
    {42u,
     {2400, 26115, 30327, 8002, 13447, 15267},
     {"CA C9 HK C8 CK S7 DQ H9 DT D9", "D7 H8 DK ST SA D8 SJ HQ S9 CJ", "SQ HA CT C7 CQ HT DA S8 DJ HJ"},
     "SK H7"},
    {4711u,
     {18541, 18124, 23561, 8814, 28221, 9371},
     {"DJ DT D7 DQ SJ S9 C7 H8 D8 DK", "HQ C9 C8 S8 S7 CA CJ SA D9 DA", "HK H9 HA HJ CT ST CQ SQ SK HT"},
     "H7 CK"},
    {123456789u,
     {9294, 22962, 10768, 7240, 14590, 23885},
     {"DQ H8 HA DA SQ DJ ST SK H9 CJ", "CQ DT D7 SA C9 HQ S9 D8 H7 HJ", "S8 HT D9 HK DK CK C7 CT C8 S7"},
     "CA SJ"},
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
        game.DealAll();
        for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(RowText(*game.Player(seat), 10), golden.hands[seat]) << seat;
        EXPECT_EQ(RowText(game, 2), golden.skat);
    }
}

}  // namespace
