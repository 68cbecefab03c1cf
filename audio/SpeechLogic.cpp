#include "audio/SpeechLogic.h"

#include "audio/VoicePlayer.h"
#include "audio/VoiceTerms.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"

platform::RandomSource& VoiceRandom() {
    static platform::RandomSource source;
    return source;
}

int VoiceVariantTerm(int term, int leader, int soloist) {
    struct Alternative {
        int term;
        int other;
    };
    // Each of these says its alternative when the draw is odd.
    static constexpr Alternative kEvenOdds[] = {
        {3, TERM_NULL},          {8, TERM_NULL_HAND},          {13, TERM_NULL_OUVERT},
        {14, TERM_GRAND},        {18, TERM_NULL_OUVERT_HAND},  {30, TERM_REVOLUTION},
        {TERM_YES, TERM_I_HAVE}, {TERM_AWAY, TERM_I_AM_AWAY},  {TERM_I_AM_AWAY, TERM_PASS},
    };
    if (term == TERM_ALSO_AWAY) {
        // The forehand who holds the bid is nobody's "your game".
        const int choices = leader == soloist ? 2 : 3;
        switch (VoiceRandom().Next() % choices) {
            case 0: return TERM_PASS;
            case 1: return TERM_ALSO_AWAY;
            default: return TERM_YOUR_GAME;
        }
    }
    for (const Alternative& alternative : kEvenOdds)
        if (alternative.term == term) return VoiceRandom().Next() % 2 == 1 ? alternative.other : term;
    return term;
}

std::vector<int> DeclarationTerms(const DeclaredGame& game, bool givesUp) {
    if (game.gameType < 0 || game.gameType > 6) return {};
    const bool ruleSkat = game.variantMode == 0;
    // Step 1: the game term. Rule Skat has no Hand Ouvert term: it says the Ouvert term, and a game
    // declared without Hand is said plainly (a Null's Ouvert excepted).
    int term = 0;
    bool announcement = true;
    const bool hand = game.hand;
    const bool ouvert = game.ouvert;
    if (ruleSkat) announcement = hand && !ouvert;
    switch (game.gameType) {
        case 4:
            term = hand ? (ouvert ? TERM_NULL_OUVERT_HAND : TERM_NULL_HAND) : (ouvert ? TERM_NULL_OUVERT : TERM_NULL);
            break;
        case 5: term = TERM_REVOLUTION; break;
        case 6:
            if (ruleSkat) term = hand ? (ouvert ? TERM_GRAND_OUVERT : TERM_GRAND_HAND) : TERM_GRAND;
            else term = hand ? (ouvert ? TERM_GRAND_HAND_OUVERT : TERM_GRAND_HAND) : (ouvert ? TERM_GRAND_OUVERT : TERM_GRAND);
            break;
        default: {
            const int plain = TERM_CLUBS + 4 * game.gameType;
            if (ruleSkat) term = hand ? plain + (ouvert ? 2 : 1) : plain;
            else term = plain + (hand ? 1 : 0) + (ouvert ? 2 : 0);
            break;
        }
    }
    std::vector<int> terms{term};
    // Step 2: the announcement, Schwarz before Schneider.
    if (announcement) {
        if (game.schwarz) terms.push_back(TERM_SCHWARZ_ANNOUNCED);
        else if (game.schneider) terms.push_back(TERM_SCHNEIDER_ANNOUNCED);
    }
    // Step 3: giving up at once.
    if (givesUp) terms.push_back(TERM_I_GIVE_UP_GAME);
    return terms;
}

std::vector<int> SupportTerms(int card, int language) {
    if (card < 1 || card > 52) return {};
    const int rankTerm = TERM_ACE + GetCardRank(card);
    const int suitTerm = TERM_OF_CLUBS + GetCardSuit(card, true);
    if (language == 0) return {suitTerm, rankTerm};
    return {rankTerm, suitTerm};
}

int SupportSpeaker(std::uint32_t voiceWord, int seat, int owner) {
    const std::uint32_t field = (voiceWord >> 29) & 7u;
    if (field == 0) return NO_VOICE;
    if (field <= 6) return static_cast<int>(field) - 1;
    // By seat: seat 0 speaks as voice 1, seat 1 as voice 2, seat 2 as voice 3.
    if (seat >= 0 && seat <= 2) return seat;
    return owner == 0 || owner == 1 ? owner : 2;
}
