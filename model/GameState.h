#pragma once
// The game state record: the variables of the game being played, which the flow, the computer
// player, the table drawing and the result step read and write directly. One instance, g_Game;
// every variable keeps one name throughout the program, the trace and the tests (g_Game.GameType,
// g_Game.Soloist, ...). Seats are 0, 1 (computers) and 2 (the person); 3 means no seat.

// Flow states of the main frame (the names the trace prints).
enum FlowStateValue : int {
    STATE_INIT = 0,
    STATE_IDLE = 1,
    STATE_STAY = 2,
    STATE_BREAK = 3,
    STATE_NEW = 4,
    STATE_START = 5,
    STATE_OBSERVE = 6,
    STATE_AUCTION = 7,
    STATE_REPLY = 8,
    STATE_SKAT = 9,
    STATE_HAND = 10,
    STATE_ASK = 11,
    STATE_PASS = 12,
    STATE_QUERY = 13,
    STATE_PICKUP = 14,
    STATE_SWAP = 15,
    STATE_PLAY = 16,
    STATE_LOAD = 17,
    STATE_MANIPULATE = 18,
};

// Values of KontraState (also the value factor).
enum KontraStateValue : int { KONTRA_NONE = 1, KONTRA_SAID = 2, KONTRA_REKONTRA = 4 };

// Values of RoundStatus: the kind of round the match is in.
enum RoundStatusValue : int { ROUND_NORMAL = 0, ROUND_BOCK = 1, ROUND_RAMSCH = 2 };

// Values of VariantMode: the rule set.
enum VariantModeValue : int { VARIANT_OFFICIAL = 0, VARIANT_SKAT = 1, VARIANT_RAMSCH_ONLY = 2 };

// Values of StopFlag: a break-off, the close, a file arriving or an impossible card asks the running
// step, animation or waiting loop to stop; while the computers bid among themselves inside one
// auction step it stands at Auction.
enum class StopState : int { Auction = -1, Running = 0, Requested = 1 };

struct CGameState {
    // The declared game: -1 none, 0-3 suit games, 4 Null, 5 Revolution, 6 Grand, 7 Ramsch,
    // 8 Durchmarsch (only while a Ramsch pick-up is evaluated). Stored negated by a Bock-to-Ramsch
    // hand-over until NextForehand.
    int GameType = 0;
    // Trumps not yet played: 11 when GameType < 4, else 4; counted down, never below 0.
    int TrumpCount = 11;
    int HandAnnounced = 0;
    // 1 Ouvert announced; 2 a soloist who laid his cards down early (not an announcement).
    int OuvertAnnounced = 0;
    int SchneiderAnnounced = 0;
    int SchwarzAnnounced = 0;

    int Leader = 0;            // forehand of the current game (Actual/Leader)
    int Forehand = 0;          // the seat that leads the current trick (Actual/Forehand)
    int PreviousForehand = 0;  // the seat that led the trick just valued
    int Soloist = 3;           // the declarer; during the auction see the auction
    int TrickWinner = 3;       // winner of the last trick, who leads the next
    int TurnSeat = 0;          // the seat whose card or answer comes next
    int SkatHolderSeat = 0;    // the seat that holds the skat

    int BidIndex = 0;      // rung of the highest bid so far
    int PendingRaise = 0;  // steps by which the person's next bid raises BidIndex
    int AuctionRole = 0;   // 0 the person bids, 1 the person holds
    unsigned char HasBid[3] = {0, 0, 0};

    int KontraState = KONTRA_NONE;
    int KontraSeat = 3;

    int PartyPoints[3] = {0, 0, 0};  // [0] soloist's party, [1] defenders; Ramsch by seat
    int PartyTricks[3] = {0, 0, 0};

    int GameEndFlags = 2;
    int PauseLevel = 0;
    StopState StopFlag = StopState::Running;
    int PlayerPhaseText[3] = {200, 200, 200};
    unsigned char RealPlayFlag = 1;  // 0 while a suggestion runs the card choice in shadow
    int CourseTricks = 10;
    int EarlyFaceUp = 0;
    // Ramsch: 1 when that seat passed the skat on in the current game (0 at each game start).
    int SkatPassedOnBySeat[3] = {0, 0, 0};
    int CheatMask = 0;    // manipulation marks (Game/Cheat)
    unsigned char CheatMaskChanged = 0;  // set whenever CheatMask changes
    int DemoMode = 0;     // Options/Demo
    int VariantMode = VARIANT_OFFICIAL;  // 0 rule Skat, 1 variant Skat, 2 Ramsch only (Variants/Variant)
    int FlowState = STATE_INIT;
    int AllCardsOpen = 0;    // every card shown face up
    int LastRaisedCard = 0;  // the card last raised by a selection

    // Bock and Ramsch rounds (section Actual).
    int RoundStatus = ROUND_NORMAL;  // 0 normal, 1 Bock round, 2 Ramsch round
    int BockCounter = 0;  // games played in the running round, 0..2: a fresh round has played none
    int BockRound = 0;
    int BockRounds = 0;
    int RamschRound = 0;
    int RamschRounds = 0;

    int MatchMode = 0;  // 0 number of games, 1 time, 2 credit, 3 no end (Game/Mode)
    int GameCount = 0;
    int StoreCount = 0;

    // Everything to its value at program start.
    void Reset() { *this = CGameState(); }
    // CSkat::Initialize: GameType 0, TrumpCount 11, no Hand, no early face-up, 10 course tricks.
    void ResetForDeal();
    // CMainFrame::StartGame: no soloist, GameEndFlags 2, PauseLevel 1, StopFlag 0, the skat with
    // Forehand, phase text 200 for all seats.
    void ResetForGame();
    // CMainFrame::OnNew and OnRepeat: no Kontra.
    void ResetKontra();
    // CMainFrame::OnStart: the bid at 18, nobody has bid.
    void ResetAuction();
    // Sets GameType and the matching TrumpCount (11 below 4, else 4).
    void SetGameType(int type);
    // Sets GameType with a trump count other than a fresh game's: a state put back as it was (an
    // undo step, a question's end) or an estimation sheet drawn for another game.
    void SetGameTypeWithTrumps(int type, int trumpCount);
    // Sets GameType and leaves the trumps counted so far: the Bock-to-Ramsch hand-over stores the
    // type negated and takes it back.
    void SetGameTypeKeepingTrumps(int type);
};
#ifndef KARTOVAN_GAME_READER
extern CGameState g_Game;
#else
// The folders that only read the game (the bars and messages, the side windows, the sound: the build
// compiles them with KARTOVAN_GAME_READER) see g_Game as a const view of the same record, so that a
// write from there does not compile; their changes go through the flow's requests. The record itself
// is named only inside BindGameReaderView, and the view is bound at compile time, before any
// constructor runs.
constexpr const CGameState& BindGameReaderView() {
    extern CGameState g_Game;
    return g_Game;
}
namespace {
[[maybe_unused]] constinit const CGameState& g_Game = BindGameReaderView();
}
#endif
