#pragma once
// The five card-list primitives of the Null popups. Each lists the suits of the shown Null block
// whose Null class equals `code`, with their symbols and the cards that decide the term, in one
// line "<spot> <term>: ..."; without such a suit the line is "<spot> <term>: 0". The cards are
// named in the Null order, as the computer player's card routines give it for the hand.

#include <string>

#include "windows/PopupTexts.h"

struct NullPrimitiveCall {
    int code;          // the Null class asked for (0: none)
    int mode;          // the hot-spot mode of the box
    int spot;
    std::string term;  // the rule group's term
    std::string joiner;
};

// The first suit of the class, only when the block's bonus mark (row 5 or 6) is this class: with
// code 3 the held card next above the lowest and the lowest, else the highest; count text "1: ".
void PaintPopupSuitA(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call);
// Every suit of the class as its symbol alone, after the count of suits.
void PaintPopupSuitB(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call);
// Every suit of the class with its highest card, or the skat card of the suit when none is held.
void PaintPopupC(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call);
// Every suit of the class with its highest card and the held card next below it (each falling
// back to the suit's skat card), after the count of cards.
void PaintPopupD(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call);
// Every suit of the class with its highest held card.
void DrawEstimateRow(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call);
