#pragma once
// The match's game list in memory: eight header records (one 352-byte block, read by byte offset as
// the list file lays it out) and one 44-byte record per game in the order played, with the two
// per-seat figures the score sheet shows beside it, the list totals and the balances.
// The number of games is g_Game.GameCount; Games holds at least that many records once the list is
// complete (a reader of the list takes the smaller of the two).

#include "match/OwnFiles.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One game of the list (eleven 32-bit words; the text fills words 4 to 9).
struct ListRecord {
    // Per seat: -1 not marked; bit 0 the row's declarer; bit 2 a Ramsch game lost by the two
    // other seats (the marked seat is the third player, value 5).
    std::int32_t Marks[3] = {-1, -1, -1};
    std::int32_t Score = 0;  // the game's list value; negative for a lost game; 0 when passed in
    char Text[24] = {};      // the short notation, NUL-terminated, at most 23 characters
    std::int32_t Forehand = 0;

    // The text up to its NUL, never past the 24 bytes.
    std::string TextString() const;
    // The first marked seat (0-2), or 3 when no seat is marked. Of a damaged mark only bits 0 and 2
    // count: a mark without either marks nothing.
    int Seat() const;
    // A Ramsch game lost by two players: the text begins with "Ra" and the seat's mark has bit 2.
    bool IsRamschWithTwoLosers() const;
};

// Byte offsets of the header fields the side windows read.
enum ListHeaderOffset : int {
    LIST_TITLE = 0,             // 56 bytes, German and English wording split by a line feed
    LIST_SUBTITLE_1 = 56,       // 20 bytes
    LIST_COUNTING = 80,         // 1 games numbered straight through, 0 by round
    LIST_SETTLEMENT = 84,       // 0 performance, 1 game points, 2 both
    LIST_NAME_0 = 88,           // 21 bytes each, seats 0, 1, 2 at 88, 132, 176
    LIST_SUBTITLE_2 = 109,      // 11 bytes each, pieces 2, 3, 4 at 109, 153, 197
    LIST_FIRST_FOREHAND = 220,  // forehand of the match's first game
    LIST_START_TIME = 228,      // low 32 bits of the seconds since 1970 (UTC)
    LIST_TITLE_OPTIONS = 260,   // bit 0 the file name joins the title, bit 1 the rule variant
    LIST_BALANCES = 324,        // three int32, the balances as last stored
};
constexpr int kListHeaderBytes = 352;
constexpr int kListSeatStride = 44;

struct ListHeader {
    std::array<std::uint8_t, kListHeaderBytes> Bytes{};

    std::int32_t Int(int offset) const;
    void SetInt(int offset, std::int32_t value);
    // The text of a field of `length` bytes, ending at its first NUL or at the field's end.
    std::string Text(int offset, int length) const;
    // Writes a text into a field, cut so that a NUL always ends it, padded with NULs.
    void SetText(int offset, int length, const std::string& text);
    // The subtitle: pieces 1 to 4 read as one text that ends at the first NUL (a full piece runs
    // on into the next).
    std::string Subtitle() const;
    std::string SeatName(int seat) const;
};

struct CGameList {
    ListHeader Header;
    std::vector<ListRecord> Games;  // Games[k - 1] is game k
    int MatchTotals[3] = {0, 0, 0};  // the sum of the scores each seat made
    int Balances[3] = {0, 0, 0};     // what is left of each seat's start credit

    // The list file the program last wrote, whole or in place: where it is, who it is now, and the
    // games, header and trailer it holds. A game end that finds it unchanged writes only what is
    // new; nothing new, nothing written.
    SeenFile Written;
    std::size_t WrittenGames = 0;
    ListHeader WrittenHeader;
    std::vector<std::uint8_t> WrittenTrailer;
    // The leading games that are still as that file holds them (a game listed over an older one
    // lowers it).
    std::size_t RowsUnchanged = 0;

    // The games a reader may look at: g_Game.GameCount, never more than are held.
    int ListedGames() const;
    // Game k (1-based) or nullptr.
    const ListRecord* Game(int k) const;

    void Reset() { *this = CGameList(); }
};

extern CGameList g_GameList;
