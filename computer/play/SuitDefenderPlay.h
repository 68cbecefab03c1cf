#pragma once
// The suit-game defenders' card play of one computer seat: the shared frame, the rule
// cascades by position and the first choices against an open soloist hand.

class CPlayer;

class CSuitDefenderPlay {
public:
    explicit CSuitDefenderPlay(CPlayer& player) : me(player) {}

    // The defenders: lead, second and third hand; -1 when this defender gave the game up.
    // soloistNext: the soloist plays after this seat; soloistLed: the soloist led this trick.
    int PlaySuitOpponentLead(bool soloistNext);
    int PlaySuitOpponentSecond(bool soloistNext, int cardLed);
    int PlaySuitOpponentThird(bool soloistLed, int firstCard, int secondCard);
    // The first choices against an open soloist hand: a card, or -1 (not open, or no rule).
    int SuitOpponentLeadFirstChoice(bool soloistNext);
    int SuitOpponentSecondFirstChoice(bool soloistNext, int cardLed);
    int SuitOpponentThirdFirstChoice(bool soloistLed, int firstCard, int secondCard);
    // The defenders' shared frame: first choice, give-up check, cascade by position, epilogue.
    int PlaySuitDefender(int position, bool flag, int c1, int c2);
    // The rule cascades behind the frame (position by position).
    int SuitOpponentLeadCascade(bool soloistNext);
    int SuitOpponentSecondTrumpLed(bool soloistNext, int cardLed);
    int SuitOpponentSecondSideLed(bool soloistNext, int cardLed);
    int SuitOpponentThirdTrumpLed(bool soloistLed, int firstCard, int secondCard);
    int SuitOpponentThirdFollow(bool soloistLed, int firstCard, int secondCard);
    int SuitOpponentThirdVoid(bool soloistLed, int firstCard, int secondCard);
    // A cascade's own last step: the chooser's card when it may be played, else the lowest
    // allowed card (trumps first when trumpFirst). which names the counter of the self-play.
    int SuitCascadeFallback(int which, bool trumpFirst);

private:
    CPlayer& me;  // the player this part thinks for
};
