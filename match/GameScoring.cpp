#include "match/GameScoring.h"

#include "match/RichTextEscape.h"
#include "computer/evaluation/HandAnalysis.h"
#include "model/Cards.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameValue.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

std::string S(int id) { return platform::LoadString(id); }

// A blank and the string.
std::string Spaced(int id) {
    std::string text(1, ' ');
    text += S(id);
    return text;
}

// An abbreviation of string 41251: 4 characters at 22 and 26, 2 below 46, 1 from 46 on.
std::string Abbreviation(int index) {
    const std::string all = S(IDS_ABBREVIATIONS);
    const std::size_t length = index == 22 || index == 26 ? 4 : index < 46 ? 2 : 1;
    if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return std::string();
    return all.substr(static_cast<std::size_t>(index), length);
}

// The suit names 41304 Clubs .. 41301 Diamonds by game type.
std::string ScoredSuitName(int type) {
    return type == GAME_GRAND ? S(IDS_HEADLINE_GRAND) : S(IDS_HEADLINE_CLUBS - type);
}

std::string Headline(const std::string& name) { return "\\b\\fs32\\qc " + EscapeRichText(name) + "\\b0\\fs17\\par\\par\\qc\n"; }

bool InBockRound() {
    return g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0 && g_Game.RoundStatus == ROUND_BOCK;
}

void AddKontra(GameScore& result, std::string& list) {
    if (g_Game.KontraState == KONTRA_NONE) return;
    result.resultText += Spaced(g_Game.KontraState == 4 ? IDS_SCORE_WITH_REKONTRA : IDS_SCORE_WITH_KONTRA);
    result.score *= g_Game.KontraState;
    list += Abbreviation(g_Game.KontraState == 4 ? 44 : 42);
}

}  // namespace

