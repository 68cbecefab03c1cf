// The game line of the format KGL1 (KGL1.md beside this file): the self-play tool writes a played
// game's record as one line and reads its cards and game names back when it scores lines.
#include "GameLine.h"

#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"

#include <algorithm>

namespace {

// Suits and ranks in the line's order.
constexpr char kSuitLetters[4] = {'C', 'S', 'H', 'D'};
constexpr char kRankLetters[8] = {'A', 'T', 'K', 'Q', 'J', '9', '8', '7'};
constexpr int kRankOrder[8] = {ACE, TEN, KING, QUEEN, JACK, NINE, EIGHT, SEVEN};

int RankPosition(int rank) {
    for (int i = 0; i < 8; ++i)
        if (kRankOrder[i] == rank) return i;
    return 8;
}

// Sort key: suit first, then rank, each in the line's order.
int LineOrder(int card) { return GetCardSuit(card, true) * 8 + RankPosition(GetCardRank(card)); }

std::string CardList(const int* cards, int count) {
    std::vector<int> sorted(cards, cards + count);
    std::sort(sorted.begin(), sorted.end(), [](int a, int b) { return LineOrder(a) < LineOrder(b); });
    std::string text;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i) text += ',';
        text += RecordCardText(sorted[i]);
    }
    return text;
}

const char* GameName(int type) {
    static const char* const kNames[8] = {"clubs", "spades", "hearts", "diamonds", "null", "revolution", "grand", "ramsch"};
    return type >= 0 && type < 8 ? kNames[type] : "none";
}

}  // namespace

std::string RecordCardText(int card) {
    if (!IsCardCode(card)) return "-";
    const int suit = GetCardSuit(card, true), rank = GetCardRank(card);
    std::string text;
    text += kSuitLetters[suit];
    text += kRankLetters[RankPosition(rank)];
    return text;
}

int RecordCardCode(const std::string& text) {
    if (text.size() != 2) return 0;
    for (int suit = 0; suit < 4; ++suit)
        for (int position = 0; position < 8; ++position)
            if (text[0] == kSuitLetters[suit] && text[1] == kRankLetters[position]) return CardCodeOf(kRankOrder[position], suit);
    return 0;
}

int RecordGameType(const std::string& name) {
    for (int type = 0; type < 8; ++type)
        if (name == GameName(type)) return type;
    return -1;
}

std::string FormatGameLine(const CGameRecord& record, unsigned long long seed) {
    std::string line = "KGL1 seed=" + std::to_string(seed) + " fh=" + std::to_string(record.leader) + " deal=";
    for (int seat = 0; seat < 3; ++seat) line += CardList(record.hands[seat], 10) + "|";
    line += CardList(record.dealtSkat, 2);
    // The auction.
    line += " bids=";
    if (record.calls.empty()) line += '-';
    for (std::size_t i = 0; i < record.calls.size(); ++i) {
        const CGameRecord::Call& call = record.calls[i];
        if (i) line += ',';
        line += std::to_string(call.seat) + call.kind;
        if (call.kind != 'p') line += std::to_string(call.value);
    }
    // The declaration.
    line += " decl=";
    if (record.allPassed || record.gameType < 0) {
        line += "-:passed";
    } else if (record.gameType == GAME_RAMSCH) {
        line += "-:ramsch";
        if (record.passOns > 0) line += ",push" + std::to_string(record.passOns);
    } else {
        line += (record.soloist >= 0 && record.soloist <= 2 ? std::to_string(record.soloist) : std::string("-")) + ":" +
                GameName(record.gameType);
        if (record.hand) line += ",hand";
        if (record.ouvert) line += ",ouvert";
        if (record.schneider) line += ",schneider";
        if (record.schwarz) line += ",schwarz";
        if (record.kontraState == 2) line += ",kontra";
        if (record.kontraState == 4) line += ",rekontra";
    }
    if (record.faceUp >= 0 && record.faceUp <= 2) line += ",faceup" + std::to_string(record.faceUp);
    if (record.gaveUp >= 0 && record.gaveUp <= 2) line += ",gaveup" + std::to_string(record.gaveUp);
    // The skat at the first card and the cards.
    line += " skat=";
    if (IsCardCode(record.skat[0]) || IsCardCode(record.skat[1]))
        line += RecordCardText(record.skat[0]) + "," + RecordCardText(record.skat[1]);
    else
        line += '-';
    line += " play=";
    if (record.cards.empty()) line += '-';
    for (std::size_t i = 0; i < record.cards.size(); ++i) {
        if (i) line += ',';
        line += std::to_string(record.cards[i].seat) + RecordCardText(record.cards[i].card);
    }
    // The result.
    line += " result=";
    line += record.outcome > 0 ? "won" : record.outcome < 0 ? "lost" : "passed";
    line += ',';
    line += std::to_string(record.points[0]);
    if (record.gameType == GAME_RAMSCH) {
        for (int seat = 1; seat < 3; ++seat) {
            line += '/';
            line += std::to_string(record.points[seat]);
        }
    }
    line += ',';
    line += std::to_string(record.score);
    return line;
}
