#include "SelfPlayHarness.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/VoidTable.h"
#include "computer/play/GrandPlay.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Random.h"
#include "tests/support/SkatTestAccess.h"
#include "tests/support/WholeDeal.h"
#include "tests/support/BidIndex.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The harness plays the card play alone, without the flow's state of play (its Ramsch runs as it
// always has, outside that state), so the game object's checked steps, which count the tricks
// taken only in play, are not asked: the harness moves the rows itself.
using Rows = SkatTestAccess;

std::string Where(int trick, int seat) {
    return "trick " + std::to_string(trick + 1) + " seat " + std::to_string(seat) + ": ";
}

// Hand, hand analysis and played-card memory agree for every player.
std::string CheckAgreement(const CSkat& game) {
    for (int seat = 0; seat < 3; ++seat) {
        const CPlayer& p = *game.Player(seat);
        int present = 0;
        bool held[4][8] = {};
        for (int slot = 0; slot < p.capacity; ++slot) {
            if (!p.present[slot]) continue;
            ++present;
            const int card = p.cards[slot];
            const int s = GetCardSuit(card, true), r = GetCardRank(card);
            if (s < 0 || r < 0) return "seat " + std::to_string(seat) + " holds no card code " + std::to_string(card);
            held[s][r] = true;
            if (g_Knowledge.CardLocation(GetCardRow(card)) == CARD_PLAYED)
                return "seat " + std::to_string(seat) + " holds a card marked played";
        }
        if (present != p.count) return "seat " + std::to_string(seat) + " count differs from its cards";
        int jacks = 0;
        for (int s = 0; s < 4; ++s) {
            int plain = 0;
            for (int r = 0; r < 8; ++r) {
                if ((p.handInfo.RankTable[s][r] != -1) != held[s][r])
                    return "seat " + std::to_string(seat) + " hand analysis differs at suit " + std::to_string(s) +
                           " rank " + std::to_string(r);
                if (held[s][r]) (r == JACK ? jacks : plain) += 1;
            }
            if (p.handInfo.SuitCount[s] != plain)
                return "seat " + std::to_string(seat) + " suit count differs at suit " + std::to_string(s);
        }
        if (p.handInfo.JackCount != jacks) return "seat " + std::to_string(seat) + " Jack count differs";
    }
    return {};
}

void ResetGlobals() {
    g_Game.Reset();
    g_Knowledge.Reset();
    ResetCardTables();
    ResetComputerState(g_Computer);
    g_ComputerFrame.Reset();
}

// The computers bid: the highest bid limit declares (forehand first on equal limits) at the
// second-highest limit; nobody bidding gives Ramsch.
void DeclareByBidding(CSkat& game) {
    int limits[3];
    for (int seat = 0; seat < 3; ++seat) limits[seat] = CGameEvaluation(Rows::Player(game, seat)).AnalyseAndEvaluate(0);
    int best = -1;
    for (int k = 0; k < 3; ++k) {
        const int seat = (g_Game.Leader + k) % 3;
        if (limits[seat] >= 18 && (best < 0 || limits[seat] > limits[best])) best = seat;
    }
    if (best < 0) {
        g_Game.SetGameType(GAME_RAMSCH);
        g_Game.Soloist = NO_SEAT;
        return;
    }
    int second = 18;
    for (int seat = 0; seat < 3; ++seat)
        if (seat != best && limits[seat] > second) second = limits[seat];
    g_Game.BidIndex = testsupport::BidIndexOf(second);
    g_Game.Soloist = best;
    Rows::Player(game, best).Declare(game);
}

}  // namespace

SelfPlayGame::SelfPlayGame() : game_(new CSkat) {}

SelfPlayGame::~SelfPlayGame() {
    if (g_ComputerFrame.Game == game_) g_ComputerFrame.Game = nullptr;
    delete game_;
}

bool SelfPlayGame::Fail(const std::string& fault) {
    result_.ok = false;
    result_.fault = fault;
    result_.replacedCards = g_Computer.ReplacedCardCount;
    over_ = true;
    return false;
}

int SelfPlayGame::Position() const { return game_->Trick().count >= 3 ? 0 : game_->Trick().count; }

int SelfPlayGame::SeatToPlay() const {
    const int leader = game_->Trick().count >= 3 ? g_Game.TrickWinner : g_Game.Forehand;
    return (leader + Position()) % 3;
}

