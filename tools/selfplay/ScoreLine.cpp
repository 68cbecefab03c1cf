#include "ScoreLine.h"

#include "GameLine.h"
#include "match/GameScoring.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Cards.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Trick.h"
#include "tests/support/BidIndex.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

// A whole number of the given digits, -1 when the text is none.
int Number(const std::string& text) {
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::atoi(text.c_str());
}

// A comma list of cards; false naming the first text that is no card.
bool ParseCards(const std::string& list, std::vector<int>& cards, std::string& error) {
    for (const std::string& text : Split(list, ',')) {
        const int card = RecordCardCode(text);
        if (card == 0) {
            error = "'" + text + "' is no card";
            return false;
        }
        cards.push_back(card);
    }
    return true;
}

struct ParsedLine {
    std::vector<std::string> words;  // the line's words without its result
    int leader = 0;
    int hands[3][10] = {};
    int dealtSkat[2] = {};
    int bid = 18;
    bool passed = false;
    int type = -1, soloist = 3;
    int hand = 0, ouvert = 0, schneider = 0, schwarz = 0, kontra = 1, gaveUp = -1;
    std::vector<int> skat;
    std::vector<std::pair<int, int>> cards;  // seat, card
};

std::string Parse(const std::string& line, ParsedLine& game) {
    std::map<std::string, std::string> fields;
    for (const std::string& word : Split(line, ' ')) {
        if (word.empty()) continue;
        const std::size_t at = word.find('=');
        if (at != std::string::npos) {
            if (word.compare(0, at, "result") == 0) continue;
            fields[word.substr(0, at)] = word.substr(at + 1);
        }
        game.words.push_back(word);
    }
    if (game.words.empty() || game.words[0] != "KGL1") return "no KGL1 line";
    for (const char* name : {"fh", "deal", "bids", "decl", "skat", "play"})
        if (!fields.count(name)) return std::string("no field ") + name;
    // The forehand and the deal: three hands of ten and a skat of two, 32 different cards.
    game.leader = Number(fields["fh"]);
    if (game.leader < 0 || game.leader > 2) return "no forehand '" + fields["fh"] + "'";
    const std::vector<std::string> rows = Split(fields["deal"], '|');
    if (rows.size() != 4) return "the deal has no four rows";
    std::vector<int> all;
    for (std::size_t row = 0; row < 4; ++row) {
        std::vector<int> cards;
        std::string error;
        if (!ParseCards(rows[row], cards, error)) return "the deal: " + error;
        if (cards.size() != (row < 3 ? 10u : 2u)) return "the deal holds no ten cards per hand and two in the skat";
        for (std::size_t i = 0; i < cards.size(); ++i) {
            if (row < 3) game.hands[row][i] = cards[i];
            else game.dealtSkat[i] = cards[i];
            all.push_back(cards[i]);
        }
    }
    std::sort(all.begin(), all.end());
    if (std::adjacent_find(all.begin(), all.end()) != all.end()) return "the deal does not hold 32 different cards";
    // The auction: the game is played at the highest call.
    if (fields["bids"] != "-") {
        for (const std::string& call : Split(fields["bids"], ',')) {
            if (call.size() < 2 || call[0] < '0' || call[0] > '2') return "no call '" + call + "'";
            if (call[1] == 'p' && call.size() == 2) continue;
            const int value = (call[1] == 'b' || call[1] == 'h') ? Number(call.substr(2)) : -1;
            if (value < 18 || BidLadder[testsupport::BidIndexOf(value)].value != value) return "no call '" + call + "'";
            game.bid = std::max(game.bid, value);
        }
    }
    // The declaration.
    const std::vector<std::string> decl = Split(fields["decl"], ',');
    const std::size_t colon = decl.empty() ? std::string::npos : decl[0].find(':');
    if (colon == std::string::npos) return "the declaration has no seat";
    const std::string name = decl[0].substr(colon + 1);
    if (name == "passed") {
        game.passed = true;
        return std::string();
    }
    game.type = RecordGameType(name);
    if (game.type < 0) return "no game '" + name + "'";
    if (game.type == GAME_RAMSCH) return "a Ramsch is no game of the official rules";
    game.soloist = Number(decl[0].substr(0, colon));
    if (game.soloist < 0 || game.soloist > 2) return "no soloist '" + decl[0].substr(0, colon) + "'";
    for (std::size_t i = 1; i < decl.size(); ++i) {
        const std::string& flag = decl[i];
        if (flag == "hand") game.hand = 1;
        else if (flag == "ouvert") game.ouvert = 1;
        else if (flag == "schneider") game.schneider = 1;
        else if (flag == "schwarz") game.schwarz = 1;
        else if (flag == "kontra") game.kontra = 2;
        else if (flag == "rekontra") game.kontra = 4;
        else if (flag.size() == 7 && flag.rfind("gaveup", 0) == 0 && flag[6] >= '0' && flag[6] <= '2') game.gaveUp = flag[6] - '0';
        // A lay-down shows the cards; the game is still played out or given up, and scored as declared.
        else if (flag.size() == 7 && flag.rfind("faceup", 0) == 0 && flag[6] >= '0' && flag[6] <= '2') continue;
        else return "no announcement '" + flag + "'";
    }
    // The skat at the first card and the cards played.
    std::string error;
    if (fields["skat"] != "-" && (!ParseCards(fields["skat"], game.skat, error) || game.skat.size() != 2))
        return "the skat: " + (error.empty() ? std::string("no two cards") : error);
    if (fields["play"] != "-") {
        for (const std::string& text : Split(fields["play"], ',')) {
            const int card = text.size() == 3 ? RecordCardCode(text.substr(1)) : 0;
            if (card == 0 || text[0] < '0' || text[0] > '2') return "no played card '" + text + "'";
            game.cards.push_back({text[0] - '0', card});
        }
    }
    return std::string();
}

