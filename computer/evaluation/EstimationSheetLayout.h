#pragma once
// Where each figure of the trick estimation sheet stands: the rows and words that the evaluation
// writes and the trick estimation window shows and explains. The writers (the trick estimator, the
// Null evaluation, the play preparation and the play-risk analysis) and the window's sheets and
// popups name a word through these positions, so the two sides cannot drift apart.
//
// A block is 35 rows of 26 words (ComputerState.h); 65535 marks an empty word.

#include <cstdint>

#include "computer/evaluation/ComputerState.h"

// One word of a sheet block: row and word within the row.
struct SheetWord {
    int row;
    int word;
};

inline std::int32_t& SheetAt(std::int32_t (*rows)[SHEET_FIELDS], SheetWord at) { return rows[at.row][at.word]; }
inline std::int32_t SheetAt(const std::int32_t (*rows)[SHEET_FIELDS], SheetWord at) {
    return rows[at.row][at.word];
}

// The words every rule row of the suit and Grand blocks carries.
namespace RuleRow {
inline constexpr int Value = 0;            // the estimate after the rule; 65535 when it did not apply
inline constexpr int EstimateBefore = 2;   // the running estimate the rule is tested against ($)
}  // namespace RuleRow

// Rows 0..3 of the suit, Grand and Null blocks: word 1 is 1 when suit `row` has no card (bare).
inline constexpr int kBareSuitFlagWord = 1;

// The suit game blocks 0..3 (by trump suit index).
namespace SuitSheet {
inline constexpr SheetWord JackCount{0, 0};              // B
inline constexpr SheetWord EmptySuitMask{0, 2};
inline constexpr SheetWord LostTrickWord{0, 3};          // the side suits' lost tricks, 4 bits a suit
inline constexpr SheetWord ForehandSeat{0, 4};           // the seat named after Vh
inline constexpr SheetWord TrumpTricks{1, 0};            // T$
inline constexpr SheetWord MatadorRun{1, 3};             // *
inline constexpr SheetWord IsForehand{1, 4};             // Vh
inline constexpr SheetWord ShortSuits{1, 5};
inline constexpr SheetWord SafeTricks{2, 0};             // F$
inline constexpr SheetWord AceTenElsewhereCount{2, 7};   // NA10, the side suits with Ace and Ten
inline constexpr SheetWord TrumpSuitCount{3, 0};         // TF, the trump suit without Jacks
inline constexpr SheetWord JackMask{3, 2};               // bit s: the Jack of suit s is held
inline constexpr SheetWord AcesElsewhereCount{3, 3};     // NA
inline constexpr SheetWord TensElsewhereCount{3, 4};
inline constexpr SheetWord BareSuitCount{4, 0};          // F0, the bare suits
inline constexpr SheetWord AcesElsewhereMask{4, 2};      // the suits of NA
inline constexpr SheetWord AceMask{4, 3};                // the suits of A; the trump bit is TA
inline constexpr SheetWord AceTenElsewhereMask{4, 4};    // the suits of NA10
inline constexpr SheetWord Trumps{5, 0};                 // T: trump suit and Jacks
inline constexpr SheetWord TenMask{5, 3};                // the suits of 10; the trump bit is T10
inline constexpr SheetWord LongestSideSuitLength{6, 3};  // N of rule 1, shown and tested
inline constexpr SheetWord LongestSideSuit{6, 4};
inline constexpr SheetWord HeartsJackHeld{6, 5};         // HzB
inline constexpr SheetWord DiamondsJackHeld{6, 6};       // KaB
inline constexpr SheetWord TrumpTenHeld{8, 3};
inline constexpr SheetWord AceCount{9, 6};               // A, over all four suits
inline constexpr SheetWord TenCount{9, 7};               // 10, over all four suits
// Rule 14: the trump Ace, Ten and King (words 4..6); word 3 the trump suit when it applied.
inline constexpr SheetWord TrumpHighSuit{19, 3};
inline constexpr SheetWord TrumpHighAce{19, 4};
inline constexpr SheetWord TrumpHighTen{19, 5};
inline constexpr SheetWord TrumpHighKing{19, 6};
// Rule 16: the short side suit with a lone Ten.
inline constexpr SheetWord LoneTenSuit{21, 3};
inline constexpr SheetWord LoneTenAce{21, 4};
inline constexpr SheetWord LoneTenTen{21, 5};
inline constexpr SheetWord LoneTenKing{21, 6};
inline constexpr SheetWord LoneTenLength{21, 9};
inline constexpr SheetWord SideCover{32, 3};             // rule 27's cover by side Aces
inline constexpr SheetWord FinalEstimate{34, 2};
inline constexpr int FirstRuleRow = 6;
inline constexpr int LastRuleRow = 33;
}  // namespace SuitSheet

