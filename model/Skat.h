#pragma once
// CSkat: the game object, owned by the main frame for the whole run. It is itself the two-card
// skat and owns the three players in seat order, the trick on the table, the last trick and the
// rows of the game course.

#include "model/Trick.h"

#include <memory>
#include <string>
#include <utility>

// The players are held by pointer, so that the files that only pass the game object along do not
// see the players' data (model/PlayerData.h); the files that use a player include it themselves.
class CPlayer;
class CComputer;
class CPerson;

// A fault of the card invariant: the card concerned (NO_CARD when the fault is a count) and
// what is wrong, in words for the trace.
struct CardFault {
    int card = -1;
    std::string text;
    explicit operator bool() const { return !text.empty(); }
};

// The rows of the game object on the table, for the steps that lay them out and paint them.
enum class TableRow { Skat, Computer0, Computer1, Person, Trick, LastTrick, CourseSkat, Course0, Course1, Course2 };

class CSkat : public CCards {
public:
    CSkat();
    ~CSkat();
    CSkat(const CSkat&) = delete;
    CSkat& operator=(const CSkat&) = delete;

    // Deals the skat and marks both cards as lying in the skat (CARD_IN_SKAT).
    void Deal() override;
    void Restore(bool fromDealt) override;

    // The player of a seat 0..2; nullptr for any other value. Inline: every card of the play
    // asks it.
    const CPlayer* Player(int seat) const { return seat >= 0 && seat < 3 ? bySeat[seat] : nullptr; }
    // The hand of a seat 0..2 as a card row: its cards, its row name and whether it lies open.
    // For the readers that want nothing else of the player, so that they need not see his data.
    const CCards& Hand(int seat) const { return *handBySeat[seat]; }
    // The person's hand (seat 2) as a card row.
    const CCards& PersonsHand() const { return *handBySeat[2]; }
    // A copy of the row name of a seat: "Comp1", "Comp2", "Person"; the skat's (empty) otherwise.
    std::string GetPlayerName(int seat) const;

    // The card invariant. The 32 cards each lie in exactly one place: a hand (with the two
    // entries behind it while the player holds the skat), the skat, the trick on the table, or
    // the tricks taken, which are the cards in none of these rows. Outside play no trick is
    // taken. In play the tricks taken are whole tricks, as many as the parties counted, and their
    // card points are the points booked, so that all places add up to 120 (a complete trick on
    // the table may be booked already; the soloist's count may begin with the skat's points).
    // Answers the first fault found; an empty text when the cards are sound.
    CardFault FindCardFault() const;
    // Checked after every step that moves cards, in debug and test builds: a fault is traced and
    // reported as an internal error of "Skat". Release builds (NDEBUG) skip it.
    void CheckCardInvariant() const;

    // --- Readers ------------------------------------------------------------------------------
    const CPerson& Person() const { return *person; }
    const CTrick& Trick() const { return trick; }
    const CTrick& LastTrick() const { return lastTrick; }
    const CTrick& CourseSkat() const { return courseSkat; }
    // The cards a seat has played in this game, in order; seat 0..2.
    const CTrick& CourseRow(int seat) const { return courseRows[seat]; }
    const CCards& Row(TableRow row) const { return const_cast<CSkat*>(this)->EditRow(row); }

    // --- The players' thinking ------------------------------------------------------------------
    // A seat's player thinks: the call gets his player, whose estimates, plans, marks and picked
    // card it may change, and answers what the call answers. A thought moves no card; the flow
    // asks it at any moment, also while cards are between rows, so the card steps around it check
    // the cards, not the thought.
    template <class Call>
    decltype(auto) Think(int seat, Call&& call) {
        return call(*EditPlayer(seat));
    }
    // The person's thinking: his estimates and the suggestions made to him.
    template <class Call>
    decltype(auto) PersonThinks(Call&& call) {
        return Think(2, std::forward<Call>(call));
    }
    // A seat's player may look at the hand of partnerSeat (his partner link); none for a seat
    // outside 0..2.
    void LinkPartner(int seat, int partnerSeat);
    // The thinking over the skat: the call gets the player and the skat where it lies, in the
    // trick's first two places while it is taken up (skatInTrick), else in its own row. It may take
    // up the skat and lay two cards away; the step of the flow that follows checks the cards.
    template <class Call>
    decltype(auto) ThinkOnSkat(int seat, bool skatInTrick, Call&& call) {
        return call(*EditPlayer(seat), skatInTrick ? static_cast<CCards&>(trick) : static_cast<CCards&>(*this));
    }
    template <class Call>
    decltype(auto) PersonThinksOnSkat(bool skatInTrick, Call&& call) {
        return ThinkOnSkat(2, skatInTrick, std::forward<Call>(call));
    }
    // The thinking over the trick on the table (the card the player would play, without playing
    // it): the call gets the player and the trick.
    template <class Call>
    decltype(auto) ThinkOnTrick(int seat, Call&& call) {
        return call(*EditPlayer(seat), trick);
    }
    // The player's look at his hand after it changed (the computer's analysis, above the model),
    // handed in by the flow to the steps that change a hand outside play.
    using LookAtHand = void (*)(CPlayer& player);
    // The suits the trick showed: what each seat is free of, and the leader's forced card; the
    // call is the computer's reading of the trick, handed the game and the leader's player.
    void NoteSuitsShown(void (*control)(const CSkat& game, CPlayer& leader));

