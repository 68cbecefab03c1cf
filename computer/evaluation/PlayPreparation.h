#pragma once
// Play preparation: the status of each suit for a game in which taking tricks is the danger
// (Ramsch, the Durchmarsch attempt), written into HandInfo::PlayStatus and PlayStatusSummary,
// the Durchmarsch plan, the pass-on risk cascade and the Grand Hand answer. The play block of the
// trick estimation sheet (SHEET_PLAY) shows every figure.
// The operations of the player are CPlayer members (declared in model/PlayerData.h, defined here).

class CPlayer;

// Status codes of a suit and of the Jacks.
enum PlayStatusCode : int {
    STATUS_OK = 1,
    STATUS_SAFE_NO_FH = 2,
    STATUS_SAFE_DROP_1 = 3,
    STATUS_RISK = 6,
    STATUS_VENTURE = 9,
    STATUS_VENTURE_DROP_1 = 10,
    STATUS_VENTURE_DROP_2 = 11,
    STATUS_UNFIT = 12,
};

