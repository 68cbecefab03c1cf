#pragma once
// The trick estimator: the tricks a player expects in a suit game or Grand, with every input and
// rule it applies written into his trick estimation sheet for the estimation window.

class CPlayer;

// Expected tricks 0..10 of suit game t (0..3) or Grand (6); fills the sheet block of t.
int EstimateTricks(CPlayer& player, int type);
// Suit game: side suit u's lost tricks at bits 4u..4u+3. Grand: tricks to take off the count,
// the reasons written into the secondary suit records (elements 16 and 17).
int CountExtraTricks(CPlayer& player, int type);
// Clears block view (0..4), or blocks 0..4 for -1; the Null and play blocks stay.
void ClearEstimationSheet(CPlayer& player, int view);
