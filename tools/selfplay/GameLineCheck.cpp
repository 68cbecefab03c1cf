#include "GameLineCheck.h"

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

namespace {

struct Card {
    int suit = -1;  // 0 C, 1 S, 2 H, 3 D
    int rank = -1;  // index in "AKTQJ987"-free order below
    bool operator==(const Card& other) const { return suit == other.suit && rank == other.rank; }
    bool operator<(const Card& other) const { return suit != other.suit ? suit < other.suit : rank < other.rank; }
};

constexpr char kSuits[] = "CSHD";
constexpr char kRanks[] = "ATKQJ987";  // the line's ranks
constexpr int kPoints[] = {11, 10, 4, 3, 2, 0, 0, 0};

bool ParseCard(const std::string& text, Card& card) {
    if (text.size() != 2) return false;
    const char* s = std::char_traits<char>::find(kSuits, 4, text[0]);
    const char* r = std::char_traits<char>::find(kRanks, 8, text[1]);
    if (!s || !r) return false;
    card = Card{static_cast<int>(s - kSuits), static_cast<int>(r - kRanks)};
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

constexpr int kJack = 4;

// The suit a card follows: -2 for trumps; Jacks are trumps in every game but Null and Revolution.
int EffectiveSuit(const Card& card, int type) {
    const bool nullGame = type == 4 || type == 5;
    if (!nullGame && card.rank == kJack) return -2;
    if (type >= 0 && type <= 3 && card.suit == type) return -2;
    return card.suit;
}

// Strength within the effective suit (higher wins).
int Strength(const Card& card, int type) {
    const bool nullGame = type == 4 || type == 5;
    if (nullGame) {
        static const int kNullOrder[8] = {7, 3, 6, 5, 4, 2, 1, 0};  // A T K Q J 9 8 7 -> A K Q J T 9 8 7
        return kNullOrder[card.rank];
    }
    if (card.rank == kJack) return 20 + (3 - card.suit);
    static const int kOrder[8] = {7, 6, 5, 4, -1, 3, 2, 1};
    return kOrder[card.rank];
}

// What the check has read of the line so far, step by step.
struct GameLine {
    std::map<std::string, std::string> fields;
    std::vector<Card> hands[3];
    std::vector<Card> all;
    std::vector<Card> dealtSkat;
    std::vector<std::string> declParts;
    int type = -1;
    int soloist = -1;
    bool hand = false;
    int faceUp = -1;
    bool gaveUp = false;
    std::string play;
    std::vector<Card> laidAway;
    std::vector<Card> ramschPool;
    std::vector<Card> defendersPool;
    std::vector<std::string> cards;
    int points[3] = {0, 0, 0}, tricks[3] = {0, 0, 0};
};

// The check's answer once a step decides it (a fault, or empty when the line holds); none while
// the check goes on.
using Verdict = std::optional<std::string>;

Verdict ReadFields(const std::string& line, GameLine& g) {
    for (const std::string& word : Split(line, ' ')) {
        const std::size_t at = word.find('=');
        if (at != std::string::npos) g.fields[word.substr(0, at)] = word.substr(at + 1);
    }
    if (line.rfind("KGL1 ", 0) != 0) return "no KGL1 line";
    for (const char* name : {"seed", "fh", "deal", "bids", "decl", "skat", "play", "result"})
        if (!g.fields.count(name)) return std::string("no field ") + name;
    return std::nullopt;
}

// 1. The deal: three hands of ten and a skat of two, 32 distinct cards.
Verdict ReadDeal(GameLine& g) {
    const std::vector<std::string> rows = Split(g.fields["deal"], '|');
    if (rows.size() != 4) return "the deal has no four rows";
    for (int row = 0; row < 4; ++row) {
        for (const std::string& text : Split(rows[static_cast<std::size_t>(row)], ',')) {
            Card card;
            if (!ParseCard(text, card)) return "the deal holds no card '" + text + "'";
            g.all.push_back(card);
            if (row < 3) g.hands[row].push_back(card);
        }
    }
    std::vector<Card> sorted = g.all;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.size() != 32 || std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return "the deal does not hold 32 distinct cards";
    for (int seat = 0; seat < 3; ++seat)
        if (g.hands[seat].size() != 10) return "a hand of the deal does not hold ten cards";
    g.dealtSkat.assign(g.all.begin() + 30, g.all.end());
    return std::nullopt;
}

// An early lay-down names its seat once, before a give-up that ends the game.
Verdict ReadLayDownAndGiveUp(GameLine& g) {
    for (const std::string& part : g.declParts) {
        if (part.rfind("faceup", 0) == 0) {
            if (part.size() != 7 || part[6] < '0' || part[6] > '2') return "no seat laid its cards open in '" + part + "'";
            if (g.faceUp >= 0) return "the cards were laid open twice";
            if (g.gaveUp) return "the cards were laid open after the game was given up";
            g.faceUp = part[6] - '0';
        }
        if (part.rfind("gaveup", 0) == 0) {
            if (part.size() != 7 || part[6] < '0' || part[6] > '2') return "no seat gave up in '" + part + "'";
            g.gaveUp = true;
        }
    }
    return std::nullopt;
}

// 2. The declaration.
Verdict ReadDeclaration(GameLine& g) {
    g.declParts = Split(g.fields["decl"], ',');
    if (g.declParts.empty()) return "the declaration has no seat";
    const std::size_t colon = g.declParts[0].find(':');
    if (colon == std::string::npos) return "the declaration has no seat";
    const std::string game = g.declParts[0].substr(colon + 1);
    static const std::map<std::string, int> kTypes = {{"clubs", 0}, {"spades", 1}, {"hearts", 2}, {"diamonds", 3}, {"null", 4},
                                                      {"revolution", 5}, {"grand", 6}, {"ramsch", 7}, {"passed", -1}};
    if (!kTypes.count(game)) return "no game '" + game + "'";
    g.type = kTypes.at(game);
    g.play = g.fields["play"];
    if (Verdict fault = ReadLayDownAndGiveUp(g)) return fault;
    if (g.type < 0) {
        if (g.faceUp >= 0) return "a passed game has cards laid open";
        return g.play == "-" ? std::string() : "a passed game has cards played";
    }
    g.soloist = g.type == 7 ? -1 : std::atoi(g.declParts[0].substr(0, colon).c_str());
    // The seat indexes the hands, tricks and points that follow.
    if (g.type != 7 && (g.soloist < 0 || g.soloist > 2)) return "the declaration names no seat 0 to 2";
    g.hand = std::find(g.declParts.begin(), g.declParts.end(), "hand") != g.declParts.end();
    // Null and Revolution are never laid open early; in the other games only the soloist does,
    // and only once a trick lies behind him.
    if (g.faceUp >= 0) {
        if (g.type == 4 || g.type == 5) return "a Null or Revolution has cards laid open early";
        if (g.type != 7 && g.faceUp != g.soloist) return "a defender laid his cards open";
        if (g.play == "-" || Split(g.play, ',').size() < 3) return "the cards were laid open before a trick was played";
    }
    return std::nullopt;
}

// 3. The soloist's hand after the lay-away: his cards and the dealt skat without the laid-away.
Verdict LayAway(GameLine& g) {
    if (g.fields["skat"] != "-")
        for (const std::string& text : Split(g.fields["skat"], ',')) {
            Card card;
            if (!ParseCard(text, card)) return "the skat holds no card '" + text + "'";
            g.laidAway.push_back(card);
        }
    if (g.soloist >= 0 && g.soloist <= 2 && !g.hand && g.type != 5) {
        std::vector<Card> twelve = g.hands[g.soloist];
        twelve.insert(twelve.end(), g.dealtSkat.begin(), g.dealtSkat.end());
        for (const Card& card : g.laidAway) {
            auto it = std::find(twelve.begin(), twelve.end(), card);
            if (it == twelve.end()) return "the soloist laid away a card he did not hold";
            twelve.erase(it);
        }
        g.hands[g.soloist] = twelve;
    }
    return std::nullopt;
}

// In a Ramsch the pick-up round moves cards between the hands and the skat unrecorded: the
// cards played come from the 30 cards outside the skat the round left, and only the turns
// and the cards' uniqueness can be checked.
Verdict GatherRamschPool(GameLine& g) {
    if (g.type != 7) return std::nullopt;
    for (const Card& card : g.all)
        if (std::find(g.laidAway.begin(), g.laidAway.end(), card) == g.laidAway.end()) g.ramschPool.push_back(card);
    if (!g.laidAway.empty() && g.ramschPool.size() != 30) return "the Ramsch skat holds cards not dealt";
    return std::nullopt;
}

// In a Revolution the defenders exchange cards between them and may lay two into the skat,
// unrecorded: each defender's card comes from the defenders' pool, the dealt skat with it, less
// the skat as it lies at the first card; following suit is checked for the soloist only.
Verdict GatherDefendersPool(GameLine& g) {
    if (g.type != 5 || g.soloist < 0 || g.soloist > 2) return std::nullopt;
    for (int seat = 0; seat < 3; ++seat)
        if (seat != g.soloist) g.defendersPool.insert(g.defendersPool.end(), g.hands[seat].begin(), g.hands[seat].end());
    g.defendersPool.insert(g.defendersPool.end(), g.dealtSkat.begin(), g.dealtSkat.end());
    for (const Card& card : g.laidAway) {
        auto it = std::find(g.defendersPool.begin(), g.defendersPool.end(), card);
        if (it == g.defendersPool.end()) return "the Revolution skat holds a card no defender held";
        g.defendersPool.erase(it);
    }
    return std::nullopt;
}

// Takes a card out of the pool it must come from.
bool TakeFromPool(std::vector<Card>& pool, const Card& card) {
    auto pooled = std::find(pool.begin(), pool.end(), card);
    if (pooled == pool.end()) return false;
    pool.erase(pooled);
    return true;
}

// The k-th card of a trick led by `leader`: played in turn, from the cards its seat could hold,
// following suit where the seat's hand is known.
Verdict PlayCard(GameLine& g, const std::string& text, int k, int leader, Card trick[3], int seats[3]) {
    if (text.size() != 3) return "no played card '" + text + "'";
    const int seat = text[0] - '0';
    Card card;
    if (seat < 0 || seat > 2 || !ParseCard(text.substr(1), card)) return "no played card '" + text + "'";
    if (seat != (leader + k) % 3) return "card " + text + " played out of turn";
    if (g.type == 7) {
        if (!TakeFromPool(g.ramschPool, card)) return "card " + text + " was not in play";
    } else if (g.type == 5 && seat != g.soloist) {
        if (!TakeFromPool(g.defendersPool, card)) return "card " + text + " was held by no defender";
    } else {
        std::vector<Card>& hand = g.hands[seat];
        auto held = std::find(hand.begin(), hand.end(), card);
        if (held == hand.end()) return "card " + text + " was not held by its seat";
        if (k > 0) {
            const int led = EffectiveSuit(trick[0], g.type);
            if (EffectiveSuit(card, g.type) != led &&
                std::any_of(hand.begin(), hand.end(), [&](const Card& c) { return EffectiveSuit(c, g.type) == led; }))
                return "card " + text + " did not follow suit";
        }
        hand.erase(held);
    }
    trick[k] = card;
    seats[k] = seat;
    return std::nullopt;
}

// The place in the trick of its winning card.
int TrickWinner(const Card trick[3], int type) {
    int best = 0;
    for (int k = 1; k < 3; ++k) {
        const int suit = EffectiveSuit(trick[k], type), bestSuit = EffectiveSuit(trick[best], type);
        if ((suit == bestSuit && Strength(trick[k], type) > Strength(trick[best], type)) || (suit == -2 && bestSuit != -2))
            best = k;
    }
    return best;
}

// 4. The cards, trick by trick; a game given up stops anywhere.
Verdict PlayTricks(GameLine& g) {
    if (g.play == "-") return g.gaveUp ? std::string() : "no card was played";
    g.cards = Split(g.play, ',');
    int leader = std::atoi(g.fields["fh"].c_str());
    std::size_t at = 0;
    while (at < g.cards.size()) {
        Card trick[3];
        int seats[3];
        const std::size_t inTrick = std::min<std::size_t>(3, g.cards.size() - at);
        for (std::size_t k = 0; k < inTrick; ++k)
            if (Verdict fault = PlayCard(g, g.cards[at + k], static_cast<int>(k), leader, trick, seats)) return fault;
        if (inTrick < 3) {
            if (g.gaveUp) break;
            return "the last trick is not complete";
        }
        const int winner = seats[TrickWinner(trick, g.type)];
        for (const Card& card : trick) g.points[winner] += kPoints[card.rank];
        g.tricks[winner] += 1;
        leader = winner;
        at += 3;
    }
    return std::nullopt;
}

// 5. The result as the cards give it (a give-up is scored as the rules complete it).
std::string CheckResult(GameLine& g) {
    if (g.gaveUp) return std::string();
    const std::vector<std::string> result = Split(g.fields["result"], ',');
    if (result.size() != 3) return "the result has no three parts";
    if (g.type == 4 || g.type == 5) {
        const bool lost = g.soloist >= 0 && g.tricks[g.soloist] > 0;
        if ((result[0] == "lost") != lost) return "the Null result does not match the tricks";
        return std::string();
    }
    if (g.type == 7) return std::string();
    int skatPoints = 0;
    for (const Card& card : (g.hand ? g.dealtSkat : g.laidAway)) skatPoints += kPoints[card.rank];
    const int soloistPoints = g.points[g.soloist] + skatPoints;
    if (g.cards.size() == 30 && std::atoi(result[1].c_str()) != soloistPoints)
        return "the soloist's points " + result[1] + " are not the cards' " + std::to_string(soloistPoints);
    if (g.cards.size() == 30 && soloistPoints <= 60 && result[0] == "won") return "a game of 60 points or fewer was won";
    return std::string();
}

}  // namespace

std::string CheckGameLine(const std::string& line) {
    GameLine g;
    if (Verdict v = ReadFields(line, g)) return *v;
    if (Verdict v = ReadDeal(g)) return *v;
    if (Verdict v = ReadDeclaration(g)) return *v;
    if (Verdict v = LayAway(g)) return *v;
    if (Verdict v = GatherRamschPool(g)) return *v;
    if (Verdict v = GatherDefendersPool(g)) return *v;
    if (Verdict v = PlayTricks(g)) return *v;
    return CheckResult(g);
}
