#pragma once
// Positions of a suit game for the card-play tests: the three hands written as card names, every
// other card gone, the trumps counted from the hands, and a seat served at a trick position.

#include "CardPlayTestSupport.h"

#include "computer/evaluation/HandAnalysis.h"
#include "model/GameTypeLookups.h"
#include "model/Trick.h"

class SuitPlayTest : public ComputerTest {
protected:
    CPlayer& Seat(int s) { return s == 0 ? static_cast<CPlayer&>(seat0) : s == 1 ? static_cast<CPlayer&>(seat1) : seat2; }

    // A game of type with the soloist's seat and the hands of seats 0, 1, 2. Cards in no hand
    // are gone (played), except those named in unseen (the skat, say).
    void Deal(int type, int soloist, const char* h0, const char* h1, const char* h2, const char* unseen = "") {
        g_Game.GameType = type;
        g_Game.Soloist = soloist;
        g_Game.RealPlayFlag = 1;
        g_Game.KontraState = KONTRA_NONE;
        const char* hands[3] = {h0, h1, h2};
        for (int s = 0; s < 3; ++s) GiveHand(Seat(s), hands[s]);
        ResetCardTables();
        StartPlayKnowledge();
        ClearTrickCounters();
        ClearLedSuits();
        g_Knowledge.PreferredSuit = -1;
        g_Knowledge.TrickLeadSuit = -1;
        const std::vector<int> skat = ParseCards(unseen);
        int trumps = 0;
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 0; rank < 8; ++rank) {
                const int card = C(rank, suit);
                bool held = false;
                for (int s = 0; s < 3; ++s) held = held || Seat(s).HasCard(card);
                bool inSkat = false;
                for (int c : skat) inSkat = inSkat || c == card;
                if (!held && !inSkat) SetCardLocation(card, CARD_PLAYED);
                if (held && GetCardSuit(card, false) == type) ++trumps;
            }
        g_Game.TrumpCount = trumps;
        for (int s = 0; s < 3; ++s) {
            CPlayer& p = Seat(s);
            p.SetPartner(&Seat(soloist));
            p.forcedCard = 0;
            p.ForcedCardCount = 0;
            p.PickedCard = 0;
            p.handInfo.TrumpTotal = p.GetTrumpCount();
            p.UpdateTrumpFlag();
        }
    }

    // The card the seat serves at a trick position, c1 and c2 the cards already in the trick.
    int Serve(int seat, int c1 = NO_CARD, int c2 = NO_CARD) {
        const int position = c1 == NO_CARD ? 0 : c2 == NO_CARD ? 1 : 2;
        g_Game.TrickWinner = (seat + 3 - position) % 3;
        g_Game.Forehand = g_Game.TrickWinner;
        return Seat(seat).ServeCardDispatch(position, c1, c2);
    }

    static int Card(const char* name) { return ParseCards(name).front(); }
};