GameScore ScoreSuitGame(int seat, int matadors, int skatPoints, const ScoreNames& names) {
    GameScore result;
    const int soloist = g_Game.Soloist;
    // 1. A defender gave up.
    if (seat != -1 && seat != soloist) {
        g_Game.PartyPoints[0] = 120 - g_Game.PartyPoints[1];
        if (g_Game.HandAnnounced) g_Game.PartyPoints[0] -= skatPoints;
        if (g_Game.SchwarzAnnounced || g_Game.PartyTricks[1] == 0) g_Game.PartyTricks[0] = 10;
    }
    // 2. Hand: the skat is the soloist's.
    if (g_Game.HandAnnounced) g_Game.PartyPoints[0] += skatPoints;
    // 3. Value and outcome.
    int value = 0;
    const int outcome = GameValue(seat, value, matadors);
    result.outcome = outcome;
    if (outcome == RESULT_SCHWARZ_MISSED || outcome == RESULT_SCHNEIDER_MISSED) g_Game.PartyPoints[2] = outcome;
    // 4. Schneider and Schwarz as the cards fell; the base value before the factors.
    const int points = g_Game.PartyPoints[0];
    const bool schneider = (points <= 30 || points >= 90) && outcome != RESULT_SCHWARZ_MISSED;
    const bool schwarz = g_Game.PartyTricks[0] == 0 || g_Game.PartyTricks[0] == 10;
    result.score = value;
    result.valueBeforeFactors = value;
    const bool won = outcome == RESULT_WON;
    // 5. The text: who, with how many points, and why lost.
    std::string& text = result.resultText;
    text += Headline(soloist >= 0 && soloist <= 2 ? names.seat[soloist] : std::string());
    text += S(won ? IDS_SCORE_WINS_WITH : IDS_SCORE_LOSES_WITH) + " \\b " + std::to_string(points) + " \\b0 " +
            S(IDS_SCORE_POINTS);
    if (outcome == RESULT_OVERBID) {
        char reason[32];
        std::snprintf(reason, sizeof reason, " (%d).", BidValue(-1));
        text += S(IDS_SCORE_AS_OVERBID) + reason;
    } else if (outcome == RESULT_SCHNEIDER_MISSED) {
        text += S(IDS_SCORE_AS_NOT_SCHNEIDER);
    } else if (outcome == RESULT_SCHWARZ_MISSED) {
        text += S(IDS_SCORE_AS_NOT_SCHWARZ);
    } else if (!won) {
        text += S(IDS_SCORE_FULL_STOP);
    }
    if (seat != -1) text += Spaced(IDS_SCORE_AT_ABANDON);
    text += ".\\par\\par\n";
    // The value lines.
    const int level = std::abs(matadors);
    int running = level;
    auto line = [&text](const std::string& label, int number) {
        text += "\\qc " + label + " \\b " + std::to_string(number) + " \\b0 ";
    };
    line(S(matadors >= 0 ? IDS_SCORE_WITH : IDS_SCORE_WITHOUT), level - 1);
    line(S(IDS_CAPTION_GAME), running);
    // 6. Ouvert demands Schneider and Schwarz under the official rules: both count as announced.
    const AnnouncedLevels announced = AnnouncedTrumpLevels(g_Game.OuvertAnnounced);
    const bool schneiderAnnounced = announced.schneider, schwarzAnnounced = announced.schwarz;
    if (g_Game.HandAnnounced) line(S(IDS_GAME_HAND_WORD), ++running);
    if (g_Game.OuvertAnnounced == 1) line(S(IDS_GAME_OUVERT_WORD), ++running);
    if (schwarzAnnounced) {
        line(S(IDS_SCORE_SCHNEIDER_ANNOUNCED), ++running);
        line(S(IDS_SCORE_SCHWARZ_ANNOUNCED), ++running);
    } else if (schneiderAnnounced) {
        line(S(IDS_SCORE_SCHNEIDER_ANNOUNCED), ++running);
    }
    // An announced level counts whether reached or not, as the value counts it: the running
    // number ends at the level the base is multiplied by.
    if (schneider || schneiderAnnounced) line(S(IDS_BALLOON_SCHNEIDER), ++running);
    if (schwarz || schwarzAnnounced) line(S(IDS_BALLOON_SCHWARZ), ++running);
    text += S(IDS_SCORE_TIMES) + " \\cf2\\b " + ScoredSuitName(g_Game.GameType) + "\\cf1\\b0 ";
    // 7. Lost, Kontra, Bock.
    std::string list = matadors >= 0 ? "+" : "-";
    list += std::to_string(level - 1);
    if (g_Game.HandAnnounced) list += Abbreviation(18);
    if (g_Game.OuvertAnnounced == 1) list += Abbreviation(16);
    if (schwarzAnnounced) list += Abbreviation(26);
    else if (schneiderAnnounced) list += Abbreviation(22);
    if (schneider && !schneiderAnnounced && !schwarzAnnounced) list += Abbreviation(30);
    if (schwarz && !schwarzAnnounced) list += Abbreviation(32);
    list += Abbreviation(2 * g_Game.GameType);
    char base[16];
    std::snprintf(base, sizeof base, "%02d", g_Game.GameType == GAME_GRAND ? 24 : 12 - g_Game.GameType);
    list += base;
    if (!won) text += Spaced(IDS_SCORE_LOST);
    AddKontra(result, list);
    if (InBockRound()) {
        text += Spaced(IDS_SCORE_IN_BOCK_ROUND);
        result.score *= 2;
        list += Abbreviation(40);
    } else if (g_Game.RoundStatus == ROUND_RAMSCH && g_Game.VariantMode == VARIANT_SKAT) {
        list += Abbreviation(40) + Abbreviation(14);
    }
    text += ", " + S(IDS_SCORE_RESULTS_IN) + " \\b " + std::to_string(result.score) + "\\b0 .\\par\\par\n";
    result.listText = list;
    // 8. Whether this game starts Bock rounds (said in the text); then the trace line.
    result.newRound = NoticeBock(outcome, value, points, g_Game.GameCount, text);
    WriteTrace(":ShowResultSuit(" + (soloist >= 0 && soloist <= 2 ? names.seat[soloist] : std::string()) + "," + list +
                   "," + (won ? "won" : "lost") + "," + std::to_string(result.score) + ")",
               LOG_MAINFRAME);
    return result;
}

