// The game suggestion's text, player by player, step by step.
#include "flow/GameSuggestion.h"

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/VoidTable.h"
#include "resources/FlowIds.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr int kVariantBit = 16384;
constexpr int kFirstLinkTop = 82;
constexpr int kGameLineHeight = 42;
constexpr int kPassLineHeight = 28;
// Offsets of the short names of the trace (two letters each).
constexpr int kAbbrOuvert = 16;
constexpr int kAbbrHand = 18;
constexpr int kAbbrSchneider = 22;
constexpr int kAbbrSchwarz = 26;
constexpr int kAbbrDurchmarsch = 38;

// The name of each option; the Durchmarsch record has none.
constexpr int kOptionNames[GAME_OPTION_COUNT] = {IDS_GAME_CLUBS, IDS_GAME_SPADES, IDS_GAME_HEARTS,
                                                 IDS_GAME_DIAMONDS, IDS_GAME_NULL, IDS_GAME_REVOLUTION,
                                                 IDS_GAME_GRAND, IDS_GAME_RAMSCH, 0};

bool StateIsOneOf(int state, std::initializer_list<int> states) {
    return std::find(states.begin(), states.end(), state) != states.end();
}

std::string Red(const std::string& word) { return "\\b\\cf2 " + word + "\\b0\\cf1 "; }

std::string Formatted(int stringId, int a, const std::string& mark, int b, int c = 0) {
    char line[256];
    std::snprintf(line, sizeof line, platform::LoadString(stringId).c_str(), a, mark.c_str(), b, c);
    return line;
}

bool Playable(int (*options)[13], int i) { return options[i][OPT_BASE] > 0; }

// Steps 2.2 and 2.3: with a good game the suits advised against go; without one they go from
// Diamonds up until at most one is left where passing out would lead to Ramsch, none elsewhere.
void DropAdvisedAgainst(int (*options)[13], const GameSuggestionContext& context, bool pickup, bool holdsSkat) {
    const auto rejected = [&](int i) { return !pickup && CGameSuggestion::IsRejectCode(options[i][OPT_RULE]); };
    // Step 2.2: the playable options, good or advised against.
    int good = 0, bad = 0;
    for (int i = 0; i < GAME_OPTION_COUNT; ++i) {
        if (!Playable(options, i)) continue;
        if (rejected(i)) ++bad;
        else ++good;
    }
    if (good > 0) {
        if (bad > 0)
            for (int i = GAME_CLUBS; i <= GAME_DIAMONDS; ++i)
                if (Playable(options, i) && rejected(i)) options[i][OPT_BASE] = 0;
    } else if (bad > 1 && !holdsSkat) {
        const int keep = context.variantMode == VARIANT_SKAT && context.variantsRamsch ? 1 : 0;
        for (int i = GAME_DIAMONDS; i >= GAME_CLUBS && bad > keep; --i) {
            if (!Playable(options, i) || !rejected(i)) continue;
            options[i][OPT_BASE] = 0;
            --bad;
        }
    }
}

// Step 2.5: no game reaches the value on the table: Null is offered at the next Null value.
void OfferNullAtNextValue(int (*options)[13], const GameSuggestionContext& context) {
    const int bid = context.bidValue;
    bool reaches = false;
    for (int i = 0; i < GAME_OPTION_COUNT; ++i)
        reaches = reaches || (Playable(options, i) && options[i][OPT_VALUE] >= bid);
    if (!reaches && Playable(options, GAME_NULL)) {
        int* null = options[GAME_NULL];
        if (context.handAnnounced && bid <= 35) {
            null[OPT_VALUE] = 35;
        } else {
            null[OPT_VALUE] = context.handAnnounced ? 59 : 46;
            null[OPT_OUVERT] = 1;
        }
    }
}

}  // namespace

bool CGameSuggestion::IsRejectCode(int rule) {
    static constexpr int kRejectCodes[] = {1304, 1405, 1406, 1408, 1504, 1510, 1512, 1515,
                                           1517, 1519, 1602, 1608, 1611, 1617, 1701};
    return std::find(std::begin(kRejectCodes), std::end(kRejectCodes), rule) != std::end(kRejectCodes);
}

CGameSuggestion::CGameSuggestion() : position(kFirstLinkTop) {
    // Step 1: the text begins with its head and room for the heading.
    text = platform::LoadString(IDS_RICH_TEXT_HEAD) + "\\par\\par\\par";
}

