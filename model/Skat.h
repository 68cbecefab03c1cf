#pragma once
// CSkat: the game object, owned by the main frame for the whole run. It is itself the two-card
// skat and owns the three players in seat order, the trick on the table, the last trick and the
// rows of the game course.

#include "model/PlayerData.h"
#include "model/Trick.h"

#include <string>

// A fault of the card invariant: the card concerned (NO_CARD when the fault is a count) and
// what is wrong, in words for the trace.
struct CardFault {
    int card = -1;
    std::string text;
    explicit operator bool() const { return !text.empty(); }
};

class CSkat : public CCards {
public:
    CSkat();

    // Deals the skat and marks both cards as lying in the skat (CARD_IN_SKAT).
    void Deal() override;
    void Restore(bool fromDealt) override;

    // The player of a seat 0..2; nullptr for any other value. Inline: every card of the play
    // asks it.
    CPlayer* Player(int seat) {
        switch (seat) {
            case 0: return &computer0;
            case 1: return &computer1;
            case 2: return &person;
            default: return nullptr;
        }
    }
    const CPlayer* Player(int seat) const { return const_cast<CSkat*>(this)->Player(seat); }
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
    const CPerson& Person() const { return person; }
    const CTrick& Trick() const { return trick; }
    const CTrick& LastTrick() const { return lastTrick; }
    const CTrick& CourseSkat() const { return courseSkat; }
    // The cards a seat has played in this game, in order; seat 0..2.
    const CTrick& CourseRow(int seat) const { return courseRows[seat]; }

    // --- Operations: the only steps that move cards between the hands, the skat and the trick.
    // Each checks the card invariant when it is done (debug and test builds).
    // The deal: the three hands from the forehand round the table, then the skat, each dealt
    // afresh, or with fromDealt laid out again from the cards they were dealt before.
    void DealHands(int forehand);
    void RestoreDeal(int forehand);
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
    // A hand is laid down: its cards lie open on the table for the rest of the game.
    void LayDownHand(int seat);

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

    // --- The deal kept, and the rows on and off the table ---------------------------------------
    // The cards of a deal to be dealt again: the hands seat by seat, ten each, then the skat's two.
    void SetDeal(const int* hands, const int* skat);
    // The skat and the hands take up their dealt cards again (to be looked at off the table).
    void LayDealBack();
    // The cards leave the table and their rows: the skat and the hands, with withTricks also the
    // trick and the last trick. Outside a game nothing needs the cards to be anywhere.
    void TakeCardsOffTable(bool withTricks);

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

    CComputer computer0;
    CComputer computer1;
    CPerson person;
    CTrick trick;        // slot = seat, three fixed places
    CTrick lastTrick;    // the previous trick, slot = seat
    CTrick courseSkat;   // the skat in the game-course display
    CTrick courseRows[3];  // cards played by each seat, for the game course
};
