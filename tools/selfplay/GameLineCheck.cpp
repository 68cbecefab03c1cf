#include "GameLineCheck.h"

#include <algorithm>
#include <map>
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

}  // namespace

std::string CheckGameLine(const std::string& line) {
    std::map<std::string, std::string> fields;
    for (const std::string& word : Split(line, ' ')) {
        const std::size_t at = word.find('=');
        if (at != std::string::npos) fields[word.substr(0, at)] = word.substr(at + 1);
    }
    if (line.rfind("KGL1 ", 0) != 0) return "no KGL1 line";
    for (const char* name : {"seed", "fh", "deal", "bids", "decl", "skat", "play", "result"})
        if (!fields.count(name)) return std::string("no field ") + name;
    // 1. The deal: three hands of ten and a skat of two, 32 distinct cards.
    const std::vector<std::string> rows = Split(fields["deal"], '|');
    if (rows.size() != 4) return "the deal has no four rows";
    std::vector<Card> hands[3];
    std::vector<Card> all;
    for (int row = 0; row < 4; ++row) {
        for (const std::string& text : Split(rows[static_cast<std::size_t>(row)], ',')) {
            Card card;
            if (!ParseCard(text, card)) return "the deal holds no card '" + text + "'";
            all.push_back(card);
            if (row < 3) hands[row].push_back(card);
        }
    }
    std::vector<Card> sorted = all;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.size() != 32 || std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return "the deal does not hold 32 distinct cards";
    for (int seat = 0; seat < 3; ++seat)
        if (hands[seat].size() != 10) return "a hand of the deal does not hold ten cards";
    std::vector<Card> dealtSkat(all.begin() + 30, all.end());
    // 2. The declaration.
    const std::string decl = fields["decl"];
    const std::vector<std::string> declParts = Split(decl, ',');
    const std::size_t colon = declParts[0].find(':');
    if (colon == std::string::npos) return "the declaration has no seat";
    const std::string game = declParts[0].substr(colon + 1);
    static const std::map<std::string, int> kTypes = {{"clubs", 0}, {"spades", 1}, {"hearts", 2}, {"diamonds", 3}, {"null", 4},
                                                      {"revolution", 5}, {"grand", 6}, {"ramsch", 7}, {"passed", -1}};
    if (!kTypes.count(game)) return "no game '" + game + "'";
    const int type = kTypes.at(game);
    const std::string play = fields["play"];
    // An early lay-down names its seat once, before a give-up that ends the game.
    int faceUp = -1;
    bool gaveUp = false;
    for (const std::string& part : declParts) {
        if (part.rfind("faceup", 0) == 0) {
            if (part.size() != 7 || part[6] < '0' || part[6] > '2') return "no seat laid its cards open in '" + part + "'";
            if (faceUp >= 0) return "the cards were laid open twice";
            if (gaveUp) return "the cards were laid open after the game was given up";
            faceUp = part[6] - '0';
        }
        if (part.rfind("gaveup", 0) == 0) {
            if (part.size() != 7 || part[6] < '0' || part[6] > '2') return "no seat gave up in '" + part + "'";
            gaveUp = true;
        }
    }
    if (type < 0) {
        if (faceUp >= 0) return "a passed game has cards laid open";
        return play == "-" ? std::string() : "a passed game has cards played";
    }
    const int soloist = type == 7 ? -1 : std::atoi(declParts[0].substr(0, colon).c_str());
    const bool hand = std::find(declParts.begin(), declParts.end(), "hand") != declParts.end();
    // Null and Revolution are never laid open early; in the other games only the soloist does,
    // and only once a trick lies behind him.
    if (faceUp >= 0) {
        if (type == 4 || type == 5) return "a Null or Revolution has cards laid open early";
        if (type != 7 && faceUp != soloist) return "a defender laid his cards open";
        if (play == "-" || Split(play, ',').size() < 3) return "the cards were laid open before a trick was played";
    }
    // 3. The soloist's hand after the lay-away: his cards and the dealt skat without the laid-away.
    std::vector<Card> laidAway;
    if (fields["skat"] != "-")
        for (const std::string& text : Split(fields["skat"], ',')) {
            Card card;
            if (!ParseCard(text, card)) return "the skat holds no card '" + text + "'";
            laidAway.push_back(card);
        }
    if (soloist >= 0 && soloist <= 2 && !hand && type != 5) {
        std::vector<Card> twelve = hands[soloist];
        twelve.insert(twelve.end(), dealtSkat.begin(), dealtSkat.end());
        for (const Card& card : laidAway) {
            auto it = std::find(twelve.begin(), twelve.end(), card);
            if (it == twelve.end()) return "the soloist laid away a card he did not hold";
            twelve.erase(it);
        }
        hands[soloist] = twelve;
    }
    // In a Ramsch the pick-up round moves cards between the hands and the skat unrecorded: the
    // cards played come from the 30 cards outside the skat the round left, and only the turns
    // and the cards' uniqueness can be checked.
    std::vector<Card> ramschPool;
    if (type == 7) {
        for (const Card& card : all)
            if (std::find(laidAway.begin(), laidAway.end(), card) == laidAway.end()) ramschPool.push_back(card);
        if (!laidAway.empty() && ramschPool.size() != 30) return "the Ramsch skat holds cards not dealt";
    }
    // In a Revolution the defenders exchange cards between them and may lay two into the skat,
    // unrecorded: each defender's card comes from the defenders' pool, the dealt skat with it, less
    // the skat as it lies at the first card; following suit is checked for the soloist only.
    std::vector<Card> defendersPool;
    if (type == 5 && soloist >= 0 && soloist <= 2) {
        for (int seat = 0; seat < 3; ++seat)
            if (seat != soloist) defendersPool.insert(defendersPool.end(), hands[seat].begin(), hands[seat].end());
        defendersPool.insert(defendersPool.end(), dealtSkat.begin(), dealtSkat.end());
        for (const Card& card : laidAway) {
            auto it = std::find(defendersPool.begin(), defendersPool.end(), card);
            if (it == defendersPool.end()) return "the Revolution skat holds a card no defender held";
            defendersPool.erase(it);
        }
    }
    // 4. The cards, trick by trick; a game given up stops anywhere.
    if (play == "-") return gaveUp ? std::string() : "no card was played";
    const std::vector<std::string> cards = Split(play, ',');
    int points[3] = {0, 0, 0}, tricks[3] = {0, 0, 0};
    int leader = std::atoi(fields["fh"].c_str());
    std::size_t at = 0;
    while (at < cards.size()) {
        Card trick[3];
        int seats[3];
        const std::size_t inTrick = std::min<std::size_t>(3, cards.size() - at);
        for (std::size_t k = 0; k < inTrick; ++k) {
            const std::string& text = cards[at + k];
            if (text.size() != 3) return "no played card '" + text + "'";
            const int seat = text[0] - '0';
            Card card;
            if (seat < 0 || seat > 2 || !ParseCard(text.substr(1), card)) return "no played card '" + text + "'";
            if (seat != (leader + static_cast<int>(k)) % 3) return "card " + text + " played out of turn";
            if (type == 7) {
                auto pooled = std::find(ramschPool.begin(), ramschPool.end(), card);
                if (pooled == ramschPool.end()) return "card " + text + " was not in play";
                ramschPool.erase(pooled);
                trick[k] = card;
                seats[k] = seat;
                continue;
            }
            if (type == 5 && seat != soloist) {
                auto pooled = std::find(defendersPool.begin(), defendersPool.end(), card);
                if (pooled == defendersPool.end()) return "card " + text + " was held by no defender";
                defendersPool.erase(pooled);
                trick[k] = card;
                seats[k] = seat;
                continue;
            }
            auto held = std::find(hands[seat].begin(), hands[seat].end(), card);
            if (held == hands[seat].end()) return "card " + text + " was not held by its seat";
            if (k > 0) {
                const int led = EffectiveSuit(trick[0], type);
                if (EffectiveSuit(card, type) != led &&
                    std::any_of(hands[seat].begin(), hands[seat].end(), [&](const Card& c) { return EffectiveSuit(c, type) == led; }))
                    return "card " + text + " did not follow suit";
            }
            hands[seat].erase(held);
            trick[k] = card;
            seats[k] = seat;
        }
        if (inTrick < 3) {
            if (gaveUp) break;
            return "the last trick is not complete";
        }
        int best = 0;
        for (int k = 1; k < 3; ++k) {
            const int suit = EffectiveSuit(trick[k], type), bestSuit = EffectiveSuit(trick[best], type);
            if ((suit == bestSuit && Strength(trick[k], type) > Strength(trick[best], type)) || (suit == -2 && bestSuit != -2))
                best = k;
        }
        const int winner = seats[best];
        for (const Card& card : trick) points[winner] += kPoints[card.rank];
        tricks[winner] += 1;
        leader = winner;
        at += 3;
    }
    // 5. The result as the cards give it (a give-up is scored as the rules complete it).
    if (gaveUp) return std::string();
    const std::vector<std::string> result = Split(fields["result"], ',');
    if (result.size() != 3) return "the result has no three parts";
    if (type == 4 || type == 5) {
        const bool lost = soloist >= 0 && tricks[soloist] > 0;
        if ((result[0] == "lost") != lost) return "the Null result does not match the tricks";
        return std::string();
    }
    if (type == 7) return std::string();
    int skatPoints = 0;
    for (const Card& card : (hand ? dealtSkat : laidAway)) skatPoints += kPoints[card.rank];
    const int soloistPoints = points[soloist] + skatPoints;
    if (cards.size() == 30 && std::atoi(result[1].c_str()) != soloistPoints)
        return "the soloist's points " + result[1] + " are not the cards' " + std::to_string(soloistPoints);
    if (cards.size() == 30 && soloistPoints <= 60 && result[0] == "won") return "a game of 60 points or fewer was won";
    return std::string();
}