GameScore ScoreNullGame(int seat, const ScoreNames& names) {
    GameScore result;
    const int soloist = g_Game.Soloist;
    int value = 0;
    const int outcome = GameValue(seat, value, 1);
    result.outcome = outcome;
    result.score = result.valueBeforeFactors = value;
    const bool won = outcome == RESULT_WON;
    std::string& text = result.resultText;
    text += Headline(soloist >= 0 && soloist <= 2 ? names.seat[soloist] : std::string());
    text += S(won ? IDS_SCORE_WINS : IDS_SCORE_LOSES);
    if (outcome == RESULT_OVERBID) text += S(IDS_SCORE_AS_OVERBID);
    else if (seat != -1) text += Spaced(IDS_SCORE_AT_ABANDON);
    text += "\\par\\par\n";
    int nameId = IDS_HEADLINE_REVOLUTION;
    if (g_Game.GameType == GAME_NULL)
        nameId = g_Game.OuvertAnnounced == 1
                     ? (g_Game.HandAnnounced ? IDS_HEADLINE_NULL_OUVERT_HAND : IDS_HEADLINE_NULL_OUVERT)
                     : (g_Game.HandAnnounced ? IDS_HEADLINE_NULL_HAND : IDS_HEADLINE_NULL);
    text += " \\b\\cf2 " + S(nameId) + "\\b0\\cf1 ";
    if (!won) text += Spaced(IDS_SCORE_LOST);
    std::string list;
    if (g_Game.HandAnnounced) list += Abbreviation(18);
    if (g_Game.OuvertAnnounced == 1 && g_Game.GameType == GAME_NULL) list += Abbreviation(16);
    list += Abbreviation(2 * g_Game.GameType);
    char base[16];
    std::snprintf(base, sizeof base, "%02d", std::abs(value) / (won ? 1 : LostGameFactor()));
    list += base;
    std::string kontra;
    AddKontra(result, kontra);
    list += kontra;
    if (InBockRound()) {
        text += Spaced(IDS_SCORE_IN_BOCK_ROUND);
        result.score *= 2;
        list += Abbreviation(40);
    }
    char end[48];
    std::snprintf(end, sizeof end, " \\b  %d\\b0\\par\\par\n", result.score);
    text += Spaced(IDS_SCORE_RESULTS_IN) + end;
    result.listText = list;
    result.newRound = NoticeBock(outcome, 61, g_Game.PartyPoints[0], g_Game.GameCount, text);
    WriteTrace(":ShowResultNull(" + (soloist >= 0 && soloist <= 2 ? names.seat[soloist] : std::string()) + "," + list +
                   "," + (won ? "won" : "lost") + "," + std::to_string(result.score) + ")",
               LOG_MAINFRAME);
    return result;
}

