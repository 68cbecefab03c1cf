#pragma once
// What a seat says: the random wording of bids and answers, the terms of a declaration with its
// announcement, and the two terms that name a card for the support option. Pure choices; the frame
// says the terms (flow/AudioFrame.cpp).

#include <cstdint>
#include <vector>

#include "platform/core/Random.h"

// The wording's own generator: seeded once at start, so that voices on or off never change the
// game's random stream. Tests script its draws.
platform::RandomSource& VoiceRandom();

// The term said in place of `term`: a bid of 23 may come out as "Null", "Yes" as "IHave", and the
// second pass as "Pass", "AlsoAway" or, unless the forehand holds the bid, "YourGame". One draw for a
// term of the table, none for any other.
int VoiceVariantTerm(int term, int leader, int soloist);

struct DeclaredGame {
    int variantMode = 0;  // 0 rule Skat, 1 variant Skat, 2 Ramsch only
    int gameType = 0;     // 0-3 suits, 4 Null, 5 Revolution, 6 Grand
    bool hand = false, ouvert = false, schneider = false, schwarz = false;
};

// The terms of a declaration in order: the game, its announcement where the rules let it be said,
// "IGiveUpGame" when the soloist gives up. Empty for a game type outside 0..6.
std::vector<int> DeclarationTerms(const DeclaredGame& game, bool givesUp);

// The two terms that name a card: German suit then rank, English rank then suit ("Ace", "OfHearts");
// empty for anything that is not a card code 1..52.
std::vector<int> SupportTerms(int card, int language);
// Who names a card: support field 1-6 its speaker; 7 the seat that played it, else the owner, and
// seat 2 when neither computer holds it; NO_VOICE for field 0.
int SupportSpeaker(std::uint32_t voiceWord, int seat, int owner);
