#pragma once
// The card scorers of one computer seat: how much a card of a suit is worth playing now, by
// rank and by the four kinds of situation.

class CPlayer;

class CCardScorers {
public:
    explicit CCardScorers(const CPlayer& player) : me(player) {}

    // The card scorers (suit s, length or count, modifier, top bonus; -1 for a card not held) and
    // the score choosers over them.
    int ScoreAce1(int s, int n, int F, int t) const;
    int ScoreTen1(int s, int n, int F, int t) const;
    int ScoreKing1(int s, int n, int F, int t) const;
    int ScoreQueen1(int s, int n, int F, int t) const;
    int ScoreNine1(int s, int n, int F, int t) const;
    int ScoreEight1(int s, int n, int F, int t) const;
    int ScoreSeven1(int s, int n, int F, int t) const;
    int ScoreAce2(int s, int c, int a) const;
    int ScoreTen2(int s, int c, int a) const;
    int ScoreKing2(int s, int c, int a) const;
    int ScoreQueen2(int s, int c, int a) const;
    int ScoreNine2(int s, int c, int a) const;
    int ScoreEight2(int s, int c, int a) const;
    int ScoreSeven2(int s, int c, int a) const;
    int ScoreAce3(int s, int c, int a, int t) const;
    int ScoreTen3(int s, int c, int a, int t) const;
    int ScoreKing3(int s, int c, int a, int t) const;
    int ScoreQueen3(int s, int c, int a, int t) const;
    int ScoreNine3(int s, int c, int a, int t) const;
    int ScoreEight3(int s, int c, int a, int t) const;
    int ScoreSeven3(int s, int c, int a, int t) const;
    int ScoreAce4(int s, int c, int a, int t) const;
    int ScoreTen4(int s, int c, int a, int t) const;
    int ScoreKing4(int s, int c, int a, int t) const;
    int ScoreQueen4(int s, int c, int a, int t) const;
    int ScoreNine4(int s, int c, int a, int t) const;
    int ScoreEight4(int s, int c, int a, int t) const;
    int ScoreSeven4(int s, int c, int a, int t) const;

private:
    const CPlayer& me;  // the player this part thinks for
};
