#pragma once
// CGameRecord: a plain record of the current game as it was played: the deal and each call of the
// auction, the declaration and the skat as play starts, each card with its seat, and the result.
// The flow fills it; tests and the self-play tool read it (tools/selfplay/GameLine.h writes it as a
// line). It changes nothing in the game.

#include <string>
#include <utility>
#include <vector>

struct CGameRecord {
    struct Call {
        int seat = 0;
        char kind = 'p';  // 'b' bid, 'h' hold, 'p' pass
        int value = 0;
    };
    struct PlayedCard {
        int seat = 0;
        int card = 0;
    };

    int leader = 0;            // forehand of the game
    int hands[3][10] = {};     // the cards as dealt, per seat
    int dealtSkat[2] = {};
    std::vector<Call> calls;
    // The declaration: -1 no game yet; 0..7 the game type; soloist 3 none.
    int gameType = -1;
    int soloist = 3;
    int hand = 0, ouvert = 0, schneider = 0, schwarz = 0;
    int kontraState = 1;
    int passOns = 0;           // Ramsch: the skat was pushed this often
    int faceUp = -1;           // the seat that laid its cards open early, -1 none
    int gaveUp = -1;           // the seat that gave the game up, -1 none
    bool allPassed = false;
    int skat[2] = {0, 0};      // the skat as it lies at the first card; 0 nothing
    std::vector<PlayedCard> cards;
    bool scored = false;
    int outcome = 0;           // 1 won, -1 lost, 0 passed
    int points[3] = {0, 0, 0}; // the soloist's card points ([0]); a Ramsch's per seat
    int score = 0;

    // A new game's record; the lists keep their room, as every deal fills them again.
    void Clear() {
        std::vector<Call> keptCalls = std::move(calls);
        std::vector<PlayedCard> keptCards = std::move(cards);
        *this = CGameRecord();
        keptCalls.clear();
        keptCards.clear();
        calls = std::move(keptCalls);
        cards = std::move(keptCards);
    }
    void NoteCall(int seat, char kind, int value) { calls.push_back({seat, kind, value}); }
    void NoteCard(int seat, int card) { cards.push_back({seat, card}); }
};
