#include "SelfPlayHarness.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/VoidTable.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Random.h"

#include <cstdlib>
#include <memory>

namespace {

std::string Where(int trick, int seat) {
    return "trick " + std::to_string(trick + 1) + " seat " + std::to_string(seat) + ": ";
}

// Hand, hand analysis and played-card memory agree for every player.
std::string CheckAgreement(CSkat& game) {
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& p = *game.Player(seat);
        int present = 0;
        bool held[4][8] = {};
        for (int slot = 0; slot < p.capacity; ++slot) {
            if (!p.present[slot]) continue;
            ++present;
            const int card = p.cards[slot];
            const int s = GetCardSuit(card, true), r = GetCardRank(card);
            if (s < 0 || r < 0) return "seat " + std::to_string(seat) + " holds no card code " + std::to_string(card);
            held[s][r] = true;
            if (g_Knowledge.PlayedCardTable[GetCardRow(card)] == CARD_PLAYED)
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
    g_Computer.Reset();
    g_ComputerFrame.Reset();
}

// The computers bid: the highest bid limit declares (forehand first on equal limits) at the
// second-highest limit; nobody bidding gives Ramsch.
void DeclareByBidding(CSkat& game) {
    int limits[3];
    for (int seat = 0; seat < 3; ++seat) limits[seat] = game.Player(seat)->AnalyseAndEvaluate(0);
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
    g_Game.BidIndex = BidIndexOf(second);
    g_Game.Soloist = best;
    game.Player(best)->Declare(game);
}

}  // namespace

SelfPlayResult PlaySelfGame(const SelfPlayOptions& options) {
    SelfPlayResult result;
    ResetGlobals();
    g_Game.VariantMode = options.variantMode;
    g_Settings.Variants.NullOuvert = options.nullOuvertSetting;
    g_Settings.Settings.Safe = options.safe;
    SeedRand(options.seed);
    auto game = std::make_unique<CSkat>();
    g_ComputerFrame.Game = game.get();
    const bool accept = options.abandonAnswer != 0;
    g_ComputerFrame.Abandon = [accept](const std::string&, int) { return accept; };

    // The deal and the game.
    g_Game.Leader = g_Game.Forehand = static_cast<int>(options.seed % 3);
    game->DealAll();
    if (options.gameType == -2) {
        DeclareByBidding(*game);
    } else {
        g_Game.SetGameType(options.gameType);
        if (options.gameType == GAME_RAMSCH) {
            g_Game.Soloist = NO_SEAT;
        } else {
            g_Game.Soloist = options.soloist >= 0 ? options.soloist : static_cast<int>((options.seed / 3) % 3);
        }
        g_Game.HandAnnounced = options.hand;
        g_Game.OuvertAnnounced = options.ouvert;
        g_Game.SchneiderAnnounced = options.schneider;
        g_Game.SchwarzAnnounced = options.schwarz;
        g_Game.KontraState = options.kontra;
    }
    result.gameType = g_Game.GameType;
    result.soloist = g_Game.Soloist;
    if (g_Game.GameType < 0 || g_Game.GameType > 7) {
        result.ok = false;
        result.fault = "no game type after the declaration";
        return result;
    }

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
        CPlayer& p = *game->Player(seat);
        p.AnalyseHand(0);
        ListSmallCards(p);  // as when the declared game is registered with the players
        p.SetPartner(nullptr);
    }
    if (g_Game.OuvertAnnounced && g_Game.Soloist <= 2)
        for (int seat = 0; seat < 3; ++seat)
            if (seat != g_Game.Soloist) game->Player(seat)->SetPartner(game->Player(g_Game.Soloist));
    if (g_Game.GameType == GAME_RAMSCH && options.durchmarschSeat >= 0 && options.durchmarschSeat <= 2)
        game->Player(options.durchmarschSeat)->SetDurchmarsch(1, -1);
    game->lastTrick.Reset();
    const std::string start = CheckAgreement(*game);
    if (!start.empty()) {
        result.ok = false;
        result.fault = "before play: " + start;
        return result;
    }

