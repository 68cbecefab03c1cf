#pragma once
// CStore: the cards assignment, the side window that lists every stored deal of the match (number,
// skat, result, time and the three hands). Its two static operations keep the stored deals
// themselves and work whether or not the window is open.

class CSkat;

class CStore {
public:
    // Appends the deal of the game just counted (g_Game.StoreCount and g_Game.GameCount already
    // include it): the time, the numbering mode, the game's number and the cards as dealt. The
    // new deal's words 0-4 are zero, except that deal 1 keeps the old array's (the tail of a long
    // title runs into them).
    static void AddDeal(int numberingMode, const CSkat& game);
    // Sorts every stored skat and hand as the hands on the table are sorted now; empty slots keep
    // their places.
    static void ResortStoredHands();
};