bool SelfPlayGame::Start(const SelfPlayOptions& options) {
    ResetGlobals();
    g_Game.VariantMode = options.variantMode;
    g_Settings.Variants.NullOuvert = options.nullOuvertSetting;
    g_Settings.Settings.Safe = options.safe;
    SeedRand(options.seed);
    CSkat& game = *game_;
    g_ComputerFrame.Game = game_;
    const bool accept = options.abandonAnswer != 0;
    g_ComputerFrame.Abandon = [accept](const std::string&, int) { return accept; };

    // The deal and the game.
    g_Game.Leader = g_Game.Forehand = static_cast<int>(options.seed % 3);
    testsupport::DealAll(game);
    if (options.gameType == -2) {
        DeclareByBidding(game);
    } else {
        g_Game.SetGameType(options.gameType);
        if (options.gameType == GAME_RAMSCH)
            g_Game.Soloist = NO_SEAT;
        else
            g_Game.Soloist = options.soloist >= 0 ? options.soloist : static_cast<int>((options.seed / 3) % 3);
        g_Game.HandAnnounced = options.hand;
        g_Game.OuvertAnnounced = options.ouvert;
        g_Game.SchneiderAnnounced = options.schneider;
        g_Game.SchwarzAnnounced = options.schwarz;
        g_Game.KontraState = options.kontra;
    }
    result_.gameType = g_Game.GameType;
    result_.soloist = g_Game.Soloist;
    if (g_Game.GameType < 0 || g_Game.GameType > 7) return Fail("no game type after the declaration");

    // The start of play.
    g_Game.SetGameType(g_Game.GameType);
    StartPlayKnowledge();
    ClearLedSuits();
    ClearTrickCounters();
    g_Game.RealPlayFlag = 1;
    g_Game.GameEndFlags = 2;
    g_Game.TrickWinner = g_Game.Forehand = g_Game.Leader;
    g_ComputerFrame.FaceUpAnnouncePending = 1;
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& p = Rows::Player(game, seat);
        p.AnalyseHand(0);
        ListSmallCards(p);  // as when the declared game is registered with the players
        p.SetPartner(nullptr);
    }
    if (g_Game.OuvertAnnounced && g_Game.Soloist <= 2)
        for (int seat = 0; seat < 3; ++seat)
            if (seat != g_Game.Soloist) Rows::Player(game, seat).SetPartner(&Rows::Player(game, g_Game.Soloist));
    if (g_Game.GameType == GAME_RAMSCH && options.durchmarschSeat >= 0 && options.durchmarschSeat <= 2)
        Rows::Player(game, options.durchmarschSeat).SetDurchmarsch(1, -1);
    Rows::LastTrick(game).Reset();
    Rows::Trick(game).Reset();
    const std::string start = CheckAgreement(game);
    if (!start.empty()) return Fail("before play: " + start);
    return true;
}

void SelfPlayGame::PrepareNextCard() {
    CTrick& trick = Rows::Trick(*game_);
    if (trick.count >= 3 || trick.count == 0) {
        trick.Reset();
        g_Game.Forehand = g_Game.TrickWinner;
    }
}

bool SelfPlayGame::PlayCard() {
    if (over_) return false;
    CSkat& game = *game_;
    CTrick& trick = Rows::Trick(game);
    const int type = g_Game.GameType;
    const int t = result_.tricks;
    PrepareNextCard();
    const int leader = g_Game.Forehand;
    const int k = trick.count;
    const int seat = (leader + k) % 3;
    CPlayer& p = Rows::Player(game, seat);
    g_Game.TurnSeat = seat;
    // The early face-up step before the soloist's lead (the Grand soloist, in Ramsch a seat
    // aiming at Durchmarsch).
    if (k == 0 && g_Settings.Settings.Safe && g_ComputerFrame.FaceUpAnnouncePending &&
        ((type == GAME_GRAND && seat == g_Game.Soloist) || (type == GAME_RAMSCH && p.durchmarschAim == 1))) {
        CGrandPlay(p).EarlyFaceUpGrand();
        if (type == GAME_RAMSCH && g_Game.OuvertAnnounced)
            for (int other = 0; other < 3; ++other)
                if (other != seat) Rows::Player(game, other).SetPartner(&p);
    }
    const int lead = k == 0 ? NO_CARD : trick.cards[leader];
    bool allowed[53] = {};
    bool held[53] = {};
    for (int slot = 0; slot < p.capacity; ++slot) {
        if (!p.present[slot]) continue;
        const int card = p.cards[slot];
        held[card] = true;
        allowed[card] = p.CanPlayCard(card, lead);
    }
    const int before = g_Computer.ReplacedCardCount;
    p.ServeCard(&trick);
    if (g_Computer.ReplacedCardCount != before) return Fail(Where(t, seat) + "a strategy's card was replaced");
    const int card = trick.present[seat] ? trick.cards[seat] : NO_CARD;
    if (card == NO_CARD) {
        // Only a defender who has just given up serves nothing; the game goes to the soloist.
        if ((g_Game.GameEndFlags & ~8) != 2) {
            result_.gaveUp = true;
            result_.soloistWon = true;
            over_ = true;
            return false;
        }
        return Fail(Where(t, seat) + "no card served");
    }
    if (!IsCardCode(card) || !held[card] || !allowed[card])
        return Fail(Where(t, seat) + (IsCardCode(card) && held[card] ? "card not allowed " : "card not held ") +
                    std::to_string(card));
    if (g_Game.StopFlag != StopState::Running) return Fail(Where(t, seat) + "stop flag set");
    NoteCardPlayed(card);
    if (trick.count < 3) return true;
    return FinishTrick();
}