// The soloist's cards as play starts: his dealt hand, in a game with the skat picked up less the
// two cards laid away and with the other dealt skat cards.
std::vector<int> SoloistCards(const ParsedLine& game) {
    std::vector<int> cards(game.hands[game.soloist], game.hands[game.soloist] + 10);
    if (game.hand || game.skat.size() != 2 || game.type == GAME_REVOLUTION) return cards;
    cards.insert(cards.end(), game.dealtSkat, game.dealtSkat + 2);
    for (int laid : game.skat) {
        auto it = std::find(cards.begin(), cards.end(), laid);
        if (it != cards.end()) cards.erase(it);
    }
    cards.resize(10);
    return cards;
}

// The tricks into the game record as the play step books them; a game given up stops inside a
// trick, whose cards count for nobody.
std::string Replay(const ParsedLine& game) {
    CTrick trick("Trick", 3, true, true);
    std::vector<int> played;
    g_Game.TrickWinner = game.leader;
    for (std::size_t at = 0; at < game.cards.size(); at += 3) {
        if (at + 3 > game.cards.size()) {
            if (game.gaveUp >= 0) break;
            return "the last trick is not complete";
        }
        if (at >= 30) return "more than ten tricks";
        for (std::size_t k = 0; k < 3; ++k) {
            const auto [seat, card] = game.cards[at + k];
            if (seat != (g_Game.TrickWinner + static_cast<int>(k)) % 3)
                return "card " + std::to_string(seat) + RecordCardText(card) + " played out of turn";
            if (std::find(played.begin(), played.end(), card) != played.end())
                return "card " + RecordCardText(card) + " played twice";
            played.push_back(card);
            trick.cards[static_cast<std::size_t>(seat)] = card;
            trick.present[static_cast<std::size_t>(seat)] = 1;
        }
        if (!trick.Valuate()) {
            // A Null soloist took a trick: the game ends with it.
            g_Game.PartyTricks[0] = 10;
            break;
        }
        ++g_Game.PartyTricks[g_Game.TrickWinner == g_Game.Soloist ? 0 : 1];
    }
    return std::string();
}

}  // namespace

ScoredLine ScoreGameLine(const std::string& line) {
    ScoredLine scored;
    ParsedLine game;
    scored.error = Parse(line, game);
    if (!scored.error.empty()) return scored;
    std::string text;
    for (const std::string& word : game.words) text += word + " ";
    if (game.passed) {
        scored.line = text + "result=passed,0,0";
        return scored;
    }
    // The game record as the declaration leaves it, under the official rules.
    g_Game.Reset();
    g_Settings.Reset();
    g_Knowledge.Reset();
    g_Game.VariantMode = VARIANT_OFFICIAL;
    g_Game.SetGameType(game.type);
    g_Game.Soloist = game.soloist;
    g_Game.Leader = g_Game.Forehand = game.leader;
    g_Game.HandAnnounced = game.hand;
    g_Game.OuvertAnnounced = game.ouvert;
    g_Game.SchneiderAnnounced = game.schneider;
    g_Game.SchwarzAnnounced = game.schwarz;
    g_Game.KontraState = game.kontra;
    g_Game.BidIndex = testsupport::BidIndexOf(game.bid);
    g_Game.PendingRaise = 0;
    CPlayer soloist("Soloist", 10, false, game.soloist);
    const std::vector<int> cards = SoloistCards(game);
    for (std::size_t slot = 0; slot < 10; ++slot) {
        soloist.cards[slot] = cards[slot];
        soloist.present[slot] = 1;
    }
    // The skat as it lies: the dealt skat in a Hand game, else the cards laid away.
    CCards skat("Skat", 2, false, true);
    const bool dealtSkatLies = game.hand || game.skat.size() != 2;
    for (std::size_t place = 0; place < 2; ++place) {
        skat.cards[place] = dealtSkatLies ? game.dealtSkat[place] : game.skat[place];
        skat.present[place] = 1;
    }
    // The laid-away cards count for the soloist from the first trick on.
    if (!game.hand && game.type != GAME_NULL && game.type != GAME_REVOLUTION) g_Game.PartyPoints[0] = skat.CountPoints();
    scored.error = Replay(game);
    if (!scored.error.empty()) return scored;
    ScoreNames names;
    const GameScore result = ScoreFinishedGame(game.gaveUp, &soloist, skat, 0, names);
    scored.line = text + "result=" + (result.score >= 0 ? "won" : "lost") + "," + std::to_string(g_Game.PartyPoints[0]) +
                  "," + std::to_string(result.score);
    return scored;
}