    // --- Operations: the only steps that move cards between the hands, the skat and the trick.
    // Each checks the card invariant when it is done (debug and test builds).
    // A new deal: every row empties. No card lies anywhere until the deal, so this step leaves
    // the check to the deal.
    void ClearForDeal();
    // The deal: the three hands from the forehand round the table, then the skat, each dealt
    // afresh, or with fromDealt laid out again from the cards they were dealt before.
    void DealHands(int forehand);
    void RestoreDeal(int forehand);
    // Each row's dealt cards sort into the table's order; once after each deal.
    void SortDealtByTable();
    // The skat on the table: its two cards into the first two places of the trick row (where the
    // taker sees them) and back into the skat.
    void MoveSkatToTrick();
    void MoveTrickToSkat();
    // The skat also stands behind the person's ten cards while he decides (his two extra slots).
    void ShowSkatBehindPersonsHand();
    // A seat's strategy serves its card into the trick; answers the card, NO_CARD when none came.
    // The strategy is the computer player's, above the model, so the flow hands in the call that
    // runs it.
    int ServeCard(int seat, void (*serve)(CPlayer& player, CTrick& trick));
    // The person's card of a slot goes into his place in the trick, sliding from where it lay on
    // the table; the course notes it. Answers the card.
    int PlayPersonCard(int slot, platform::Point from);
    // The course of the game notes a card a seat played.
    void NoteCourseCard(int seat, int card);
    // The complete trick is valued and its card points booked to the winner's party. False when
    // the soloist of a Null or Revolution game took it.
    bool BookTrickPoints();
    // What the valued trick shows of the trumps: the defenders found free of them are marked;
    // referenceCard is the first trump still out (NO_CARD when none).
    void NoteTrumpsShown(int referenceCard);
    // The booked trick counts for the winner's party (his seat in Ramsch).
    void CountTrick();
    // The soloist of a Null or Revolution game took a trick: his count becomes ten, the game ends.
    void CountNullSoloistTrick();
    // The trick on the table gathers to its winner's pile (the last trick keeps a copy; the course
    // takes the skat at the first sweep). False when there was no card to sweep.
    bool SweepTrickToPile(int winner);
    // The trick row empties for the next trick.
    void ClearTrick();
    // A hand is laid down: its cards lie open on the table for the rest of the game; and a hand
    // turned face down again (taking back the trick where it was laid down).
    void LayDownHand(int seat);
    void CloseHand(int seat);

    // Taking back a trick and bringing it again. The cards pass through states the invariant
    // does not know (a trick half taken back), so these leave the check to the end of the step.
    // The trick on the table leaves it and the course; the last trick row empties and no card
    // stays raised. With hideRows the skat and the hands leave the table first, to be laid out again.
    void TakeTrickOffTable(bool hideRows);
    // The cards the seats played in the trick taken back (per seat, 0 for none) go into their
    // hands again; with layOutAll the skat and every hand are laid out, else only the hands that
    // get a card back.
    void ReturnCardsToHands(const int (&cards)[3], bool layOutAll);
    // The last trick row and the trick row show the recorded tricks (a card per seat, 0 none).
    void LayTrickRows(const int (&last)[3], const int (&current)[3]);
    // Bringing a trick again: both trick rows empty, the last trick row shows the trick before.
    void StartTrickAgain(const int (&last)[3]);
    // Bringing a trick again: the seat's recorded card leaves his hand for his place in the trick.
    void PlayRecordedCard(int seat, int card);
    void ShowTrickRow();
    // A seat's player takes up the state the step gives him (his plans, marks and card plan as
    // recorded with a trick, or none at a new deal): the call gets his player. Part of steps whose
    // cards the invariant does not know in between, so the check is left to their end.
    template <class Call>
    void SetUpPlayer(int seat, Call&& call) {
        call(*EditPlayer(seat));
    }