bool SelfPlayGame::FinishTrick() {
    CSkat& game = *game_;
    CTrick& trick = Rows::Trick(game);
    const int type = g_Game.GameType;
    const int leader = g_Game.Forehand;
    const bool won = trick.Valuate();
    const int winner = g_Game.TrickWinner;
    if (IsNullGame()) {
        CPlayer& soloist = Rows::Player(game, g_Game.Soloist);
        soloist.MarkOutstandingCards();
        // The winner's follow-suit field and pending card, as the flow notes the trick leader.
        CPlayer& w = Rows::Player(game, winner);
        const int soloistSuit = GetCardSuit(trick.cards[g_Game.Soloist], false);
        const int winnerSuit = GetCardSuit(trick.cards[winner], false);
        if (soloistSuit != w.rememberedSuit) w.rememberedSuit = -1;
        if (soloistSuit == winnerSuit && w.forcedCard < 0) w.forcedCard = -w.forcedCard;
        if (g_Game.OuvertAnnounced) soloist.MarkOutstandingCards();
    }
    if (!won) {
        result_.tricks += 1;
        over_ = true;
        return false;
    }
    int trumpsOut[11];
    int ref = NO_CARD;
    if (g_Game.Soloist <= 2 && CollectSuit(Rows::Player(game, g_Game.Soloist), type, false, trumpsOut) > 0)
        ref = trumpsOut[0];
    ControlSuits(game, Rows::Player(game, leader));
    trick.ControlTrump(ref);
    Rows::Player(game, leader).Preferred(trick);
    if (type == GAME_RAMSCH)
        ++g_Game.PartyTricks[winner];
    else
        ++g_Game.PartyTricks[winner == g_Game.Soloist ? 0 : 1];
    // The last-trick row.
    Rows::LastTrick(game).Reset();
    for (int seat = 0; seat < 3; ++seat) Rows::LastTrick(game).SetCard(seat, trick.cards[seat]);
    const std::string agreement = CheckAgreement(game);
    if (!agreement.empty()) return Fail("after trick " + std::to_string(result_.tricks + 1) + ": " + agreement);
    result_.tricks += 1;
    if (result_.tricks < 10) return true;
    // The game is over.
    over_ = true;
    result_.faceUp = g_Game.EarlyFaceUp;
    result_.soloistPoints = g_Game.PartyPoints[0];
    if (type == GAME_NULL || type == GAME_REVOLUTION)
        result_.soloistWon = g_Game.PartyTricks[0] == 0;
    else if (type == GAME_RAMSCH)
        result_.soloistWon = false;
    else
        result_.soloistWon = g_Game.PartyPoints[0] > 60;
    return false;
}

SelfPlayResult PlaySelfGame(const SelfPlayOptions& options) {
    SelfPlayGame game;
    if (game.Start(options))
        while (game.PlayCard()) {
        }
    return game.Result();
}

namespace {

// Every block the computer asked for since the last game back to cleared, the others are as cleared
// already: copying four whole sheets a game would be a twentieth of the harness's time. A mark word
// with bits beyond the blocks is no record of them, and then every block is cleared.
void ClearTouchedSheets(ComputerState& state) {
    static const TrickEstimationSheet blank;
    for (int seat = 0; seat < 4; ++seat) {
        std::uint32_t untouched = state.UntouchedBlocks[seat];
        if (untouched & ~ALL_SHEET_BLOCKS) untouched = 0;
        for (int block = 0; block < SHEET_BLOCKS; ++block)
            if (((untouched >> block) & 1u) == 0)
                std::memcpy(state.Sheets[seat].Rows[block], blank.Rows[block], sizeof blank.Rows[block]);
        state.UntouchedBlocks[seat] = ALL_SHEET_BLOCKS;
    }
}

}  // namespace

void ResetComputerState(ComputerState& state) {
    state.RandomTieCounter = 2;
    state.AllPassedQuery = 0;
    state.GrandHandQuery = 0;
    state.SkatTaken = 0;
    state.ThrownOffSuit = -1;
    state.ReplacedCardCount = 0;
    state.Discard = DiscardPlannerBlock{};
    ClearTouchedSheets(state);
}
