#pragma once
// CCardExchange: the cards that change rows outside play for the frame. It alone writes the
// exchange record: the person's exchange with the skat, the free exchange of the manipulation
// commands, the defenders' open exchange of a Revolution game, the keyboard's focus over the card
// groups, and the manipulation marks those changes leave on the game. Every other part asks through
// its methods and reads the record through the frame's Exchange().

#include "flow/ExchangeState.h"
#include "platform/core/Geometry.h"

class CCards;
class CMainFrame;
class CSkat;

class CCardExchange {
public:
    CCardExchange(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CCardExchange(const CCardExchange&) = delete;
    CCardExchange& operator=(const CCardExchange&) = delete;

    // The record, for reading; the frame's Exchange() gives the same.
    const ExchangeState& State() const { return exchange_; }

    // --- Card moves between hands, skat and trick (flow/CardMoves.cpp) ---------------------------
    void SwapCards(int cardA, CCards& rowA, int cardB, CCards& rowB, bool dragged);
    void SwapCardsPerson(bool skat, bool seat0, bool seat1, bool seat2, int mode);
    // The defenders' open exchange: the skat (in the trick while taken up) and the seats' hands,
    // seat2 the soloist's.
    void SwapCardsOpponents(bool skatInTrick, int seat0, int seat1, int seat2);
    void OnRevolution();
    // The suggested exchange of the Revolution defenders, only while they exchange.
    void OnSuggestExchange();
    void ManipulateClick(platform::Point point);
    void ManipulateDragEnd(platform::Point point);
    // Group g (0 skat, 1..3 seats 0..2) holds the clicked card as its picked card: its row, and the
    // first other row with a selected card as partner.
    bool FindClickedGroup(int card, int group, CCards*& row, CCards*& partnerRow, int& partnerCard,
                          bool& noOtherSelection);
    // Group g has a picked card g that is not the dropped card d: its row, and the first other
    // open group whose row holds d as partner.
    bool FindCardGroup(int dropped, int group, int& picked, CCards*& row, CCards*& partnerRow);
    // The three hands' bid limits again after cards changed hands.
    void ReevaluateHands(int soloistMode);
    // The rows of the four card groups: 0 the skat (in the trick row while exchanging), 1..3 seats.
    CCards& GroupRow(int group);

    // --- The groups, picks and focus other steps set (flow/CardMoves.cpp) ------------------------
    // The groups that take part from now on (1 the skat, 2/4/8 seats 0/1/2; 0 none), or groups
    // that join those already taking part.
    void SetOpenGroups(int groups);
    void OpenGroups(int groups);
    // Group g's picked card (0: none picked).
    void PickCard(int group, int card);
    // The keyboard's upper focus (2/4/6 a seat's hand, 0 none) and its lower one.
    void FocusKeyGroup(int group);
    void FocusLowerKeyGroup(int group);
    // At start-up the keys begin at the skat and may reach all three hands.
    void ResetKeyGroups();
    // No drag of an exchange carries a card.
    void ForgetDragCard();

    // --- The person's exchange on the table (flow/PersonInput.cpp, flow/PersonKeys.cpp) ----------
    // The drop of an exchange with the skat in drag mode.
    void DragMove(platform::Point point);
    // After the person changed cards with the skat: the suggestion or the play preparation.
    void AfterExchange();
    // The exchange keys: Up (upper group) or Down (lower group) move the focus or raise a card.
    void ExchangeFocusKey(bool upper);

    // --- The manipulation commands (flow/SwapCommands.cpp) ---------------------------------------
    // A free card exchange, the skat swap (a switch, or an exchange with the skat), whole hands or
    // two suits exchanged and the deal replayed.
    void OnSwapCardsMode();
    void OnSkatSwap();
    void OnSwapHands();
    void OnSwapSuits();
    // Hands or suits exchanged in the dealt copies: the game is broken off, marked and dealt again.
    void ReplaySwappedDeal();

    // --- The manipulation marks (flow/CheatMarks.cpp) --------------------------------------------
    // Applies one manipulation mark (code 0 resets the mask), shows its message in pane 0,
    // repaints and traces. `arg` counts only for code 16: the flow state.
    void CheckCheat(int code, int arg);
    void RepaintLegend();

private:
    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    ExchangeState exchange_;
};
