#pragma once
// Kontra and Rekontra: whether a computer defender announces Kontra against the soloist's game
// (decided once, while he holds all ten cards) and whether a computer soloist answers with
// Rekontra. Deterministic; the decision code lands in the option record of the game type.

class CPlayer;

// The rules and the setting let this defender announce Kontra.
bool KontraPermitted(const CPlayer& player);
// Before a card: true when this player announces Kontra now (KontraState 2, KontraSeat him).
bool AnnounceKontra(CPlayer& player);
// The start-of-play test: would this player give Kontra? Leaves KontraState and KontraSeat as
// they were.
bool DecideKontra(CPlayer& player);
// The soloist after a Kontra: true when he announces Rekontra (KontraState 4).
bool AnnounceRekontra(CPlayer& player);

void EstimateKontraGrand(CPlayer& player);
void EstimateRekontraSuit(CPlayer& player);
void EstimateRekontraGrand(CPlayer& player);
