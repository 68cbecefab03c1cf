#pragma once
// GameSnapshot: the state of the game at one point of the ten tricks, for taking a trick back and
// bringing it again. Record 0 is the start of play, 1..10 one per trick, 11 a spare written when
// the person is to play.

#include "model/CardKnowledge.h"

struct GameSnapshot {
    int abandonOffer[3] = {0, 0, 0};
    int card[3] = {0, 0, 0};              // the card each seat played in this trick, 0 none yet
    unsigned char faceUp[3] = {0, 0, 0};  // seats 0 and 1: the hand lay open
    int forcedCard[3] = {0, 0, 0};
    int rememberedSuit[3] = {0, 0, 0};
    CCardKnowledge knowledge{};           // played cards, voids, remaining counts, preferred suit
    int partyPoints[3] = {0, 0, 0};
    int partyTricks[3] = {0, 0, 0};
    int earlyFaceUp = 0;
    int gameEndFlags = 0;
    int forehand = 0;
    int soloist = 0;
    int trickWinner = 0;
    int trumpCount = 0;
    int ouvertAnnounced = 0;
    int kontraState = 0;
    int faceUpAnnouncePending = 0;
};
