#pragma once
// The Ramsch lay-away planner's working state, shared by the files of its stages
// (DiscardRamschPlanner.cpp stages 1 to 6, DiscardRamschThinning.cpp stages 7 and 8,
// DiscardRamschFinal.cpp stage 9). Not for use outside the planner.

#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"

#include "computer/evaluation/DiscardPlanner.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"

namespace ramsch_plan {

using namespace discard;

// The walk of AddPairCandidate: a start of 1 begins at the Ace and skips the Jack.
inline constexpr int kPairWalk[8] = {JACK, ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN};
// The plain ranks from the highest down.
inline constexpr int kPlainWalk[7] = {ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN};

enum class Stage { One, Two, Three, Four, Five, Six, Seven, Eight, Nine, End };

inline void RemoveSingle(DiscardEntry* list, int& count, int at) {
    if (at < 0 || at >= count) return;
    for (int i = at; i + 1 < count; ++i) list[i] = list[i + 1];
    --count;
}

inline void RemovePair(DiscardPair* list, int& count, int at) {
    if (at < 0 || at >= count) return;
    for (int i = at; i + 1 < count; ++i) list[i] = list[i + 1];
    --count;
}

struct RamschPlanner {
    CPlayer& player;
    const HandInfo& info;
    DiscardPlannerBlock& b;
    bool forehand;       // the player leads the first trick
    bool nextForehand;   // the seat after him leads it
    int v = 0;           // the planner's own count of candidate cards
    int p = 0;           // stage 7.9: the points of the pair kept

    RamschPlanner(CPlayer& who)
        : player(who), info(who.handInfo), b(Block()), forehand(who.seat == g_Game.Forehand),
          nextForehand((who.seat + 1) % 3 == g_Game.Forehand) {}

    // ---- Hand facts ----
    int N(int s) const { return info.SuitCount[s]; }
    bool Has(int s, int rank) const { return info.Holds(s, rank); }
    int Card(int index) const { return CardAt(player, index); }
    int Order(int index) const { return GetCardOrder(Card(index)); }
    int Points(int index) const { return GetCardPoints(Card(index)); }
    int SuitOf(int index) const { return SuitAt(player, index); }
    bool IsAce(int index) const { return RankAt(player, index) == ACE; }
    int PairPoints(const DiscardPair& pair) const { return Points(pair.First.Index) + Points(pair.Second.Index); }
    // Hand index of the highest plain card of a suit, -1 when none.
    int TopIndex(int s) const {
        for (int rank : kPlainWalk)
            if (Has(s, rank)) return Slot(info, s, rank);
        return -1;
    }
    DiscardEntry Top(int s, int bonus = 0) const {
        const int index = TopIndex(s);
        return {index, index < 0 ? 0 : Order(index) + bonus};
    }
    DiscardEntry Entry(int index) const { return {index, Order(index)}; }
    int IndexOfCard(int card) const { return card == NO_CARD ? -1 : player.FindCard(card); }

    // ---- List operations ----
    int Singles() const { return b.Singles1Count + b.Singles2Count + b.Singles3Count; }
    // Appends a single; true when it entered (a full list takes no fifth entry).
    bool Add(DiscardEntry* list, int& count, DiscardEntry entry) {
        const int before = count;
        AddSingle(list, count, entry.Index, entry.Score);
        return count > before;
    }
    bool AddS1(int s, int bonus = 0) { return Add(b.Singles1, b.Singles1Count, Top(s, bonus)); }
    bool AddS3(int s, int bonus = 0) { return Add(b.Singles3, b.Singles3Count, Top(s, bonus)); }
    bool AddTopPair(DiscardPair* list, int& count, int s) {
        const int before = count;
        CDiscardPlanner(player).AddPairCandidate(1, info.RankTable[s], RankFilterAll, list, count);
        return count > before;
    }
    void SetOnly(DiscardEntry* list, int& count, DiscardEntry entry) {
        count = 0;
        Add(list, count, entry);
    }
    void SetOnlyPair(DiscardPair* list, int& count, DiscardPair pair) {
        count = 0;
        AddPair(list, count, pair.First, pair.Second);
    }
    void ClearSingles() { b.Singles1Count = b.Singles2Count = b.Singles3Count = 0; }

    // ---- The stages ----
    Stage StageOne();
    Stage StageTwo();
    Stage StageThree();
    Stage StageFour();
    Stage StageFive();
    Stage StageSix();
    Stage StageSeven();
    void SevenDropAThirdOrTheLowBlank();
    bool SevenThreeCardSuitsAndTheBlank();
    bool SevenLowestOfTheThirdList();
    void SevenStrongThirdList();
    void SevenLeadingPlayer();
    int SevenBlankAndPair();
    int SevenTwoHighSingles();
    void SevenMiddlePairs();
    Stage SevenStillTooMany();
    Stage StageSevenPairKept();
    Stage StageEight();
    void EightTwoBlanksOneSmall();
    Stage EightBlankAndTopOverTen();
    void EightTwoBlanks();
    bool EightPairForALongerSuit(int& x);
    void EightPairUnderThreeCardSuits(int x);
    Stage StageNine();
    Stage StageNineForehand();
    int NineWithoutBlanks();
    void NinePairsOnly();
    void NineTopOfAPairWithAThreeCardSuit();
    void NineOnePairAndThirdList();
    int NineTwoCardsAboveTheLowest();
    void NineBlanksGiveWayToAPair();
    void NineForehandSteps(int from);
    int NineSinglesOverASafeLowCard();
    void NineAceWithItsTen();
    bool NineOnePairAgainstTheOthers();

    void Run() {
        Stage stage = Stage::One;
        while (stage != Stage::End) {
            switch (stage) {
            case Stage::One: stage = StageOne(); break;
            case Stage::Two: stage = StageTwo(); break;
            case Stage::Three: stage = StageThree(); break;
            case Stage::Four: stage = StageFour(); break;
            case Stage::Five: stage = StageFive(); break;
            case Stage::Six: stage = StageSix(); break;
            case Stage::Seven: stage = StageSeven(); break;
            case Stage::Eight: stage = StageEight(); break;
            case Stage::Nine: stage = StageNine(); break;
            case Stage::End: break;
            }
        }
    }
};

}  // namespace ramsch_plan