    // --- The exchanges and the swaps of the manipulation commands --------------------------------
    // The rows of the person's exchange: group 0 the skat face up in the trick's first two places,
    // groups 1..3 the hands of seats 0..2. The exchange swaps two cards between them and raises
    // and drags cards within them.
    CCards& ExchangeRow(int group);
    // The defenders' open exchange: the skat (in the trick while taken up) and the hands of the
    // seats first, second and third (the soloist) trade cards, the second handed over first unless
    // firstHandedFirst; the first two look at their new hands.
    void SwapOpponentCards(bool skatInTrick, int first, int second, int third, bool firstHandedFirst,
                           void (*exchange)(CCards& skat, CPlayer& first, CPlayer& second, CPlayer& third),
                           LookAtHand look);
    // The Revolution exchange ends (the skat back in its row): the computer soloist's hand is laid
    // out again, his partner's closes, and both defenders look at their new hands.
    void CloseRevolutionExchange(int soloist, LookAtHand look);
    // The skat's holder ends his swap pause: the skat goes back to its row and his hand, closed
    // again unless it stays open, is laid out anew.
    void EndSkatSwap(int seat, bool keepOpen, LookAtHand look);
    // The person's swap before the game ends, in two steps around the table's repaint: the skat's
    // two cards leave the trick, every hand's cards become its dealt cards and the computers'
    // hands close; then the skat takes the two cards as its deal, and the hands are laid out and
    // looked at anew. The cards are sound again, and checked, after the second step.
    void KeepSwappedHands(int (&skat)[2]);
    void DealSwappedSkat(const int (&skat)[2], LookAtHand look);
    // The cards as dealt go back into the hands and the skat, sorted and laid out. The exchange
    // that follows takes the skat into the trick row, and the cards are checked after it.
    void LayOutDealtCards();
    // The dealt cards of two seats change places.
    void SwapDealtHands(int first, int second);
    // In every dealt row, the cards of two suits change places, the Jacks only with withJacks.
    void SwapDealtSuits(int suitA, int suitB, bool withJacks);
    // The hands as they lie become their dealt cards.
    void KeepHandsAsDealt();

    // --- The deal kept, and the rows on and off the table ---------------------------------------
    // The cards of a deal to be dealt again: the hands seat by seat, ten each, then the skat's two.
    void SetDeal(const int* hands, const int* skat);
    // The skat and the hands take up their dealt cards again (to be looked at off the table).
    void LayDealBack();
    // The cards leave the table and their rows: the skat and the hands, with withTricks also the
    // trick and the last trick. Outside a game nothing needs the cards to be anywhere.
    void TakeCardsOffTable(bool withTricks);
    // The rows' names: the skat's and each seat's.
    void NameRows(const std::string& skat, const std::string (&seats)[3]);
    // Laying out and painting a row; these move no card between rows.
    void LayOutRow(TableRow row, platform::Point origin, platform::Point step, platform::Point offset);
    void PaintRow(TableRow row, int mode = 0, bool keepGaps = false, int first = 0, int last = 0,
                  platform::DeviceContext* dc = nullptr);
    void RemoveRow(TableRow row, bool take);
    void SortRow(TableRow row);
    // The keyboard and mouse selection in a seat's hand (CCards::SelectCard); answers the raised
    // slot or -1.
    int SelectHandCard(int seat, int mode, int card, bool sound);
    // A seat's hand is laid out again, face up with faceUp; and a hand opened for good first.
    void RedrawHand(int seat, bool faceUp);
    void OpenAndRedrawHand(int seat);
    void RelayoutRow(TableRow row, const platform::Rect& area);
    // Where a slot's card of a row lies; moves the row's layout cursor there.
    platform::Point SlotPosition(TableRow row, int slot);
    // The table forgets the last trick and the course it showed.
    void ForgetShownCourse();

    // --- The course of the game ---------------------------------------------------------------
    // The course rows and the course's skat empty (a game file brings its own course).
    void ClearCourse();
    void NoteCourseSkatCard(int card);
    // A game that ended early leaves cards in the hands: they go to the end of the seats' course
    // rows, a card per seat and pass, so that each row holds ten.
    void CompleteCourse();
    // The course on the table, and off it (with take the cards leave the rows).
    void PaintCourse();
    void RemoveCourse(bool take);
    // During play the last trick lies in the skat's place, and the skat comes back there.
    void ShowLastTrickInSkatsPlace();
    void ShowSkatInItsPlace();

private:
    // Tests that set up a position no deal or play reaches (tests/support/SkatTestAccess.h).
    friend struct SkatTestAccess;
    CPlayer* EditPlayer(int seat) { return const_cast<CPlayer*>(std::as_const(*this).Player(seat)); }
    CCards& EditRow(TableRow row);

    std::unique_ptr<CComputer> computer0;
    std::unique_ptr<CComputer> computer1;
    std::unique_ptr<CPerson> person;
    CPlayer* bySeat[3];    // the three players in seat order, the table every card of the play reads
    const CCards* handBySeat[3];  // the same three as card rows, for Hand()
    CTrick trick;        // slot = seat, three fixed places
    CTrick lastTrick;    // the previous trick, slot = seat
    CTrick courseSkat;   // the skat in the game-course display
    CTrick courseRows[3];  // cards played by each seat, for the game course
};