namespace {

// A Ramsch given up: against a Durchmarsch (the soloist is the one seat with tricks) the
// Durchmarsch is conceded, every trick and card point goes to it; with nobody playing for it,
// the seat that gave up takes what is still out.
void CompleteGivenUpRamsch(int seat, int skatPoints) {
    int* points = g_Game.PartyPoints;
    int* tricks = g_Game.PartyTricks;
    const int soloist = g_Game.Soloist;
    const int taken = tricks[0] + tricks[1] + tricks[2];
    const int outside = 120 - skatPoints - points[0] - points[1] - points[2];
    if (soloist >= 0 && soloist <= 2 && soloist != seat) {
        for (int s = 0; s < 3; ++s) {
            if (s == soloist) continue;
            points[soloist] += points[s];
            tricks[soloist] += tricks[s];
            points[s] = tricks[s] = 0;
        }
        tricks[soloist] = 10;
        points[soloist] = 120 - skatPoints;
    } else if (taken < 10) {
        tricks[seat] += 10 - taken;
        points[seat] += outside > 0 ? outside : 0;
    }
}

// Durchmarsch: the one seat with points took every trick and wins with them and the skat. The
// value before the factors.
int ScoreDurchmarsch(GameScore& result, std::string& list, int skatPoints, const ScoreNames& names, bool evalFixed) {
    int* points = g_Game.PartyPoints;
    std::string& text = result.resultText;
    const int d = points[0] > 0 ? 0 : points[1] > 0 ? 1 : 2;
    points[d] += skatPoints;
    result.loser = (d + 1) % 3 < (d + 2) % 3 ? (d + 1) % 3 : (d + 2) % 3;
    result.secondLoser = 3 - d - result.loser;
    list += Abbreviation(38);
    text += "\\b\\fs32\\qc " + EscapeRichText(names.seat[d]) + " \\b0\\fs17 " + S(IDS_SCORE_WINS_WITH) + " \\b " +
            std::to_string(points[d]) + " \\b0 " + S(IDS_SCORE_POINTS) + "\\par\n";
    text += " \\b\\cf2\\qc " + S(IDS_BALLOON_DURCHMARSCH) + "\\b0\\cf1\\par\\par\n";
    const int v = evalFixed ? g_Settings.Ramsch.Game : points[d];
    result.score = v;
    result.outcome = RESULT_WON;
    return v;
}

// The seat with the most points loses, two with equal most both; the skat goes to the last trick's
// winner or to the losers as the rules say. The value before the factors.
int ScoreRamschLoser(GameScore& result, int skatPoints, int lastTrickWinner, const ScoreNames& names, bool evalFixed) {
    int* points = g_Game.PartyPoints;
    std::string& text = result.resultText;
    if (g_Settings.Variants.RamschStock == 1 && lastTrickWinner >= 0 && lastTrickWinner <= 2)
        points[lastTrickWinner] += skatPoints;
    int loser = points[0] < points[1] ? 1 : 0;
    if (points[loser] < points[2]) loser = 2;
    int second = 3;
    for (int s = 0; s < 3; ++s)
        if (s != loser && points[s] == points[loser]) second = s;
    if (g_Settings.Variants.RamschStock == 0) {
        points[loser] += skatPoints;
        if (second != 3) points[second] += skatPoints;
    }
    result.loser = loser;
    result.secondLoser = second;
    text += "\\b\\fs32\\qc " + EscapeRichText(names.seat[loser]) + " \\b0\\fs17 ";
    if (second != 3)
        text += S(IDS_SCORE_AND) + " \\b\\fs32 " + EscapeRichText(names.seat[second]) + " \\b0\\fs17\n " +
                S(IDS_SCORE_LOSE_WITH);
    else text += Spaced(IDS_SCORE_LOSES_WITH);
    text += "\\b " + std::to_string(points[loser]) + " \\b0 " + S(IDS_SCORE_POINTS) + "\\par\n\\par\n";
    const int v = evalFixed ? g_Settings.Ramsch.Game : points[loser];
    result.score = -v;
    result.outcome = RESULT_LOST;
    return v;
}

// 6 to 8: the pushes of the skat, the Jungfrau and the Bock round raise the score of value v.
void ApplyRamschFactors(GameScore& result, std::string& list, int passOns, bool jungfrau, int v, bool evalFixed) {
    std::string& text = result.resultText;
    const int scale = g_Settings.Ramsch.Scale;
    // 6. Each push of the skat raises the score.
    if (passOns > 0) {
        text += S(IDS_SCORE_AND) + " \\b " + std::to_string(passOns) + " \\b0 " + S(IDS_SCORE_TIMES) + " \\b\\cf2 " +
                S(IDS_SCORE_PASS_ON) + " \\b0\\cf1 ";
        const int sign = result.score < 0 ? -1 : 1;
        if (scale == 0)
            for (int n = 0; n < passOns; ++n) result.score *= 2;
        else if (scale == 1)
            result.score *= passOns + 1;
        else
            result.score += sign * passOns * (evalFixed ? g_Settings.Ramsch.PassOn : v);
    }
    // 7. Jungfrau.
    if (jungfrau) {
        text += S(IDS_SCORE_AND) + " \\b\\cf2 " + S(IDS_BALLOON_JUNGFRAU) + " \\b0\\cf1 ";
        if (scale == 0) result.score *= 2;
        else if (scale == 1) result.score -= v;
        else result.score -= evalFixed ? g_Settings.Ramsch.Jungfrau : v;
    }
    // 8. Bock.
    if (InBockRound()) {
        text += Spaced(IDS_SCORE_IN_BOCK_ROUND);
        list += Abbreviation(40);
        result.score *= 2;
    } else if (g_Game.RoundStatus == ROUND_RAMSCH && g_Game.VariantMode == VARIANT_SKAT) {
        list += Abbreviation(40) + Abbreviation(14);
    }
}

}  // namespace