    CTrick& trick = game->trick;
    const int type = g_Game.GameType;
    for (int t = 0; t < 10; ++t) {
        trick.Reset();
        g_Game.Forehand = g_Game.TrickWinner;
        const int leader = g_Game.Forehand;
        for (int k = 0; k < 3; ++k) {
            const int seat = (leader + k) % 3;
            CPlayer& p = *game->Player(seat);
            g_Game.TurnSeat = seat;
            // The early face-up step before the soloist's lead (the Grand soloist, in Ramsch a
            // seat aiming at Durchmarsch).
            if (k == 0 && g_Settings.Settings.Safe && g_ComputerFrame.FaceUpAnnouncePending &&
                ((type == GAME_GRAND && seat == g_Game.Soloist) || (type == GAME_RAMSCH && p.durchmarschAim == 1))) {
                p.EarlyFaceUpGrand();
                if (type == GAME_RAMSCH && g_Game.OuvertAnnounced)
                    for (int other = 0; other < 3; ++other)
                        if (other != seat) game->Player(other)->SetPartner(&p);
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
            if (g_Computer.ReplacedCardCount != before) {
                result.ok = false;
                result.fault = Where(t, seat) + "a strategy's card was replaced";
                result.replacedCards = g_Computer.ReplacedCardCount;
                return result;
            }
            const int card = trick.present[seat] ? trick.cards[seat] : NO_CARD;
            if (card == NO_CARD) {
                // Only a defender who has just given up serves nothing.
                if ((g_Game.GameEndFlags & ~8) != 2) {
                    // A defender gave up: the game goes to the soloist.
                    result.gaveUp = true;
                    result.soloistWon = true;
                    result.tricks = t;
                    return result;
                }
                result.ok = false;
                result.fault = Where(t, seat) + "no card served";
                return result;
            }
            if (!IsCardCode(card) || !held[card] || !allowed[card]) {
                result.ok = false;
                result.fault = Where(t, seat) + (IsCardCode(card) && held[card] ? "card not allowed " : "card not held ") +
                               std::to_string(card);
                return result;
            }
            if (g_Game.StopFlag) {
                result.ok = false;
                result.fault = Where(t, seat) + "stop flag set";
                return result;
            }
            NoteCardPlayed(card);
        }
        // The trick is complete.
        const bool won = trick.Valuate();
        const int winner = g_Game.TrickWinner;
        if (IsNullGame()) {
            CPlayer& soloist = *game->Player(g_Game.Soloist);
            soloist.MarkOutstandingCards();
            CPlayer& w = *game->Player(winner);
            const int soloistSuit = GetCardSuit(trick.cards[g_Game.Soloist], false);
            const int winnerSuit = GetCardSuit(trick.cards[winner], false);
            if (soloistSuit != w.rememberedSuit) w.rememberedSuit = -1;
            if (soloistSuit == winnerSuit && w.forcedCard < 0) w.forcedCard = -w.forcedCard;
            if (g_Game.OuvertAnnounced) soloist.MarkOutstandingCards();
        }
        if (!won) {
            result.tricks = t + 1;
            break;
        }
        int trumpsOut[11];
        int ref = NO_CARD;
        if (g_Game.Soloist <= 2 && game->Player(g_Game.Soloist)->CollectSuit(type, false, trumpsOut) > 0)
            ref = trumpsOut[0];
        ControlSuits(game.get());
        trick.ControlTrump(ref);
        game->Player(leader)->Preferred(trick);
        if (type == GAME_RAMSCH)
            ++g_Game.PartyTricks[winner];
        else
            ++g_Game.PartyTricks[winner == g_Game.Soloist ? 0 : 1];
        // The last-trick row.
        game->lastTrick.Reset();
        for (int seat = 0; seat < 3; ++seat) game->lastTrick.SetCard(seat, trick.cards[seat]);
        const std::string agreement = CheckAgreement(*game);
        if (!agreement.empty()) {
            result.ok = false;
            result.fault = "after trick " + std::to_string(t + 1) + ": " + agreement;
            return result;
        }
        result.tricks = t + 1;
    }
    result.faceUp = g_Game.EarlyFaceUp;
    result.soloistPoints = g_Game.PartyPoints[0];
    if (type == GAME_NULL || type == GAME_REVOLUTION)
        result.soloistWon = g_Game.PartyTricks[0] == 0 && result.tricks == 10;
    else if (type == GAME_RAMSCH)
        result.soloistWon = false;
    else
        result.soloistWon = g_Game.PartyPoints[0] > 60;
    g_ComputerFrame.Game = nullptr;
    return result;
}
