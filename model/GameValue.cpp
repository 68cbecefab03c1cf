#include "model/GameValue.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"
#include "model/PlayerServices.h"
#include "model/Trace.h"

#include <cstdlib>
#include <string>

namespace {

// Only an announced Ouvert (1) raises or constrains the game; a 2 marks a soloist who laid his
// cards down early, which is no announcement.
int OuvertAnnounced() { return g_Game.OuvertAnnounced == 1 ? 1 : 0; }

// The counters a game would have reached when a player gives up before it is played out.
void CompleteGivenUpGame(int seat) {
    int* tricks = g_Game.PartyTricks;
    int* points = g_Game.PartyPoints;
    bool soloistGivesUp = seat == g_Game.Soloist;
    int type = g_Game.GameType;
    if (type == GAME_NULL || type == GAME_REVOLUTION) {
        tricks[0] = tricks[1] = tricks[2] = 0;
        if (soloistGivesUp) tricks[0] = 1;
        return;
    }
    if (!IsSuitGame(type) && type != GAME_GRAND) return;
    const bool noTrickPlayed = tricks[0] + tricks[1] + tricks[2] == 0;
    const bool announced = g_Game.SchneiderAnnounced || g_Game.SchwarzAnnounced || OuvertAnnounced();
    if (!soloistGivesUp) {
        // The defenders concede: every trick still out is the soloist's, so what he announced
        // counts as reached. Only a plain game conceded before the first trick is a simple win.
        if (noTrickPlayed && !announced) {
            tricks[0] = tricks[1] = 1;
            points[0] = 61;
            points[1] = 31;
            return;
        }
        tricks[0] = 10 - tricks[1];
        points[0] = 120 - points[1];
        return;
    }
    // The soloist gives up: before the first trick a simple loss, without Schneider; without a
    // trick of his own he is Schwarz; otherwise the counters stand as they are.
    if (noTrickPlayed && !OuvertAnnounced()) {
        tricks[0] = tricks[1] = 1;
        points[0] = 31;
        points[1] = 61;
        return;
    }
    if (tricks[0] == 0) {
        tricks[1] = 10;
        points[1] = 120;
    }
}

}  // namespace

int LostGameFactor() {
    if (g_Game.HandAnnounced == 1 && g_Game.VariantMode != VARIANT_OFFICIAL && g_Settings.Variants.Hand == 0) return 1;
    return 2;
}

int NullGameValue() {
    if (OuvertAnnounced()) return g_Game.HandAnnounced ? 59 : 46;
    return g_Game.HandAnnounced ? 35 : 23;
}

AnnouncedLevels AnnouncedTrumpLevels(int ouvert) {
    AnnouncedLevels levels;
    levels.schwarz = g_Game.SchwarzAnnounced != 0;
    levels.schneider = levels.schwarz || g_Game.SchneiderAnnounced != 0;
    // An open game under the official rules (or Variants/Ouvert 3) must be won Schwarz: it is
    // played with both announced.
    if (ouvert == 1 && (g_Game.VariantMode == VARIANT_OFFICIAL || g_Settings.Variants.Ouvert == 3))
        levels.schneider = levels.schwarz = true;
    return levels;
}

