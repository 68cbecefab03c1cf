#pragma once
// GameSnapshot: the state of the game at one point of the ten tricks, for taking a trick back and
// bringing it again. Record 0 is the start of play, 1..10 one per trick, 11 a spare written when
// the person is to play. The fields are listed in the order the record keeps them; per-seat
// fields are in seat order 0, 1, 2.

#include "model/CardKnowledge.h"
#include "model/HandInfo.h"

struct GameSnapshot {
    // The player's rows.
    int abandonOffer[3] = {0, 0, 0};      // FaceUpSeen: a defender met the soloist's open cards
    HandInfo handInfo[3] = {};            // each player's hand analysis block
    int card[3] = {0, 0, 0};              // the card each seat played in this trick, 0 none yet
    unsigned char faceUp[2] = {0, 0};     // seats 0 and 1: the hand lay open (the person's always does)
    int forcedCard[3] = {0, 0, 0};
    int forcedCardCount[3] = {0, 0, 0};   // the planning word two places after forcedCard
    int partnerTopSuits[3] = {0, 0, 0};   // the planning word right after forcedCard
    int rememberedSuit[3] = {0, 0, 0};    // the row's follow-suit field
    int durchmarschDecided[3] = {0, 0, 0};
    int durchmarschAim[3] = {0, 0, 0};
    int suitPlan[3][8] = {};              // per suit the planned card and its flag
    int playedSuit[3][4] = {};            // per suit: the seat played a card of it this game
    // The card knowledge of the table.
    unsigned char voidTable[3][VOID_COLUMNS] = {};
    int unseenSuitCounts[4] = {0, 0, 0, 0};
    int partyPoints[3] = {0, 0, 0};
    int partyTricks[3] = {0, 0, 0};
    int trickLeadCounts[5] = {0, 0, 0, 0, 0};
    int ledSuitBySeat[4] = {0, 0, 0, 0};
    int playedCardTable[32] = {};
    // The game record.
    int earlyFaceUp = 0;
    int gameEndFlags = 0;
    int forehand = 0;     // in record 0 the leader
    int soloist = 0;
    int trickWinner = 0;  // in record 0 the leader
    int trumpCount = 0;
    int preferredSuit = 0;
    int ouvertAnnounced = 0;
    int kontraState = 0;
    int faceUpAnnouncePending = 0;
    // What the card play reads of the tricks so far: the suit led last, the suit a defender threw
    // off in the last trick and the led-suit marks.
    int trickLeadSuit = 0;
    int thrownOffSuit = -1;
    unsigned char suitLedMarks[4] = {0, 0, 0, 0};
};
