#pragma once
// Self-play over the model: deals a game from a seed, lets the computers declare or forces the
// game type, serves every seat through CPlayer::ServeCard and does after each card and trick what
// the game flow does. It checks, card by card, that every served card was held and allowed, that
// no strategy's card had to be replaced, and, trick by trick, that hands, hand analysis and the
// played-card memory agree. Shared by the tests and the self-play tool; free of the test library.

#include <cstdint>
#include <string>

struct ComputerState;

struct SelfPlayOptions {
    std::uint32_t seed = 1;
    int gameType = 6;  // -2: the computers bid and declare; else the type played (7 Ramsch)
    int soloist = -1;  // forced types: the declarer, -1 drawn from the seed
    int ouvert = 0;    // 1: the soloist's cards lie open
    int hand = 0;
    int schneider = 0;
    int schwarz = 0;
    int kontra = 1;    // KontraState: 1, 2 or 4
    int variantMode = 0;
    int nullOuvertSetting = 0;  // Variants/NullOuvert
    int durchmarschSeat = -1;   // Ramsch: this seat aims at Durchmarsch
    int abandonAnswer = 0;      // the person's answer to a give-up offer
    int safe = 1;               // Settings/Safe: the early face-up step
};

struct SelfPlayResult {
    bool ok = true;
    std::string fault;  // the first broken rule, with the trick and seat
    int gameType = -1;
    int soloist = 3;
    int tricks = 0;            // complete tricks
    int soloistPoints = 0;
    bool soloistWon = false;
    bool gaveUp = false;
    int replacedCards = 0;     // cards a strategy's closing check replaced
    int faceUp = 0;            // the soloist laid his cards face up
};

class CSkat;

// One self-played game, card by card.
class SelfPlayGame {
public:
    SelfPlayGame();
    ~SelfPlayGame();
    SelfPlayGame(const SelfPlayGame&) = delete;
    SelfPlayGame& operator=(const SelfPlayGame&) = delete;

    // Deals and declares (or forces) the game and starts the play; false on a fault.
    bool Start(const SelfPlayOptions& options);
    // Serves the next card (and finishes the trick after its third card); false once the game
    // is over or a rule was broken (see Result()).
    bool PlayCard();
    // Clears a complete trick from the table and hands the lead to its winner (PlayCard does it
    // itself; a caller that asks for a card in between calls it first).
    void PrepareNextCard();
    CSkat& Game() { return *game_; }
    // Cards in the running trick (0 when a new trick is due) and the seat to play next.
    int Position() const;
    int SeatToPlay() const;
    int TricksDone() const { return result_.tricks; }
    const SelfPlayResult& Result() const { return result_; }

private:
    bool Fail(const std::string& fault);
    bool FinishTrick();

    CSkat* game_ = nullptr;
    SelfPlayResult result_;
    bool over_ = false;
};

// A whole game.
SelfPlayResult PlaySelfGame(const SelfPlayOptions& options);

// The computer's state back to its start values in place: copying in a fresh record with its four
// large sheets would cost the harness a quarter of its time.
void ResetComputerState(ComputerState& state);