// The Grand block (4).
namespace GrandSheet {
inline constexpr SheetWord JackCount{0, 0};              // B
inline constexpr SheetWord EmptySuitMask{0, 2};          // the suits of F0
inline constexpr SheetWord ForehandSeat{0, 4};
inline constexpr SheetWord TricksLessExtra{1, 0};
inline constexpr SheetWord MatadorRun{1, 3};             // *
inline constexpr SheetWord IsForehand{1, 4};             // Vh
inline constexpr SheetWord SafeTricks{2, 0};             // F$
inline constexpr SheetWord AceTenCount{2, 7};            // A10, the suits with Ace and Ten
inline constexpr SheetWord EstimateBeforeRules{3, 0};    // F$ + B
inline constexpr SheetWord JackMask{3, 2};
inline constexpr SheetWord AceCount{3, 3};               // A
inline constexpr SheetWord TenCount{3, 4};
inline constexpr SheetWord AceTenKingCount{3, 7};        // A10K
inline constexpr SheetWord BareSuitCount{4, 0};          // F0, the bare suits
inline constexpr SheetWord AceMask{4, 2};
inline constexpr SheetWord AceTenMask{4, 3};
inline constexpr SheetWord AceTenKingMask{4, 4};
inline constexpr SheetWord WeakLongSuitMark{5, 0};       // W
inline constexpr SheetWord TenMask{5, 2};
inline constexpr SheetWord WeakLongSuit{5, 3};
inline constexpr SheetWord WeakLongSuitClosed{5, 4};     // Ace, Ten and King of that suit
inline constexpr SheetWord LongestLength{5, 9};
inline constexpr SheetWord Rule5LongestSuit{10, 3};
inline constexpr SheetWord Rule5LongestLength{10, 7};
inline constexpr SheetWord Rule7TenSuitMask{12, 3};      // the suits of N10
inline constexpr SheetWord Rule7TenSuitLength{12, 9};
inline constexpr SheetWord Rule8SuitSafeTricks{13, 8};   // F$(N)
inline constexpr SheetWord HeartsJackHeld{30, 3};
// Rule 28: the suits and ranks of the first two single cards, and how many single cards.
inline constexpr SheetWord FirstSingleSuit{32, 3};
inline constexpr SheetWord SecondSingleSuit{32, 4};
inline constexpr SheetWord FirstSingleRank{32, 5};
inline constexpr SheetWord SecondSingleRank{32, 6};
inline constexpr SheetWord SingleCount{32, 7};
inline constexpr SheetWord FinalEstimate{34, 2};
inline constexpr int FirstRuleRow = 6;
inline constexpr int LastRuleRow = 34;
}  // namespace GrandSheet

// The words of a Grand rule row that looks at one long suit.
namespace LongSuitWord {
inline constexpr int Suit = 3;     // 65535: none
inline constexpr int Ace = 4;      // 0/1 held
inline constexpr int Ten = 5;
inline constexpr int King = 6;
inline constexpr int Queen = 7;
inline constexpr int Nine = 8;
inline constexpr int Length = 9;
}  // namespace LongSuitWord

// The Null block (5), also shown for Revolution.
namespace NullSheet {
inline constexpr int ClassWord = 0;                  // rows 0..3: the suit's Null class 1..13
inline constexpr SheetWord BareSuitCount{4, 0};      // F0, the bare suits
inline constexpr SheetWord SafeNoForehandMark{5, 0}; // 3 when a suit has class 3
inline constexpr SheetWord SafeNoAceMark{6, 0};      // 6 when a suit has class 6
inline constexpr SheetWord Chance{7, 0};             // percent
inline constexpr SheetWord Reading{8, 0};            // F: which reading of a rule group counts
}  // namespace NullSheet

// The play block (6): Ramsch and Durchmarsch.
namespace PlaySheet {
// Rows 0..3, one per suit.
inline constexpr int StatusWord = 0;       // the Ramsch class
inline constexpr int VoidWord = 1;
inline constexpr int MalusWord = 2;        // 1: an OK suit too long to stay safe
inline constexpr int CardCountWord = 3;
inline constexpr int WeakCodeWord = 4;     // the Durchmarsch code 101..109
inline constexpr int WeakCountWord = 5;
inline constexpr int WeakLostWord = 6;
inline constexpr int RunningLostWord = 7;
inline constexpr SheetWord ShortSuitCount{4, 0};
inline constexpr SheetWord JacksWeakCode{4, 2};
inline constexpr SheetWord JacksWeakCount{4, 4};     // 4: only the Jacks' column, no Durchmarsch
inline constexpr SheetWord JacksWeakValue{4, 5};
inline constexpr SheetWord GrandHandRule{5, 0};
inline constexpr SheetWord PassOnRule{6, 0};
inline constexpr SheetWord RamschRisk{6, 2};
inline constexpr SheetWord GrandHandRisk{6, 3};
inline constexpr SheetWord PassOnRisk{6, 4};         // the risk limit of the pass-on rules
inline constexpr SheetWord DurchmarschRisk{6, 5};
inline constexpr SheetWord BonusBefore{6, 6};        // the OK suits before the adjustments
inline constexpr int FirstBonusRuleWord = 8;         // row 6, words 8..14: the adjustment rules
inline constexpr SheetWord BonusAfterLongSuits{6, 8};
inline constexpr SheetWord IsForehand{6, 15};
inline constexpr SheetWord SingleCardMark{6, 16};
inline constexpr SheetWord SingleCardSuit{6, 17};
inline constexpr SheetWord LowCardsLength{6, 18};
inline constexpr SheetWord LowCardsSuit{6, 19};
inline constexpr SheetWord DurchmarschRule{7, 0};
inline constexpr SheetWord JacksStatus{8, 0};
inline constexpr SheetWord JacksMalus{8, 2};
inline constexpr SheetWord JackCount{8, 3};
}  // namespace PlaySheet