int CalcTrumpGameValue(int seat, int base, int ouvert, int& value, int matadors) {
    ouvert = ouvert == 1 ? 1 : 0;
    int points = g_Game.PartyPoints[0];
    int tricks = g_Game.PartyTricks[0];
    // Step 2: the levels reached in play.
    int schneider = (points >= 90 || points <= 30) ? 1 : 0;
    int schwarz = (tricks >= 10 || tricks == 0) ? 1 : 0;
    // Step 3: the game level. An announced Schneider or Schwarz counts its announcement and the
    // level it announces, reached or not: a missed announcement costs what was announced.
    const AnnouncedLevels announced = AnnouncedTrumpLevels(ouvert);
    const int schneiderPlayed = announced.schneider ? 0 : schneider;
    const int schwarzPlayed = announced.schwarz ? 0 : schwarz;
    const int schneiderLevel = announced.schneider ? 1 : schneider;
    const int schwarzLevel = announced.schwarz ? 1 : schwarz;
    int level = std::abs(matadors) + g_Game.HandAnnounced + (announced.schneider ? 1 : 0) + (announced.schwarz ? 1 : 0) +
                schneiderLevel + schwarzLevel + ouvert;
    value = level * base;
    // Step 4: a defender gave up; the outcome counts from the defenders' side. The Schwarz an
    // Ouvert game demands is then judged on the tricks the defenders really took: a defender who
    // concedes before taking one must not make the soloist lose.
    int schwarzForOuvert = schwarz;
    if (seat != -1 && seat != g_Game.Soloist) {
        points = 120 - g_Game.PartyPoints[1];
        tricks = 10 - g_Game.PartyTricks[1];
        schwarzForOuvert = tricks >= 10 ? 1 : 0;
    }
    // Step 5: the outcome, first match wins.
    int result;
    if (points <= 60) {
        result = RESULT_LOST;
    } else if (g_Game.SchneiderAnnounced && points < 90) {
        result = RESULT_SCHNEIDER_MISSED;
    } else if (g_Game.SchwarzAnnounced && tricks != 10) {
        result = RESULT_SCHWARZ_MISSED;
    } else if (OuvertAnnounced() && (g_Game.VariantMode == VARIANT_OFFICIAL || g_Settings.Variants.Ouvert == 3) && !schwarzForOuvert) {
        result = RESULT_SCHWARZ_MISSED;
    } else if (value >= BidValue(-1)) {
        // A soloist who gives up has lost, however many points he holds: valued as a lost game
        // of what he declared and announced.
        const bool soloistGaveUp = seat != -1 && seat == g_Game.Soloist;
        if (!soloistGaveUp) return RESULT_WON;
        result = RESULT_LOST;
    } else {
        // Overbid: valued without the Schneider and Schwarz levels reached in play (an announced
        // level stays: it belongs to the declared game).
        result = RESULT_OVERBID;
        value = (level - schneiderPlayed - schwarzPlayed) * base;
    }
    value = -(value * LostGameFactor());
    return result;
}

int GameValue(int seat, int& value, int matadors) {
    if (seat != -1) CompleteGivenUpGame(seat);
    int type = g_Game.GameType;
    if (IsSuitGame(type)) return CalcTrumpGameValue(seat, 12 - type, OuvertAnnounced(), value, matadors);
    if (type == GAME_GRAND) return CalcTrumpGameValue(seat, 24, OuvertAnnounced(), value, matadors);
    if (type == GAME_NULL || type == GAME_REVOLUTION) {
        int gameValue = type == GAME_NULL ? NullGameValue() : 92;
        int result = RESULT_WON;
        if (g_Game.PartyTricks[0] > 0)
            result = RESULT_LOST;
        else if (gameValue < BidValue(-1))
            result = RESULT_OVERBID;
        if (result != RESULT_WON) {
            value = -(gameValue * LostGameFactor());
            return result;
        }
        value = gameValue;
        g_Game.PartyPoints[0] = 61;
        return RESULT_WON;
    }
    if (type == GAME_RAMSCH) return RESULT_LOST;
    return RESULT_WON;
}

int CPlayer::GetGameValue() {
    PlayerAnalyseHand(*this, 0);
    int type = g_Game.GameType;
    int value = 0;
    if (type == GAME_NULL) {
        value = NullGameValue();
    } else if (type == GAME_REVOLUTION) {
        value = 92;
    } else if (IsSuitGame(type) || type == GAME_GRAND) {
        int base = type == GAME_GRAND ? 24 : 12 - type;
        // The declared game: its tops, Hand, Ouvert and what is announced with the level it
        // announces, none of the levels only play can reach.
        const AnnouncedLevels announced = AnnouncedTrumpLevels(OuvertAnnounced());
        const int level = std::abs(PlayerGetMatadors(*this, type)) + g_Game.HandAnnounced + OuvertAnnounced() +
                          (announced.schneider ? 2 : 0) + (announced.schwarz ? 2 : 0);
        value = level * base;
    }
    WriteTrace(std::string("CPlayer::GetGameValue(") + SeatName(seat) + ":value:" + std::to_string(value) + ")",
               LOG_VERBOSE | LOG_PLAYER);
    return value;
}