void CGameSuggestion::AddPlayer(const std::string& name, int (*options)[13], const GameSuggestionContext& context) {
    const int state = context.flowState;
    const bool pickup = state == STATE_PICKUP;
    const bool holdsSkat = StateIsOneOf(state, {STATE_ASK, STATE_HAND, STATE_PICKUP});
    DropAdvisedAgainst(options, context, pickup, holdsSkat);
    OfferNullAtNextValue(options, context);
    AddHeading(name, context);

    // Step 2.7: one line of each playable game.
    trace = name;
    bool anyTitle = false;
    for (int i = 0; i < GAME_OPTION_COUNT; ++i) {
        if (!Playable(options, i)) continue;
        AddGameLine(i, options[i], context, pickup, holdsSkat);
        anyTitle = true;
    }
    // Step 2.8: a player without a playable game passes.
    if (!anyTitle) {
        text += platform::LoadString(IDS_BALLOON_PASS) + "\\par\\par ";
        trace.append(":").append(platform::LoadString(IDS_BALLOON_PASS));
        position += kPassLineHeight;
    }
    // Step 2.9: with all three listed, a blank line after each player.
    if (context.listAll) {
        text += "\\par";
        position += kGameLineHeight;
    }
}

// Step 2.6: the heading, with the player's name when all three are listed.
void CGameSuggestion::AddHeading(const std::string& name, const GameSuggestionContext& context) {
    std::string heading = platform::LoadString(IDS_POSSIBLE_GAMES);
    const std::size_t par = heading.find("\\par");
    if (context.listAll && par != std::string::npos && par > 0)
        heading = heading.substr(0, par - 1) + ": \\b " + name + "\\b0" + heading.substr(par);
    text += heading;
}

// The line of game `i`: its title, its announcements, its value, tricks and chance, and its link.
void CGameSuggestion::AddGameLine(int i, int* option, const GameSuggestionContext& context, bool pickup,
                                  bool holdsSkat) {
    const bool notPassOut = !holdsSkat && IsRejectCode(option[OPT_RULE]);
    const std::string title = notPassOut ? platform::LoadString(IDS_NOT_PASS_OUT)
                                         : (kOptionNames[i] ? platform::LoadString(kOptionNames[i]) : std::string());
    text += Red(title);
    trace += ':';
    trace += notPassOut ? platform::LoadString(IDS_NOT_PASS_OUT)
                        : GetAbbreviation(i == GAME_OPTION_COUNT - 1 ? kAbbrDurchmarsch : 2 * i);
    if (i == GAME_NULL) AddNullAnnouncements(option);
    else if (i != GAME_REVOLUTION && i != GAME_RAMSCH) AddSuitGrandAnnouncements(option, context.variantMode);
    const std::string overbid =
        pickup && option[OPT_VALUE] < context.bidValue ? platform::LoadString(IDS_OVERBID_MARK) : "";
    if (option[OPT_RULE] > kVariantBit) option[OPT_RULE] -= kVariantBit;
    if (i == GAME_NULL || i == GAME_REVOLUTION)
        text += Formatted(IDS_SUGGESTION_CHANCE, option[OPT_VALUE], overbid, option[OPT_PROBABILITY]);
    else
        text += Formatted(IDS_SUGGESTION_TRICKS, option[OPT_VALUE], overbid, option[OPT_TRICKS],
                          option[OPT_PROBABILITY]);
    text += "\\par\\par\n";
    trace.append("(").append(std::to_string(option[OPT_VALUE])).append(")");
    // The dialog has eight links: later games are listed without one.
    if (links.size() < static_cast<std::size_t>(CInfoDialog::kMostLinks))
        links.push_back(RuleLink{option[OPT_RULE], position});
    position += kGameLineHeight;
}

void CGameSuggestion::AddNullAnnouncements(const int* option) {
    if (option[OPT_OUVERT]) {
        text += Red(platform::LoadString(IDS_SUFFIX_OUVERT));
        trace += GetAbbreviation(kAbbrOuvert);
    }
    if (option[OPT_HAND]) {
        text += Red(platform::LoadString(IDS_SUFFIX_HAND));
        trace += GetAbbreviation(kAbbrHand);
    }
}

// The Ramsch record's announcement words hold its Durchmarsch plans: no announcement there.
void CGameSuggestion::AddSuitGrandAnnouncements(const int* option, int variantMode) {
    const bool ouvert = option[OPT_OUVERT] != 0;
    if (option[OPT_HAND] && (!ouvert || variantMode == VARIANT_SKAT)) {
        text += Red(platform::LoadString(IDS_SUFFIX_HAND));
        trace += GetAbbreviation(kAbbrHand);
    }
    if (ouvert) {
        text += Red(platform::LoadString(IDS_SUFFIX_OUVERT));
        trace += GetAbbreviation(kAbbrOuvert);
    }
    if (!ouvert || variantMode == VARIANT_SKAT) {
        if (option[OPT_SCHWARZ]) {
            text += ", " + Red(platform::LoadString(IDS_SCHWARZ_ANNOUNCED));
            trace += GetAbbreviation(kAbbrSchwarz);
        } else if (option[OPT_SCHNEIDER]) {
            text += ", " + Red(platform::LoadString(IDS_SCHNEIDER_ANNOUNCED));
            trace += GetAbbreviation(kAbbrSchneider);
        }
    }
}
