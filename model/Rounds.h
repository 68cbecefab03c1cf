#pragma once
// Bock and Ramsch rounds of the variant rules: arming rounds when a game triggers them, advancing
// the counters after each game, applying new limits from the configuration, and keeping the counters
// in the registry (section Actual). The counters are fields of the game record (g_Game).

// Called when a finished game triggers new rounds; returns RoundStatus.
int ArmRounds();
// Called after each finished game (variant rules, Variants/Extra on); returns RoundStatus.
int AdvanceRoundCounters();
// The numbers of Bock and Ramsch rounds entered in the configuration (new match or series).
void SetRoundLimits(int bockRounds, int ramschRounds);

// rounds x 1000 + running round, both halves held to 0..999.
int PackRoundNumber(int rounds, int round);
// round = value mod 1000, rounds = the larger of value / 1000 and round.
void UnpackRoundNumber(int value, int& rounds, int& round);
// Actual/Status, Actual/BockCounter, Actual/BockNumber, Actual/RamschNumber.
void ReadRoundCounters();
void WriteRoundCounters();