GameScore ScoreRamschGame(int seat, int skatPoints, int passOns, int lastTrickWinner, const ScoreNames& names) {
    GameScore result;
    const int* tricks = g_Game.PartyTricks;
    passOns = std::clamp(passOns, 0, 3);
    if (seat >= 0 && seat <= 2) CompleteGivenUpRamsch(seat, skatPoints);
    std::string list = Abbreviation(14);
    for (int n = 0; n < passOns; ++n) list += Abbreviation(34);
    int withoutTrick = 0;
    for (int s = 0; s < 3; ++s) withoutTrick += tricks[s] == 0 ? 1 : 0;
    std::string& text = result.resultText;
    const bool evalFixed = g_Settings.Ramsch.EvalMode != 0;
    int v = 0;
    bool jungfrau = false;
    if (withoutTrick == 2) {
        v = ScoreDurchmarsch(result, list, skatPoints, names, evalFixed);
    } else {
        jungfrau = withoutTrick == 1;
        if (jungfrau) list += Abbreviation(36);
        v = ScoreRamschLoser(result, skatPoints, lastTrickWinner, names, evalFixed);
    }
    text += " \\b\\cf2 " + S(IDS_HEADLINE_RAMSCH) + " \\b0\\cf1  ";
    ApplyRamschFactors(result, list, passOns, jungfrau, v, evalFixed);
    char end[48];
    std::snprintf(end, sizeof end, "\\b  %d\\b0\\par\n", result.score);
    text += S(IDS_SCORE_RESULTS_IN) + end;
    result.listText = list;
    result.valueBeforeFactors = v;
    WriteTrace(":ShowResultRamsch(" + names.seat[result.loser <= 2 ? result.loser : 0] + "," + list + "," +
                   (result.outcome == RESULT_WON ? "won" : "lost") + "," + std::to_string(result.score) + ")",
               LOG_MAINFRAME);
    return result;
}

void ApplyOverbid(GameScore& result, int bid) {
    if (g_Game.GameType == GAME_RAMSCH || result.score >= 0) return;
    const int d = g_Game.HandAnnounced == 1 && g_Game.VariantMode != VARIANT_OFFICIAL && g_Settings.Variants.Hand == 0 ? 1 : 2;
    if (-(result.score / d) >= bid) return;
    // The list text shows the overbid.
    std::string& list = result.listText;
    if (!list.empty() && list[0] == '+') list[0] = '>';
    else if (!list.empty() && list[0] == '-') list[0] = '<';
    else list = "> " + list;
    // The candidate with the smallest overshoot: the first wins ties.
    int candidates[4];
    int count = 0;
    if (g_Game.GameType == GAME_GRAND) {
        candidates[count++] = GAME_GRAND;
    } else if (g_Game.GameType == GAME_NULL || g_Game.GameType == GAME_REVOLUTION) {
        for (int suit = 0; suit < 4; ++suit) candidates[count++] = suit;
    } else {
        candidates[count++] = g_Game.GameType;
    }
    int bestSuit = -1, bestBase = 0, bestTimes = 0, bestOvershoot = 12;
    for (int i = 0; i < count; ++i) {
        const int base = candidates[i] == GAME_GRAND ? 24 : 12 - candidates[i];
        const int times = (bid + base - 1) / base;
        const int overshoot = base * times - bid;
        if (bestSuit < 0 || overshoot < bestOvershoot) {
            bestSuit = candidates[i];
            bestBase = base;
            bestTimes = times;
            bestOvershoot = overshoot;
        }
    }
    result.score = -2 * bestBase * bestTimes;
    char line[256];
    std::snprintf(line, sizeof line, S(IDS_SCORE_BID_TO).c_str(), bid);
    result.resultText += line;
    std::snprintf(line, sizeof line, S(IDS_SCORE_OVERBID_VALUE).c_str(), bestTimes - 1, bestTimes,
                  ScoredSuitName(bestSuit).c_str(), result.score);
    result.resultText += line;
}

