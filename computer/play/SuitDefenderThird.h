#pragma once
// What the third-hand defender's rules share: the two cards of the trick, whose they are, the
// seats, the trumps held and out, the trick's points and the defenders' points so far.

#include "computer/play/SuitPlayTerms.h"

struct ThirdWords {
    CPlayer& p;
    bool soloistLed;
    int first, second;  // the cards in the order played
    int S, P;           // the soloist's and the partner's card
    int led;            // effective suit of the first card
    int type;
    int partnerSeat, soloistSeat;
    int T;    // own trumps
    int out;  // trumps out
    int tp;   // trick points
    int D;    // the defenders' points
};

ThirdWords ThirdWordsFor(CPlayer& p, bool soloistLed, int firstCard, int secondCard);
// The partner holds the trick: his card beats the soloist's in one suit, or he trumped and the
// soloist did not.
bool PartnerHoldsTrick(const ThirdWords& w);
