// The Ramsch skat round of a seat: pass the skat on unseen or pick it up and push two cards back,
// and the lay-away of a Durchmarsch attempt (for the person only as advice).

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/Discard.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/SkatExchange.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/PlayerData.h"

#include <vector>

namespace {

constexpr int COMMAND_PASS_ON_RAMSCH = 103;
constexpr int COMMAND_PICK_UP_RAMSCH = 110;
constexpr int PERSON_SEAT = 2;

// A break of the game (the frame's stop request) ends the round's later steps.
bool Interrupted() { return g_Game.StopFlag == StopState::Requested; }

void SkatIntoSlots(CPlayer& player, const CCards& skat) {
    player.cards[10] = skat.cards[0];
    player.cards[11] = skat.cards[1];
}

void RedrawRow(CCards& row) {
    row.RemoveCards(false);
    row.Sort();
    row.PaintCards();
}

}  // namespace

void CPlayer::HandleRamschSkat(CCards& skat) {
    // Step 1: the game is Ramsch; the suit plan starts empty.
    g_Game.SetGameType(GAME_RAMSCH);
    for (auto& slot : SuitPlanSlots) slot = SuitPlanSlot{};
    // Step 2: pass on when the risk analysis, or else the Durchmarsch plan, leaves a verdict.
    SortIntoTable(*this, 0);
    EvaluateSuitStatus();
    if (!AnalysePlayRisk()) PlanPlay(false);
    const bool passOn = SheetBlock(*this, SHEET_PLAY)[6][0] != 0;
    // Step 3: the frame's handler runs inside the call.
    g_ComputerFrame.Send(passOn ? COMMAND_PASS_ON_RAMSCH : COMMAND_PICK_UP_RAMSCH);
    // Step 4: picked up, two cards go back.
    if (!passOn) {
        gameOptions[GAME_RAMSCH][OPT_HAND] = 0;
        DecideRamschSkat(skat, true);
        // A break while the frame took the skat up leaves the cards where they lie.
        if (!Interrupted() && gameOptions[GAME_RAMSCH][OPT_SCHWARZ] == 0) {
            g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
            SkatIntoSlots(*this, skat);
            SortIntoTable(*this, 1);
            EvaluateSuitStatus();
            PlanAndChooseDiscard(*this, GAME_RAMSCH);
            ExchangeDiscardResult(*this, skat, g_ComputerFrame.OpenCardsFlag != 0);
        }
        if (Interrupted()) return;
        RedrawRow(*this);
        RedrawRow(skat);
    }
    // Step 5: the resume pause, then the ten cards analysed again.
    if (Interrupted()) return;
    if (g_ComputerFrame.ResumeSwapPause) {
        g_ComputerFrame.ResumeSwapPause();
        if (Interrupted()) return;
    }
    SortIntoTable(*this, 0);
}

void CPlayer::DecideRamschSkat(CCards& skat, bool plan) {
    // Step 1: the exchange must not change the record of the deal.
    const bool animate = g_ComputerFrame.OpenCardsFlag != 0 && seat != PERSON_SEAT;
    const std::vector<int> dealtHand = dealt, dealtSkat = skat.dealt;
    g_Computer.Discard.ClearCounts();
    // Step 2: a hand with the Clubs Jack and another lays away for the Durchmarsch.
    bool exchanged = false;
    if (!Interrupted() && plan) {
        SkatIntoSlots(*this, skat);
        SortIntoTable(*this, 1);
        AnalyseSuits(*this, 1);
        if (handInfo.MatadorRun >= 1 && handInfo.JackCount > 1) {
            EvaluateSuitStatus();
            PlanAndChooseDiscard(*this, GAME_DURCHMARSCH);
            ExchangeDiscardResult(*this, skat, animate);
            exchanged = true;
        }
    }
    // Step 3: the Durchmarsch plan on the ten cards; the person's cards go back, only the advice
    // stays.
    if (handInfo.MatadorRun >= 1 && handInfo.JackCount >= 2) {
        SortIntoTable(*this, 0);
        EvaluateSuitStatus();
        PlanPlay(plan);
        if (plan && seat == PERSON_SEAT && exchanged) {
            ExchangeDiscardResult(*this, skat, false);
            g_Game.SetGameType(GAME_RAMSCH);
        }
    }
    // Step 4: the dealt hand and skat as they were.
    dealt = dealtHand;
    skat.dealt = dealtSkat;
}
