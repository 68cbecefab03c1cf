#pragma once
// The Null and Revolution card play of one computer seat: the soloist's and the defenders'
// strategies, the defenders' first choices against an open hand, and the Null safety of a hand.

class CPlayer;

class CNullPlay {
public:
    explicit CNullPlay(CPlayer& player) : me(player) {}
    // Its const questions are asked of a const player too; they change nothing.
    explicit CNullPlay(const CPlayer& player) : me(const_cast<CPlayer&>(player)) {}

    // Null safety: true when this player cannot be forced to take a trick in suit (0..3, -1 all
    // four), counting card (or the person's pending card) as played.
    bool EvaluateNullFollow(int card, int suit) const;

    // Null and Revolution soloist; the discards both roles use; laying a safe hand down.
    int PlayNullSoloistLead();
    int PlayNullSoloistSecond(int firstCard);
    int PlayNullSoloistThird(int firstCard, int secondCard);
    int ChooseNullDiscard();
    int ChooseNullSoloistFollow();

    // Null and Revolution defenders (soloistFollows: the soloist sits next in playing order) and
    // their first choices while the soloist's cards lie open (abort: the game was given up).
    int PlayNullOpponentLead(bool soloistFollows);
    int PlayNullOpponentSecond(bool soloistFollows, int firstCard);
    int PlayNullOpponentThird(bool soloistFollows, int firstCard, int secondCard);
    int ChooseNullDefenderLead(bool soloistFollows);
    int NullOpponentLeadFirstChoice(bool soloistFollows, bool& abort);

    int NullOpponentSecondFirstChoice(bool soloistFollows, int firstCard, bool& abort);
    int NullOpponentThirdFirstChoice(bool soloistFollows, int firstCard, int secondCard, bool& abort);
    // The other defender's seat, 3 when there is none.
    int PartnerSeat() const;

private:
    // The rules of NullOpponentLeadFirstChoice in their order: each returns true when it chose
    // (card, possibly none); dropped is the first rule's card kept back for the fifth.
    struct NullLeadHands;  // the defender's hand and the soloist's open one, suit by suit
    bool NullLeadUnderSoloist(const NullLeadHands& hands, int& dropped, int& card);
    bool NullLeadWhereOnlySoloistAbove(const NullLeadHands& hands, int& card);
    bool NullLeadIntoShortAceSuit(const NullLeadHands& hands, int& card);
    bool NullLeadUnderUnsafeLow(const NullLeadHands& hands, int& card);
    bool NullLeadUnderHisLowest(const NullLeadHands& hands, int dropped, int& card);
    bool NullLeadWithoutDraw(const NullLeadHands& hands, int& card);
    bool NullLeadIntoWeakStructure(const NullLeadHands& hands, bool soloistFollows, int& card);
    bool NullLeadOpeningForPartner(const NullLeadHands& hands, int& card);
    // The steps of ChooseTrickCardRamsch: the second and third card (2), an Ace before its Ten
    // (4 a), the Jacks while others are out (4 b and c) and two short suits (4 d).
    int PlayNullSoloistFollow(int firstCard, int top, bool second);
    bool IsSoloistHandVisible() const;
    bool NullFirstChoiceActive() const;
    bool NullKontraBookkeeping(bool notPerson) const;
    void NoteNullKontra(int code, bool announce);

    CPlayer& me;  // the player this part thinks for
};