bool NoticeBock(int outcome, int value, int soloistPoints, int gamesListed, std::string& text) {
    if (g_Game.VariantMode == VARIANT_OFFICIAL || g_Settings.Variants.Extra == 0 || g_Game.RoundStatus == ROUND_RAMSCH ||
        g_Settings.Game.Bypass)
        return false;
    const int bits = g_Settings.Variants.IfExtra;
    const int type = g_Game.GameType;
    struct Reason {
        int bit;
        const char* name;
        bool holds;
        int textId;
    };
    const bool countdownEnd = g_Game.MatchMode == 1 && g_Settings.Game.CountDown <= 1;
    const Reason reasons[] = {
        {1, "==60", soloistPoints == 60, IDS_BOCK_REASON_60},
        {2, ">=100", outcome == RESULT_WON && value >= 100, IDS_BOCK_REASON_100},
        {4, "GdHdWon", type == GAME_GRAND && g_Game.HandAnnounced == 1 && outcome == RESULT_WON,
         IDS_BOCK_REASON_GRAND_HAND},
        {8, "KoLost", g_Game.KontraState != KONTRA_NONE && outcome < 0, IDS_BOCK_REASON_KONTRA_LOST},
        {16, "SnLost", type != GAME_NULL && type != GAME_REVOLUTION && soloistPoints <= 30, IDS_BOCK_REASON_SCHNEIDER},
        {32, "End", (g_Game.MatchMode == 0 && gamesListed >= 3 * g_Settings.Game.MaxRounds) || countdownEnd,
         IDS_BOCK_REASON_MATCH_END},
    };
    for (const Reason& reason : reasons) {
        if (!(bits & reason.bit) || !reason.holds) continue;
        WriteTrace(std::string(":NoticeBock(reason:") + reason.name + ")", LOG_MAINFRAME);
        const int extra = g_Settings.Variants.Extra;
        const std::string round = S(extra == 1   ? IDS_NOTICE_BOCK_ROUND
                                    : extra == 2 ? IDS_NOTICE_RAMSCH_ROUND
                                                 : IDS_NOTICE_BOCK_AND_RAMSCH);
        std::string head = S(IDS_NOTICE_NEW_ROUND);
        const std::size_t at = head.find("%1");
        if (at != std::string::npos) head.replace(at, 2, round);
        text += head + S(reason.textId) + "\\par\n";
        return true;
    }
    return false;
}

GameScore ScoreFinishedGame(int seat, CPlayer* soloist, const CCards& skat, int ramschPushes, const ScoreNames& names) {
    const int type = g_Game.GameType;
    const int skatPoints = skat.CountPoints();
    GameScore result;
    if (type == GAME_NULL || type == GAME_REVOLUTION) {
        result = ScoreNullGame(seat, names);
    } else if (type == GAME_RAMSCH) {
        result = ScoreRamschGame(seat, skatPoints, ramschPushes, g_Game.TrickWinner, names);
    } else {
        const int matadors = soloist ? GetMatadorsWithSkat(*soloist, type, skat) : 0;
        result = ScoreSuitGame(seat, matadors, skatPoints, names);
    }
    if (type != GAME_RAMSCH) ApplyOverbid(result, BidValue(-1));
    return result;
}
