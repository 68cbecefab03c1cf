#pragma once
// The suit-game soloist's card play of one computer seat, his early lay-down, and the Ramsch
// check whether the leader aims at Durchmarsch.

class CPlayer;

class CSuitSoloistPlay {
public:
    explicit CSuitSoloistPlay(CPlayer& player) : me(player) {}

    // The soloist: lead, second and third hand. Each returns the card played.
    int PlaySuitSoloistLead();
    int PlaySuitSoloistSecond(int c1);
    int PlaySuitSoloistThird(int c1, int c2);
    // The soloist lays his cards face up when every remaining trick is his.
    void EarlyFaceUpSuit();
    // Ramsch: does the leader of this trick aim at Durchmarsch?
    void CheckDurchmarsch();

private:
    CPlayer& me;  // the player this part thinks for
};
