// The English edition's texts of the trick estimation window's popups: the bare-suits line, the
// safe-trick tables with their column heads and formula rows, the Jack and Queen letters and the
// scoring and extra words. The tables' texts are spaced to meet the popups' column rules.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/en/EditionTables.h"

namespace {

constexpr platform::StringEntry kStrings[] = {
    {IDS_POPUP_BARE_SUITS, "S0: bar at ;no suit"},
    {IDS_POPUP_TRUMP_TABLE, "T$:    safe tricks of trump"},
    {IDS_POPUP_TRUMP_TABLE + 1, "       Num-  from  J >= 3 &  J == 3 &"},
    {IDS_POPUP_TRUMP_TABLE + 2, "       ber   rule  run       & Fh"},
    {IDS_POPUP_TRUMP_TABLE + 3, "       n     + T   + n       + 1"},
    {IDS_POPUP_SUIT_TABLE, "S$:       A  A   A  A      A    A      A     A        10    10    10"},
    {IDS_POPUP_SUIT_TABLE + 1, "             n>5 10 10     10   K      K     n>3      K     K     Q"},
    {IDS_POPUP_SUIT_TABLE + 2, "Su- Num- Ma-     n<4 K|n=5 n=4  n>3    Q&n>2 &*>1     n>3|Q n<4   n>2|*=4"},
    {IDS_POPUP_SUIT_TABLE + 3, "its ber lus                     n<6    |*<2&J<3 |*=1&J>2    n>2|*>1"},
    {IDS_POPUP_SUIT_TABLE + 4, "   n   x  +1 +n  +2 +n     +3   +n-1   +n-1  +2       +n-1  +1    +1"},
    {IDS_POPUP_GRAND_TABLE, "S$:                  A     A &    A &  A & 10 & K &     A & 10 &     (A & 10 |             10 &              10 &"},
    {IDS_POPUP_GRAND_TABLE + 1, "                                         10       (* >= 2 |     (K | n >= 5) &    A & K |    (K & D & n >= 4 |      (K |"},
    {IDS_POPUP_GRAND_TABLE + 2, "Su- Num- Ma-                              J >= 2 &          (* == 4 |     10 & K) &  n >= 6 & * >= 1) &  n >= 4)"},
    {IDS_POPUP_GRAND_TABLE + 3, " its   ber   lus       n >= 6         n >= 3) & Fh   J >= 3 & Fh)    n >= 3              J >= 3 "},
    {IDS_POPUP_GRAND_TABLE + 4, "          n     x   + 1    + n    + 2           + n                 + n          + (n - 1)            + (n - 1)            + 1"},
    {IDS_ESTIMATION_JACK, "J"},
    {IDS_ESTIMATION_QUEEN, "Q"},
    {IDS_POPUP_SCORING, "Scoring"},
    {IDS_POPUP_EXTRA, "Extra"},
};

static_assert(platform::IsSortedById(kStrings), "the string table must be sorted by id without duplicates");

}  // namespace

platform::StringTable EnglishEstimationPopupStrings() { return kStrings; }
