#pragma once
// The card exchanges' record: which card groups take part, the card picked in each, and where the
// keyboard's focus stands. Only the card exchange part (flow/CardExchange.h) writes it; every other
// part reads it through the frame's Exchange().

struct ExchangeState {
    // The groups that take part (1 skat, 2/4/8 seats 0/1/2), each group's picked card, the
    // keyboard's first and last group.
    int ActiveGroups = 0;
    int GroupPickedCards[4] = {0, 0, 0, 0};
    int KeyGroupFirst = 1, KeyGroupLast = 8;
    int DragCard = 0;  // the card a drag of an exchange carries, 0 none
    int KeyGroup = 1, KeyGroupMask = 7;
    // The lower focus (2/3 seat 0, 4/5 seat 1, 6/7 the person; even: that row has a raised card)
    // and whether Left and Right act on the upper one.
    int KeyFocusLowerGroup = 7;
    int KeyFocusUpperActive = 0;
};
