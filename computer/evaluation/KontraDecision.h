#pragma once
// Kontra and Rekontra of one computer seat: the announcements and the estimators by game type
// (the rules that permit them are in Kontra.h).

class CPlayer;

class CKontraDecision {
public:
    explicit CKontraDecision(CPlayer& player) : me(player) {}

    // Kontra and Rekontra.
    // Before a card: true when this player announces Kontra now (KontraState 2, KontraSeat him).
    bool AnnounceKontra();
    // The start-of-play test: would this player give Kontra? Leaves KontraState and KontraSeat as
    // they were.
    bool DecideKontra();
    // The soloist after a Kontra: true when he announces Rekontra (KontraState 4).
    bool AnnounceRekontra();
    // The estimators by game type: each leaves the state alone or announces (KontraState 2 or 4)
    // and writes its decision code into the option record of the game type.
    void EstimateKontraSuit();
    void EstimateKontraNull();
    void EstimateKontraRevolution();
    void EstimateKontraGrand();
    void EstimateRekontraSuit();
    void EstimateRekontraNull();
    void EstimateRekontraRevolution();
    void EstimateRekontraGrand();

private:
    CPlayer& me;  // the player this part thinks for
};
